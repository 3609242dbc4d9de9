// Share: the Share button hands the mail program a mailto address with the
// recommendation's subject and text of the window's language.

#include "FreshStart.h"
#include "QuoteSheet.h"

#include "app/LanguageLibrary.h"
#include "app/MessageBox.h"
#include "app/ShareMail.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QUrlQuery>

#include <map>
#include <optional>

namespace {

// Stands for the user's mail program.
class MailProgram : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

// The English library with some texts of the test's own.
class ChangedTexts : public ResourcesInterface
{
public:
    explicit ChangedTexts(std::map<int, QString> texts)
        : m_english(CreateLanguageObject(QStringLiteral("Tessaly.Resources")))
        , m_texts(std::move(texts))
    {
    }
    QVariant GetInfo(qint32& id, QString& language) override { return m_english->GetInfo(id, language); }
    QString LoadResString(ResStringID id) override
    {
        const auto text = m_texts.find(id);
        return text == m_texts.end() ? m_english->LoadResString(id) : text->second;
    }
    QIcon LoadResPicture(ResPictureID id, qint32* format) override { return m_english->LoadResPicture(id, format); }
    QVariant LoadResData(ResDataID id, qint32* format) override { return m_english->LoadResData(id, format); }

private:
    ResourcesInterface* m_english;
    std::map<int, QString> m_texts;
};

QString Decoded(const QUrl& url, const QString& item)
{
    return QUrlQuery(url).queryItemValue(item, QUrl::FullyDecoded);
}

} // namespace

class TestShare : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shareOpensTheRecommendationInBothLanguages();
    void longTextIsSentWholeAndOnlyTheFirstPlaceholderGoes();
    void referralNumberTakesThePlaceholdersPlace();
    void noMailProgramOffersTheClipboard();

private:
    std::optional<FreshStart> fresh;
    std::unique_ptr<Loan> window;
    MailProgram mail;
};

void TestShare::init()
{
    fresh.emplace();
    mail.opened.clear();
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "open");
}

void TestShare::cleanup()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    window.reset();
    fresh.reset();
}

void TestShare::shareOpensTheRecommendationInBothLanguages()
{
    window = QuoteSheet::OpenWindow();
    QVERIFY(window);
    QTest::mouseClick(window->cmdShare, Qt::LeftButton);
    QCOMPARE(mail.opened.size(), 1);
    const QUrl english = mail.opened.takeFirst();
    QCOMPARE(english.scheme(), QStringLiteral("mailto"));
    QVERIFY(english.path().isEmpty());
    QCOMPARE(Decoded(english, QStringLiteral("subject")), QStringLiteral("Great Loan program"));
    const QString body = Decoded(english, QStringLiteral("body"));
    QVERIFY(body.startsWith(QStringLiteral("They call this \"The loan program")));
    QVERIFY2(body.contains(QStringLiteral(".example/ and you can even get a free trial...\r\n")), qPrintable(body));
    QVERIFY(!body.contains(QStringLiteral("?ID")));
    // Every character outside plain ASCII letters and digits travels encoded.
    const QByteArray encoded = english.toEncoded();
    QVERIFY(encoded.contains("Zantic%20Loan%E2%84%A2"));
    QVERIFY(encoded.contains("%0D%0A"));
    QVERIFY(!encoded.contains("%3FID") && !encoded.contains(' '));

    window->mnuToolsLanguageOpt[2]->trigger();
    QCOMPARE(window->cmdShare->text(), QStringLiteral("Compartir"));
    window->cmdShare->setFocus();
    QTest::keyClick(window->cmdShare, Qt::Key_Space);
    QCOMPARE(mail.opened.size(), 1);
    const QUrl spanish = mail.opened.takeFirst();
    QCOMPARE(Decoded(spanish, QStringLiteral("subject")), QStringLiteral("Un Gran Préstamo"));
    QVERIFY(spanish.toEncoded().contains("Pr%C3%A9stamo"));
    QVERIFY(Decoded(spanish, QStringLiteral("body")).contains(QStringLiteral("le ahorrará mucho dinero")));
    QVERIFY(MessageBox::Recorded().isEmpty());
}

