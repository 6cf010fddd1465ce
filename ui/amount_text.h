// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reads what the user typed or pasted as a person reads a figure: blanks and line ends around
// it, an optional sign, digits and at most one decimal mark, either "." or the locale's own.
// The units may be grouped by threes with spaces of any kind, or with the locale's group mark
// where it is not a decimal mark. Anything else (a word, a group out of place, an exponent, inf,
// nan, a value beyond the range of a double) is not an amount.
std::optional<double> amountFromText(const QString &text, const QLocale &locale);

// Two decimals, the locale's decimal mark, Latin digits and no grouping in every locale:
// payroll sheets expect the same digits whatever the desktop language.
QString taxText(double tax, const QLocale &locale);
