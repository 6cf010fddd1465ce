# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program: one irgcalc.exe with its icon and version, an installer and a zip.

# Version 1.00 is 1,0,0,0 in a version resource.
math(EXPR minor "${PROJECT_VERSION_MINOR}")
set(version_numbers "${PROJECT_VERSION_MAJOR},${minor},0,0")
configure_file(windows/irgcalc.rc.in irgcalc.rc @ONLY)
target_sources(irgcalc PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/irgcalc.rc)
# A window program, not a console one; and the C++ and thread runtimes linked in, so the .exe
# needs no DLL but Windows' own.
set_target_properties(irgcalc PROPERTIES WIN32_EXECUTABLE ON)
# No link time in the .exe's header, so that every build of a commit gives the same bytes.
target_link_options(irgcalc PRIVATE -static LINKER:--no-insert-timestamp)

# Written by packaging/windows/build-qt.sh beside the Qt it built.
get_filename_component(qt_prefix "${Qt6_DIR}/../../.." ABSOLUTE)
install(TARGETS irgcalc RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${qt_prefix}/THIRD-PARTY-NOTICES.txt DESTINATION .)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY irgcalc)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY irgcalc)
set(CPACK_PACKAGE_EXECUTABLES irgcalc "${IRGCALC_WINDOWS_NAME}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# A 64-bit installer for a 64-bit program: it installs into the 64-bit Program Files and
# registry, and needs no 32-bit subsystem (under Wine, no 32-bit Wine). The files it holds carry
# no dates, so every build of a commit gives the same installer.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${IRGCALC_WINDOWS_NAME}")
set(CPACK_NSIS_DISPLAY_NAME "${IRGCALC_WINDOWS_NAME}")
set(CPACK_NSIS_INSTALLED_ICON_NAME irgcalc.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/irgcalc.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/irgcalc.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "${IRGCALC_HOME_PAGE}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# CPack's uninstaller deletes its key below the publisher's but leaves the publisher's own.
set(vendor_key "Software\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX \"${vendor_key}\\irgcalc\"
DeleteRegKey /ifempty SHCTX \"${vendor_key}\"")
# Writes the quotes and backslashes above into CPack's configuration as they stand.
set(CPACK_VERBATIM_VARIABLES ON)
