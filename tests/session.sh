# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests share, sourced by them once their X server is up.

fail() { echo "FAIL: $*" >&2; exit 1; }
# The session's own locale and X server, whatever the builder exported (Qt's platform, say).
unset ${!LC_@} LANGUAGE ${!QT_@} WAYLAND_DISPLAY
export LANG=C.UTF-8

within() { # SECONDS COMMAND...: true once COMMAND succeeds, false if it never does in time
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

prints() { [[ $("${@:2}" 2>/dev/null) == "$1" ]]; }
becomes() { # WHAT TEXT COMMAND...: waits until COMMAND prints TEXT, which is WHAT
    within 30 prints "$2" "${@:3}" || fail "$1 is '$("${@:3}" 2>/dev/null)', not '$2'"
}

# Sets win to the first visible window found by OPTIONS; a window closing as it looks fails it.
found() { win=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) && [[ -n $win ]]; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; } # X Y: clicks there in win

# A folder of the test's own, and a browser that only notes there each page it is asked to open.
work=$(mktemp -d) && export BROWSER=$work/browser IRG_BROWSER_LOG=$work/pages
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"$IRG_BROWSER_LOG"\n' >"$BROWSER" && chmod +x "$BROWSER"
opened() { click "$1" "$2" && becomes "the pages opened" "$3" cat "$IRG_BROWSER_LOG"; } # X Y PAGES
# Pastes CELL over the amount, selected by a double click, with its context menu's French
# Co&ller, whose letter no English entry has; the menu comes as one more window.
windows() { xdotool search --onlyvisible --class irgcalc 2>/dev/null | wc -l; }
more_windows() { (($(windows) > $1)); }
pasted() { xdotool key l && ! more_windows "$1"; } # the menu takes keys once it grabs them
paste_cell() {
    local before=$(windows)
    printf %s "$1" | xclip -selection clipboard
    xdotool mousemove --window "$win" 200 30 click --repeat 2 --delay 100 1 click 3
    within 30 more_windows "$before" || fail "no context menu: $(windows) windows"
    within 30 pasted "$before" || fail "the context menu took no Co&ller"
}
# Clicks the copy button until the clipboard holds RESULT, which may be on its way.
copy() { click 276 92 && xclip -o -selection clipboard; }
copied() { becomes "the clipboard" "$1" copy; }

# French writes decimals with a comma. Wine takes its locale from the system's, which may have
# none: a program run with env "${french[@]}" is in a French locale of the test's own.
localedef -i fr_FR -f UTF-8 "$work/fr_FR.UTF-8" || fail "no fr_FR locale"
french=(LOCPATH=$work LANG=fr_FR.UTF-8)
