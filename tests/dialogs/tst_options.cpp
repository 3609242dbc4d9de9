// The options dialog opened from the real main window, by the menu and by a
// click on the window's background: the count of rows, the term unit, the
// wallpaper with its preview and browse, OK and Cancel, and what the window
// does with the settings afterwards.

#include "../app/FreshStart.h"
#include "../app/QuoteSheet.h"

#include "app/MessageBox.h"
#include "dialogs/UpDown.h"
#include "dialogs/frmOptions.h"
#include "scenario/Settings.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <optional>

using namespace QuoteSheet;

namespace {

const QString CountRefused = QStringLiteral("Number of loans displayed can be between 2 and 15.");

void WriteFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void WritePicture(const QString& fileName)
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    QVERIFY(picture.save(fileName, "BMP"));
}

// A bitmap whose header claims 20,000 by 20,000 pixels, with no pixels behind it.
QByteArray HugeBitmapHeader()
{
    QByteArray bmp(54, '\0');
    auto put32 = [&bmp](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 20000);
    put32(22, 20000);
    bmp[26] = 1;
    bmp[28] = 24;
    return bmp;
}

void Retype(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void PressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogShowsTheSettings();
    void countOutsideTwoToFifteenIsRefused_data();
    void countOutsideTwoToFifteenIsRefused();
    void countsTwoAndFifteenAreTaken_data();
    void countsTwoAndFifteenAreTaken();
    void countTakesDigitsOnly();
    void arrowsStepWithinTwoToFifteen();
    void browseSetsTheFolderOfTheChosenFile();
    void cancelledBrowseChangesNothing();
    void unusableWallpaperIsSaidAndEmptied_data();
    void unusableWallpaperIsSaidAndEmptied();
    void cancelLeavesEverySetting();
    void yearsClearsTheMonthsFlagAndTheWindowShowsYears();
    void backgroundClickOpensTheDialog();
    void fewerRowsShrinkTheViewport();
    void spanishTexts();

private:
    frmOptions* OpenOptions();
    void Reopen(const Settings& stored);

    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
    std::optional<QTemporaryDir> folder;
};

void TestOptions::init()
{
    fresh.emplace();
    folder.emplace();
    // As on a first start, which creates the program's key.
    Settings::ReadStartLanguage();
    window = OpenWindow();
    QVERIFY(window);
}

void TestOptions::cleanup()
{
    frmOptions::InterceptFileDialog({});
    window.reset();
    folder.reset();
    fresh.reset();
}

frmOptions* TestOptions::OpenOptions()
{
    window->mnuToolsOptions->trigger();
    auto* dialog = window->findChild<frmOptions*>();
    if (!dialog)
        return nullptr;
    // The offscreen platform has no window manager to activate a new window.
    QApplication::setActiveWindow(dialog);
    return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

void TestOptions::Reopen(const Settings& stored)
{
    window.reset();
    stored.SaveSettings();
    window = OpenWindow();
    QVERIFY(window);
}

void TestOptions::dialogShowsTheSettings()
{
    Settings stored;
    stored.DisplayedUpperIndex = 8;
    stored.TermInMonths = true;
    Reopen(stored);
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QVERIFY(dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog->lblLoans->text(), QStringLiteral("Number of Loans to display"));
    QCOMPARE(dialog->frmTerm->title(), QStringLiteral("Term specified in: "));
    QCOMPARE(dialog->lblTermMonths->text(), QStringLiteral("Months"));
    QCOMPARE(dialog->lblTermYears->text(), QStringLiteral("Years"));
    QCOMPARE(dialog->frmWallpaper->title(), QStringLiteral("Wallpaper"));
    QCOMPARE(dialog->cmdWallpaper->text(), QStringLiteral("..."));
    QCOMPARE(dialog->cmdWallpaper->toolTip(), QStringLiteral("Browse"));
    QCOMPARE(dialog->picWallpaper->toolTip(), QStringLiteral("Sample of currently selected file"));
    QCOMPARE(dialog->OKButton->text(), QStringLiteral("OK"));
    QCOMPARE(dialog->CancelButton->text(), QStringLiteral("Cancel"));
    QCOMPARE(dialog->txtLoans->text(), QStringLiteral("9"));
    QVERIFY(dialog->optTerm[0]->isChecked() && !dialog->optTerm[1]->isChecked());
    for (const char* name : {"lblLoans", "txtLoans", "udLoans", "frmTerm", "optTerm_0", "optTerm_1", "lblTermMonths",
                             "lblTermYears", "frmWallpaper", "txtWallpaper", "cmdWallpaper", "picWallpaper",
                             "OKButton", "CancelButton"})
        QVERIFY2(dialog->findChild<QWidget*>(QLatin1String(name)), name);
    // A click on the years label chooses years.
    QTest::mouseClick(dialog->lblTermYears, Qt::LeftButton);
    QVERIFY(dialog->optTerm[1]->isChecked() && !dialog->optTerm[0]->isChecked());
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<frmOptions*>());
}

void TestOptions::countOutsideTwoToFifteenIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("1") << QStringLiteral("1");
    QTest::newRow("16") << QStringLiteral("16");
    QTest::newRow("0") << QStringLiteral("0");
    QTest::newRow("empty") << QString();
    QTest::newRow("400 digits") << QString(400, QLatin1Char('7'));
}

// Leaving the field and clicking OK both refuse the count, keep the focus in
// the field with its text selected, and store nothing.
void TestOptions::countOutsideTwoToFifteenIsRefused()
{
    QFETCH(QString, typed);
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QLineEdit* count = dialog->txtLoans;
    Retype(count, QString());
    QApplication::clipboard()->setText(typed);
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), typed);
    PressTab();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{CountRefused});
    QCOMPARE(QApplication::focusWidget(), count);
    QCOMPARE(count->selectedText(), typed);

    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(MessageBox::RecordedTexts(), QStringList(2, CountRefused));
    QVERIFY(dialog->isVisible());
    QCOMPARE(QApplication::focusWidget(), count);
    QCOMPARE(window->ProgramSettings().DisplayedUpperIndex, 5);
}

void TestOptions::countsTwoAndFifteenAreTaken_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("2") << QStringLiteral("2");
    QTest::newRow("15") << QStringLiteral("15");
}

void TestOptions::countsTwoAndFifteenAreTaken()
{
    QFETCH(QString, typed);
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtLoans, typed);
    PressTab();
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    QVERIFY(QApplication::focusWidget() != dialog->txtLoans);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
    QTRY_VERIFY(!window->findChild<frmOptions*>());
    QCOMPARE(window->ProgramSettings().DisplayedUpperIndex, typed.toInt() - 1);
    // Stored at once, and the window shows that many rows.
    Settings stored;
    stored.LoadWindowSettings();
    QCOMPARE(stored.DisplayedUpperIndex, typed.toInt() - 1);
    QVERIFY(window->LoadedUpperIndex() >= typed.toInt() - 1);
    QCOMPARE(window->picScroll->height(), typed.toInt() * window->cboFrequency[0]->height() + 2);
}

void TestOptions::countTakesDigitsOnly()
{
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QLineEdit* count = dialog->txtLoans;
    Retype(count, QStringLiteral("1a-b2. "));
    QCOMPARE(count->text(), QStringLiteral("12"));
    QTest::keyClick(count, Qt::Key_Backspace);
    QCOMPARE(count->text(), QStringLiteral("1"));
    QApplication::clipboard()->setText(QStringLiteral("4x"));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("1"));
    QApplication::clipboard()->setText(QStringLiteral("\t1\n"));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("1"));
}

void TestOptions::arrowsStepWithinTwoToFifteen()
{
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QLineEdit* count = dialog->txtLoans;
    auto* up = dialog->udLoans->findChild<QToolButton*>(QStringLiteral("cmdUp"));
    auto* down = dialog->udLoans->findChild<QToolButton*>(QStringLiteral("cmdDown"));
    QVERIFY(up && down);
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("7"));
    Retype(count, QStringLiteral("15"));
    QTest::keyClick(count, Qt::Key_Up);
    QCOMPARE(count->text(), QStringLiteral("15"));
    Retype(count, QStringLiteral("2"));
    QTest::mouseClick(down, Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("2"));
    // From a count out of range the arrows come back into it.
    Retype(count, QStringLiteral("99"));
    QTest::keyClick(count, Qt::Key_Down);
    QCOMPARE(count->text(), QStringLiteral("15"));
    Retype(count, QString());
    QTest::mouseClick(up, Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("2"));
    QCOMPARE(QApplication::focusWidget(), count);
}