// Far longer than mail programs take on a command line; nothing is cut.
void TestShare::longTextIsSentWholeAndOnlyTheFirstPlaceholderGoes()
{
    const QString tail = QStringLiteral("Señales & acentos: áéíóú ñ ü € = + # % ?ID fin");
    const QString longText = QString(QStringLiteral("préstamo ")).repeated(2000) + QStringLiteral("?ID") + tail;
    ChangedTexts texts({{rsShareNoteText, longText}, {rsShareSubject, QStringLiteral("a&b=c?d")}});
    Language::SetFactory([&texts](const QString&, QString*) -> ResourcesInterface* { return &texts; });
    window = QuoteSheet::OpenWindow();
    QVERIFY(window);
    QTest::mouseClick(window->cmdShare, Qt::LeftButton);
    QCOMPARE(mail.opened.size(), 1);
    const QUrl address = mail.opened.first();
    QCOMPARE(Decoded(address, QStringLiteral("subject")), QStringLiteral("a&b=c?d"));
    QCOMPARE(Decoded(address, QStringLiteral("body")), QString(QStringLiteral("préstamo ")).repeated(2000) + tail);
    QVERIFY(address.toEncoded().size() > 20000);
    window.reset();
}

void TestShare::referralNumberTakesThePlaceholdersPlace()
{
    QCOMPARE(ShareMail::Body(QStringLiteral("see https://x.example/?ID now ?ID"), 1234),
             QStringLiteral("see https://x.example/?ref=1234 now ?ID"));
    QCOMPARE(ShareMail::Body(QStringLiteral("see https://x.example/?ID now"), 0),
             QStringLiteral("see https://x.example/ now"));
    QCOMPARE(ShareMail::Body(QStringLiteral("no placeholder"), 1234), QStringLiteral("no placeholder"));
}

// Without a mail program the user is told so and may take the message to
// the clipboard instead; No leaves the clipboard alone.
void TestShare::noMailProgramOffersTheClipboard()
{
    window = QuoteSheet::OpenWindow();
    QVERIFY(window);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("what the user copied before"));
    const MessageBox::Shown told{
        QStringLiteral("No e-mail program is set up on this computer. Copy the message to the clipboard?"),
        QStringLiteral("Loan"), QMessageBox::Yes | QMessageBox::No, QMessageBox::Question};

    // A mail program that does not answer the call.
    MessageBox::Intercept({QMessageBox::No});
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "noSuchSlot");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*noSuchSlot.*")));
    QTest::mouseClick(window->cmdShare, Qt::LeftButton);
    QVERIFY(mail.opened.isEmpty());
    QCOMPARE(MessageBox::Recorded().size(), 1);
    const MessageBox::Shown shown = MessageBox::Recorded().constFirst();
    QCOMPARE(shown.text, told.text);
    QCOMPARE(shown.title, told.title);
    QCOMPARE(shown.buttons, told.buttons);
    QCOMPARE(shown.icon, told.icon);
    QCOMPARE(clipboard->text(), QStringLiteral("what the user copied before"));

    // None set up at all, in Spanish.
    window->mnuToolsLanguageOpt[2]->trigger();
    MessageBox::ClearRecorded();
    MessageBox::Intercept({QMessageBox::Yes});
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QTest::mouseClick(window->cmdShare, Qt::LeftButton);
    QCOMPARE(MessageBox::RecordedTexts(),
             QStringList{QStringLiteral("No hay ningún programa de correo configurado en este equipo. "
                                        "¿Desea copiar el mensaje al portapapeles?")});
    const QString copied = clipboard->text();
    QVERIFY2(copied.startsWith(QStringLiteral("Un Gran Préstamo\r\n\r\n")), qPrintable(copied));
    QVERIFY(copied.contains(QStringLiteral("le ahorrará mucho dinero")) && !copied.contains(QStringLiteral("?ID")));

    // The window goes on as before.
    QuoteSheet::Type(window->txtLoanAmount, QStringLiteral("1000"));
    QCOMPARE(window->LoanAmount(), Money::FromDouble(1000));
}

QTEST_MAIN(TestShare)
#include "tst_share.moc"
