// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reads what the user typed or pasted as one plain number: an optional sign, digits and at
// most one decimal mark, either "." or the locale's own. Grouping, blanks, exponents, inf and
// nan are refused, and so are values beyond the range of a double.
std::optional<double> amountFromText(const QString &text, const QLocale &locale);

// Two decimals, the locale's decimal mark, Latin digits and no grouping in every locale:
// payroll sheets expect the same digits whatever the desktop language.
QString taxText(double tax, const QLocale &locale);
