#pragma once

#include "engine/CLoan.h"
#include "engine/Money.h"
#include "engine/PayoffSimulation.h"

#include <optional>
#include <vector>

// A loan paid off payment by payment, as the payoff simulation makes the
// payments: the same figures the sheet shows, kept one by one. Throws
// MoneyOverflow when a figure leaves the range of money.
class AmortizationSchedule
{
public:
    using Payment = PayoffSimulation::Record;
    // Runs a simulation, giving it the recorder; nothing when it cannot run.
    using Simulation = std::function<std::optional<PayoffSimulation>(const PayoffSimulation::Recorder&)>;

    AmortizationSchedule() = default;
    explicit AmortizationSchedule(const Simulation& simulate);

    // The quote at the payment the sheet simulates it with.
    static AmortizationSchedule AtActualPayment(const CLoan& quote);
    // The quote at its scheduled payment, PandI with the escrow share.
    static AmortizationSchedule AtScheduledPayment(const CLoan& quote);

    // Whether the simulation could run at all.
    bool HasInputs() const { return m_hasInputs; }
    // Whether it ran and paid the loan off; the payments are empty otherwise.
    bool PaysOff() const { return !m_payments.empty(); }
    const std::vector<Payment>& Payments() const { return m_payments; }
    Money Interest() const;
    // Day count of the last payment; 0 when the loan is never paid off.
    double PayoffDate() const;
    // The interest of the payments due before the day count.
    Money InterestBefore(double date) const;
    // Each payment without its escrow.
    std::vector<double> PrincipalAndInterest() const;

private:
    bool m_hasInputs = false;
    std::vector<Payment> m_payments;
};
