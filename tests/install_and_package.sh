#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: accepted by lintian, hardened as Debian builds its own, and what it puts
# where a desktop looks.
#   install_and_package.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d) id=com.example.irgcalc deb=irgcalc_1.00_amd64.deb
trap 'rm -rf "$work" || true' EXIT
# Packed as a user whose group may write his files, whose folders are not rwxr-xr-x.
(cd "$1" && umask 0002 && cpack -G DEB -B "$work" >/dev/null)
tags=$(lintian -I --fail-on error,warning "$work/$deb") && [[ $tags != *hardening* ]] ||
    { echo "$tags"; exit 1; }
control=$(dpkg-deb -f "$work/$deb" Version Depends)
for want in 'Version: 1.00' libqt6widgets6 fonts-liberation2 fonts-hosny-amiri xdg-utils; do
    [[ $control == *"$want"* ]] || { echo "the package lacks $want: $control"; exit 1; }
done
dpkg-deb -x "$work/$deb" "$work/root" && cd "$work/root"
diff <(find . -type f | sort) <(printf './usr/%s\n' bin/irgcalc share/applications/$id.desktop \
    share/doc/irgcalc/changelog.gz share/doc/irgcalc/copyright \
    share/icons/hicolor/48x48/apps/$id.png share/icons/hicolor/scalable/apps/$id.svg \
    share/man/man1/irgcalc.1.gz share/metainfo/$id.metainfo.xml)
desktop-file-validate usr/share/applications/$id.desktop
appstreamcli validate --no-net usr/share/metainfo/$id.metainfo.xml
