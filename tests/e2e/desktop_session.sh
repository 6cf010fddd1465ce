#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program, dark-themed, on its own X and D-Bus: Orca speaks it, xdotool types, xclip reads.
#   desktop_session.sh IRGCALC HOME_PAGE CONTACT_PAGE
set -euo pipefail
source "$(dirname "$0")/../needs.sh" && needs xvfb-run xauth dbus-run-session orca xdotool xclip \
    import pkill /usr/share/i18n/locales/fr_FR /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so
[[ -n ${IRG_E2E:-} ]] || exec env IRG_E2E=1 xvfb-run -a dbus-run-session -- "$0" "$@"
source "$(dirname "$0")/../session.sh"
exe=$1 home=$2 contact=$3
# Orca outlives script, and while it lives no other Orca starts: it ends first.
trap 'set +e; pkill -KILL -P "${reader:-}" && wait "$reader"
    kill $(jobs -p) 2>/dev/null; wait; rm -rf "$work"' EXIT
# A home of its own: Orca's settings, the speech server's and ALSA's stay in it.
export HOME=$work XDG_RUNTIME_DIR=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export GSETTINGS_BACKEND=memory

# What Orca says, an utterance a line, from its debug log.
speech() { grep -as "SPEECH OUTPUT: '" "$work/orca.log" | sed "s/.*SPEECH OUTPUT: '//"; }
heard=0 # utterances already matched; each wait looks only at what Orca says after them
since() { speech | tail -n +$((heard + 1)); }
says() { since | grep -nE "^($1)\.?'" >"$work/match"; }
said() { # WORDS (an extended regular expression): waits until Orca says WORDS
    within 30 says "$1" || fail "Orca never said '$1'; since its last match it said: $(since)"
    heard=$((heard + $(head -n 1 "$work/match" | cut -d: -f1)))
}
# Each new result as Orca took it in: the notice shown (Qt 6.4) or an announcement (Qt 6.8).
shown='state-changed:showing for \[notification .*\(1, '
sent() { grep -aE "MANAGER: object:($shown|announcement for ).*\)\s*$" "$work/orca.log"; }
sent_two() { [[ $(sent | wc -l) == 2 && $(sent | tail -n 1) == *"IRG 4000,00"* ]]; }
# Orca needs a speech server even with no sound card: ALSA's null device stands in for one.
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
mkdir "$work/speechd" && echo 'AudioOutputMethod "alsa"' >"$work/speechd/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd" >/dev/null 2>&1 &
# Orca buffers its log unless it is a terminal, which script gives it. No --replace: its alarm,
# writing to the log mid-write, makes Orca 48 drop whatever event it is handling.
script -qfec "exec orca --disable braille --debug-file /dev/tty" "$work/orca.log" >/dev/null &
reader=$!
said "Screen reader on\."

# Qt's GTK platform theme hands the program GNOME's Adwaita dark.
env "${french[@]}" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark "$exe" >"$work/app.log" 2>&1 &
within 30 found --all --pid $! --name IRG || fail "no window"
xdotool windowfocus --sync "$win"
said " برنامج حساب IRG- ضريبة الدخل frame"
said "Mensuel text"
# Typed briskly under Orca: no key lost, and no letter nor Ctrl+V (of 777) reaches the amount.
printf 777 | xclip -selection clipboard
xdotool type --delay 60 3a5 && xdotool key ctrl+v && xdotool type --delay 60 000
said "(notification )?IRG 4000,00" # Orca 43 says it in one utterance, Orca 48 in two
within 30 sent_two || fail "not 2 results sent, for 0,00 and, the last, 4000,00: $(sent)"
copied 4000,00 # and the focus leaves the amount, so its caret blinks no more

# X Y WIDTH HEIGHT: that area's mean luminance and the contrast of its text and ground.
import -window "$win" "$work/shot.png"
measure() {
    convert "$work/shot.png" -crop "$3x$4+$1+$2" -grayscale Rec709Luminance \
        -format '%[fx:mean] %[fx:(maxima + 0.05) / (minima + 0.05)]\n' info:
}
at_least() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a >= b) }'; }
read -r face _ < <(measure 258 82 37 21)
at_least 0.2 "$face" || fail "the theme is not dark: the copy button's face is at $face"
for area in "amount 123 19 163 21" "result 107 83 146 21" "Mensuel 24 16 89 25"; do
    read -r name x y w h <<<"$area"
    read -r _ ratio < <(measure "$x" "$y" "$w" "$h")
    at_least "$ratio" 4.5 || fail "the $name reads at $ratio:1"
done

paste_cell $'\xe2\x80\x8f120.000,00\xc2\xa0د.ج\r\n' && copied 29500,00 # U+200F, U+00A0
opened 104 224 "$contact" # each click opens its page once
opened 244 224 "$contact"$'\n'"$home"