// The folder is the chosen file's own, even when the folder's name holds the
// file's name; the picture is previewed and, after OK, tiled.
void TestOptions::browseSetsTheFolderOfTheChosenFile()
{
    const QString album = folder->filePath(QStringLiteral("beach.bmp album"));
    QVERIFY(QDir().mkpath(album));
    const QString picture = album + QStringLiteral("/beach.bmp");
    WritePicture(picture);
    Settings stored;
    stored.WallpaperDirectory = folder->path() + QLatin1Char('/');
    Reopen(stored);

    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QString title;
    QString startedIn;
    QStringList filters;
    frmOptions::InterceptFileDialog([&](QFileDialog& files) {
        title = files.windowTitle();
        startedIn = files.directory().absolutePath();
        filters = files.nameFilters();
        files.selectFile(picture);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Select a wallpaper file"));
    QCOMPARE(startedIn, QDir(folder->path()).absolutePath());
    QVERIFY2(!filters.isEmpty() && filters[0].startsWith(QStringLiteral("Image files (*.bmp *.jpg")),
             qPrintable(filters.join(QLatin1Char('|'))));
    QCOMPARE(dialog->txtWallpaper->text(), picture);
    QCOMPARE(dialog->WallpaperDirectory(), album + QLatin1Char('/'));
    QVERIFY(!dialog->picWallpaper->pixmap().isNull());
    QVERIFY(MessageBox::RecordedTexts().isEmpty());

    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(window->ProgramSettings().Wallpaper, picture);
    QCOMPARE(window->ProgramSettings().WallpaperDirectory, album + QLatin1Char('/'));
    const QImage shown = window->grab().toImage();
    QCOMPARE(shown.pixelColor(window->centralWidget()->mapTo(window.get(), QPoint(1, 1))), QColor(200, 40, 40));
}

void TestOptions::cancelledBrowseChangesNothing()
{
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    dialog->txtWallpaper->setText(QStringLiteral("typed"));
    frmOptions::InterceptFileDialog([](QFileDialog&) { return int(QDialog::Rejected); });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);
    QCOMPARE(dialog->txtWallpaper->text(), QStringLiteral("typed"));
    QCOMPARE(dialog->WallpaperDirectory(), QString());
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
}

void TestOptions::unusableWallpaperIsSaidAndEmptied_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const QString notFound = QStringLiteral("Wallpaper file ");
    const QString notFoundEnd = QStringLiteral(" not found.");
    const QString invalid = QStringLiteral("File ");
    const QString invalidEnd = QStringLiteral(" is not valid as wallpaper.");
    QTest::newRow("missing") << "missing.bmp" << QByteArray() << true << notFound << notFoundEnd;
    QTest::newRow("text named bmp") << "notes.bmp" << QByteArray("just some text\n") << true << invalid
                                    << invalidEnd;
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("") << true << invalid << invalidEnd;
    QTest::newRow("folder") << "pictures" << QByteArray() << true << notFound << notFoundEnd;
    QTest::newRow("20000 x 20000") << "huge.bmp" << HugeBitmapHeader() << true << invalid << invalidEnd;
    QTest::newRow("no read permission") << "locked.bmp" << QByteArray("BM") << false << notFound << notFoundEnd;
}

// A typed path is previewed when the field is left; a failure is said and
// the path emptied, and the preview keeps the picture it showed.
void TestOptions::unusableWallpaperIsSaidAndEmptied()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, readable);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const QString path = folder->filePath(name);
    if (name == QStringLiteral("pictures"))
        QVERIFY(QDir().mkpath(path));
    else if (name != QStringLiteral("missing.bmp"))
        WriteFile(path, bytes);
    if (!readable) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("This user reads files without read permission");
    }
    const QString good = folder->filePath(QStringLiteral("good.bmp"));
    WritePicture(good);

    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtWallpaper, good);
    PressTab();
    QVERIFY(!dialog->picWallpaper->pixmap().isNull());
    const QImage preview = dialog->picWallpaper->pixmap().toImage();

    Retype(dialog->txtWallpaper, path);
    PressTab();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{before + path + after});
    QCOMPARE(dialog->txtWallpaper->text(), QString());
    QCOMPARE(dialog->picWallpaper->pixmap().toImage(), preview);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(window->ProgramSettings().Wallpaper, QString());
    QCOMPARE(MessageBox::RecordedTexts().size(), 1);
}

void TestOptions::cancelLeavesEverySetting()
{
    const QString picture = folder->filePath(QStringLiteral("sea.bmp"));
    WritePicture(picture);
    Settings stored;
    stored.DisplayedUpperIndex = 3;
    stored.TermInMonths = true;
    stored.Wallpaper = picture;
    stored.WallpaperDirectory = folder->path() + QLatin1Char('/');
    Reopen(stored);
    const int height = window->height();

    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtLoans, QStringLiteral("12"));
    QTest::mouseClick(dialog->optTerm[1], Qt::LeftButton);
    const QString other = folder->filePath(QStringLiteral("other.bmp"));
    WritePicture(other);
    frmOptions::InterceptFileDialog([&](QFileDialog& files) {
        files.selectFile(other);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);
    QCOMPARE(dialog->txtWallpaper->text(), other);
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    QTRY_VERIFY(!window->findChild<frmOptions*>());

    for (const Settings& settings : {window->ProgramSettings(), [] {
             Settings read;
             read.LoadWindowSettings();
             return read;
         }()}) {
        QCOMPARE(settings.DisplayedUpperIndex, 3);
        QCOMPARE(settings.TermInMonths, true);
        QCOMPARE(settings.Wallpaper, picture);
        QCOMPARE(settings.WallpaperDirectory, folder->path() + QLatin1Char('/'));
    }
    QCOMPARE(window->height(), height);
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
}

