// libFuzzer target: any bytes as the amount field's text, through the conversion and the tax,
// in locales with ".", "," and "٫" as decimal mark.
#include "tax/monthly_irg.h"
#include "ui/amount_text.h"
#include "ui/form4.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

std::vector<QLocale> g_locales;

[[noreturn]] void violation(const char *what, const QString &text, const QLocale &locale,
                            const QString &detail = {})
{
    std::fprintf(stderr, "VIOLATION in %s: %s\n  text: \"%s\"\n  detail: \"%s\"\n",
                 qPrintable(locale.name()), what, text.toUtf8().constData(),
                 detail.toUtf8().constData());
    std::abort();
}

bool isLatinDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// ^[0-9]+<mark>[0-9]{2}$, Latin digits whatever the locale.
bool wellFormed(const QString &result, const QString &mark)
{
    const qsizetype at = result.size() - 2 - mark.size();
    if (at < 1 || QStringView(result).sliced(at, mark.size()) != mark)
        return false;
    for (qsizetype i = 0; i < result.size(); ++i) {
        if ((i < at || i >= at + mark.size()) && !isLatinDigit(result.at(i)))
            return false;
    }
    return true;
}

void check(const QString &text, const QLocale &locale)
{
    const std::optional<double> amount = amountFromText(text, locale);
    if (!amount)
        return; // "no number": the window keeps its last result
    const double value = *amount;
    if (!std::isfinite(value))
        violation("accepted a non-finite amount", text, locale);
    if (text.startsWith(u'-') ? value > 0 : value < 0)
        violation("sign lost", text, locale, QString::number(value, 'g', 17));

    // The shortest C text of the amount reads back to the same amount.
    const QString shortest = QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
    const std::optional<double> again = amountFromText(shortest, QLocale::c());
    if (!again || *again != value)
        violation("amount does not round-trip", text, locale, shortest);

    // "." is read in every locale: without the locale's own mark, C reads the same amount.
    const QString mark = locale.decimalPoint();
    if (!text.contains(mark)) {
        const std::optional<double> inC = amountFromText(text, QLocale::c());
        if (!inC || *inC != value)
            violation("locale changes an amount written with '.'", text, locale);
    }

    QLocale::setDefault(locale);
    const QString result = Form4::irg(value);
    if (!wellFormed(result, mark))
        violation("malformed tax text", text, locale, result);

    // The text is the tax to the cent, and never more than the top rate of the amount.
    QString plain = result;
    plain.replace(mark, QStringLiteral("."));
    const double shown = std::strtod(plain.toLatin1().constData(), nullptr);
    const double tax = tax::monthlyIrg(value);
    if (std::fabs(shown - tax) > 0.005 + std::fabs(tax) * 1e-15)
        violation("tax text is not the tax", text, locale, result);
    if (shown < 0 || shown > std::fmax(value, 0) * 0.35 * (1 + 1e-12) + 0.005)
        violation("tax out of range", text, locale, result);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    for (const char *name : {"C", "fr_FR", "ar_SA"})
        g_locales.emplace_back(QString::fromLatin1(name));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : g_locales)
        check(text, locale);
    return 0;
}
