// The program's seams to the outside world: the user's language id, the
// wait pointer, and the message boxes tests answer.

#include "app/CMouse.h"
#include "app/MessageBox.h"
#include "app/UserLanguage.h"

#include <QApplication>
#include <QCursor>
#include <QLocale>
#include <QTest>

class TestSeams : public QObject
{
    Q_OBJECT

private slots:
    void boxesAreWideEnoughForTheirTitles();
    void languageIdOfLocale_data();
    void languageIdOfLocale();
    void languageIdSetByTests();
    void pointerIsPutBack();
    void presetAnswersAreTakenInTurn();
};

void TestSeams::languageIdOfLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("langId");

    QTest::newRow("English, US") << "en_US" << 0x0409;
    QTest::newRow("English, UK") << "en_GB" << 0x0809;
    QTest::newRow("Spanish, Spain") << "es_ES" << 0x0C0A;
    QTest::newRow("Spanish, Mexico") << "es_MX" << 0x080A;
    QTest::newRow("Spanish, Chile") << "es_CL" << 0x040A;
    QTest::newRow("German") << "de_DE" << 0x0407;
    QTest::newRow("French, Canada") << "fr_CA" << 0x0C0C;
    QTest::newRow("not in the table") << "sw_KE" << 0x0000;
}

void TestSeams::languageIdOfLocale()
{
    QFETCH(QString, locale);
    QFETCH(int, langId);

    QCOMPARE(UserLanguage::LangIDOf(QLocale(locale)), langId);
}

void TestSeams::languageIdSetByTests()
{
    UserLanguage::Set(0x0C0A);
    QCOMPARE(UserLanguage::DefaultLangID(), 0x0C0A);
    UserLanguage::Reset();
    QCOMPARE(UserLanguage::DefaultLangID(), UserLanguage::LangIDOf(QLocale::system()));
}

void TestSeams::pointerIsPutBack()
{
    QVERIFY(!QApplication::overrideCursor());
    {
        CMouse mouse;
        mouse.SetPointer(Qt::WaitCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        {
            CMouse inner;
            inner.SetPointer(Qt::BusyCursor);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::BusyCursor);
        }
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(!QApplication::overrideCursor());
    {
        CMouse unused;
    }
    QVERIFY(!QApplication::overrideCursor());
}

void TestSeams::presetAnswersAreTakenInTurn()
{
    MessageBox::Intercept({QMessageBox::No, QMessageBox::Yes});
    const auto buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;

    QCOMPARE(MessageBox::Question(QStringLiteral("first"), QStringLiteral("title"), buttons), QMessageBox::No);
    MessageBox::Ok(QStringLiteral("notice"));
    QCOMPARE(MessageBox::Question(QStringLiteral("second"), QStringLiteral("title"), buttons), QMessageBox::Yes);
    // With no answer left a question is dismissed as with Escape.
    QCOMPARE(MessageBox::Question(QStringLiteral("third"), QStringLiteral("title"), buttons),
             QMessageBox::Cancel);

    QCOMPARE(MessageBox::RecordedTexts(), (QStringList{"first", "notice", "second", "third"}));
    QCOMPARE(MessageBox::Recorded().at(1).title, MessageBox::ProgramTitle());
    QCOMPARE(MessageBox::Recorded().at(1).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(MessageBox::Recorded().at(0).icon, QMessageBox::Question);
    MessageBox::ClearRecorded();
    QVERIFY(MessageBox::Recorded().isEmpty());
}

QTEST_MAIN(TestSeams)
// "Confirm Loan Delete" over a one-word question was cut by the title bar.
void TestSeams::boxesAreWideEnoughForTheirTitles()
{
    const QString title = QStringLiteral("Confirmar la eliminación del préstamo");
    const auto box = MessageBox::Dialog({QStringLiteral("¿Eliminar?"), title, QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::Question});
    QCOMPARE(box->windowTitle(), title);
    QVERIFY(box->sizeHint().width() > box->fontMetrics().horizontalAdvance(title) + 100);
}

#include "tst_seams.moc"
