#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up of the Windows irgcalc.exe against bare_window.exe, linked with the same Qt, under
# Wine: bench/startup.sh with map_timer from a Linux build and both programs started by wine.
#   bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
windows=$(cd "${2:?usage: bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]}" && pwd)
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; wineserver -w; rm -rf "$WINEPREFIX"' EXIT
# The prefix is made beforehand, with a display, so that no run pays for it.
xvfb-run -a sh -c 'wineboot --init && wineserver -w'
IRG_LAUNCHER=wine IRG_APP=$windows/irgcalc.exe IRG_BARE=$windows/bare_window.exe \
    "$(dirname "$0")/startup.sh" "$1" "${3:-31}"
