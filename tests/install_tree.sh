#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop will find there.
#   install_tree.sh BUILD_DIR
set -euo pipefail
build=$1
for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null

id=com.example.irgcalc
expected="usr/bin/irgcalc
usr/share/applications/$id.desktop
usr/share/doc/irgcalc/caption-faces-OFL.txt
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
[[ "$actual" == "$expected" ]] || { echo "installed tree differs:"; echo "$actual"; exit 1; }

desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop"
grep -qx 'Categories=Office;Finance;' "$desktop"
grep -qx "Icon=$id" "$desktop"
grep -q '^Name\[fr\]=' "$desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"
grep -q '<release version="1.00"' "$root/usr/share/metainfo/$id.metainfo.xml"
grep -q '48 x 48' <<<"$(file "$root/usr/share/icons/hicolor/48x48/apps/$id.png")"
echo "installed tree is complete and valid"
