#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs COMMAND on a clean clone of this commit inside a Debian 13 root made with Debian's own
# mmdebstrap. The root, with what install-deps.sh --test --windows installs, is kept in
# ~/.cache/irgcalc, keyed by what made it, so a warm run pays only the build and the tests; Qt
# for Windows lives beside it, so a new root does not rebuild it. Run it as root, and never
# beside an X server in another root: the two would share display numbers.
#   .ci/debian13.sh COMMAND
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
command=${1:?usage: .ci/debian13.sh COMMAND}
cache=${IRGCALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/irgcalc}
key=$( (echo trixie --test --windows && cat "$top/packaging/install-deps.sh" "$top/packaging/runtime-packages") | sha256sum | cut -c1-12)
root=$cache/debian13-$key

# Ends what was left running in any such root, then detaches what was bound into it, so that
# nothing below a root reaches the real /dev or /proc when it is deleted.
release() {
    local pid mount
    for pid in /proc/[0-9]*; do
        if [[ $(readlink "$pid/root" 2>/dev/null) == "$cache"/debian13-* ]]; then
            kill -9 "${pid#/proc/}" 2>/dev/null || true
        fi
    done
    for mount in $(findmnt -rn -o TARGET | grep "^$cache/debian13-" | sort -r); do
        umount "$mount" 2>/dev/null || umount -l "$mount"
    done
}
in_root() { # COMMAND: runs COMMAND in the root, as root, with a bare environment
    mount --bind /proc "$root/proc" && mount --bind /dev "$root/dev" &&
        mount --bind /dev/pts "$root/dev/pts" &&
        mount --bind "$cache/windows-qt" "$root/root/.cache/irgcalc"
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 CI=true \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "$1" </dev/null
}
trap release EXIT
release
mkdir -p "$cache/windows-qt"

if [[ ! -e $root/ready ]]; then
    command -v mmdebstrap >/dev/null || apt-get install -y --no-install-recommends mmdebstrap
    rm -rf "$cache"/debian13-*
    mkdir -p "$cache"
    mmdebstrap --variant=apt --include=ca-certificates trixie "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    cp "$top/packaging/install-deps.sh" "$top/packaging/runtime-packages" "$root/tmp/"
    mkdir -p "$root/root/.cache/irgcalc"
    in_root "/tmp/install-deps.sh --test --windows && apt-get clean"
    release
    touch "$root/ready"
fi

rm -rf "${root:?}/src" "${root:?}"/tmp/*
git clone -q "$top" "$root/src"
in_root "cd /src && $command"
