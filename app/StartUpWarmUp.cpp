#include "app/StartUpWarmUp.h"

#include <QFontDatabase>
#include <QStringList>

StartUpWarmUp::StartUpWarmUp()
    : m_worker([this] {
        QFontDatabase::families();
        m_room.Back();
    })
{
}

StartUpWarmUp::~StartUpWarmUp()
{
    m_worker.join();
}
