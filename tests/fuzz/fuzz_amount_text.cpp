// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer: any amount text, in three locales, gives no amount or a well-formed tax text.
#include "ui/amount_text.h"
#include "ui/form4.h"

#include <QRegularExpression>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const char *locale : {"C", "fr_FR", "ar_SA"}) {
        QLocale::setDefault(QLocale(QLatin1String(locale)));
        const QRegularExpression tax(
            "^[0-9]+" + QRegularExpression::escape(QLocale().decimalPoint()) + "[0-9]{2}$");
        const std::optional<double> amount = amountFromText(text, QLocale());
        if (amount && !tax.match(Form4::irg(*amount)).hasMatch())
            qFatal("%s gives %s", qPrintable(text), qPrintable(Form4::irg(*amount)));
    }
    return 0;
}
