#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the notices of the third-party code that a static irgcalc.exe carries: Qt, the code Qt
# bundles into Core, Gui, Widgets and their Windows plugins, and the MinGW-w64 and GCC runtimes.
#   third_party_notices.py QT_SOURCE_DIR DEBIAN_QT_VERSION
import json, pathlib, platform, subprocess, sys

src, version = pathlib.Path(sys.argv[1]), sys.argv[2]
release = platform.freedesktop_os_release()["PRETTY_NAME"]
# Of Qt's attributions, those compiled into a Windows build of Core, Gui and Widgets. Qt 6.4
# keeps SipHash's in corelib/tools, Qt 6.8 in 3rdparty/siphash, and only 6.8 draws with Direct3D
# 12: each version has the folders of its own.
LINKED = ["src/3rdparty/" + d for d in (
    "blake2", "D3D12MemoryAllocator", "double-conversion", "easing", "harfbuzz-ng", "icc",
    "libjpeg", "libpng", "md4", "md4c", "md5", "pcre2", "rfc6234", "sha1", "sha3", "siphash",
    "tinycbor", "zlib")] + [
    "src/corelib/text", "src/corelib/tools", "src/gui/painting", "src/gui/rhi", "src/gui/text",
    "util/gradientgen"]
RUNTIMES = ["mingw-w64-x86-64-dev", "gcc-mingw-w64-x86-64-posix-runtime"]


def query(package, fields):
    return subprocess.run(["dpkg-query", "-W", "-f=" + fields, package], check=True,
                          capture_output=True, text=True).stdout


rule = "\n" + "=" * 78 + "\n"
print(f"""irgcalc.exe is linked statically with the third-party code below. Each part keeps its own
licence, given here in full. irgcalc itself is under the GNU General Public License, version 3 or
later (LICENSE).

The corresponding source of every part is in {release}, as these commands fetch it
on a Debian system with a deb-src entry:
    apt-get source qt6-base={version}""")
for package in RUNTIMES:
    print("    apt-get source " + query(package, "${source:Package}=${source:Version}"))
print(f"""
Qt 6 (qtbase {version.split('+')[0]}): Core, Gui, Widgets, the Windows platform plugin, the
Windows styles and the JPEG image plugin. Copyright (C) The Qt Company Ltd. and other
contributors. Used under the GNU Lesser General Public License, version 3:""")
print(rule + (src / "LICENSES/LGPL-3.0-only.txt").read_text())

for folder in LINKED:
    if not (src / folder / "qt_attribution.json").exists():
        continue
    entries = json.loads((src / folder / "qt_attribution.json").read_text(), strict=False)
    for entry in entries if isinstance(entries, list) else [entries]:
        print(rule + f"{entry['Name']} (in Qt): {entry['License']}\n")
        # A string, or from Qt 6.5 on a list of lines.
        lines = entry.get("Copyright", "")
        print((lines if isinstance(lines, str) else "\n".join(lines)).strip() + "\n")
        if entry.get("LicenseFile"):
            print((src / folder / entry["LicenseFile"]).read_text(errors="replace"))

for package in RUNTIMES:
    print(rule + f"{package} {query(package, '${Version}')}, as Debian describes its copyright:\n")
    print(pathlib.Path(f"/usr/share/doc/{package}/copyright").read_text())
