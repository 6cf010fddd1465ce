# SPDX-License-Identifier: GPL-3.0-or-later
# The release's date is that of the changelog's latest entry; the manual page and the AppStream
# metadata take it from there.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog signatures REGEX "^ -- .*>  ")
list(GET signatures 0 latest)
string(REGEX REPLACE "^.*>  " "" latest "${latest}")
execute_process(COMMAND date -u -d "${latest}" "+%F;%s" OUTPUT_VARIABLE release
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
list(GET release 0 IRGCALC_RELEASE_DATE)

# The same bytes from any clone of a commit: every time that the build writes into the program
# and its packages is SOURCE_DATE_EPOCH, as given, else the last commit's time, else (with no
# git at hand) the time of the changelog's latest entry.
set(IRGCALC_SOURCE_DATE "$ENV{SOURCE_DATE_EPOCH}")
if(NOT IRGCALC_SOURCE_DATE)
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE IRGCALC_SOURCE_DATE
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT IRGCALC_SOURCE_DATE)
    list(GET release 1 IRGCALC_SOURCE_DATE)
endif()
message(STATUS "Time written into the program and its packages: ${IRGCALC_SOURCE_DATE}")

# rcc writes each resource file's time into the program unless SOURCE_DATE_EPOCH is set.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${IRGCALC_SOURCE_DATE}")
