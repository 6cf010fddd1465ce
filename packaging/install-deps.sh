#!/usr/bin/env bash
# Installs, from Debian's archive, what building (and with --test, testing) needs; a machine
# that has it all already is left alone and never reaches the network.
set -euo pipefail

build=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev python3-fonttools
       fonts-liberation2 fonts-hosny-amiri xdg-utils)
test=(xvfb xauth xdotool xclip x11-utils procps
      desktop-file-utils appstream dpkg-dev file
      clang libclang-rt-14-dev libbenchmark-dev imagemagick)

wanted=("${build[@]}")
[[ "${1:-}" == --test ]] && wanted+=("${test[@]}")

missing=()
for pkg in "${wanted[@]}"; do
    dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null | grep -qx installed || missing+=("$pkg")
done
if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
fi
