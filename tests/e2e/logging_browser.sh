#!/bin/sh
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# A browser that only notes which page it was asked to open.
printf '%s\n' "$1" >> "$IRG_BROWSER_LOG"