void TestOptions::yearsClearsTheMonthsFlagAndTheWindowShowsYears()
{
    Settings stored;
    stored.TermInMonths = true;
    Reopen(stored);
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("360"));
    Type(window->txtCurLoanTerm, QStringLiteral("180"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QStringLiteral("240"), QStringLiteral("Monthly"));
    QCOMPARE(window->txtTerm[1]->text(), QStringLiteral("240"));
    // The focus stays in row 2, whose term is typed but not yet left.
    Enter(window->txtTerm[2]);
    QTest::keyClicks(window->txtTerm[2], QStringLiteral("120"));
    QCOMPARE(window->lblLoanTerm->text(), QStringLiteral("Default Term (Months):"));

    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->optTerm[1], Qt::LeftButton);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(window->ProgramSettings().TermInMonths, false);
    Settings read;
    read.LoadWindowSettings();
    QCOMPARE(read.TermInMonths, false);
    QCOMPARE(window->txtLoanTerm->text(), QStringLiteral("30"));
    QCOMPARE(window->txtCurLoanTerm->text(), QStringLiteral("15"));
    QCOMPARE(window->txtTerm[1]->text(), QStringLiteral("20"));
    QCOMPARE(window->txtTerm[0]->text(), QString());
    QCOMPARE(window->Quotes[window->R(2)]->Term(), 120);
    QCOMPARE(window->lblLoanTerm->text(), QStringLiteral("Default Term (Years):"));
    QCOMPARE(window->LoanTerm(), 360);

    // Typing in years now means years.
    QApplication::setActiveWindow(window.get());
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    Type(window->txtTerm[1], QStringLiteral("25"));
    QCOMPARE(window->Quotes[window->R(1)]->Term(), 300);
}

// Only the window itself opens it: not a label, not a frame of the window.
void TestOptions::backgroundClickOpensTheDialog()
{
    QWidget* background = window->centralWidget();
    QTest::mouseClick(window->lblLoanName, Qt::LeftButton);
    QTest::mouseClick(window->fraGrid, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTRY_VERIFY(!window->findChild<frmOptions*>());

    const QRect upper = window->fraNewLoan->geometry();
    const QRect lower = window->fraGrid->geometry();
    const QPoint between(lower.center().x(), (upper.bottom() + lower.top()) / 2);
    QVERIFY2(!background->childAt(between), "no gap between the sections");
    QTest::mouseClick(background, Qt::RightButton, Qt::NoModifier, between);
    QTRY_VERIFY(!window->findChild<frmOptions*>());
    QTest::mouseClick(background, Qt::LeftButton, Qt::NoModifier, between);
    auto* dialog = window->findChild<frmOptions*>();
    QVERIFY(dialog && dialog->isVisible());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY(!window->findChild<frmOptions*>());
}

void TestOptions::fewerRowsShrinkTheViewport()
{
    const int p = window->cboFrequency[0]->height();
    const int gridHeight = window->picScroll->height();
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtLoans, QStringLiteral("3"));
    QTest::keyClick(dialog->txtLoans, Qt::Key_Return);
    QTRY_VERIFY(!window->findChild<frmOptions*>());
    QCOMPARE(window->picScroll->height(), gridHeight - 3 * p);
    QCOMPARE(window->LoadedUpperIndex(), 5);
    QCOMPARE(window->vsbLoans->maximum(), 3 * p);
    QVERIFY(window->vsbLoans->isEnabled());
}

void TestOptions::spanishTexts()
{
    window->mnuToolsLanguageOpt[2]->trigger();
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Opciones"));
    QCOMPARE(dialog->CancelButton->text(), QStringLiteral("Cancelar"));
    Retype(dialog->txtLoans, QStringLiteral("1"));
    PressTab();
    QCOMPARE(MessageBox::RecordedTexts().size(), 1);
    QVERIFY(MessageBox::RecordedTexts()[0] != CountRefused);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
