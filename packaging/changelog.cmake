# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The changelog's latest entry is the release: its version and signer must be the project's, its
# day is the release date of the manual page and the AppStream metadata, and its time is written
# into the program and its packages unless SOURCE_DATE_EPOCH gives one (Debian's rule), so that
# every clone and the release tarball of a commit build the same bytes.
set(changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
find_program(IRGCALC_DPKG_PARSECHANGELOG dpkg-parsechangelog)
if(IRGCALC_DPKG_PARSECHANGELOG)
    foreach(field Version Maintainer Date)
        execute_process(COMMAND ${IRGCALC_DPKG_PARSECHANGELOG} -l ${changelog} -S ${field}
                        OUTPUT_VARIABLE ${field} OUTPUT_STRIP_TRAILING_WHITESPACE
                        COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
else()
    # Without dpkg-dev: the same fields from the entry's first line and its signature.
    file(STRINGS ${changelog} heading LIMIT_COUNT 1)
    file(STRINGS ${changelog} signature REGEX "^ -- " LIMIT_COUNT 1)
    string(REGEX REPLACE "^[^ ]+ \\(([^)]*)\\).*" "\\1" Version "${heading}")
    string(REGEX REPLACE "^ -- (.*>)  (.*)" "\\1" Maintainer "${signature}")
    string(REGEX REPLACE "^ -- (.*>)  (.*)" "\\2" Date "${signature}")
endif()

set(signer "${IRGCALC_VENDOR} <${IRGCALC_CONTACT_EMAIL}>")
if(NOT Version STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "packaging/changelog's latest entry is version ${Version}, "
                        "not ${PROJECT_VERSION}")
elseif(NOT Maintainer STREQUAL signer)
    message(FATAL_ERROR "packaging/changelog's latest entry is signed by '${Maintainer}', "
                        "not by '${signer}'")
endif()
# The day as written, in the signer's time zone.
if(NOT Date MATCHES "^[A-Z][a-z][a-z], ([0-9]+ [A-Z][a-z][a-z] [0-9]+) ")
    message(FATAL_ERROR "packaging/changelog's latest date is '${Date}', "
                        "not one such as 'Tue, 08 Dec 2026 12:00:00 +0000'")
endif()
execute_process(COMMAND date -u -d "${CMAKE_MATCH_1}" +%F OUTPUT_VARIABLE IRGCALC_RELEASE_DATE
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

include(${CMAKE_CURRENT_LIST_DIR}/builder_env.cmake)
set(IRGCALC_SOURCE_DATE "${IRGCALC_FIRST_SOURCE_DATE_EPOCH}")
# 0 is a time too: the epoch itself.
if(IRGCALC_SOURCE_DATE STREQUAL "")
    execute_process(COMMAND date -d "${Date}" +%s OUTPUT_VARIABLE IRGCALC_SOURCE_DATE
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
message(STATUS "Time written into the program and its packages: ${IRGCALC_SOURCE_DATE}")
# rcc writes each resource file's time into the program unless SOURCE_DATE_EPOCH is set.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${IRGCALC_SOURCE_DATE}")
