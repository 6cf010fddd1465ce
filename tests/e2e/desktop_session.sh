#!/usr/bin/env bash
# Drives the real program on its own X server, as a user would: xdotool types and clicks,
# xclip reads the clipboard, a logging browser catches the pages the desktop is asked to open.
#   desktop_session.sh IRGCALC CASE
set -euo pipefail
exe=$1 case=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in xvfb-run xdotool xclip xdg-open ps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if [[ -z "${IRG_E2E_DISPLAY_READY:-}" ]]; then
    exec env IRG_E2E_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

work=$(mktemp -d)
app=
cleanup() { [[ -n "$app" ]] && kill "$app" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

fail() { echo "FAIL [$case]: $*" >&2; exit 1; }

# Start the program in LANG=$1 and wait until its window is mapped.
start() {
    env -u LC_ALL -u LC_NUMERIC -u LANGUAGE LANG="$1" \
        BROWSER="$here/logging_browser.sh" IRG_BROWSER_LOG="$work/browser.log" \
        XDG_RUNTIME_DIR="$work" "$exe" &
    app=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --name 'IRG' | head -n 1) \
        || fail "the window never appeared"
    xdotool windowfocus --sync "$win"
    sleep 0.3
}

# Client-area coordinates of a button's centre, from its designed place.
click() {
    local x=$1 y=$2
    xdotool mousemove --window "$win" "$x" "$y" click 1
    sleep 0.3
}
click_copy() { click 276 92; }
click_contact() { click 104 224; }
click_home() { click 244 224; }

type_keys() { xdotool type --delay 60 "$1"; sleep 0.3; }

clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null || true; }

expect_clipboard() {
    local got
    got=$(clipboard)
    [[ "$got" == "$1" ]] || fail "clipboard holds '$got', expected '$1'"
}

# Waits for the logging browser to have noted exactly the expected pages.
expect_pages() {
    local expected=$1 got=
    for _ in $(seq 50); do
        got=$(sort "$work/browser.log" 2>/dev/null || true)
        [[ "$got" == "$expected" ]] && return 0
        sleep 0.2
    done
    fail "browser was asked for '$got', expected '$expected'"
}

expect_no_zombies() {
    local zombies
    zombies=$(ps -o stat=,pid=,comm= --ppid "$app" | awk '$1 ~ /^Z/' || true)
    [[ -z "$zombies" ]] || fail "zombie children: $zombies"
}

case "$case" in
copy)
    start C.UTF-8
    type_keys 35000
    click_copy
    expect_clipboard 4000.00
    ;;
copy-fr)
    start fr_FR.UTF-8
    type_keys 35000
    click_copy
    expect_clipboard 4000,00
    ;;
copy-ar)
    start ar_DZ.UTF-8
    type_keys 35000
    click_copy
    expect_clipboard 4000,00
    ;;
letters)
    start C.UTF-8
    type_keys 2a0b000
    click_copy
    expect_clipboard 1000.00
    ;;
ctrl-v)
    start C.UTF-8
    type_keys 35000
    printf '777' | xclip -selection clipboard
    xdotool key --delay 60 ctrl+v
    sleep 0.3
    click_copy
    # Had the paste got through, the amount would be 35000777.
    expect_clipboard 4000.00
    ;;
links)
    start C.UTF-8
    click_contact
    click_contact
    click_home
    expect_pages "$(printf '%s\n' "$IRG_CONTACT_URL" "$IRG_CONTACT_URL" "$IRG_HOME_URL" | sort)"
    sleep 1
    expect_no_zombies
    kill -0 "$app" || fail "the program died"
    ;;
*)
    fail "unknown case"
    ;;
esac
echo "PASS [$case]"
