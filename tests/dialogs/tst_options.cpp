// The options dialog opened from the real main window: the count of rows, the
// term unit, the wallpaper with its preview and browse, OK and Cancel, and
// what the window does with the settings afterwards.

#include "../app/FreshStart.h"
#include "../app/QuoteSheet.h"

#include "app/MessageBox.h"
#include "dialogs/UpDown.h"
#include "dialogs/frmOptions.h"
#include "store/Settings.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <optional>

using namespace QuoteSheet;

namespace {

void WritePicture(const QString& fileName)
{
    QImage picture(8, 6, QImage::Format_RGB32);
    picture.fill(QColor(200, 40, 40));
    QVERIFY(picture.save(fileName, "BMP"));
}

// Clicks into the field and types over it, pasting what no key can type.
void Retype(QLineEdit* field, const QString& text, bool paste = false)
{
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QApplication::clipboard()->setText(text);
    if (paste)
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    else
        QTest::keyClicks(field, text);
}

} // namespace

class TestOptions : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void countMustBeTwoToFifteen_data();
    void countMustBeTwoToFifteen();
    void countTakesDigitsOnlyAndSteps();
    void browseTakesTheFilesOwnFolder();
    void browseOffersEveryReadablePicture();
    void unusableWallpaperIsSaidAndEmptied_data();
    void unusableWallpaperIsSaidAndEmptied();
    void cancelLeavesEverySetting();
    void yearsClearsTheMonthsFlagAndTheWindowShowsYears();
    void backgroundClickOpensTheDialog();

private:
    frmOptions* OpenOptions();

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
    if (!dialog || !dialog->isModal())
        return nullptr;
    // The offscreen platform has no window manager to activate a new window.
    QApplication::setActiveWindow(dialog);
    return QTest::qWaitForWindowActive(dialog) ? dialog : nullptr;
}

void TestOptions::countMustBeTwoToFifteen_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("refused");
    QTest::newRow("1") << "1" << true;
    QTest::newRow("16") << "16" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("400 digits") << QString(400, QLatin1Char('7')) << true;
    QTest::newRow("2") << "2" << false;
    QTest::newRow("15") << "15" << false;
}

// A refused count keeps the focus with its text selected, on leaving and on
// OK alike; a count taken is stored and shown at once.
void TestOptions::countMustBeTwoToFifteen()
{
    QFETCH(QString, count);
    QFETCH(bool, refused);
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtLoans, count, true);
    Leave();
    const QStringList message{QStringLiteral("Number of loans displayed can be between 2 and 15.")};
    QCOMPARE(MessageBox::RecordedTexts(), refused ? message : QStringList());
    QCOMPARE(QApplication::focusWidget() == dialog->txtLoans, refused);
    QCOMPARE(dialog->txtLoans->selectedText(), refused ? count : QString());
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(dialog->isVisible(), refused);
    if (refused) {
        QCOMPARE(MessageBox::RecordedTexts().size(), 2);
        QCOMPARE(window->ProgramSettings().DisplayedUpperIndex, 5);
        return;
    }
    Settings stored;
    stored.LoadWindowSettings();
    QCOMPARE(stored.DisplayedUpperIndex, count.toInt() - 1);
    QCOMPARE(window->picScroll->height(), count.toInt() * window->cboFrequency[0]->height() + 2);
}

