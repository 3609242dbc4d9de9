#pragma once

#include "engine/AmortizationSchedule.h"

#include <QString>
#include <QStringList>

#include <vector>

// A schedule as a spreadsheet reads it whatever its regional settings: a
// heading row, then one row a payment, comma-separated, with dot decimals
// and ISO dates, every amount to the cent as the window shows it. The file
// is UTF-8 and says so with a byte-order mark.
class ScheduleCsv
{
public:
    static QString Text(const QStringList& headings, const std::vector<AmortizationSchedule::Payment>& payments);
    // False when the file cannot be written; a file there before is left
    // as it was.
    static bool Write(const QString& path, const QStringList& headings,
                      const std::vector<AmortizationSchedule::Payment>& payments);
};
