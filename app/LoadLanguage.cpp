#include "app/LoadLanguage.h"

#include "app/Language.h"
#include "app/LanguageNotice.h"
#include "app/MessageBox.h"

namespace {

// The user chose this language: when its library is missing, say which one
// and go on in English instead of ending.
bool BindChosen(const char* library)
{
    QString error;
    if (!Language::Bind(QLatin1String(library), &error)) {
        MessageBox::Ok(error + QStringLiteral("\n\nThe program goes on in English."));
        return false;
    }
    return true;
}

} // namespace

void LoadLanguage()
{
    if (Language::Number() == Language::English)
        BindChosen(Language::EnglishClass);
    else if (Language::Number() == Language::Spanish && !BindChosen(Language::SpanishClass))
        Language::SetNumber(Language::English);

    emit LanguageNotice::Instance().Bound();
}
