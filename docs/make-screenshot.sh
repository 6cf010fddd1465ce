#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes docs/screenshot.png from the real program on its own X server, an amount typed in.
#   docs/make-screenshot.sh BUILD_DIR
set -euo pipefail
if [[ -z ${IRG_SCREENSHOT_DISPLAY:-} ]]; then
    exec env IRG_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 800x400x24" dbus-run-session -- "$0" "$@"
fi
shot=$(cd "$(dirname "$0")" && pwd)/screenshot.png
LANG=C.UTF-8 "${1:?usage: docs/make-screenshot.sh BUILD_DIR}/irgcalc" &
trap 'kill $!' EXIT
win=$(timeout 20 xdotool search --sync --onlyvisible --name IRG | head -n 1)
xdotool windowfocus --sync "$win" type --delay 50 35000
sleep 0.5 # the last keystroke's frame
import -window "$win" -strip "$shot"
echo "wrote $shot"
