#include "dialogs/frmOptions.h"

#include "app/CMouse.h"
#include "app/Language.h"
#include "app/MessageBox.h"
#include "app/Wallpaper.h"
#include "dialogs/UpDown.h"
#include "langlib/Resources.h"
#include "scenario/NumberFilter.h"
#include "store/Settings.h"

#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QSize PreviewSize(96, 72);
// What selecting the whole text means, as the field's validation has always
// said it: from 0, for this many characters.
constexpr int WholeText = 9999;

frmOptions::FileDialogHook& InstalledHook()
{
    static frmOptions::FileDialogHook hook;
    return hook;
}

template <typename T>
T* Named(T* widget, const QString& name)
{
    widget->setObjectName(name);
    return widget;
}

QString Res(int id)
{
    return Language::LoadResString(id);
}

// The picture entry of the language library names the formats of its day;
// the wallpaper takes whatever the picture reader reads (PNG, SVG, WebP
// where their plug-ins are), so the entry offers those as well.
QStringList WithReadablePictures(QStringList patterns)
{
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern, Qt::CaseInsensitive))
            patterns << pattern;
    }
    return patterns;
}

// The language library writes a filter as pairs of a description and its
// patterns, all joined by "|", the patterns by ";"; the file dialog wants
// "description (patterns)" lines. The first pair is the pictures'.
QString FileDialogFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList lines;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        if (i == 0)
            patterns = WithReadablePictures(patterns);
        lines << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return lines.join(QStringLiteral(";;"));
}

// The folder of a full file name with its final separator, taken from the
// name itself: C:\Pictures\beach.bmp gives C:\Pictures\.
QString FolderOf(const QString& fileName)
{
    return fileName.left(fileName.lastIndexOf(QDir::separator()) + 1);
}

// A focus move inside the dialog, as against the dialog losing the focus
// to another window or a pop-up.
bool MovesInside(const QEvent* event)
{
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmOptions::frmOptions(Settings& settings, QWidget* owner)
    : QDialog(owner)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmOptions"));
    SetupForm();
    ApplyTexts();
    LoadSettings();
    Preview();
}

void frmOptions::InterceptFileDialog(FileDialogHook hook)
{
    InstalledHook() = std::move(hook);
}

void frmOptions::SetupForm()
{
    lblLoans = Named(new QLabel, QStringLiteral("lblLoans"));
    txtLoans = Named(new QLineEdit, QStringLiteral("txtLoans"));
    // Digits only, typed or pasted; control keys still edit.
    txtLoans->setValidator(new NumberFilter(txtLoans));
    txtLoans->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtLoans->setMaximumWidth(txtLoans->fontMetrics().horizontalAdvance(QStringLiteral("00000")) * 2);
    udLoans = Named(new UpDown(txtLoans, Settings::MinRows, Settings::MaxRows), QStringLiteral("udLoans"));
    auto* loans = new QHBoxLayout;
    loans->addWidget(lblLoans);
    loans->addWidget(txtLoans);
    loans->addWidget(udLoans);
    loans->addStretch();

    frmTerm = Named(new QGroupBox, QStringLiteral("frmTerm"));
    lblTermMonths = Named(new QLabel, QStringLiteral("lblTermMonths"));
    lblTermYears = Named(new QLabel, QStringLiteral("lblTermYears"));
    auto* term = new QHBoxLayout(frmTerm);
    AddTermChoice(term, 0, lblTermMonths);
    AddTermChoice(term, 1, lblTermYears);
    term->addStretch();

    frmWallpaper = Named(new QGroupBox, QStringLiteral("frmWallpaper"));
    txtWallpaper = Named(new QLineEdit, QStringLiteral("txtWallpaper"));
    txtWallpaper->setMinimumWidth(txtWallpaper->fontMetrics().averageCharWidth() * 40);
    cmdWallpaper = Named(new QPushButton(QStringLiteral("...")), QStringLiteral("cmdWallpaper"));
    cmdWallpaper->setFocusPolicy(Qt::TabFocus);
    picWallpaper = Named(new QLabel, QStringLiteral("picWallpaper"));
    picWallpaper->setFixedSize(PreviewSize);
    picWallpaper->setFrameShape(QFrame::StyledPanel);
    picWallpaper->setAlignment(Qt::AlignCenter);
    auto* wallpaper = new QGridLayout(frmWallpaper);
    wallpaper->addWidget(txtWallpaper, 0, 0);
    wallpaper->addWidget(cmdWallpaper, 0, 1);
    wallpaper->addWidget(picWallpaper, 1, 0, 1, 2, Qt::AlignHCenter);

    // The buttons take no focus from a click, so clicking Cancel never checks
    // the count and clicking OK checks it once, as OK itself.
    OKButton = Named(new QPushButton, QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setFocusPolicy(Qt::TabFocus);
    CancelButton = Named(new QPushButton, QStringLiteral("CancelButton"));
    CancelButton->setFocusPolicy(Qt::TabFocus);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(loans);
    layout->addWidget(frmTerm);
    layout->addWidget(frmWallpaper);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdWallpaper, &QPushButton::clicked, this, &frmOptions::Browse);
    connect(OKButton, &QPushButton::clicked, this, &frmOptions::accept);
    connect(CancelButton, &QPushButton::clicked, this, &frmOptions::reject);
    txtLoans->installEventFilter(this);
    txtWallpaper->installEventFilter(this);
}

