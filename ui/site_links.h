// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// The maker's pages, chosen when the program is configured.
namespace site_links {

inline QUrl homePage() { return QUrl(QStringLiteral(IRGCALC_HOME_PAGE)); }
inline QUrl contactPage() { return QUrl(QStringLiteral(IRGCALC_CONTACT_PAGE)); }

} // namespace site_links
