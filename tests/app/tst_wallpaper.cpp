#include "app/Wallpaper.h"

#include "langlib/Resources.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The texts the English library gives the wallpaper messages.
QString EnglishText(int id)
{
    switch (id) {
    case rsErrOpeningWallpaperFile: return QStringLiteral(" opening wallpaper file.");
    case rsErrOWF: return QStringLiteral("Error ");
    case rsFileNotValidWP: return QStringLiteral(" is not valid as wallpaper.");
    case rsFileNV: return QStringLiteral("File ");
    case rsWallpaperFile: return QStringLiteral("Wallpaper file ");
    case rsWFNotFound: return QStringLiteral(" not found.");
    default: return QString();
    }
}

// Every pixel different, so a misplaced copy shows.
QImage Pattern(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            picture.setPixel(x, y, qRgb(x * 8, y * 12, 200));
    return picture;
}

QImage Blank(const QSize& size)
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    return canvas;
}

} // namespace

class TestWallpaper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void failedLoads_data();
    void failedLoads();
    void unreadableFileIsAnAccessError();
    void emptyNameIsNoWallpaper();
    void pictureLoadsByContent_data();
    void pictureLoadsByContent();
    void failedLoadDropsThePreviousPicture();
    void failureText_data();
    void failureText();
    void tilingCoversTheArea_data();
    void tilingCoversTheArea();
    void tilingSkipsCopiesOutsideTheArea();
    void noPictureTilesNothing();

private:
    QString Path(const QString& name) const { return m_dir.filePath(name); }
    QString WriteFile(const QString& name, const QByteArray& content) const;

    QTemporaryDir m_dir;
};

void TestWallpaper::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QString TestWallpaper::WriteFile(const QString& name, const QByteArray& content) const
{
    QFile file(Path(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return file.fileName();
}

void TestWallpaper::failedLoads_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<int>("error");

    QTest::newRow("missing file") << Path(QStringLiteral("gone.bmp")) << Wallpaper::FileNotFound;
    QTest::newRow("missing folder")
        << Path(QStringLiteral("nowhere/gone.bmp")) << Wallpaper::FileNotFound;
    QTest::newRow("directory") << m_dir.path() << Wallpaper::PathFileAccessError;
    QTest::newRow("text named .bmp")
        << WriteFile(QStringLiteral("notes.bmp"), "Rates to ask about on Monday.\n")
        << Wallpaper::InvalidPicture;
    QTest::newRow("empty .png") << WriteFile(QStringLiteral("empty.png"), QByteArray())
                                << Wallpaper::InvalidPicture;
    QTest::newRow("cut-off png")
        << WriteFile(QStringLiteral("cut.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16))
        << Wallpaper::InvalidPicture;
}

void TestWallpaper::failedLoads()
{
    QFETCH(QString, fileName);
    QFETCH(int, error);
    QVERIFY(!fileName.isEmpty());
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(fileName), error);
    QVERIFY(wallpaper.IsEmpty());
}

void TestWallpaper::unreadableFileIsAnAccessError()
{
    const QString fileName = WriteFile(QStringLiteral("locked.png"), "x");
    QFile::setPermissions(fileName, QFileDevice::WriteOwner);
    QFile probe(fileName);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("This account reads files whatever their permissions.");
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(fileName), Wallpaper::PathFileAccessError);
}

void TestWallpaper::emptyNameIsNoWallpaper()
{
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(QString()), Wallpaper::NoError);
    QVERIFY(wallpaper.IsEmpty());
}

void TestWallpaper::pictureLoadsByContent_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << QStringLiteral("tile.png") << QByteArray("PNG");
    QTest::newRow("bmp") << QStringLiteral("tile.bmp") << QByteArray("BMP");
    QTest::newRow("png named .bmp") << QStringLiteral("disguised.bmp") << QByteArray("PNG");
}

