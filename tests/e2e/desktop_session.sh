#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on an X server and D-Bus session of its own, as a user meets it: the Orca
# screen reader speaks it, xdotool types and clicks, xclip reads the clipboard, and a logging
# browser catches the pages the desktop is asked to open.
#   desktop_session.sh IRGCALC SITE
set -euo pipefail
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || exec xvfb-run -a dbus-run-session -- "$0" "$@"
exe=$1 site=$2 here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
# A home of its own: Orca's settings, the speech server's and ALSA's stay in it.
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export GSETTINGS_BACKEND=memory BROWSER=$here/logging_browser.sh IRG_BROWSER_LOG=$work/pages

expect() { [[ $2 == "$3" ]] || { echo "FAIL: $1 is '$2', not '$3'" >&2; exit 1; }; }
spoken() { # TEXT: waits until Orca has said TEXT
    for _ in $(seq 300); do
        grep -aF "SPEECH OUTPUT: '$1" "$work/orca.log" >/dev/null && return
        sleep 0.1
    done
    echo "FAIL: Orca never said '$1'; it said:" >&2
    grep -a "SPEECH OUTPUT" "$work/orca.log" >&2
    exit 1
}

# Orca needs a speech server even with no sound card: ALSA's null device stands in for one.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
mkdir "$work/speechd" && echo 'AudioOutputMethod "alsa"' >"$work/speechd/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd" >/dev/null 2>&1 &
# Orca buffers its log unless the log is a terminal; script gives it one, so each line is read
# as soon as it is said.
script -qfec "orca --replace --disable braille --debug-file /dev/tty" "$work/orca.log" >/dev/null &
spoken "Screen reader on."

start() { # LANG: starts the program and gives its window the keyboard
    LANG=$1 "$exe" &
    app=$!
    win=$(timeout 20 xdotool search --sync --all --onlyvisible --pid $app --name IRG | head -n 1)
    xdotool windowfocus --sync "$win"
}
click() { xdotool mousemove --window "$win" "$1" "$2" click 1 && sleep 0.3; }

start C.UTF-8
spoken " برنامج حساب IRG- ضريبة الدخل frame"
spoken "Mensuel text"
expect "what is said of a result at start" "$(grep -ac "SPEECH OUTPUT: 'notification" "$work/orca.log")" 0
xdotool type --delay 150 35000
spoken "notification IRG 4000.00"
xdotool key --delay 300 Tab Tab Tab Tab # the copy button, both links, the result
spoken "IRG read only text"
spoken "4000.00'"
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
