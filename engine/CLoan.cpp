#include "engine/CLoan.h"

#include "engine/Annuity.h"
#include "engine/PaymentFrequency.h"
#include "engine/PayoffSimulation.h"

CLoan::CLoan(LoanHost& host)
    : m_host(host)
    , m_startingAmount(host.LoanAmount())
{
}

template <typename T>
void CLoan::Store(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    m_host.MarkScenarioChanged();
}

QString CLoan::Text(qint32 id) const
{
    return m_host.LoadResString(id);
}

void CLoan::SetFinancePoints(bool financePoints)
{
    Store(m_financePoints, financePoints);
}

void CLoan::SetPoints(double points)
{
    Store(m_points, points);
}

void CLoan::SetFinanceClosingCosts(bool financeClosingCosts)
{
    Store(m_financeClosingCosts, financeClosingCosts);
}

void CLoan::SetClosingCosts(Money closingCosts)
{
    Store(m_closingCosts, closingCosts);
}

void CLoan::SetStartingAmount(Money startingAmount)
{
    m_startingAmount = startingAmount;
}

Money CLoan::StartingPrinciple() const
{
    Money principal = m_startingAmount;
    if (m_financePoints)
        principal += Money::FromDouble(m_startingAmount.ToDouble() * m_points / 100);
    if (m_financeClosingCosts)
        principal += m_closingCosts;
    return principal;
}

void CLoan::SetTerm(qint32 term)
{
    Store(m_term, term);
}

// A quote takes the window's default term the first time it gets a rate; that
// is not an edit of its own, so it does not mark the scenario.
void CLoan::SetInterestRate(double interestRate)
{
    Store(m_interestRate, interestRate);
    if (interestRate != 0 && m_term == 0)
        m_term = m_host.LoanTerm();
}

Money CLoan::PandI() const
{
    return AnnuityPayment(StartingPrinciple(), m_interestRate, m_term,
                          PaymentFrequency(m_frequencyCode));
}

bool CLoan::Forced()
{
    const bool forced = m_forced;
    m_forced = false;
    return forced;
}

Money CLoan::Payment()
{
    const Money pandI = PandI();
    if (pandI == Money())
        return Money();
    const Money payment =
        pandI + PaymentFrequency(m_frequencyCode).EscrowShare(m_host.EscrowMonthly());
    if (payment > m_actualPayment) {
        m_actualPayment = payment;
        m_forced = true;
        m_host.MarkScenarioChanged();
    }
    return payment;
}

double CLoan::PayoffDate()
{
    m_lastInterest = Money();
    if (!HasPayoffInputs())
        return 0;
    const PayoffSimulation payoff(StartingPrinciple(), m_interestRate, PaymentFrequency(m_frequencyCode),
                                  m_actualPayment, m_host.EscrowMonthly(), m_host.Today());
    m_lastInterest = payoff.Interest();
    return payoff.PayoffDate();
}

bool CLoan::HasPayoffInputs() const
{
    return StartingPrinciple() != Money() && m_interestRate != 0 && !m_frequencyCode.isEmpty()
           && m_actualPayment != Money();
}

void CLoan::SetFrequencyCode(const QString& frequencyCode)
{
    Store(m_frequencyCode, frequencyCode);
}

QString CLoan::Frequency() const
{
    return PaymentFrequency(m_frequencyCode).Name([this](qint32 id) { return Text(id); });
}

void CLoan::SetFrequency(const QString& frequency)
{
    SetFrequencyCode(
        PaymentFrequency::CodeForName(frequency, [this](qint32 id) { return Text(id); }));
}

void CLoan::SetActualPayment(Money actualPayment)
{
    const Money payment = Payment();
    if (actualPayment <= Money() || actualPayment >= payment) {
        Store(m_actualPayment, actualPayment);
        return;
    }
    m_host.ShowPaymentNotice();
    m_actualPayment = Payment();
}

void CLoan::SetWho(const QString& who)
{
    Store(m_who, who);
}
