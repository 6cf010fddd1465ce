// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/amount_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The length of the group mark that TEXT starts with, or 0: a space of any kind, or GROUPMARK.
// A line end is none: two figures on two lines are not one amount.
qsizetype groupMarkAt(QStringView text, const QString &groupMark)
{
    if (text.front().category() == QChar::Separator_Space)
        return 1;
    return !groupMark.isEmpty() && text.startsWith(groupMark) ? groupMark.size() : 0;
}

} // namespace

std::optional<double> amountFromText(const QString &text, const QLocale &locale)
{
    const QString decimalMark = locale.decimalPoint();
    const QString groupMark = locale.groupSeparator();
    QStringView rest = QStringView(text).trimmed();
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = rest.sliced(1);

    // The units, in groups of three after the first where the figure is written for people. The
    // point ends them in every locale, as does the decimal mark: a group mark that could be taken
    // for one (Algerian Arabic groups with a point) is taken for one.
    std::string ascii;
    ascii.reserve(rest.size());
    int group = 0; // digits since the last group mark
    bool grouped = false;
    while (!rest.isEmpty() && !rest.startsWith(u'.') && !rest.startsWith(decimalMark)) {
        if (isDigit(rest.front())) {
            ascii.push_back(char(rest.front().unicode()));
            ++group;
            rest = rest.sliced(1);
            continue;
        }
        const qsizetype mark = groupMarkAt(rest, groupMark);
        if (mark == 0 || group == 0 || group > 3 || (grouped && group != 3))
            return std::nullopt;
        grouped = true;
        group = 0;
        rest = rest.sliced(mark);
    }
    if (grouped && group != 3)
        return std::nullopt;
    if (!rest.isEmpty()) {
        rest = rest.sliced(rest.startsWith(u'.') ? 1 : decimalMark.size());
        ascii.push_back('.');
        for (const QChar c : rest) {
            if (!isDigit(c))
                return std::nullopt;
            ascii.push_back(char(c.unicode()));
        }
    }
    if (ascii.find_first_of("0123456789") == std::string::npos)
        return std::nullopt;

    double value = 0;
    const char *end = ascii.data() + ascii.size();
    const auto [ptr, ec] = std::from_chars(ascii.data(), end, value, std::chars_format::fixed);
    if (ptr != end)
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // A fraction too small for a double is still an amount: nothing.
        if (ascii.find_first_not_of("0.") < ascii.find('.'))
            return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

QString taxText(double tax, const QLocale &locale)
{
    QString text = QLocale::c().toString(tax, 'f', 2);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}
