#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the release tarball irgcalc-VERSION.tar.xz of a commit, its tracked files under
# irgcalc-VERSION/, in OUT_DIR, and prints its SHA-256. Every clone of the commit makes the same
# bytes with the git and xz of one Debian release.
#   packaging/release-tarball.sh [COMMIT [OUT_DIR]]     (default HEAD and the current folder)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
out=${2:-.}
# A commit, not a tree: git archive dates the files with a commit's time, but a tree's with now.
commit=$(git -C "$repo" rev-parse --verify --quiet "${1:-HEAD}^{commit}") ||
    { echo "release-tarball.sh: '${1:-HEAD}' is not a commit of $repo" >&2; exit 1; }
version=$(git -C "$repo" show "$commit:CMakeLists.txt" |
    sed -n 's/^project(irgcalc VERSION \([^ )]*\).*/\1/p')
[[ $version ]] || { echo "release-tarball.sh: no version in $commit's CMakeLists.txt" >&2; exit 1; }
tarball=$out/irgcalc-$version.tar.xz
# The files' modes and line ends are the commit's, not the clone's settings; xz's settings are
# these alone, not the environment's, and one thread, whose output is the same on any machine.
git -C "$repo" -c tar.umask=0022 -c core.autocrlf=false archive --format=tar \
    --prefix="irgcalc-$version/" "$commit" |
    env -u XZ_DEFAULTS -u XZ_OPT xz -6 -T1 --check=crc64 >"$tarball.part"
mv "$tarball.part" "$tarball"
sha256sum "$tarball"
