#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build under Wine, in a new prefix: it installs, computes, copies, pastes, tells UI
# Automation each result, opens a link, uninstalls without a trace; its .exe's resources and ASLR.
#   windows_session.sh BUILD_DIR VERSION CONTACT_PAGE VENDOR NAME UIA_CLIENT
set -euo pipefail
source "$(dirname "$0")/../needs.sh" && needs xvfb-run xauth wine wineserver xdotool xclip \
    wrestool x86_64-w64-mingw32-objdump /usr/share/i18n/locales/fr_FR
[[ -n ${IRG_WINE:-} ]] || exec env IRG_WINE=1 xvfb-run -a "$0" "$@"
source "$(dirname "$0")/../session.sh"
build=$1 version=$2 contact=$3 vendor=$4 name=$5 client=$6
export WINEPREFIX=$work/prefix WINEDEBUG=-all "${french[@]}"
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompt
# Wine ends, and writes its last, before its folder goes. Nothing here decides the test.
trap 'set +e; wineserver -k 2>/dev/null; wineserver -w; rm -rf "$work"' EXIT

# With X already up, wineboot gives the new prefix a display driver.
wineboot --init && wineserver -w
program=$WINEPREFIX/drive_c/Program\ Files/irgcalc
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/$name"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\irgcalc'
publisher='HKLM\Software\'"$vendor"
wine "$build/irgcalc-$version-win64.exe" /S && wineserver -w
[[ -e "$menu/$name.lnk" ]] || fail "no Start-menu shortcut in $menu"
[[ $(wine reg query "$key" /v DisplayVersion) == *$version* ]] || fail "no uninstall entry $version"
# The publisher's key, which the uninstaller must remove, holds where the program went.
entry=$(wine reg query "$publisher\irgcalc" 2>&1 || true)
[[ $entry == *'Program Files\irgcalc'* ]] || fail "$publisher\irgcalc holds: $entry"

exe=$program/irgcalc.exe
wrestool -x --raw -t 16 "$exe" | iconv -f UTF-16LE -t UTF-8 2>/dev/null |
    grep -a "ProductVersion.${version//./\\.}" >/dev/null || fail "no version $version in $exe"
[[ $(wrestool -l -t 14 "$exe") ]] || fail "no icon in $exe"
traits=$(x86_64-w64-mingw32-objdump -p "$exe" | grep -A3 '^DllCharacteristics' || true)
[[ $traits == *HIGH_ENTROPY_VA*DYNAMIC_BASE*NX_COMPAT* ]] || fail "$exe lacks ASLR or DEP: $traits"

# Wine traces each UI Automation notification the program raises, with its text.
WINEDEBUG=-all,fixme+uiautomation wine "$exe" 2>"$work/trace" &
within 60 found --name IRG || fail "no window"
[[ $(xdotool getwindowgeometry "$win") == *"Geometry: 595x264"* ]] || fail "no 595x264 client area"
title=$(xdotool getwindowname "$win")
[[ $(wine "$client" "$title" | tr -d "\r") == "$title" ]] || fail "UI Automation lacks '$title'"
notices() { grep -a 'UiaRaiseNotificationEvent' "$work/trace"; }
xdotool windowfocus --sync "$win"
click 200 30 && xdotool key --delay 100 a comma 3 5 x 0 0 0 && copied 4000,00
two() { [[ $(notices | wc -l) == 2 && $(notices | tail -n 1) == *'L"IRG 4000,00"'* ]]; }
two || fail "not 2 notifications for two results, the last IRG 4000,00: $(notices)"
paste_cell $'\xe2\x80\x8f120.000,00\xc2\xa0د.ج\r\n' && copied 29500,00 # U+200F, U+00A0
opened 104 224 "$contact"
wineserver -k

wine "$program/Uninstall.exe" /S && wineserver -w
# The uninstaller runs on from a copy of itself.
gone() { [[ ! -e $program && ! -e $menu ]]; }
within 30 gone || fail "files left: $(find "$program" "$menu" 2>/dev/null)"
wineserver -w
for key in "$key" "$publisher"; do
    ! wine reg query "$key" >/dev/null 2>&1 || fail "$key is left"
done
