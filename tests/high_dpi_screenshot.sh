#!/usr/bin/env bash
# Shows the real program at 200 % on its own X server, checks the window's size in device
# pixels and keeps a screenshot for a person to look at.
#   high_dpi_screenshot.sh IRGCALC OUTPUT.png
set -euo pipefail
exe=$1 shot=$2

for tool in xvfb-run xdotool xwininfo import identify; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [[ -z "${IRG_SCREENSHOT_DISPLAY_READY:-}" ]]; then
    exec env IRG_SCREENSHOT_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1920x1080x24" "$0" "$@"
fi

work=$(mktemp -d)
app=
cleanup() { [[ -n "$app" ]] && kill "$app" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

env -u QT_QPA_PLATFORM QT_SCALE_FACTOR=2 LANG=C.UTF-8 XDG_RUNTIME_DIR="$work" "$exe" &
app=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name 'IRG' | head -n 1) \
    || fail "the window never appeared"
# The widest amount a user types for a month shows, with its tax, in full.
xdotool windowfocus --sync "$win"
xdotool type --delay 30 99999999.99
sleep 1 # let the last frame be painted

read -r width height < <(xwininfo -id "$win" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')
echo "window $win: ${width}x${height} device pixels"
# No window manager runs here, so there is no decoration round the client area.
[[ "$width" == 1190 && "$height" == 528 ]] || fail "window is ${width}x${height}, expected 1190x528"

kill -0 "$app" 2>/dev/null || fail "the program ended while it was typed into"
import -window "$win" "$shot"
size=$(identify -format '%wx%h' "$shot")
[[ "$size" == 1190x528 ]] || fail "screenshot is $size"
# The window's lavender shows in the gap between the amount row and the result row.
gap=$(identify -format '%[pixel:p{200,120}]' "$shot")
[[ "$gap" == "srgb(192,192,255)" ]] || fail "background at (200,120) is $gap"
colours=$(identify -format '%k' "$shot")
((colours > 100)) || fail "only $colours colours: captions or pictures are missing"
echo "screenshot $shot: $size, $colours colours"