void TestWallpaper::pictureLoadsByContent()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    const QImage written = Pattern(5, 3);
    QVERIFY(written.save(Path(fileName), format.constData()));

    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(Path(fileName)), Wallpaper::NoError);
    QVERIFY(!wallpaper.IsEmpty());
    QCOMPARE(wallpaper.Picture().size(), QSize(5, 3));
    QCOMPARE(wallpaper.Picture().pixel(4, 2), written.pixel(4, 2));
}

void TestWallpaper::failedLoadDropsThePreviousPicture()
{
    QVERIFY(Pattern(4, 4).save(Path(QStringLiteral("before.png"))));
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(Path(QStringLiteral("before.png"))), Wallpaper::NoError);
    QCOMPARE(wallpaper.Load(Path(QStringLiteral("after.png"))), Wallpaper::FileNotFound);
    QVERIFY(wallpaper.IsEmpty());
}

void TestWallpaper::failureText_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("expected");
    const QString name = QStringLiteral("C:\\Fotos\\Señal.bmp");
    QTest::newRow("not found") << 53 << "Wallpaper file " + name + " not found.";
    QTest::newRow("access") << 75 << "Wallpaper file " + name + " not found.";
    QTest::newRow("not a picture") << 481 << "File " + name + " is not valid as wallpaper.";
    QTest::newRow("other") << 7 << QStringLiteral("Error  7 opening wallpaper file.");
    QTest::newRow("zero") << 0 << QStringLiteral("Error  0 opening wallpaper file.");
    QTest::newRow("negative") << -1 << QStringLiteral("Error -1 opening wallpaper file.");
}

void TestWallpaper::failureText()
{
    QFETCH(int, error);
    QFETCH(QString, expected);
    QCOMPARE(Wallpaper::FailureText(error, QStringLiteral("C:\\Fotos\\Señal.bmp"), EnglishText),
             expected);
}

void TestWallpaper::tilingCoversTheArea_data()
{
    QTest::addColumn<QSize>("area");
    QTest::newRow("whole copies") << QSize(60, 40);
    QTest::newRow("partial copies") << QSize(101, 47);
    QTest::newRow("smaller than the picture") << QSize(7, 5);
}

void TestWallpaper::tilingCoversTheArea()
{
    QFETCH(QSize, area);
    QVERIFY(Pattern(30, 20).save(Path(QStringLiteral("tile.png"))));
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(Path(QStringLiteral("tile.png"))), Wallpaper::NoError);

    QImage canvas = Blank(area);
    QPainter painter(&canvas);
    wallpaper.Tile(painter, canvas.rect());
    painter.end();

    const QImage& picture = wallpaper.Picture();
    for (int x = 0; x < area.width(); ++x)
        for (int y = 0; y < area.height(); ++y)
            QCOMPARE(canvas.pixel(x, y), picture.pixel(x % 30, y % 20));
}

void TestWallpaper::tilingSkipsCopiesOutsideTheArea()
{
    QVERIFY(Pattern(30, 20).save(Path(QStringLiteral("tile.png"))));
    Wallpaper wallpaper;
    QCOMPARE(wallpaper.Load(Path(QStringLiteral("tile.png"))), Wallpaper::NoError);

    QImage canvas = Blank(QSize(100, 60));
    QPainter painter(&canvas);
    wallpaper.Tile(painter, QRect(45, 25, 10, 10));
    painter.end();

    // The copies stay anchored at the window's corner, not at the area's.
    QCOMPARE(canvas.pixel(50, 30), wallpaper.Picture().pixel(20, 10));
    QCOMPARE(canvas.pixel(10, 10), QColor(Qt::white).rgb());
    QCOMPARE(canvas.pixel(95, 55), QColor(Qt::white).rgb());
}

void TestWallpaper::noPictureTilesNothing()
{
    Wallpaper wallpaper;
    QImage canvas = Blank(QSize(20, 20));
    QPainter painter(&canvas);
    wallpaper.Tile(painter, canvas.rect());
    painter.end();
    QCOMPARE(canvas, Blank(QSize(20, 20)));
}

QTEST_MAIN(TestWallpaper)
#include "tst_wallpaper.moc"
