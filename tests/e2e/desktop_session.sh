#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on an X server and D-Bus session of its own, as a user meets it: the Orca
# screen reader speaks it, xdotool types and clicks, xclip reads the clipboard, and a logging
# browser catches the pages the desktop is asked to open. Every wait is for the event itself.
#   desktop_session.sh IRGCALC SITE
set -euo pipefail
source "$(dirname "$0")/../session.sh"
[[ -n ${IRG_E2E:-} ]] || exec env IRG_E2E=1 xvfb-run -a dbus-run-session -- "$0" "$@"
exe=$1 site=$2 here=$(cd "$(dirname "$0")" && pwd) work=$(mktemp -d)
# Ends what the test started before the folder goes, Orca first: it outlives script, and while it
# lives no other Orca starts. Nothing here decides the test.
trap 'set +e; pkill -KILL -P "${reader:-}" && wait "$reader"
    kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
# A home of its own: Orca's settings, the speech server's and ALSA's stay in it.
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export GSETTINGS_BACKEND=memory BROWSER=$here/logging_browser.sh IRG_BROWSER_LOG=$work/pages
# Each of the program's messages names its category, so an accessibility warning stands out.
export QT_MESSAGE_PATTERN='%{category}: %{message}'

# What Orca says, an utterance a line, from its debug log.
speech() { grep -as "SPEECH OUTPUT: '" "$work/orca.log" | sed "s/.*SPEECH OUTPUT: '//"; }
heard=0 # utterances already matched; each wait looks only at what Orca says after them
says() { speech | tail -n +$((heard + 1)) | grep -nE "^($1)\.?'" >"$work/match"; }
said() { # WORDS (an extended regular expression): waits until Orca says WORDS
    within 30 says "$1" || { speech >&2; fail "Orca never said '$1' after what is above"; }
    heard=$((heard + $(head -n 1 "$work/match" | cut -d: -f1)))
}
# The value changes from the result notice, a line each as Orca takes them in.
arrival='MANAGER: object:property-change:accessible-value for \[notification.*\]\)\s*$'
arrivals() { grep -aE "$arrival" "$work/orca.log"; }
copied() { click 276 92 && becomes "the clipboard" "$1" xclip -o -selection clipboard; }
opened() { click "$1" "$2" && becomes "the pages opened" "$3" cat "$work/pages"; }

# Orca needs a speech server even with no sound card: ALSA's null device stands in for one.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
mkdir "$work/speechd" && echo 'AudioOutputMethod "alsa"' >"$work/speechd/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd" >/dev/null 2>&1 &
# Orca buffers its log unless the log is a terminal; script gives it one, so each line is read
# as soon as it is said. No --replace: it would end the user's own Orca, and its alarm, writing
# to the log mid-write, makes Orca 48 drop whatever event it is handling.
script -qfec "exec orca --disable braille --debug-file /dev/tty" "$work/orca.log" >/dev/null &
reader=$!
said "Screen reader on\."

# French writes decimals with a comma: the program takes its locale from LANG.
LANG=fr_FR.UTF-8 "$exe" >"$work/app.log" 2>&1 &
within 30 found --all --pid $! --name IRG || fail "no window"
xdotool windowfocus --sync "$win"
said " برنامج حساب IRG- ضريبة الدخل frame"
said "Mensuel text"
[[ -z $(arrivals) ]] || fail "a result was announced before the first key"
warnings_before=$(wc -l <"$work/app.log")
# Typed briskly while Orca hears each key before the window does: no key is lost or swapped,
# and neither letters nor Ctrl+V (the clipboard holds 777) reach the amount.
printf 777 | xclip -selection clipboard
xdotool type --delay 60 3a5 && xdotool key ctrl+v && xdotool type --delay 60 000
# Orca 43 says it in one utterance, Orca 48 in two.
said "(notification )?IRG 4000,00"
xdotool key --delay 300 Tab Tab Tab Tab # the copy button, both links, the result
tabbed=$heard
said "IRG read only text"
heard=$tabbed
said "4000,00( selected)?" # Orca 43 says it before the field's name and role, Orca 48 after
# One value change a new result, 0,00 then 4000,00, each carrying what is said.
[[ $(arrivals | wc -l) == 2 ]] || fail "$(arrivals | wc -l) value changes, not 2, for two results"
[[ $(arrivals | tail -n 1) == *"IRG 4000,00"* ]] || fail "the last value change: $(arrivals)"
if tail -n +$((warnings_before + 1)) "$work/app.log" | grep '^qt\.accessibility'; then
    fail "the program warned as above while typing"
fi
copied 4000,00
opened 104 224 "$site/new/contacte.php" # each click opens the page once more
opened 104 224 "$site/new/contacte.php"$'\n'"$site/new/contacte.php"
opened 244 224 "$site/new/contacte.php"$'\n'"$site/new/contacte.php"$'\n'"$site/"
