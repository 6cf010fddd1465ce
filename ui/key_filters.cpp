// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/form4.h"

namespace {

bool isDigit(short code) { return code >= 48 && code <= 57; }

} // namespace

short Form4::gWriteOnleNumber(const short &IntKeyAscii)
{
    if (isDigit(IntKeyAscii) || IntKeyAscii == 8 || IntKeyAscii == 46)
        return IntKeyAscii;
    return 0;
}

short Form4::gWriteOnleNumber1(const short &IntKeyAscii)
{
    if (isDigit(IntKeyAscii) || IntKeyAscii == 8)
        return IntKeyAscii;
    return 0;
}
