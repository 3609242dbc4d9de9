#include "app/LanguageLibrary.h"
#include "langlib/Resources.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace {

const QString English = QStringLiteral("Tessaly.Resources");
const QString Spanish = QStringLiteral("Morvane.Resources");

ResourcesInterface* Library(const QString& className)
{
    QString error;
    ResourcesInterface* resources = CreateLanguageObject(className, &error);
    if (!resources)
        qFatal("%s", qPrintable(error));
    return resources;
}

QList<QWidget*> FlagFields()
{
    QList<QWidget*> fields;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (widget->objectName() == QLatin1String("imgFlag"))
            fields.append(widget);
    }
    return fields;
}

}

class TestLanguageLibraries : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: no picture has been asked for before it.
    void flagHolderIsCreatedHiddenOnFirstRequest();
    void flagIsOneSharedIconOfTwoSizes_data();
    void flagIsOneSharedIconOfTwoSizes();
    void flagImages_data();
    void flagImages();
    void otherPicturesAndDataAreEmpty_data();
    void otherPicturesAndDataAreEmpty();
    void texts_data();
    void texts();
    void shareNoteIsComposedAroundTheProductPage_data();
    void shareNoteIsComposedAroundTheProductPage();
    void getInfoOverwritesBothArguments_data();
    void getInfoOverwritesBothArguments();
    void librariesAreFoundFromTheProgramFolderNotTheCurrentOne();
    void unknownClassFailsNamingTheLibrary_data();
    void unknownClassFailsNamingTheLibrary();
};

void TestLanguageLibraries::flagHolderIsCreatedHiddenOnFirstRequest()
{
    ResourcesInterface* english = Library(English);
    ResourcesInterface* spanish = Library(Spanish);
    QCOMPARE(FlagFields().size(), 0);

    english->LoadResPicture(rpFlag);
    english->LoadResPicture(rpFlag);
    QCOMPARE(FlagFields().size(), 1);
    spanish->LoadResPicture(rpFlag);
    const QList<QWidget*> fields = FlagFields();
    QCOMPARE(fields.size(), 2);
    for (QWidget* field : fields) {
        QVERIFY(field->window() != field);
        QVERIFY(!field->window()->isVisible());
    }
}

void TestLanguageLibraries::flagIsOneSharedIconOfTwoSizes_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("Tessaly") << English;
    QTest::newRow("Morvane") << Spanish;
}

void TestLanguageLibraries::flagIsOneSharedIconOfTwoSizes()
{
    QFETCH(QString, className);
    ResourcesInterface* resources = Library(className);
    qint32 format = 77;
    const QIcon first = resources->LoadResPicture(rpFlag, &format);
    const QIcon second = resources->LoadResPicture(rpFlag);

    QVERIFY(!first.isNull());
    QCOMPARE(first.cacheKey(), second.cacheKey());
    QCOMPARE(format, 77);
    const QList<QSize> sizes = first.availableSizes();
    QCOMPARE(sizes.size(), 2);
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
}

void TestLanguageLibraries::flagImages_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("size");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");

    const QColor clear(0, 0, 0, 0);
    // The flag spans the full width in 3:2 proportions, centred: rows 5 to 25
    // of the large image and 2 to 12 of the small one.
    const QList<QPair<int, int>> sizeAndFlagBottom = { { 32, 25 }, { 16, 12 } };
    for (const auto& [size, flagBottom] : sizeAndFlagBottom) {
        const int last = size - 1;
        const int middle = size / 2;
        const QByteArray name = QByteArray::number(size);
        QTest::newRow(name + " Tessaly: canton top left") << English << size << QPoint(0, size / 4 + 1) << QColor(Qt::darkBlue);
        QTest::newRow(name + " Tessaly: bottom stripe") << English << size << QPoint(last, flagBottom) << QColor(Qt::red);
        QTest::newRow(name + " Tessaly: above the flag") << English << size << QPoint(middle, 0) << clear;
        QTest::newRow(name + " Morvane: green band") << Spanish << size << QPoint(1, middle) << QColor(Qt::darkGreen);
        QTest::newRow(name + " Morvane: white band") << Spanish << size << QPoint(middle, middle) << QColor(Qt::white);
        QTest::newRow(name + " Morvane: red band") << Spanish << size << QPoint(last - 1, middle) << QColor(Qt::red);
        QTest::newRow(name + " Morvane: below the flag") << Spanish << size << QPoint(middle, last) << clear;
    }
}

void TestLanguageLibraries::flagImages()
{
    QFETCH(QString, className);
    QFETCH(int, size);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);

    const QImage image = Library(className)->LoadResPicture(rpFlag).pixmap(size, size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(pixel), colour);
}

