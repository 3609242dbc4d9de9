#include "print/RegionalPaper.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr QLocale::Territory LetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,     QLocale::Belize,
    QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica,  QLocale::ElSalvador,
    QLocale::Guatemala,    QLocale::Nicaragua,  QLocale::Panama,     QLocale::Philippines,
    QLocale::PuertoRico,   QLocale::Venezuela,
};

} // namespace

QPageSize RegionalPaper::For(const QLocale& locale)
{
    const bool letter = locale.measurementSystem() == QLocale::ImperialUSSystem
        || std::find(std::begin(LetterTerritories), std::end(LetterTerritories), locale.territory())
            != std::end(LetterTerritories);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}
