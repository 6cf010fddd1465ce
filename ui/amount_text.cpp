// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/amount_text.h"

#include <QRegularExpression>

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u'\t' || c.category() == QChar::Separator_Space; }
bool within(char16_t c, char16_t first, char16_t last) { return c >= first && c <= last; }

// TEXT without the marks that only set direction, with Latin digits for Arabic-Indic ones and the
// plain forms of full-width ASCII and of the Arabic presentation forms that PDFs give; or nothing
// where it overrides the order a person sees. Other compatibility forms stay: ² is no digit.
std::optional<QString> plainText(const QString &text)
{
    QString plain;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\u202D' || u == u'\u202E')
            return std::nullopt;
        if (u == u'\u200E' || u == u'\u200F' || u == u'\u061C' || within(u, u'\u202A', u'\u202C')
            || within(u, u'\u2066', u'\u2069'))
            continue;
        if (within(u, u'\u0660', u'\u0669') || within(u, u'\u06F0', u'\u06F9'))
            plain.append(QChar(u'0' + c.digitValue()));
        else if (within(u, u'\uFB50', u'\uFDFF') || within(u, u'\uFE70', u'\uFEFE')
                 || within(u, u'\uFF01', u'\uFF5E'))
            plain.append(QString(c).normalized(QString::NormalizationForm_KC));
        else
            plain.append(c);
    }
    return plain;
}

QStringView withoutBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// TEXT without one of the dinar's signs, and the blanks beside it, at its start or its end.
QStringView withoutDinarSign(QStringView text)
{
    for (const QStringView sign : {u"DZD", u"DA", u"د.ج.", u"د.ج", u"دج"}) {
        if (text.startsWith(sign, Qt::CaseInsensitive))
            return withoutBlanks(text.sliced(sign.size()));
        if (text.endsWith(sign, Qt::CaseInsensitive))
            return withoutBlanks(text.chopped(sign.size()));
    }
    return text;
}

// The length of the group mark that TEXT starts with, or 0: a space of any kind, the Arabic
// group mark, or GROUPMARK. A line end is none: two figures on two lines are not one amount.
qsizetype groupMarkAt(QStringView text, const QString &groupMark)
{
    if (text.front().category() == QChar::Separator_Space || text.front() == u'\u066C')
        return 1;
    return !groupMark.isEmpty() && text.startsWith(groupMark) ? groupMark.size() : 0;
}

// The length of the decimal mark that TEXT starts with, or 0: the point, the Arabic decimal
// mark, or DECIMALMARK.
qsizetype decimalMarkAt(QStringView text, const QString &decimalMark)
{
    if (text.front() == u'.' || text.front() == u'\u066B')
        return 1;
    return text.startsWith(decimalMark) ? decimalMark.size() : 0;
}

} // namespace

std::optional<double> amountFromText(const QString &text, const QLocale &locale)
{
    const std::optional<QString> plain = plainText(text);
    if (!plain)
        return std::nullopt;
    const QString decimalMark = locale.decimalPoint();
    const QString groupMark = locale.groupSeparator();
    QStringView rest = withoutDinarSign(QStringView(*plain).trimmed());
    const bool negative = rest.startsWith(u'-');
    if (negative || rest.startsWith(u'+'))
        rest = rest.sliced(1);

    // Where the comma is the decimal mark, points before it can only group the units.
    static const QRegularExpression pointGrouped(
        QStringLiteral(R"(^[0-9]{1,3}(\.[0-9]{3})+,[0-9]+$)"));
    QString ungrouped = rest.toString();
    if (decimalMark == u',' && pointGrouped.match(ungrouped).hasMatch())
        rest = ungrouped.remove(u'.');

    // The units, in groups of three after the first where the figure is written for people. The
    // point ends them in every locale, as does the decimal mark: a group mark that could be taken
    // for one (Algerian Arabic groups with a point) is taken for one.
    std::string ascii;
    ascii.reserve(rest.size());
    int group = 0; // digits since the last group mark
    bool grouped = false;
    while (!rest.isEmpty() && decimalMarkAt(rest, decimalMark) == 0) {
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
        rest = rest.sliced(decimalMarkAt(rest, decimalMark));
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
