#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Two clones of one commit, their files dated differently, built and packaged by plain cmake
# and cpack: each FILE is the same bytes in both.
#   same_bytes.sh SOURCE_DIR 'FILE...' [CMAKE_OPTION...]
set -euo pipefail
src=$1 files=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work" || true' EXIT
git clone -q "$src" "$work/one"
git clone -q "$src" "$work/two"
find "$work/two" -exec touch -d '2001-02-03 04:05:06' {} +
for clone in one two; do
    cmake -S "$work/$clone" -B "$work/$clone/build" -G Ninja -DBUILD_TESTING=OFF \
        -DIRGCALC_BENCHMARKS=OFF "$@" >/dev/null
    cmake --build "$work/$clone/build" >/dev/null
    (cd "$work/$clone/build" && cpack >/dev/null)
done
for file in $files; do
    cmp "$work/one/build/$file" "$work/two/build/$file"
done
