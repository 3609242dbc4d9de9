#include "model/ScheduleTable.h"

#include "langlib/ResourceIds.h"
#include "model/FieldFormat.h"
#include "model/LoanDocument.h"

ScheduleTable::ScheduleTable(LoanDocument& document, QObject* parent)
    : QAbstractTableModel(parent)
    , m_document(document)
{
}

void ScheduleTable::Show(const AmortizationSchedule& schedule)
{
    beginResetModel();
    m_payments = schedule.Payments();
    endResetModel();
}

QStringList ScheduleTable::Headings() const
{
    QStringList headings;
    for (const qint32 id : {rsScheduleNumber, rsScheduleDate, rsPayment, rsInterest, rsSchedulePrincipal,
                            rsScheduleEscrow, rsScheduleBalance})
        headings.append(m_document.LoadResString(id));
    return headings;
}

int ScheduleTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_payments.size());
}

int ScheduleTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns;
}

QVariant ScheduleTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    return Display(m_payments[static_cast<std::size_t>(index.row())], index.column());
}

QVariant ScheduleTable::Display(const AmortizationSchedule::Payment& payment, int column) const
{
    switch (column) {
    case Number: return payment.Number;
    case Date: return FieldFormat::ShortDate(payment.DueDate);
    case Payment: return FieldFormat::Currency(payment.Payment());
    case Interest: return FieldFormat::Currency(payment.Interest);
    case Principal: return FieldFormat::Currency(payment.Principal);
    case Escrow: return FieldFormat::Currency(payment.Escrow);
    case Balance: return FieldFormat::Currency(payment.Balance);
    default: return {};
    }
}

QVariant ScheduleTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return Headings().value(section);
}
