#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time and peak resident memory of irgcalc against bare_window, on a private Xvfb, the
# two programs alternating; prints the medians and the ratios. IRG_APP, IRG_BARE and IRG_LAUNCHER
# name other programs and what starts them (bench/wine-startup.sh).
#   bench/startup.sh BUILD_DIR [RUNS]
set -euo pipefail
# Inside a D-Bus session, as on a desktop: without one Qt's accessibility bridge waits for a bus
# that is not there, a delay both programs would pay alike.
[[ -n ${DBUS_SESSION_BUS_ADDRESS:-} ]] || exec dbus-run-session -- "$0" "$@"
build=$(cd "${1:?usage: bench/startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-31}
timer=$build/bench/map_timer
app=${IRG_APP:-$build/irgcalc}
bare=${IRG_BARE:-$build/bench/bare_window}
read -ra launcher <<<"${IRG_LAUNCHER:-}"
for program in "$timer" "$app" "$bare"; do
    [[ -x $program ]] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
cleanup() {
    if [[ -n $xvfb ]]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it accepts clients. The black
# root (-br) lets map_timer see a window's first frame; -noreset keeps it from restarting,
# and refusing clients for a moment, each time the last one leaves.
Xvfb -displayfd 3 -br -noreset -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { echo "startup.sh: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# Both programs see the same environment; only the binary differs.
export DISPLAY=":$(head -n1 "$work/display")" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

measure() { # PROGRAM FILE: appends "map_ms frame_ms hwm_kb" to FILE
    local line
    line=$("$timer" "${launcher[@]}" "$1" 2>>"$work/stderr") || { cat "$work/stderr" >&2; exit 1; }
    [[ $line =~ map_ms=([0-9.]+)\ frame_ms=([-0-9.]+)\ hwm_kb=([0-9]+) ]] ||
        { echo "startup.sh: odd line: $line" >&2; exit 1; }
    echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]}" >>"$2"
}

# Warm the page cache and the fontconfig cache for both, then forget those runs.
for _ in 1 2; do
    measure "$app" "$work/warm"
    measure "$bare" "$work/warm"
done
# Alternate, and swap who goes first each round, so drift hits both alike.
for ((i = 0; i < runs; ++i)); do
    if ((i % 2 == 0)); then
        measure "$app" "$work/app"
        measure "$bare" "$work/bare"
    else
        measure "$bare" "$work/bare"
        measure "$app" "$work/app"
    fi
done

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column_median() { cut -d' ' -f"$1" "$2" | median; }
# Median over the rounds of irgcalc / bare_window, each round's two runs side by side.
paired_median() { paste -d' ' "$work/app" "$work/bare" | awk -v c="$1" '{ print $c / $(c + 3) }' | median; }
verdict() { awk -v r="$1" 'BEGIN { print (r <= 1.25) ? "ok" : "MISSED" }'; }

map_ratio=$(paired_median 1)
frame_ratio=$(paired_median 2)
mem_ratio=$(paired_median 3)
echo "start-up on Xvfb $DISPLAY, $runs runs each, alternating"
echo "  (map: spawn to MapNotify; frame: to its first drawn pixel; peak RSS: VmHWM 0.5 s after the map)"
printf '  %-12s map %7.2f ms   frame %7.2f ms   peak RSS %8.0f kB\n' \
    irgcalc "$(column_median 1 "$work/app")" "$(column_median 2 "$work/app")" "$(column_median 3 "$work/app")" \
    bare_window "$(column_median 1 "$work/bare")" "$(column_median 2 "$work/bare")" "$(column_median 3 "$work/bare")"
printf '  start-up ratio (to the map)  %.3f, goal <= 1.25: %s\n' "$map_ratio" "$(verdict "$map_ratio")"
printf '  first-frame ratio            %.3f (no goal)\n' "$frame_ratio"
printf '  peak memory ratio            %.3f, goal <= 1.25: %s\n' "$mem_ratio" "$(verdict "$mem_ratio")"
