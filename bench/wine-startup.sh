#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The sizes of the Windows files, then the start-up of irgcalc.exe against bare_window.exe,
# linked with the same Qt, under Wine: bench/startup.sh with map_timer from a Linux build and
# both programs started by wine.
#   bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
windows=$(cd "${2:?usage: bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]}" && pwd)
# The installer, the zip, and the program as installed: stripped, as the zip holds it.
program=$(python3 -c 'import sys, zipfile
print(zipfile.ZipFile(sys.argv[1]).getinfo("irgcalc-1.00-win64/irgcalc.exe").file_size)' \
    "$windows/irgcalc-1.00-win64.zip")
for figure in "installer $(stat -c %s "$windows/irgcalc-1.00-win64.exe") 4" \
    "zip $(stat -c %s "$windows/irgcalc-1.00-win64.zip") 5" "irgcalc.exe $program 10"; do
    read -r name bytes goal <<<"$figure"
    awk -v n="$name" -v b="$bytes" -v g="$goal" 'BEGIN { printf "%-12s %5.2f MB, goal %s MB\n", n, b / 1e6, g }'
done
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; wineserver -w; rm -rf "$WINEPREFIX"' EXIT
# The prefix is made beforehand, with a display, so that no run pays for it.
xvfb-run -a sh -c 'wineboot --init && wineserver -w'
IRG_LAUNCHER=wine IRG_APP=$windows/irgcalc.exe IRG_BARE=$windows/bare_window.exe \
    "$(dirname "$0")/startup.sh" "$1" "${3:-31}"
