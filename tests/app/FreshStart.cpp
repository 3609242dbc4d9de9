#include "FreshStart.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/MessageBox.h"
#include "app/UserLanguage.h"

#include <QFile>
#include <QLocale>

const QDate FreshStart::Today(2026, 3, 15);

FreshStart::FreshStart(const char* locale)
{
    QLocale::setDefault(QLocale(QLatin1String(locale)));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_config.path() + QStringLiteral("/cache")));
    Language::Reset();
    UserLanguage::Set(0x0409);
    Clock::Set(Today);
    MessageBox::Intercept();
    MessageBox::ClearRecorded();
}
