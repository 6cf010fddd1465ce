#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs, from Debian's archive, what building needs, with --test what testing needs too, and
# with --windows what building for Windows needs. A machine that has it all already is left
# alone and never reaches the network. A user who is not root installs through sudo.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# dpkg-dev tells the hardening of the release at hand and the architecture.
build=(cmake ninja-build g++ qt6-base-dev libgl-dev dpkg-dev
       $(grep -v '^#' "$here/runtime-packages"))
# Names that Debian 12 and 13 both know; git gives same_bytes and reuse_lint the tracked files.
test=(xvfb xauth xdotool xclip procps dbus-daemon at-spi2-core orca speech-dispatcher imagemagick
      desktop-file-utils appstream file lintian reuse clang-format
      libbenchmark-dev wine wine64 icoutils git qt6-gtk-platformtheme locales)
# Qt for Windows is built from Debian's qt6-base source with MinGW-w64; CPack makes the installer.
windows=(g++-mingw-w64-x86-64-posix nsis python3)

wanted=("${build[@]}")
for option in "$@"; do
    case $option in
    --test) wanted+=("${test[@]}") ;;
    --windows) wanted+=("${windows[@]}") ;;
    *) echo "usage: install-deps.sh [--test] [--windows]" >&2; exit 2 ;;
    esac
done

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed || missing+=("$pkg")
done
((${#missing[@]})) || exit 0

as_root=()
if ((EUID != 0)); then
    command -v sudo >/dev/null || { echo "install-deps.sh: ${missing[*]} missing; run it as root" >&2; exit 1; }
    as_root=(sudo)
fi
apt() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
# apt says why it failed; this only names what is still missing.
if ! apt update || ! apt install -y --no-install-recommends "${missing[@]}"; then
    echo "install-deps.sh: apt-get could not install: ${missing[*]}" >&2
    exit 1
fi
