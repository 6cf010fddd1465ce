// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUrl>

// The maker's pages; the host is chosen when the program is configured.
namespace site_links {

inline QUrl homePage() { return QUrl(QStringLiteral("http://" IRGCALC_SITE_HOST "/")); }
inline QUrl contactPage()
{
    return QUrl(QStringLiteral("http://" IRGCALC_SITE_HOST "/new/contacte.php"));
}

} // namespace site_links
