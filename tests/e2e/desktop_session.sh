#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on an X server and D-Bus session of its own: AT-SPI reads the window as a
# screen reader does, xdotool types and clicks, xclip reads the clipboard, and a logging browser
# catches the pages the desktop is asked to open.
#   desktop_session.sh IRGCALC SITE
set -euo pipefail
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || exec xvfb-run -a dbus-run-session -- "$0" "$@"
exe=$1 site=$2 here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export BROWSER=$here/logging_browser.sh IRG_BROWSER_LOG=$work/pages XDG_RUNTIME_DIR=$work
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 # Qt's AT-SPI bridge, as a screen reader turns it on

start() { # LANG: starts the program and gives its window the keyboard
    LANG=$1 "$exe" &
    app=$!
    win=$(timeout 20 xdotool search --sync --all --onlyvisible --pid $app --name IRG | head -n 1)
    xdotool windowfocus --sync "$win"
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1 && sleep 0.3; }
expect() { [[ $2 == "$3" ]] || { echo "FAIL: $1 is '$2', not '$3'" >&2; exit 1; }; }

start C.UTF-8
"$here/read_window.py" # and types 35000
click 276 92 # copy
expect "the clipboard" "$(xclip -o -selection clipboard)" 4000.00
click 104 224 && click 104 224 && click 244 224 # the contact page twice, the home page once
sleep 1
expect "the pages opened" "$(cat "$work/pages")" "$(printf '%s\n' "$site/new/contacte.php" "$site/new/contacte.php" "$site/")"
expect "the program's zombies" "$(ps -o stat= --ppid $app | grep -c ^Z)" 0

# A comma locale; letters and Ctrl+V (the clipboard holds 4000.00) never reach the amount.
start fr_FR.UTF-8
xdotool type --delay 60 3a5 && xdotool key ctrl+v && xdotool type --delay 60 000
click 276 92
expect "the clipboard" "$(xclip -o -selection clipboard)" 4000,00
