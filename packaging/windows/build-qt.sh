#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt for 64-bit Windows with MinGW-w64 from Debian's own qt6-base source, the
# version of the installed Debian Qt whose moc, rcc and uic it borrows, and prints where it is
# installed. An install of the same version made by the same script is reused.
#   packaging/windows/build-qt.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
# A change to this script, the toolchain or the notices makes a new install.
key=$(cat "$0" "$here/mingw-w64.cmake" "$here/third_party_notices.py" | sha256sum | cut -c1-12)
cache=${IRGCALC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/irgcalc}
prefix=$cache/qt-${version//[:+~]/_}-win64-$key
if [[ -f $prefix/installed ]]; then
    echo "$prefix"
    exit 0
fi
work=$cache/qt-work-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/lists/partial" "$work/apt/archives/partial" "$work/parts" "$prefix"
trap 'rm -rf "$work"' EXIT

# apt-get source needs a deb-src entry for the archive that served qt6-base-dev. It goes into
# a private source list, so the system's own lists stay as they are.
read -r uri dist < <(apt-cache policy qt6-base-dev |
    awk '/^ \*\*\*/ { mine = 1; next } mine && /:\/\// { print $2, $3; exit }')
echo "deb-src $uri ${dist%/*} ${dist#*/}" >"$work/sources.list"
apt=(-o Dir::Etc::SourceList="$work/sources.list" -o Dir::Etc::SourceParts="$work/parts"
     -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/apt")
apt-get "${apt[@]}" update >&2
(cd "$work" && apt-get "${apt[@]}" source "qt6-base=$version" >&2)
src=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
# Qt's own resources keep file times; as in Debian's own builds, they are the changelog's.
export SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Timestamp)
# Written from the source before the long build, so that a fault in it shows at once.
"$here/third_party_notices.py" "$src" "$version" >"$prefix/THIRD-PARTY-NOTICES.txt"

# The installed Qt keeps the toolchain it was made with; its own copy outlives this checkout.
cp "$here/mingw-w64.cmake" "$prefix/"
# Only what the window needs: Core, Gui, Widgets, the Windows platform plugin, PNG and JPEG, each
# built for size. Of the styles, the classic Windows one, which Qt picks when the native ones are
# left out, and Fusion. Host tools (moc, rcc, uic) come from Debian's Qt of the same version.
options=(
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake"
    -DCMAKE_INSTALL_PREFIX="$prefix"
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake"
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    # -Os instead of -O3; the stack protector stays, the checks that only grow the code go.
    -DFEATURE_optimize_size=ON
    -DFEATURE_libstdcpp_assertions=OFF -DFEATURE_trivial_auto_var_init_pattern=OFF
    -DFEATURE_stack_clash_protection=OFF
    # The libraries Qt bundles, not MinGW builds that Debian may have installed.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    # configure's -no-opengl: switching the opengl feature off alone leaves dynamic GL on.
    -DINPUT_opengl=no
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF
    # Windows draws text with DirectWrite and GDI. DirectWrite's font engine needs the direct2d
    # feature; the Direct2D platform plugin, which the program never links, is left out.
    -DFEATURE_freetype=OFF -DFEATURE_direct2d1_1=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    # Debian's source leaves out the Wintab header that tablet events need.
    -DFEATURE_tabletevent=OFF
    # Nothing here asks for a file type by its MIME name.
    -DFEATURE_mimetype_database=OFF
)
# What the window, its accessibility and its clipboard never reach. Most of it would otherwise be
# linked in anyway, through the accessibility factory and the styles. The native styles alone
# would need much of it back (text edits, graphics views, message boxes and more).
for feature in style_windowsvista style_windows11 style_stylesheet graphicsview \
    graphicseffect textedit textbrowser syntaxhighlighter mdiarea mainwindow dockwidget toolbar \
    menubar statusbar calendarwidget datetimeedit colordialog fontdialog filedialog fscompleter \
    inputdialog messagebox errormessage progressdialog wizard fontcombobox columnview treewidget \
    tablewidget listwidget undoview keysequenceedit lcdnumber dial splashscreen toolbox \
    commandlinkbutton datawidgetmapper whatsthis scroller textmarkdownreader textmarkdownwriter \
    textodfwriter pdf movie systemtrayicon sessionmanager filesystemmodel; do
    options+=(-DFEATURE_$feature=OFF)
done
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
touch "$prefix/installed"
echo "$prefix"
