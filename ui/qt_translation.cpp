// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void translateQtTexts(const QLocale &locale)
{
    QCoreApplication *app = QCoreApplication::instance();
    for (QTranslator *old : app->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    // Qt's translations: those built into the program where it carries them (a static Qt has
    // none of its own), else the installed Qt's.
    auto *translator = new QTranslator(app);
    for (const QString &folder :
         {QStringLiteral(":/translations"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
        if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return;
        }
    }
    delete translator;
}
