// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tax {

// Monthly IRG (2008 scale) owed on a monthly taxable amount, in currency units.
// Finite in, finite out; NaN gives NaN and the infinities give 0 or +inf.
double monthlyIrg(double mensuel);

} // namespace tax
