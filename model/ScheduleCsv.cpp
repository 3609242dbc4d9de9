#include "model/ScheduleCsv.h"

#include "engine/DayCount.h"
#include "model/FieldFormat.h"

#include <QSaveFile>

namespace {

// Quoted only when it must be, doubling the quotes inside.
QString Field(QString text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')))
        return text;
    text.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString ScheduleCsv::Text(const QStringList& headings, const std::vector<AmortizationSchedule::Payment>& payments)
{
    QStringList fields;
    for (const QString& heading : headings)
        fields.append(Field(heading));
    QString text = fields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    for (const AmortizationSchedule::Payment& p : payments) {
        text += QString::number(p.Number) + QLatin1Char(',') + DayCount::ToDate(p.DueDate).toString(Qt::ISODate);
        for (const Money money : {p.Payment(), p.Interest, p.Principal, p.Escrow, p.Balance})
            text += QLatin1Char(',') + FieldFormat::PlainCents(money);
        text += QLatin1String("\r\n");
    }
    return text;
}

bool ScheduleCsv::Write(const QString& path, const QStringList& headings,
                        const std::vector<AmortizationSchedule::Payment>& payments)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // Without the mark, spreadsheet programs take the file for their own
    // regional code page and garble accented headings.
    file.write(QByteArrayLiteral("\xEF\xBB\xBF") + Text(headings, payments).toUtf8());
    return file.commit();
}
