#pragma once

#include "engine/AmortizationSchedule.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class LoanDocument;

// The payments of one schedule, a row each: number, date, payment, interest,
// principal, escrow and the balance after it, in the sheet's formats.
class ScheduleTable : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Number, Date, Payment, Interest, Principal, Escrow, Balance, Columns };

    explicit ScheduleTable(LoanDocument& document, QObject* parent = nullptr);

    // Keeps a copy, so the schedule may go.
    void Show(const AmortizationSchedule& schedule);
    const std::vector<AmortizationSchedule::Payment>& Payments() const { return m_payments; }
    // The column headings in the active language.
    QStringList Headings() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QVariant Display(const AmortizationSchedule::Payment& payment, int column) const;

    LoanDocument& m_document;
    std::vector<AmortizationSchedule::Payment> m_payments;
};
