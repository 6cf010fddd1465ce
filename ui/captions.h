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
inline QString contactEmail() { return QStringLiteral(u"contact@example.com"); }

} // namespace captions
