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
    double ToDouble() const;

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money& operator+=(Money other);
    Money& operator-=(Money other);

    constexpr bool operator==(Money other) const { return m_raw == other.m_raw; }
    constexpr bool operator!=(Money other) const { return m_raw != other.m_raw; }
    constexpr bool operator<(Money other) const { return m_raw < other.m_raw; }
    constexpr bool operator<=(Money other) const { return m_raw <= other.m_raw; }
    constexpr bool operator>(Money other) const { return m_raw > other.m_raw; }
    constexpr bool operator>=(Money other) const { return m_raw >= other.m_raw; }

private:
    constexpr explicit Money(qint64 raw) : m_raw(raw) {}

    qint64 m_raw = 0;
};
