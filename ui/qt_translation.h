// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

// Puts Qt's own texts (the fields' context menus, anything else Qt draws for the program) in
// LOCALE's language, replacing those of an earlier call. The window's captions stay as they are.
void translateQtTexts(const QLocale &locale);
