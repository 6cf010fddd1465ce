#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The sizes of the Windows files, then the start-up of irgcalc.exe against bare_window.exe,
# linked with the same Qt, under Wine: bench/startup.sh with map_timer from a Linux build and
# both programs started by wine.
#   bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]
set -euo pipefail
windows=$(cd "${2:?usage: bench/wine-startup.sh LINUX_BUILD_DIR WINDOWS_BUILD_DIR [RUNS]}" && pwd)
# The installer, the zip, and the program as installed: stripped, as the zip holds it.
installer=$(echo "$windows"/irgcalc-*-win64.exe) zip=$(echo "$windows"/irgcalc-*-win64.zip)
program=$(python3 -c 'import pathlib, sys, zipfile
folder = pathlib.Path(sys.argv[1]).stem
print(zipfile.ZipFile(sys.argv[1]).getinfo(folder + "/irgcalc.exe").file_size)' "$zip")
for figure in "installer $(stat -c %s "$installer") 4" "zip $(stat -c %s "$zip") 5" \
    "irgcalc.exe $program 10"; do
    read -r name bytes goal <<<"$figure"
    awk -v n="$name" -v b="$bytes" -v g="$goal" 'BEGIN { printf "%-12s %5.2f MB, goal <= %s MB: %s\n",
        n, b / 1e6, g, b / 1e6 <= g ? "ok" : "MISSED" }'
done
export WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null; wineserver -w; rm -rf "$WINEPREFIX"' EXIT
# The prefix is made beforehand, with a display, so that no run pays for it.
xvfb-run -a sh -c 'wineboot --init && wineserver -w'
IRG_LAUNCHER=wine IRG_APP=$windows/irgcalc.exe IRG_BARE=$windows/bare_window.exe \
    "$(dirname "$0")/startup.sh" "$1" "${3:-31}"
