#pragma once

#include "engine/Money.h"

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// What a payment frequency code means to the arithmetic: payments a year in
// the payment formula, interest charged per period in the payoff simulation,
// the share of the monthly escrow in each payment and the name shown for it.
// Codes other than "M", "B", "W" and "Q" (the empty code among them) are an
// unknown frequency: no payments a year, no interest, no calendar step.
class PaymentFrequency
{
public:
    enum class Kind { Unknown, Monthly, Bimonthly, Biweekly, Quadweekly };

    // Looks up a text of the active language by string id.
    using TextLookup = std::function<QString(qint32)>;

    explicit PaymentFrequency(const QString& code);

    // The four known frequencies in the order frequency lists show them.
    static QVector<PaymentFrequency> All();
    // Their names in the same order.
    static QStringList Names(const TextLookup& text);
    // The code whose name in the active language is exactly `name`, or the
    // empty code when no name matches.
    static QString CodeForName(const QString& name, const TextLookup& text);

    Kind Which() const { return m_kind; }
    bool IsKnown() const { return m_kind != Kind::Unknown; }
    QString Code() const;
    // String id of the frequency's name; 0 for an unknown frequency.
    qint32 NameId() const;
    // The name in the active language; empty for an unknown frequency.
    QString Name(const TextLookup& text) const;

    int PaymentsPerYear() const;
    // Number of payments over a term of `termMonths`, as the payment formula
    // wants it: not rounded for the weekly frequencies. Throws
    // std::overflow_error when twice the term leaves the 32-bit range.
    double PaymentCount(qint32 termMonths) const;
    Money PeriodInterest(Money balance, double annualRate) const;
    Money EscrowShare(Money escrowMonthly) const;

private:
    explicit PaymentFrequency(Kind kind) : m_kind(kind) {}

    Kind m_kind;
};
