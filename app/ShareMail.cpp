#include "app/ShareMail.h"

#include "app/Language.h"
#include "langlib/Resources.h"

#include <QDesktopServices>

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
    const QString body = Body(Language::LoadResString(rsShareNoteText), ReferralNumber());
    QDesktopServices::openUrl(Address(Language::LoadResString(rsShareSubject), body));
}
