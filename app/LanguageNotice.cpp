#include "app/LanguageNotice.h"

LanguageNotice& LanguageNotice::Instance()
{
    static LanguageNotice notice;
    return notice;
}
