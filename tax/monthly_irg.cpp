// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tax/monthly_irg.h"

#include <cmath>

namespace tax {

namespace {

constexpr double kStep = 10.0;
constexpr double kTopThreshold = 120000.0;
constexpr double kTopBase = 29500.0;

double topBracket(double x)
{
    const double above = x - kTopThreshold;
    const double scaled = above * 35;
    // Near DBL_MAX the product overflows; dividing first keeps the result finite.
    if (!std::isfinite(scaled))
        return above / 100 * 35 + kTopBase;
    return scaled / 100 + kTopBase;
}

} // namespace

double monthlyIrg(double mensuel)
{
    const double x = std::trunc(mensuel / kStep) * kStep;
    if (x <= 15000)
        return 0;
    if (x <= 22500)
        return (x - 15000) * 2 / 10;
    if (x <= 28750)
        return (x - 22500) * 1.2 / 10 + 1500;
    if (x <= 30000)
        return (x - 28750) * 2 / 10 + 2250;
    if (x <= kTopThreshold)
        return (x - 30000) * 3 / 10 + 2500;
    return topBracket(x);
}

} // namespace tax
