#!/usr/bin/env bash
# Builds the .deb from the build tree and checks its control data.
#   debian_package.sh BUILD_DIR
set -euo pipefail
build=$1
command -v dpkg-shlibdeps >/dev/null || { echo "SKIP: dpkg-dev is not installed"; exit 77; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/irgcalc_1.00_*.deb)
info=$(dpkg-deb -I "$deb")
echo "$info"
grep -qx ' Package: irgcalc' <<<"$info"
grep -qx ' Version: 1.00' <<<"$info"
depends=$(grep '^ Depends:' <<<"$info")
for dep in libqt6widgets6 libqt6gui6 libc6 fonts-liberation2 fonts-hosny-amiri xdg-utils; do
    grep -q "$dep" <<<"$depends" || { echo "Depends lacks $dep"; exit 1; }
done
# Read the listing whole: grep -q stopping early would kill dpkg-deb with SIGPIPE.
contents=$(dpkg-deb -c "$deb")
grep -q './usr/share/applications/com.example.irgcalc.desktop' <<<"$contents"
echo "package $(basename "$deb") is sound"
