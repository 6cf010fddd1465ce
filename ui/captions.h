// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Every text the window shows, kept together so a translator or packager finds them at once.
namespace captions {

inline QString windowTitle() { return QStringLiteral(u" برنامج حساب IRG- ضريبة الدخل"); }
inline QString website() { return QStringLiteral(u"الموقع"); }
inline QString questions() { return QStringLiteral(u"لاستفساراتكم واقتراحاتكم"); }
inline QString copy() { return QStringLiteral(u"نسخ"); }
inline QString mensuel() { return QStringLiteral(u"Mensuel :"); }
inline QString irg() { return QStringLiteral(u"IRG :"); }
inline QString authorCredit() { return QStringLiteral(u"برمجة: فريق حاسبة IRG"); }
inline QString contactEmail() { return QStringLiteral(IRGCALC_CONTACT_EMAIL); }

// What a screen reader says for each control: the fields by their labels' words, the
// pictures by what they show.
inline QString amountFieldName() { return QStringLiteral(u"Mensuel"); }
inline QString amountFieldDescription() { return QStringLiteral(u"الأجر الشهري الخاضع للضريبة"); }
inline QString resultFieldName() { return QStringLiteral(u"IRG"); }
inline QString resultFieldDescription() { return QStringLiteral(u"الضريبة الشهرية على الدخل"); }
inline QString copyDescription() { return QStringLiteral(u"ينسخ الضريبة المعروضة إلى الحافظة"); }
inline QString websiteDescription() { return QStringLiteral(u"يفتح موقع البرنامج في المتصفح"); }
inline QString questionsDescription() { return QStringLiteral(u"يفتح صفحة الاتصال في المتصفح"); }
inline QString taxTableName() { return QStringLiteral(u"جدول IRG الشهري لسنة 2008"); }
inline QString taxTableDescription()
{
    return QStringLiteral(u"وثيقة مرجعية: صفحة من جدول IRG الشهري لسنة 2008، بعمودي الأجر "
                          u"الشهري الخاضع للضريبة ومبلغ الضريبة");
}
inline QString illustrationName() { return QStringLiteral(u"رسم توضيحي"); }
inline QString illustrationDescription()
{
    return QStringLiteral(u"شخص أبيض يحمل على ظهره كلمة «ضريبة» باللون الأخضر");
}

} // namespace captions
