#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds irgcalc for 64-bit Windows, and its installer and zip, from Debian's archive alone:
# installs what is missing, builds Qt for Windows (or reuses the one built before), then
# leaves irgcalc-VERSION-win64.exe and irgcalc-VERSION-win64.zip in BUILD_DIR, and their
# SHA256SUMS, which a build of the same commit reproduces. It needs Debian 13 or later.
#   packaging/windows/build.sh [BUILD_DIR]     (default build-windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build-windows}
# Qt 6.8, Debian 13's, is the first to announce each result to Windows screen readers.
. /etc/os-release
if [[ $ID == debian && ${VERSION_ID:-99} -lt 13 ]]; then
    echo "build.sh: the Windows files are built on Debian 13 or later, not on Debian $VERSION_ID" >&2
    exit 1
fi
"$here/../install-deps.sh" --windows
qt=$("$here/build-qt.sh")
# --fresh: a Qt built anew since the last run comes with a toolchain file of its own.
cmake --fresh -S "$here/../.." -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake"
cmake --build "$build"
(cd "$build" && cpack && sha256sum irgcalc-*-win64.exe irgcalc-*-win64.zip >SHA256SUMS)
