# SPDX-License-Identifier: GPL-3.0-or-later
# What the end-to-end tests share, sourced by them.

fail() { echo "FAIL: $*" >&2; exit 1; }

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

# Sets win to the first visible window that xdotool finds by OPTIONS. A search that meets a
# window closing as it looks fails, and is tried again.
found() { win=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1) && [[ -n $win ]]; }
click() { xdotool mousemove --window "$win" "$1" "$2" click 1; } # X Y: clicks there in win
