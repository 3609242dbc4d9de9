#include "engine/Apr.h"

#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr double Tolerance = 1e-10;
constexpr int MaxSteps = 400;

// The payments' present value at unit-period rate i less the amount, and its
// derivative in i. Falls as i grows.
struct Residual
{
    double value = 0;
    double slope = 0;
};

Residual ResidualAt(double amountFinanced, const std::vector<double>& payments, double rate)
{
    Residual r;
    const double discount = 1 / (1 + rate);
    double factor = 1;
    for (std::size_t k = 0; k < payments.size(); ++k) {
        factor *= discount;
        r.value += payments[k] * factor;
        r.slope -= static_cast<double>(k + 1) * payments[k] * factor * discount;
    }
    r.value -= amountFinanced;
    return r;
}

// A unit-period rate at which the residual is negative: doubling from 1 %
// gets there, as the payments are worth nothing at an unbounded rate.
double UpperBound(double amountFinanced, const std::vector<double>& payments)
{
    double rate = 0.01;
    while (ResidualAt(amountFinanced, payments, rate).value > 0 && std::isfinite(rate))
        rate *= 2;
    return rate;
}

} // namespace

// Newton's method from the bracket's middle, falling back to bisection
// whenever a step would leave the bracket, so it always converges.
double AnnualPercentageRate(double amountFinanced, const std::vector<double>& payments, int unitPeriodsPerYear)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double total = std::accumulate(payments.begin(), payments.end(), 0.0);
    if (payments.empty() || unitPeriodsPerYear <= 0 || !(amountFinanced > 0) || !(total >= amountFinanced))
        return nan;
    if (total == amountFinanced)
        return 0;
    double low = 0;
    double high = UpperBound(amountFinanced, payments);
    if (!std::isfinite(high))
        return nan;
    const double periodTolerance = Tolerance / unitPeriodsPerYear / 100;
    double rate = (low + high) / 2;
    for (int step = 0; step < MaxSteps; ++step) {
        const Residual r = ResidualAt(amountFinanced, payments, rate);
        if (r.value == 0)
            break;
        (r.value > 0 ? low : high) = rate;
        double next = rate - r.value / r.slope;
        if (!(next > low && next < high))
            next = (low + high) / 2;
        const bool settled = std::fabs(next - rate) < periodTolerance || high - low < periodTolerance;
        rate = next;
        if (settled)
            break;
    }
    return rate * unitPeriodsPerYear;
}
