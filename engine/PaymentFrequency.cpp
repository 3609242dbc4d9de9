#include "engine/PaymentFrequency.h"

#include "langlib/ResourceIds.h"

#include <limits>
#include <stdexcept>

PaymentFrequency::PaymentFrequency(const QString& code)
    : m_kind(code == QLatin1String("M")   ? Kind::Monthly
             : code == QLatin1String("B") ? Kind::Bimonthly
             : code == QLatin1String("W") ? Kind::Biweekly
             : code == QLatin1String("Q") ? Kind::Quadweekly
                                          : Kind::Unknown)
{
}

QVector<PaymentFrequency> PaymentFrequency::All()
{
    return { PaymentFrequency(Kind::Monthly), PaymentFrequency(Kind::Bimonthly),
             PaymentFrequency(Kind::Biweekly), PaymentFrequency(Kind::Quadweekly) };
}

QStringList PaymentFrequency::Names(const TextLookup& text)
{
    QStringList names;
    for (const PaymentFrequency& frequency : All())
        names.append(text(frequency.NameId()));
    return names;
}

QString PaymentFrequency::CodeForName(const QString& name, const TextLookup& text)
{
    for (const PaymentFrequency& frequency : All()) {
        if (text(frequency.NameId()) == name)
            return frequency.Code();
    }
    return QString();
}

QString PaymentFrequency::Code() const
{
    switch (m_kind) {
    case Kind::Monthly: return QStringLiteral("M");
    case Kind::Bimonthly: return QStringLiteral("B");
    case Kind::Biweekly: return QStringLiteral("W");
    case Kind::Quadweekly: return QStringLiteral("Q");
    case Kind::Unknown: break;
    }
    return QString();
}

qint32 PaymentFrequency::NameId() const
{
    switch (m_kind) {
    case Kind::Monthly: return rsTermMonthly;
    case Kind::Bimonthly: return rsTermBimonthly;
    case Kind::Biweekly: return rsTermBiweekly;
    case Kind::Quadweekly: return rsTermQuadweekly;
    case Kind::Unknown: break;
    }
    return 0;
}

QString PaymentFrequency::Name(const TextLookup& text) const
{
    return IsKnown() ? text(NameId()) : QString();
}

int PaymentFrequency::PaymentsPerYear() const
{
    switch (m_kind) {
    case Kind::Monthly: return 12;
    case Kind::Bimonthly: return 24;
    case Kind::Biweekly: return 26;
    case Kind::Quadweekly: return 13;
    case Kind::Unknown: break;
    }
    return 0;
}

double PaymentFrequency::PaymentCount(qint32 termMonths) const
{
    switch (m_kind) {
    case Kind::Monthly:
        return termMonths;
    case Kind::Bimonthly:
        if (termMonths > std::numeric_limits<qint32>::max() / 2
            || termMonths < std::numeric_limits<qint32>::min() / 2)
            throw std::overflow_error("twice the term is beyond a 32-bit count");
        return 2 * termMonths;
    case Kind::Biweekly:
        return termMonths / 12.0 * 26;
    case Kind::Quadweekly:
        return termMonths / 12.0 * 13;
    case Kind::Unknown: break;
    }
    return 0;
}

// Interest goes left to right in doubles, balance times rate first. The
// weekly frequencies charge their days out of a 365-day year, unlike the
// payment formula, which spreads the rate over 26 or 13 periods.
Money PaymentFrequency::PeriodInterest(Money balance, double annualRate) const
{
    const double yearly = balance.ToDouble() * annualRate;
    switch (m_kind) {
    case Kind::Monthly: return Money::FromDouble(yearly / 12);
    case Kind::Bimonthly: return Money::FromDouble(yearly / 24);
    case Kind::Biweekly: return Money::FromDouble(yearly / 365 * 14);
    case Kind::Quadweekly: return Money::FromDouble(yearly / 365 * 28);
    case Kind::Unknown: break;
    }
    return Money();
}

// Payments twice a month or every two weeks each carry half the monthly
// escrow; so does an unknown frequency.
Money PaymentFrequency::EscrowShare(Money escrowMonthly) const
{
    if (m_kind == Kind::Monthly || m_kind == Kind::Quadweekly)
        return escrowMonthly;
    return Money::FromDouble(escrowMonthly.ToDouble() / 2);
}
