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

Money CLoan::PointsCost() const
{
    return Money::FromDouble(m_startingAmount.ToDouble() * m_points / 100);
}

Money CLoan::StartingPrinciple() const
{
    Money principal = m_startingAmount;
    if (m_financePoints)
        principal += PointsCost();
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

Money CLoan::ScheduledPayment() const
{
    const Money pandI = PandI();
    if (pandI == Money())
        return Money();
    return pandI + PaymentFrequency(m_frequencyCode).EscrowShare(m_host.EscrowMonthly());
}

Money CLoan::Payment()
{
    const Money payment = ScheduledPayment();
    if (payment == Money())
        return Money();
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
    const std::optional<PayoffSimulation> payoff = SimulatePayoff(m_actualPayment);
    if (!payoff)
        return 0;
    m_lastInterest = payoff->Interest();
    return payoff->PayoffDate();
}

std::optional<PayoffSimulation> CLoan::SimulatePayoff(Money payment,
                                                      const PayoffSimulation::Recorder& record) const
{
    if (!CanSimulate(payment))
        return std::nullopt;
    return PayoffSimulation(StartingPrinciple(), m_interestRate, PaymentFrequency(m_frequencyCode), payment,
                            m_host.EscrowMonthly(), m_host.FirstPaymentDay(), record);
}

bool CLoan::HasPayoffInputs() const
{
    return CanSimulate(m_actualPayment);
}

bool CLoan::CanSimulate(Money payment) const
{
    return StartingPrinciple() != Money() && m_interestRate != 0 && !m_frequencyCode.isEmpty()
           && payment != Money();
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

void CLoan::SetLenderCredit(Money credit)
{
    Store(m_lenderCredit, credit);
}

void CLoan::SetMortgageInsurance(Money premium)
{
    Store(m_mortgageInsurance, premium);
}

void CLoan::SetDisclosedApr(std::optional<double> apr)
{
    Store(m_disclosedApr, apr);
}
