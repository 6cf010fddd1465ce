#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: accepted by lintian, its program hardened as FLAGS ask (PIE, full RELRO,
# stack protector, control-flow protection), and what it puts where a desktop looks.
#   install_and_package.sh BUILD_DIR VERSION APP_ID FLAGS
set -euo pipefail
version=$2 id=$3
work=$(mktemp -d) deb=irgcalc_${version}_amd64.deb
trap 'rm -rf "$work" || true' EXIT
# Packed as a user whose group may write his files, whose folders are not rwxr-xr-x.
(cd "$1" && umask 0002 && cpack -G DEB -B "$work" >/dev/null)
tags=$(lintian -I --fail-on error,warning "$work/$deb") && [[ $tags != *hardening* ]] ||
    { echo "$tags"; exit 1; }
dpkg-deb -x "$work/$deb" "$work/root" && cd "$work/root"
# What the package says of itself, and the hardening asked for, read back from its program.
found=$(dpkg-deb -f "$work/$deb" Version Depends && readelf -hldW --dyn-syms usr/bin/irgcalc |
    grep -E 'Type:|GNU_RELRO|FLAGS|__stack_chk_fail' &&
    objdump -d --disassemble=main "$1/irgcalc" | grep -A1 '<main>:' || true)
wanted=("Version: $version" libqt6widgets6 fonts-liberation2 fonts-hosny-amiri xdg-utils
        Position-Independent GNU_RELRO BIND_NOW __stack_chk_fail)
[[ $4 != *-fcf-protection* ]] || wanted+=(endbr64) # Debian 13's start files have no CET note
for want in "${wanted[@]}"; do
    [[ $found == *"$want"* ]] || { echo "the package lacks $want; it has: $found"; exit 1; }
done
diff <(find . -type f | sort) <(printf './usr/%s\n' bin/irgcalc share/applications/$id.desktop \
    share/doc/irgcalc/changelog.gz share/doc/irgcalc/copyright \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/irgcalc.1.gz share/metainfo/$id.metainfo.xml)
desktop-file-validate usr/share/applications/$id.desktop
appstreamcli validate --no-net usr/share/metainfo/$id.metainfo.xml