void TestLanguageLibraries::otherPicturesAndDataAreEmpty_data()
{
    flagIsOneSharedIconOfTwoSizes_data();
}

void TestLanguageLibraries::otherPicturesAndDataAreEmpty()
{
    QFETCH(QString, className);
    ResourcesInterface* resources = Library(className);
    qint32 format = 5;

    QVERIFY(resources->LoadResPicture(static_cast<ResPictureID>(0), &format).isNull());
    QVERIFY(resources->LoadResPicture(static_cast<ResPictureID>(2)).isNull());
    QVERIFY(!resources->LoadResData(rdDummy, &format).isValid());
    QVERIFY(!resources->LoadResData(static_cast<ResDataID>(7)).isValid());
    QCOMPARE(format, 5);
}

void TestLanguageLibraries::texts_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");

    const auto row = [](const QString& className, int id, const QString& text) {
        QTest::addRow("%s %d", qPrintable(className.section(QLatin1Char('.'), 0, 0)), id) << className << id << text;
    };
    for (const QString& className : { English, Spanish }) {
        row(className, 0, QString());
        row(className, -1, QString());
        row(className, 131, QString());
        row(className, 47, QString());
        row(className, 72, QString());
        row(className, rsQuestionMark, QStringLiteral("?"));
        row(className, rsMnuToolsLanguageEnglish, QStringLiteral("English"));
        row(className, rsMnuToolsLanguageSpanish, QStringLiteral("Español"));
        row(className, rsErrOWF, QStringLiteral("Error "));
        row(className, rsInterestPct, QStringLiteral("Int. %"));
    }

    row(English, rsActPayment, QStringLiteral("Act. Payment"));
    row(English, rsDefaultTerm, QStringLiteral("Default Term ("));
    row(English, rsDeleteLoan, QStringLiteral("Delete loan "));
    row(English, rsErrOpeningWallpaperFile, QStringLiteral(" opening wallpaper file."));
    row(English, rsTermIn, QStringLiteral("Term specified in: "));
    row(English, rsWFNotFound, QStringLiteral(" not found."));
    row(English, rsPandI, QStringLiteral("P && I"));
    row(English, rsMnuFileExit, QStringLiteral("E&xit"));
    row(English, rsLoanFiles, QStringLiteral("Image files|*.bmp;*.jpg;*.gif;*.dib;*.wmf;*.emf;*.jpeg"));
    row(English, rsWhoDoubleClick, QStringLiteral("Financial Institution, contact info.  Double-click for multi-line..."));
    row(English, rsWhoToolTip, QStringLiteral("Financial Institution, contact info"));
    row(English, rsActualPaymentToolTip, QStringLiteral("Actual payment amount"));
    row(English, rsCurActualPaymentToolTip, QStringLiteral("Current payment amount"));
    row(English, rsShareSubject, QStringLiteral("Great Loan program"));
    row(English, rsYears, QStringLiteral("Years"));
    row(English, rsNumberTooLarge, QStringLiteral("The number is too large for this field."));
    row(English, rsReportCopyright, QStringLiteral("Copyright © 2026 Zantic Brindlecoft. All rights reserved."));

    row(Spanish, rsActPayment, QStringLiteral("Pago Actual"));
    row(Spanish, rsAutomobile, QStringLiteral("Automóvil"));
    row(Spanish, rsDefaultTerm, QStringLiteral("Plazo Normal ("));
    row(Spanish, rsErrOpeningWallpaperFile, QStringLiteral(" abrir el tapiz de archivo."));
    row(Spanish, rsFileNotValidWP, QStringLiteral(" no es válido como tapiz."));
    row(Spanish, rsWallpaperFile, QStringLiteral("Archivo de tapiz "));
    row(Spanish, rsWFNotFound, QStringLiteral(" no se encontró."));
    row(Spanish, rsPandI, QStringLiteral("C e I"));
    row(Spanish, rsLoanFiles, QStringLiteral("Archivos gráficos|*.bmp;*.jpg;*.gif;*.dib;*.wmf;*.emf;*.jpeg"));
    row(Spanish, rsNextPaymentToolTip, QStringLiteral("¿Cuándo es la siguiente fecha de pago de su préstamo actual?"));
    row(Spanish, rsWhatsThisToolTip, QStringLiteral("\"¿Qué es esto?\" ayuda"));
    row(Spanish, rsWhoDoubleClick, QString());
    row(Spanish, rsWhoToolTip, QStringLiteral("Institución Financiera, para mayor información, presione dos veces para multilíneas..."));
    row(Spanish, rsActualPaymentToolTip, QStringLiteral("Monto del pago actual"));
    row(Spanish, rsCurActualPaymentToolTip, QStringLiteral("Monto del pago actual"));
    row(Spanish, rsShareToolTip, QStringLiteral("!Por favor comparta este programa con alguien más!"));
    row(Spanish, rsYears, QStringLiteral("Años"));
    row(Spanish, rsNumberTooLarge, QStringLiteral("El número es demasiado grande para este campo."));
    row(Spanish, rsReportCopyright, QStringLiteral("Copyright © 2026 Zantic Brindlecoft. Todos los derechos reservados."));
}

