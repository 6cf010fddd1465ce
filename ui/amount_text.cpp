// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/amount_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

std::optional<double> amountFromText(const QString &text, const QLocale &locale)
{
    const QString decimalMark = locale.decimalPoint();
    std::string ascii;
    ascii.reserve(text.size());
    bool negative = false;
    bool seenMark = false;
    bool seenDigit = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (i == 0 && (c == u'+' || c == u'-')) {
            negative = c == u'-';
        } else if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            ascii.push_back(char(c));
        } else if (!seenMark
                   && (c == u'.' || QStringView(text).sliced(i).startsWith(decimalMark))) {
            seenMark = true;
            ascii.push_back('.');
            if (c != u'.')
                i += decimalMark.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit)
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
