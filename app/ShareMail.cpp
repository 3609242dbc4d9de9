#include "app/ShareMail.h"

#include "app/Language.h"
#include "app/MessageBox.h"
#include "langlib/Resources.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>

namespace {

const QString Placeholder = QStringLiteral("?ID");

} // namespace

QString ShareMail::Body(const QString& noteText, quint32 referral)
{
    QString body = noteText;
    const qsizetype at = body.indexOf(Placeholder);
    if (at < 0)
        return body;
    const QString query = referral == 0 ? QString() : QStringLiteral("?ref=%1").arg(referral);
    return body.replace(at, Placeholder.size(), query);
}

QUrl ShareMail::Address(const QString& subject, const QString& body)
{
    const QByteArray address = "mailto:?subject=" + QUrl::toPercentEncoding(subject)
        + "&body=" + QUrl::toPercentEncoding(body);
    return QUrl::fromEncoded(address, QUrl::StrictMode);
}

quint32 ShareMail::ReferralNumber()
{
    return 0;
}

void ShareMail::Send()
{
    const QString subject = Language::LoadResString(rsShareSubject);
    const QString body = Body(Language::LoadResString(rsShareNoteText), ReferralNumber());
    if (!QDesktopServices::openUrl(Address(subject, body)))
        OfferToCopy(subject, body);
}

// Without a mail program the user can still paste the message into a web
// mail page.
void ShareMail::OfferToCopy(const QString& subject, const QString& body)
{
    if (MessageBox::Question(Language::LoadResString(rsNoMailProgram), MessageBox::ProgramTitle(),
                             QMessageBox::Yes | QMessageBox::No)
        == QMessageBox::Yes)
        QGuiApplication::clipboard()->setText(subject + QStringLiteral("\r\n\r\n") + body);
}
