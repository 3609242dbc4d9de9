#pragma once

// The window benchmarks run against a pinned world: their own configuration
// folder, a US locale, a fixed today, English texts and message boxes that
// never wait on screen.

#include "bench/BenchSupport.h"

#include "app/Clock.h"
#include "app/Language.h"
#include "app/MessageBox.h"

#include <QDate>
#include <QLocale>

namespace Bench {

class PinnedWorld
{
public:
    PinnedWorld()
    {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Clock::Set(QDate(2026, 3, 31));
        MessageBox::Intercept();
        Language::SetNumber(Language::English);
    }

private:
    TemporaryConfig m_config;
};

} // namespace Bench
