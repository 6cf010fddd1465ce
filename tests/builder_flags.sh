#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The builder's flags stand: the window's compile line and the program's link line carry each
# flag once, the builder's fortify level last, what the builder turned off still off, and what
# hardening the builder left out.
#   builder_flags.sh SOURCE_DIR
set -euo pipefail
src=$1 work=$(mktemp -d)
trap 'rm -rf "$work" || true' EXIT
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS DEB_BUILD_MAINT_OPTIONS
fail() { echo "FAIL: $1, in: $lines" >&2; exit 1; }

# NAME FORTIFY HAS LACKS [CMAKE_OPTION]: configured in the environment as it is, the compile
# line's last _FORTIFY_SOURCE is FORTIFY, and the lines hold each word of HAS, none matching LACKS.
check() {
    cmake -S "$src" -B "$work/$1" -G Ninja -DCMAKE_BUILD_TYPE=None -DBUILD_TESTING=OFF \
        -DIRGCALC_BENCHMARKS=OFF "${@:5}" >/dev/null
    lines=$(ninja -C "$work/$1" -t commands irgcalc | grep -E -- ' -c \S*form4\.cpp|-o irgcalc ')
    local twice last word words=$(tr ' ' '\n' <<<"$lines")
    twice=$(awk '{ delete n; for (i = 1; i <= NF; i++) if ($i ~ /^-([fWDUm]|Wl,)/ && n[$i]++) print $i }' <<<"$lines")
    [[ -z $twice ]] || fail "$1: twice on a line: $twice"
    last=$(grep -- ' -c ' <<<"$lines" | grep -oE -- '-[DU]_FORTIFY_SOURCE\S*' | tail -n 1 || true)
    [[ $last == "$2" ]] || fail "$1: '$last', not '$2', last on the compile line"
    for word in $3; do grep -qxe "$word" <<<"$words" || fail "$1: no $word"; done
    [[ -z $4 ]] || ! grep -E -- "^($4)" <<<"$words" || fail "$1: the words above"
}

(export CXXFLAGS='-g -O2 -fstack-protector-strong -D_FORTIFY_SOURCE=3' LDFLAGS=-Wl,-z,relro
    check "level 3 in CXXFLAGS" -D_FORTIFY_SOURCE=3 "-Wl,-z,now -Werror=format-security" "")
(export CPPFLAGS=-D_FORTIFY_SOURCE=3 DEB_BUILD_MAINT_OPTIONS=hardening=+all,-stackprotector
    check "level 3 in CPPFLAGS, -stackprotector" -D_FORTIFY_SOURCE=3 "-Wl,-z,now" "-fstack-prot")
check "project's set off" "" "" "-fstack-prot|-Wl,-z" -DIRGCALC_HARDENING=OFF
check "sanitizers" "" "-fstack-protector-strong -Wl,-z,now" "" -DIRGCALC_SANITIZE=ON
