#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: accepted by lintian, its program hardened as FLAGS (its compile and link
# lines') ask, and what it puts where a desktop looks.
#   install_and_package.sh BUILD_DIR DEB VERSION APP_ID FLAGS
set -euo pipefail
source "$(dirname "$0")/needs.sh" && needs lintian file desktop-file-validate appstreamcli
deb=$2 version=$3 id=$4 flags=$5
work=$(mktemp -d) program=usr/bin/irgcalc
trap 'rm -rf "$work" || true' EXIT
# A protection is wanted where the last of the words of FLAGS that turn it on or off asks for it
# (PIE and RELRO, the toolchain's own, where none does); lintian's tag for one not wanted is moot.
asked() { [[ $(grep -oE -- "$1" <<<"$flags" | tail -n 1) =~ ^($2)$ ]]; } # WORDS ASKING
packages=$(cd "$(dirname "$0")/../packaging" && pwd)/runtime-packages
wanted=("Version: $version" libqt6widgets6 $(grep -v '^#' "$packages")) unasked=()
asked '-(no-)?pie' '|-pie' && wanted+=(Position-Independent) || unasked+=(hardening-no-pie)
asked '-z,(no)?relro' '|-z,relro' && wanted+=(GNU_RELRO) || unasked+=(hardening-no-relro)
asked '-z,(now|lazy)' -z,now && wanted+=(BIND_NOW) || unasked+=(hardening-no-bindnow)
asked '-f(no-)?stack-protector[a-z-]*' '-fstack-protector.*' && wanted+=(__stack_chk_fail)
asked '-[DU]_FORTIFY_SOURCE[=0-9]*' '-D_FORTIFY_SOURCE(=[1-9])?' ||
    unasked+=(hardening-no-fortify-functions)
asked '-fcf-protection[=a-z]*' '-fcf-protection(=full|=branch)?' && wanted+=(endbr64)
# Packed as a user whose group may write his files, whose folders are not rwxr-xr-x.
(cd "$1" && umask 0002 && cpack -G DEB -B "$work" >/dev/null)
tags=$(lintian -I --fail-on error,warning --suppress-tags "$(IFS=,; echo "${unasked[*]}")" \
    "$work/$deb") && ! [[ $tags =~ hardening|unneeded ]] || { echo "$tags"; exit 1; }
dpkg-deb -x "$work/$deb" "$work/root" && cd "$work/root"

code() { objdump -d --start-address="$1" --stop-address=$(($1 + $2)) $program; } # FROM LENGTH
main_starts() { # the first instruction of main, whose address the entry point hands to libc
    local main=$(code "$(readelf -h $program | awk '/Entry/ { print $4 }')" 64)
    code "0x$(awk '/lea .*,%rdi/ { print $(NF - 1); exit }' <<<"$main")" 4 | grep -m 1 '^ *[0-9a-f]*:'
}
found=$(dpkg-deb -f "$work/$deb" Version Depends &&
    readelf -hldW --dyn-syms $program | grep -E 'Type:|GNU_RELRO|FLAGS|__stack_chk_fail')
# Debian 13's start files have no CET note, so the program has none; its code has the pads.
[[ ${wanted[*]} != *endbr64* ]] || found+=$'\n'"main: $(main_starts)"
for want in "${wanted[@]}"; do
    [[ $found == *"$want"* ]] || { echo "the package lacks $want; it has: $found"; exit 1; }
done
diff <(find . -type f | sort) <(printf './usr/%s\n' bin/irgcalc share/applications/$id.desktop \
    share/doc/irgcalc/changelog.gz share/doc/irgcalc/copyright \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/irgcalc.1.gz share/metainfo/$id.metainfo.xml)
desktop-file-validate usr/share/applications/$id.desktop
appstreamcli validate --no-net usr/share/metainfo/$id.metainfo.xml
