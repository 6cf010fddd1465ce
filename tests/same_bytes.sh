#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Two clones of one commit, the second dated otherwise and built under umask 0002: same FILEs.
#   same_bytes.sh SOURCE_DIR 'FILE...' [CMAKE_OPTION...]
set -euo pipefail
src=$1 files=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work" || true' EXIT
git clone -q "$src" "$work/one"
(umask 0002 && git clone -q "$src" "$work/two")
find "$work/two" -exec touch -d '2001-02-03 04:05:06' {} +
for clone in one two; do
    [[ $clone == one ]] || umask 0002
    cmake -S "$work/$clone" -B "$work/$clone/build" -G Ninja -DBUILD_TESTING=OFF \
        -DIRGCALC_BENCHMARKS=OFF "$@" >/dev/null
    cmake --build "$work/$clone/build" >/dev/null
    (cd "$work/$clone/build" && cpack >/dev/null)
done
for file in $files; do
    cmp "$work/one/build/$file" "$work/two/build/$file"
done
