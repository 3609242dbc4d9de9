#include "app/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double FallbackDpi = 96.0;

double LogicalDpiX()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : FallbackDpi;
}

double LogicalDpiY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : FallbackDpi;
}

} // namespace

int Twips::ToPixelsX(int twips)
{
    return static_cast<int>(std::lround(twips / PerPixelX()));
}

double Twips::PerPixelX()
{
    return TwipsPerInch / LogicalDpiX();
}

double Twips::PerPixelY()
{
    return TwipsPerInch / LogicalDpiY();
}
