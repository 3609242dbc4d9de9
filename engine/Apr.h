#pragma once

#include <vector>

// The annual percentage rate by the actuarial method: the unit-period rate i
// at which the payments, made at the ends of unit-periods 1, 2, ..., are
// worth exactly the amount financed,
//     amountFinanced = sum over k of payments[k-1] / (1 + i)^k,
// times the unit-periods in a year. The result is a fraction (0.0666 for
// 6.66 %), exact to 1e-10; payments that sum exactly to the amount give 0.
// NaN when no rate at or above 0 solves the equation: no payments, an amount
// financed of 0 or less, or payments summing to less than the amount.
double AnnualPercentageRate(double amountFinanced, const std::vector<double>& payments, int unitPeriodsPerYear);
