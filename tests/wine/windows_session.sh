#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build as a Windows user meets it, under Wine on an X server of its own, in a new
# Wine prefix: the installer installs silently, the program computes and copies through its
# real window and the clipboard, each new result reaches UI Automation as a notification, a link
# reaches the browser, and the silent uninstall leaves nothing behind. Also what the .exe
# carries: its version, its icon, and no DLL but Windows' own; and the size budget.
#   windows_session.sh BUILD_DIR SITE UIA_CLIENT
set -euo pipefail
source "$(dirname "$0")/../session.sh"
[[ -n ${IRG_WINE:-} ]] || exec env IRG_WINE=1 xvfb-run -a "$0" "$@"
build=$1 site=$2 client=$3 here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all BROWSER=$here/../e2e/logging_browser.sh
export IRG_BROWSER_LOG=$work/pages WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompt
# Wine ends, and writes its last, before its folder goes. Nothing here decides the test.
trap 'set +e; wineserver -k 2>/dev/null; wineserver -w; rm -rf "$work"' EXIT

# French writes decimals with a comma. Wine takes the locale from the system's, made here.
localedef -i fr_FR -f UTF-8 "$work/fr_FR.UTF-8" || fail "no fr_FR locale"
export LOCPATH=$work LANG=fr_FR.UTF-8
# With X already up, wineboot gives the new prefix a display driver.
wineboot --init && wineserver -w
# The size budget, a little above today's sizes: whatever grows them fails here.
size() { (($(stat -c %s "$1") <= $2)) || fail "$1 is larger than $2 bytes"; } # FILE BYTES
size "$build/irgcalc-1.00-win64.exe" 5000000
size "$build/irgcalc-1.00-win64.zip" 6000000
program=$WINEPREFIX/drive_c/Program\ Files/irgcalc
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/IRG calculator"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\irgcalc'
wine "$build/irgcalc-1.00-win64.exe" /S && wineserver -w
[[ -e "$menu/IRG calculator.lnk" ]] || fail "no Start-menu shortcut in $menu"
[[ $(wine reg query "$key" /v DisplayVersion) == *1.00* ]] || fail "no uninstall entry 1.00"

exe=$program/irgcalc.exe
size "$exe" 14000000
wrestool -x --raw -t 16 "$exe" | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
    grep -a 'ProductVersion.1\.00' >/dev/null || fail "no version 1.00 in $exe"
[[ $(wrestool -l -t 14 "$exe") ]] || fail "no icon in $exe"
# API sets (api-ms-win-*) are names that Windows' loader maps onto its own DLLs.
for dll in $(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print tolower($3) }'); do
    [[ $dll == api-ms-win-* || -e $WINEPREFIX/drive_c/windows/system32/$dll ]] ||
        fail "$exe needs $dll, not Windows' own"
done
[[ $(x86_64-w64-mingw32-objdump -p "$exe" | grep -cwE 'HIGH_ENTROPY_VA|DYNAMIC_BASE|NX_COMPAT') == 3 ]] ||
    fail "$exe lacks ASLR, high-entropy addresses or DEP"

# Wine traces each UI Automation notification the program raises, with its text.
WINEDEBUG=-all,fixme+uiautomation wine "$exe" 2>"$work/trace" &
within 60 found --name IRG || fail "no window"
[[ $(xdotool getwindowgeometry "$win") == *"Geometry: 595x264"* ]] || fail "no 595x264 client area"
title=$(xdotool getwindowname "$win")
[[ $(wine "$client" "$title" | tr -d "\r") == "$title" ]] || fail "UI Automation has no window '$title'"
notices() { grep -a 'UiaRaiseNotificationEvent' "$work/trace"; }
xdotool windowfocus --sync "$win"
copy() { click 276 92 && xclip -o -selection clipboard; }
typed() { # RESULT KEYS...: presses KEYS in the amount field, then copies until RESULT comes
    click 200 30 && xdotool key --delay 100 End "${@:2}"
    becomes "the clipboard after ${*:2}" "$1" copy
}
typed 4000,00 a comma 3 5 x 0 0 0 # letters and the comma never get in
# One notification a new result, 0,00 then 4000,00, each carrying what is said.
[[ $(notices | wc -l) == 2 ]] || fail "$(notices | wc -l) notifications, not 2, for two results"
[[ $(notices | tail -n 1) == *'L"IRG 4000,00"'* ]] || fail "the last notification: $(notices)"
typed 407500,00 BackSpace BackSpace BackSpace BackSpace BackSpace 1 2 0 0 0 0 1
click 104 224
becomes "the page opened" "$site/new/contacte.php" cat "$work/pages"
wineserver -k

wine "$program/Uninstall.exe" /S && wineserver -w
# The uninstaller runs on from a copy of itself.
gone() { [[ ! -e $program && ! -e $menu ]]; }
within 30 gone || fail "files left: $(find "$program" "$menu" 2>/dev/null)"
wineserver -w
for key in "$key" 'HKLM\Software\The irgcalc team'; do
    ! wine reg query "$key" >/dev/null 2>&1 || fail "$key is left"
done
