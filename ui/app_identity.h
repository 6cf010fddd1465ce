// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names the application to the desktop and to screen readers: version, desktop entry, window
// icon, and the window, its result notice and its pictures by their roles; and speaks the
// desktop's language in Qt's own texts.
void setUpApplicationIdentity();
