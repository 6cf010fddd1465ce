# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# What a Linux desktop looks for, and the Debian package.
# The maker's reverse-DNS name, with which the app ID begins.
string(REGEX REPLACE "\\.[^.]+$" "" IRGCALC_DEVELOPER_ID "${IRGCALC_APP_ID}")
configure_file(irgcalc.desktop.in ${IRGCALC_APP_ID}.desktop @ONLY)
configure_file(irgcalc.metainfo.xml.in ${IRGCALC_APP_ID}.metainfo.xml @ONLY)
configure_file(irgcalc.1.in irgcalc.1 @ONLY)
configure_file(copyright.in copyright @ONLY)

# Debian keeps manual pages and changelogs compressed; -n leaves out the name and time, so the
# package is the same at each build.
set(compressed)
foreach(file ${CMAKE_CURRENT_BINARY_DIR}/irgcalc.1 ${CMAKE_CURRENT_SOURCE_DIR}/changelog)
    get_filename_component(name ${file} NAME)
    add_custom_command(OUTPUT ${name}.gz
                       COMMAND gzip -9nc ${file} > ${name}.gz
                       DEPENDS ${file})
    list(APPEND compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})

install(TARGETS irgcalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${IRGCALC_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${IRGCALC_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/irgcalc-48.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps
        RENAME ${IRGCALC_APP_ID}.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${IRGCALC_APP_ID}.svg)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/irgcalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
# Wrapped to Debian's width; each line becomes a line of the extended description.
set(CPACK_PACKAGE_DESCRIPTION [[
Type a monthly taxable amount and read the monthly IRG withheld from a salary
under the 2008 scale, as you type. One small Arabic, right-to-left window; a
button copies the tax to the clipboard, and screen readers speak each result.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(debian_arch.cmake)
if(IRGCALC_DEB_ARCH)
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${IRGCALC_DEB_ARCH})
endif()
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(runtime_packages ${CMAKE_CURRENT_SOURCE_DIR}/runtime-packages)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${runtime_packages})
file(STRINGS ${runtime_packages} IRGCALC_RUNTIME_PACKAGES REGEX "^[^#]")
list(JOIN IRGCALC_RUNTIME_PACKAGES ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
