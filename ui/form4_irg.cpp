// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include "tax/monthly_irg.h"
#include "ui/amount_text.h"

#include <QLocale>

QString Form4::irg(double Mensuel) { return taxText(tax::monthlyIrg(Mensuel), QLocale()); }
