// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

#include "tax/monthly_irg.h"
#include "ui/amount_text.h"

#include <QLocale>

#include <cmath>

QString Form4::irg(double Mensuel)
{
    if (!std::isfinite(Mensuel))
        return QString();
    return taxText(tax::monthlyIrg(Mensuel), QLocale());
}
