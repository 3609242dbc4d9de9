#include "app/FontWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

FontWarmUp::FontWarmUp()
    : m_reader([] { QFontDatabase::families(); })
{
}

FontWarmUp::~FontWarmUp()
{
    m_reader.join();
}