// An option button with its label beside it; a click on the label chooses
// the option too. Both buttons sit in the frame itself, which makes them one
// choice.
void frmOptions::AddTermChoice(QHBoxLayout* layout, int index, QLabel* label)
{
    auto* option = Named(new QRadioButton(frmTerm), QStringLiteral("optTerm_%1").arg(index));
    optTerm.push_back(option);
    label->installEventFilter(this);
    layout->addWidget(option);
    layout->addWidget(label);
}

void frmOptions::ApplyTexts()
{
    setWindowTitle(Res(rsOptions));
    lblLoans->setText(Res(rsNumberOfLoansDisplayed));
    frmTerm->setTitle(Res(rsTermIn));
    lblTermMonths->setText(Res(rsMonths));
    lblTermYears->setText(Res(rsYears));
    frmWallpaper->setTitle(Res(rsWallpaper));
    cmdWallpaper->setToolTip(Res(rsBrowse));
    picWallpaper->setToolTip(Res(rsWallpaperToolTip));
    OKButton->setText(Res(rsOK));
    CancelButton->setText(Res(rsCancel));
}

void frmOptions::LoadSettings()
{
    txtLoans->setText(QString::number(m_settings.DisplayedUpperIndex + 1));
    optTerm[0]->setChecked(m_settings.TermInMonths);
    optTerm[1]->setChecked(!m_settings.TermInMonths);
    txtWallpaper->setText(m_settings.Wallpaper);
    m_wallpaperDirectory = m_settings.WallpaperDirectory;
}

// Empty text, and digits too many to count, are no count in range either.
int frmOptions::Loans() const
{
    bool ok = false;
    const int loans = txtLoans->text().toInt(&ok);
    return ok ? loans : -1;
}

bool frmOptions::ValidateLoans()
{
    const int loans = Loans();
    if (loans >= udLoans->Minimum() && loans <= udLoans->Maximum())
        return true;
    m_refusing = true;
    txtLoans->setFocus(Qt::OtherFocusReason);
    MessageBox::Ok(Res(rsNumberOfLoans));
    txtLoans->setSelection(0, WholeText);
    m_refusing = false;
    return false;
}

// Closing the file dialog without a file changes nothing.
void frmOptions::Browse()
{
    QFileDialog dialog(this, Res(rsSelSrcWpFile), m_wallpaperDirectory, FileDialogFilter(Res(rsLoanFiles)));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    if (!txtWallpaper->text().isEmpty())
        dialog.selectFile(txtWallpaper->text());
    const int result = InstalledHook() ? InstalledHook()(dialog) : dialog.exec();
    const QString chosen = QDir::toNativeSeparators(dialog.selectedFiles().value(0));
    if (result != QDialog::Accepted || chosen.isEmpty())
        return;
    CMouse mouse;
    mouse.SetPointer(Qt::WaitCursor);
    txtWallpaper->setText(chosen);
    m_wallpaperDirectory = FolderOf(chosen);
    Preview();
}

// A picture that fails keeps the preview it replaced and empties the path,
// so OK cannot store a file the window would refuse.
void frmOptions::Preview()
{
    Wallpaper picture;
    const QString fileName = txtWallpaper->text();
    const int error = picture.Load(fileName);
    if (error != Wallpaper::NoError) {
        MessageBox::Ok(Wallpaper::FailureText(error, fileName, Res));
        txtWallpaper->clear();
        return;
    }
    if (picture.IsEmpty()) {
        picWallpaper->clear();
        return;
    }
    picWallpaper->setPixmap(QPixmap::fromImage(picture.Picture().scaled(
        picWallpaper->contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

// OK first leaves the field that has the focus, as a click elsewhere would.
void frmOptions::accept()
{
    if (focusWidget() == txtWallpaper)
        Preview();
    if (!ValidateLoans())
        return;
    m_settings.DisplayedUpperIndex = Loans() - 1;
    m_settings.TermInMonths = optTerm[0]->isChecked();
    m_settings.Wallpaper = txtWallpaper->text();
    m_settings.WallpaperDirectory = m_wallpaperDirectory;
    QDialog::accept();
}

// The count field is left the usual way first, so that the selection of a
// refused count is the last thing that happens to it.
bool frmOptions::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && MovesInside(event) && !m_refusing) {
        if (watched == txtLoans) {
            txtLoans->event(event);
            if (ValidateLoans())
                Preview();
            return true;
        }
        if (watched == txtWallpaper)
            Preview();
    }
    if (event->type() == QEvent::MouseButtonRelease && (watched == lblTermMonths || watched == lblTermYears))
        optTerm[watched == lblTermMonths ? 0 : 1]->click();
    return QDialog::eventFilter(watched, event);
}
