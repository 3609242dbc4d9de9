#include "engine/AmortizationSchedule.h"

AmortizationSchedule::AmortizationSchedule(const Simulation& simulate)
{
    const std::optional<PayoffSimulation> payoff =
        simulate([this](const Payment& payment) { m_payments.push_back(payment); });
    m_hasInputs = payoff.has_value();
    if (!payoff || !payoff->PaysOff())
        m_payments.clear();
}

AmortizationSchedule AmortizationSchedule::AtActualPayment(const CLoan& quote)
{
    return AmortizationSchedule([&quote](const PayoffSimulation::Recorder& record) {
        return quote.SimulatePayoff(quote.ActualPayment(), record);
    });
}

AmortizationSchedule AmortizationSchedule::AtScheduledPayment(const CLoan& quote)
{
    return AmortizationSchedule([&quote](const PayoffSimulation::Recorder& record) {
        return quote.SimulatePayoff(quote.ScheduledPayment(), record);
    });
}

Money AmortizationSchedule::Interest() const
{
    Money total;
    for (const Payment& payment : m_payments)
        total += payment.Interest;
    return total;
}

double AmortizationSchedule::PayoffDate() const
{
    return m_payments.empty() ? 0 : m_payments.back().DueDate;
}

Money AmortizationSchedule::InterestBefore(double date) const
{
    Money total;
    for (const Payment& payment : m_payments) {
        if (payment.DueDate >= date)
            break;
        total += payment.Interest;
    }
    return total;
}

std::vector<double> AmortizationSchedule::PrincipalAndInterest() const
{
    std::vector<double> amounts;
    amounts.reserve(m_payments.size());
    for (const Payment& payment : m_payments)
        amounts.push_back((payment.Principal + payment.Interest).ToDouble());
    return amounts;
}
