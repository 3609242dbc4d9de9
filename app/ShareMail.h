#pragma once

#include <QString>
#include <QUrl>

// The recommendation e-mail of the Share button: a mailto address with the
// subject and text of the active language, opened by the user's mail
// program, which lets the user address and send it.
class ShareMail
{
public:
    // The note text with its first "?ID" removed, or replaced by "?ref="
    // and the number when a referral number is set (not 0).
    static QString Body(const QString& noteText, quint32 referral);
    // Subject and body percent-encoded as UTF-8; the body is kept whole,
    // however long.
    static QUrl Address(const QString& subject, const QString& body);
    // The recommending user's number. It would come with the registration
    // of the user's copy, kept beside the settings; nothing hands one out
    // yet, so there is none and the placeholder is always removed.
    static quint32 ReferralNumber();
    // Builds the message from the bound library and opens it. When no mail
    // program takes it, offers to copy subject and text to the clipboard.
    static void Send();

private:
    static void OfferToCopy(const QString& subject, const QString& body);
};
