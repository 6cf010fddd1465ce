# SPDX-License-Identifier: GPL-3.0-or-later
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
    execute_process(COMMAND date -d "${IRGCALC_RELEASE_TIME}" +%s COMMAND_ERROR_IS_FATAL ANY
                    OUTPUT_VARIABLE IRGCALC_SOURCE_DATE OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()
message(STATUS "Time written into the program and its packages: ${IRGCALC_SOURCE_DATE}")

# rcc writes each resource file's time into the program unless SOURCE_DATE_EPOCH is set.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
             "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${IRGCALC_SOURCE_DATE}")