void TestLanguageLibraries::texts()
{
    QFETCH(QString, className);
    QFETCH(int, id);
    QFETCH(QString, text);

    QCOMPARE(Library(className)->LoadResString(static_cast<ResStringID>(id)), text);
}

void TestLanguageLibraries::shareNoteIsComposedAroundTheProductPage_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("pattern");

    QTest::newRow("Tessaly") << English
        << QStringLiteral("They call this \"The loan program "
                          "the bankers don't want you to know about\" because it will save you a lot of money "
                          "and help you figure out which loan you've been quoted is the best!  Check "
                          "Zantic Loan™ out at (\\S+)\\?ID and you can even get a free trial\\.\\.\\.\r\n");
    QTest::newRow("Morvane") << Spanish
        << QStringLiteral("A este le llaman \"Calculadora de préstamos "
                          "los banqueros no quieren que usted sepa esto\" puesto que le ahorrará mucho dinero "
                          "y le ayudará a decidir cuál préstamo cotizado es el mejor\\. Consulte "
                          "Zantic Loan™ en (\\S+)\\?ID y obtenga una versión gratis\\.\\.\\.\r\n");
}

void TestLanguageLibraries::shareNoteIsComposedAroundTheProductPage()
{
    QFETCH(QString, className);
    QFETCH(QString, pattern);
    ResourcesInterface* resources = Library(className);
    const QString note = resources->LoadResString(rsShareNoteText);

    const QRegularExpressionMatch match = QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(note);
    QVERIFY2(match.hasMatch(), qPrintable(note));
    QVERIFY(match.captured(1).startsWith(QLatin1String("https://")));
    QCOMPARE(note.count(QLatin1String("?ID")), 1);
    QVERIFY(note.endsWith(QLatin1String("\r\n")));
    QCOMPARE(resources->LoadResString(rsShareNoteText), note);
}

void TestLanguageLibraries::getInfoOverwritesBothArguments_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("languageId");
    QTest::addColumn<QString>("language");

    QTest::newRow("Tessaly") << English << 0 << QStringLiteral("English");
    QTest::newRow("Morvane") << Spanish << 1034 << QStringLiteral("Español");
}

void TestLanguageLibraries::getInfoOverwritesBothArguments()
{
    QFETCH(QString, className);
    QFETCH(int, languageId);
    QFETCH(QString, language);
    qint32 idOut = 1033;
    QString languageOut = QStringLiteral("stale");

    const QVariant result = Library(className)->GetInfo(idOut, languageOut);

    QVERIFY(!result.isValid());
    QCOMPARE(idOut, languageId);
    QCOMPARE(languageOut, language);
}

void TestLanguageLibraries::librariesAreFoundFromTheProgramFolderNotTheCurrentOne()
{
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    QString error;
    ResourcesInterface* english = CreateLanguageObject(English, &error);
    ResourcesInterface* spanish = CreateLanguageObject(Spanish, &error);
    QDir::setCurrent(before);

    QVERIFY2(english && spanish, qPrintable(error));
    QVERIFY(error.isEmpty());
    QVERIFY(english != spanish);
    QCOMPARE(spanish->LoadResString(rsCancel), QStringLiteral("Cancelar"));
}

void TestLanguageLibraries::unknownClassFailsNamingTheLibrary_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("unknown library") << QStringLiteral("Quellin.Resources");
    QTest::newRow("other class of a known library") << QStringLiteral("Tessaly.Options");
    QTest::newRow("wrong case") << QStringLiteral("tessaly.resources");
}

void TestLanguageLibraries::unknownClassFailsNamingTheLibrary()
{
    QFETCH(QString, className);
    QString error = QStringLiteral("stale");

    QCOMPARE(CreateLanguageObject(className, &error), nullptr);
    QVERIFY2(error.contains(className), qPrintable(error));
    QCOMPARE(CreateLanguageObject(className), nullptr);
}

QTEST_MAIN(TestLanguageLibraries)
#include "tst_langlib.moc"