// Letters typed or pasted never appear; the arrows bring a count into range.
void TestOptions::countTakesDigitsOnlyAndSteps()
{
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QLineEdit* count = dialog->txtLoans;
    Retype(count, QStringLiteral("1a-b5. "));
    QTest::keyClick(count, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(count->text(), QStringLiteral("15"));
    QTest::keyClick(count, Qt::Key_Backspace);
    QTest::mouseClick(dialog->udLoans->findChild<QToolButton*>(QStringLiteral("cmdUp")), Qt::LeftButton);
    QCOMPARE(count->text(), QStringLiteral("2"));
    Retype(count, QStringLiteral("15"));
    QTest::keyClick(count, Qt::Key_Up);
    QCOMPARE(count->text(), QStringLiteral("15"));
}

// The folder's name holds the file's name; the folder is still the file's.
void TestOptions::browseTakesTheFilesOwnFolder()
{
    const QString album = folder->filePath(QStringLiteral("beach.bmp album"));
    QVERIFY(QDir().mkpath(album));
    const QString picture = album + QStringLiteral("/beach.bmp");
    WritePicture(picture);
    window->ProgramSettings().WallpaperDirectory = folder->path() + QLatin1Char('/');
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QStringList asked;
    frmOptions::InterceptFileDialog([&](QFileDialog& files) {
        asked << files.windowTitle() << files.directory().absolutePath() << files.nameFilters().value(0);
        files.selectFile(picture);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);
    QCOMPARE(asked.mid(0, 2), (QStringList{"Select a wallpaper file", QDir(folder->path()).absolutePath()}));
    QVERIFY2(asked.value(2).startsWith(QStringLiteral("Image files (*.bmp *.jpg")), qPrintable(asked.value(2)));
    QCOMPARE(dialog->txtWallpaper->text(), picture);
    QVERIFY(!dialog->picWallpaper->pixmap().isNull());

    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(window->ProgramSettings().WallpaperDirectory, album + QLatin1Char('/'));
    QCOMPARE(window->ProgramSettings().Wallpaper, picture);
    const QPoint corner = window->centralWidget()->mapTo(window.get(), QPoint(1, 1));
    QCOMPARE(window->grab().toImage().pixelColor(corner), QColor(200, 40, 40));
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
}

// The entry keeps the formats it always named and adds what the picture
// reader reads; a PNG chosen there is the wallpaper.
void TestOptions::browseOffersEveryReadablePicture()
{
    const QString picture = folder->filePath(QStringLiteral("sunset.png"));
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(QColor(40, 40, 200));
    QVERIFY(image.save(picture, "PNG"));
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QStringList filters;
    frmOptions::InterceptFileDialog([&](QFileDialog& files) {
        filters = files.nameFilters();
        files.selectFile(picture);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);

    QCOMPARE(filters.size(), 1);
    const QString entry = filters.constFirst();
    QVERIFY2(entry.startsWith(QStringLiteral("Image files (*.bmp *.jpg *.gif *.dib *.wmf *.emf *.jpeg ")),
             qPrintable(entry));
    QVERIFY(entry.endsWith(QLatin1Char(')')));
    const QStringList patterns = entry.section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(' '));
    QVERIFY(patterns.contains(QStringLiteral("*.png")));
    QCOMPARE(patterns.contains(QStringLiteral("*.svg")), QImageReader::supportedImageFormats().contains("svg"));
    QCOMPARE(patterns.count(QStringLiteral("*.jpg")), 1);
    QCOMPARE(dialog->txtWallpaper->text(), picture);
    const QImage preview = dialog->picWallpaper->pixmap().toImage();
    QCOMPARE(preview.pixelColor(preview.rect().center()), QColor(40, 40, 200));
    QVERIFY(MessageBox::RecordedTexts().isEmpty());
}

void TestOptions::unusableWallpaperIsSaidAndEmptied_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString notFound = QStringLiteral("Wallpaper file %1 not found.");
    const QString invalid = QStringLiteral("File %1 is not valid as wallpaper.");
    QByteArray huge(54, '\0');
    huge.replace(0, 2, "BM").replace(14, 1, "\x28").replace(26, 1, "\x01").replace(28, 1, "\x18");
    huge.replace(18, 4, QByteArray::fromHex("204e0000")).replace(22, 4, QByteArray::fromHex("204e0000"));
    QTest::newRow("missing") << "missing.bmp" << QByteArray() << notFound;
    QTest::newRow("folder") << "" << QByteArray() << notFound;
    QTest::newRow("text named bmp") << "notes.bmp" << QByteArray("some text\n") << invalid;
    QTest::newRow("0 bytes") << "empty.bmp" << QByteArray("") << invalid;
    QTest::newRow("20000 x 20000") << "huge.bmp" << huge << invalid;
}

// A typed path is previewed when the field is left; a failure empties it,
// and the preview keeps the picture it showed.
void TestOptions::unusableWallpaperIsSaidAndEmptied()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = folder->filePath(name);
    QFile file(path);
    if (!name.isEmpty() && !bytes.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();
    const QString good = folder->filePath(QStringLiteral("good.bmp"));
    WritePicture(good);
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtWallpaper, good);
    Leave();
    const QImage preview = dialog->picWallpaper->pixmap().toImage();
    QVERIFY(!preview.isNull());

    Retype(dialog->txtWallpaper, path);
    Leave();
    QCOMPARE(MessageBox::RecordedTexts(), QStringList{message.arg(path)});
    QCOMPARE(dialog->txtWallpaper->text(), QString());
    QCOMPARE(dialog->picWallpaper->pixmap().toImage(), preview);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    QCOMPARE(window->ProgramSettings().Wallpaper, QString());
}

