// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// Reads what the user typed or pasted as a person reads a figure: blanks and line ends around
// it; at most one of the dinar's signs (DA or DZD in any letter case, د.ج, د.ج. or دج) before or
// after the figure, with blanks between or not; a + or - right before the digits; digits, Latin
// or Arabic-Indic (U+0660-U+0669, U+06F0-U+06F9), and at most one decimal mark: the point, the
// Arabic decimal mark (U+066B) or the locale's own. The units may be grouped by threes with
// spaces of any kind, the Arabic group mark (U+066C), or the locale's group mark where it is not
// a decimal mark; where the comma is the locale's decimal mark, also with points when the comma
// and a digit follow (1.589.326,23). The direction marks U+200E, U+200F and U+061C, the
// embeddings U+202A-U+202C and the isolates U+2066-U+2069 count as if they were not there, the
// full-width forms of ASCII and the Arabic presentation forms as their plain forms. Anything else
// (a word, a second sign, a group out of place, an override of the direction, an exponent, inf,
// nan, a value beyond the range of a double) is not an amount.
std::optional<double> amountFromText(const QString &text, const QLocale &locale);

// Two decimals, the locale's decimal mark, Latin digits and no grouping in every locale:
// payroll sheets expect the same digits whatever the desktop language.
QString taxText(double tax, const QLocale &locale);
