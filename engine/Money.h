#pragma once

#include <QtGlobal>

// An amount of money as a whole number of ten-thousandths, so sums of
// payments and interest add up exactly. Every operation that would leave the
// 64-bit range throws MoneyOverflow.
class Money
{
public:
    constexpr Money() = default;

    static constexpr Money FromRaw(qint64 tenThousandths) { return Money(tenThousandths); }
    // Rounds to four decimals, an exact half to the even digit.
    static Money FromDouble(double value);
    // Rounds to whole cents, an exact half to the even cent.
    static Money FromDoubleToCents(double value);

    constexpr qint64 Raw() const { return m_raw; }
    double ToDouble() const { return static_cast<double>(m_raw) / UnitsPerMoney; }

    // Inline: the payoff simulation adds and subtracts several times for each
    // of its hundreds of payments.
    Money operator+(Money other) const
    {
        qint64 sum = 0;
        if (__builtin_add_overflow(m_raw, other.m_raw, &sum))
            Overflow();
        return Money(sum);
    }
    Money operator-(Money other) const
    {
        qint64 difference = 0;
        if (__builtin_sub_overflow(m_raw, other.m_raw, &difference))
            Overflow();
        return Money(difference);
    }
    Money operator-() const { return Money() - *this; }
    Money& operator+=(Money other) { return *this = *this + other; }
    Money& operator-=(Money other) { return *this = *this - other; }

    constexpr bool operator==(Money other) const { return m_raw == other.m_raw; }
    constexpr bool operator!=(Money other) const { return m_raw != other.m_raw; }
    constexpr bool operator<(Money other) const { return m_raw < other.m_raw; }
    constexpr bool operator<=(Money other) const { return m_raw <= other.m_raw; }
    constexpr bool operator>(Money other) const { return m_raw > other.m_raw; }
    constexpr bool operator>=(Money other) const { return m_raw >= other.m_raw; }

private:
    static constexpr double UnitsPerMoney = 10000.0;

    constexpr explicit Money(qint64 raw) : m_raw(raw) {}
    // Throws MoneyOverflow; out of line, so that the inline operations stay
    // small.
    [[noreturn]] static void Overflow();

    qint64 m_raw = 0;
};
