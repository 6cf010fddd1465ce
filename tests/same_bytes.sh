#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# A clone of a commit against its release tarball, unpacked, dated otherwise and built under umask
# 0002: the same tarball from the clone and from SOURCE_DIR, and the same FILEs from both trees.
#   same_bytes.sh SOURCE_DIR 'FILE...' [CMAKE_OPTION...]
set -euo pipefail
source "$(dirname "$0")/needs.sh" && needs git xz "$1/.git"
unset CFLAGS CXXFLAGS CPPFLAGS LDFLAGS SOURCE_DATE_EPOCH $(compgen -v DEB_) # the project's builds
src=$1 files=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work" || true' EXIT
git clone -q "$src" "$work/clone"
"$work/clone/packaging/release-tarball.sh" HEAD "$work/clone" >/dev/null
(umask 0002 && "$src/packaging/release-tarball.sh" HEAD "$work" >/dev/null)
cmp "$work"/clone/irgcalc-*.tar.xz "$work"/irgcalc-*.tar.xz
tar -xJf "$work"/irgcalc-*.tar.xz -C "$work" --one-top-level=tarball --strip-components 1
find "$work/tarball" -exec touch -d '2001-02-03 04:05:06' {} +
for tree in clone tarball; do
    [[ $tree == clone ]] || umask 0002
    cmake -S "$work/$tree" -B "$work/$tree/build" -G Ninja -DBUILD_TESTING=OFF \
        -DIRGCALC_BENCHMARKS=OFF "$@" >/dev/null
    cmake --build "$work/$tree/build" >/dev/null
    (cd "$work/$tree/build" && cpack >/dev/null)
done
for file in $files; do
    cmp "$work/clone/build/$file" "$work/tarball/build/$file"
done
