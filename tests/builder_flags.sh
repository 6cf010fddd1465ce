#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The builder's flags whole, or the release's own: configured as each BUILDER below (its
# environment, or a CMake option), the window's compile and link lines carry each flag once, the
# compile line's _FORTIFY_SOURCE at LEVEL (or none), words starting as each of HAS, none as LACKS.
# After "+", a BUILDER configures the folder above again: its lines and rcc's time stay, it warns.
#   builder_flags.sh SOURCE_DIR
set -euo pipefail
src=$1 work=$(mktemp -d) row=0
trap 'rm -rf "$work" || true' EXIT
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS SOURCE_DATE_EPOCH $(compgen -v DEB_)
ours='-fstack-prot|-Wl,-z,now|-Wformat'
while IFS='|' read -r builder level has lacks; do
    again=${builder%%[^+]*} builder=${builder#+} level=${level// } assign=() option=()
    [[ $again ]] || dir=$work/$((++row))
    [[ $builder == -* ]] && eval "option=($builder)" || eval "assign=($builder)"
    env "${assign[@]}" cmake -S "$src" -B "$dir" -G Ninja -DBUILD_TESTING=OFF \
        -DIRGCALC_BENCHMARKS=OFF "${option[@]}" 2>&1 >/dev/null | tee "$work/said" >&2
    lines=$(ninja -C "$dir" -t commands irgcalc | grep -E -- ' -c \S*form4\.cpp|-o irgcalc |/rcc ')
    fail() { echo "FAIL: $(echo $builder): $1, in: $lines" >&2; exit 1; }
    dup=$(awk '{ for (i=1; i<=NF; i++) if ($i ~ /^-[fWDUm]/ && n[NR,$i]++) print $i }' <<<"$lines")
    [[ -z $dup ]] || fail "twice on a line: $dup"
    seen=$(grep -- ' -c ' <<<"$lines" | grep -oE -- '-[DU]_FORTIFY_SOURCE\S*' | xargs || true)
    [[ $seen == "${level:+-D_FORTIFY_SOURCE=$level}" ]] || fail "'$seen', not level '$level'"
    for word in $has; do grep -qE -- " $word" <<<"$lines" || fail "no $word"; done
    ! grep -oE -- " ($(echo $lacks))\S*" <<<"$lines" || fail "the words above"
    [[ -z $again ]] || grep -q "${assign%%=*} is '${assign#*=}' now" "$work/said" || fail "no warning"
done <<EOF
CXXFLAGS=-D_FORTIFY_SOURCE=3                           | 3 |                | $ours
CPPFLAGS=-D_FORTIFY_SOURCE=3                           | 3 |                | $ours
LDFLAGS=-Wl,-z,relro                                   |   | -Wl,-z,relro   | $ours
-DCMAKE_CXX_FLAGS_RELEASE=-O2                          |   | -O2            | $ours|-O3
DEB_BUILD_MAINT_OPTIONS=hardening=-stackprotector      | 2 | -Wl,-z,now     | -fstack-prot|-ffile
+CXXFLAGS=-O1 SOURCE_DATE_EPOCH=5                      | 2 | -Wl,-z,now     | -fstack-prot|-O1|SOURCE_DATE_EPOCH=5
CPPFLAGS='-Wdate-time -D_FORTIFY_SOURCE=2' CXXFLAGS='-g -O2 -Wdate-time -D_FORTIFY_SOURCE=2' | 2 | | $ours
-DIRGCALC_HARDENING=OFF                                |   |                | $ours
-DIRGCALC_SANITIZE=ON                                  |   | -fstack-prot   | -O2
EOF