void TestOptions::cancelLeavesEverySetting()
{
    Settings& settings = window->ProgramSettings();
    settings.DisplayedUpperIndex = 3;
    settings.TermInMonths = true;
    settings.Wallpaper = folder->filePath(QStringLiteral("sea.bmp"));
    settings.WallpaperDirectory = folder->path() + QLatin1Char('/');
    WritePicture(settings.Wallpaper);
    const Settings before = settings;
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    Retype(dialog->txtLoans, QStringLiteral("12"));
    QTest::mouseClick(dialog->lblTermYears, Qt::LeftButton);
    QVERIFY(dialog->optTerm[1]->isChecked() && !dialog->optTerm[0]->isChecked());
    QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("sub")));
    const QString other = folder->filePath(QStringLiteral("sub/other.bmp"));
    WritePicture(other);
    frmOptions::InterceptFileDialog([&](QFileDialog& files) {
        files.selectFile(other);
        return int(QDialog::Accepted);
    });
    QTest::mouseClick(dialog->cmdWallpaper, Qt::LeftButton);
    QCOMPARE(dialog->WallpaperDirectory(), folder->filePath(QStringLiteral("sub/")));
    QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    Settings stored;
    stored.LoadWindowSettings();
    for (const Settings& s : {settings, stored})
        QCOMPARE((QVariantList{s.DisplayedUpperIndex, s.TermInMonths, s.Wallpaper, s.WallpaperDirectory}),
                 (QVariantList{3, true, before.Wallpaper, before.WallpaperDirectory}));
}

// Terms being typed are taken in their old unit before the dialog opens.
void TestOptions::yearsClearsTheMonthsFlagAndTheWindowShowsYears()
{
    window->ProgramSettings().TermInMonths = true;
    Type(window->txtLoanAmount, QStringLiteral("100000"));
    Type(window->txtLoanTerm, QStringLiteral("360"));
    TypeQuote(*window, 1, QStringLiteral("6.5"), QStringLiteral("240"), QStringLiteral("Monthly"));
    Enter(window->txtTerm[2]);
    QTest::keyClicks(window->txtTerm[2], QStringLiteral("120"));
    frmOptions* dialog = OpenOptions();
    QVERIFY(dialog);
    QTest::mouseClick(dialog->optTerm[1], Qt::LeftButton);
    QTest::mouseClick(dialog->OKButton, Qt::LeftButton);
    Settings stored;
    stored.LoadWindowSettings();
    QVERIFY(!window->ProgramSettings().TermInMonths && !stored.TermInMonths);
    QCOMPARE(window->txtLoanTerm->text(), QStringLiteral("30"));
    QCOMPARE(window->txtTerm[1]->text(), QStringLiteral("20"));
    QCOMPARE(window->Quotes[window->R(2)]->Term(), 120);
    QCOMPARE(window->lblLoanTerm->text(), QStringLiteral("Default Term (Years):"));
}

// The window itself, between its sections; not a label, nor a right click.
void TestOptions::backgroundClickOpensTheDialog()
{
    QWidget* background = window->centralWidget();
    const QPoint between(window->fraGrid->geometry().center().x(), window->fraGrid->geometry().top() - 2);
    QVERIFY(!background->childAt(between));
    QTest::mouseClick(window->lblLoanName, Qt::LeftButton);
    QTest::mouseClick(background, Qt::RightButton, Qt::NoModifier, between);
    QVERIFY(!window->findChild<frmOptions*>());
    QTest::mouseClick(background, Qt::LeftButton, Qt::NoModifier, between);
    QVERIFY(window->findChild<frmOptions*>());
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
