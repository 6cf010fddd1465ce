# SPDX-License-Identifier: GPL-3.0-or-later
# The changelog's latest entry names the release: its version and signer must be the project's,
# and its date is the release's, for the manual page and the AppStream metadata.
set(changelog ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} heading LIMIT_COUNT 1)
file(STRINGS ${changelog} signatures REGEX "^ -- ")
list(GET signatures 0 signature)

# Sets REST to what follows START in LINE, the changelog's WHAT; it must start so.
function(changelog_line what line start rest)
    string(FIND "${line}" "${start}" at)
    if(NOT at EQUAL 0)
        message(FATAL_ERROR "packaging/changelog's ${what} is '${line}', not '${start}...'")
    endif()
    string(LENGTH "${start}" length)
    string(SUBSTRING "${line}" ${length} -1 after)
    set(${rest} "${after}" PARENT_SCOPE)
endfunction()
changelog_line("latest entry" "${heading}" "irgcalc (${PROJECT_VERSION}) " _)
set(signer "${IRGCALC_VENDOR} <${IRGCALC_CONTACT_EMAIL}>")
changelog_line("latest signature" "${signature}" " -- ${signer}  " IRGCALC_RELEASE_TIME)

# The date as written, in the signer's time zone.
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(JOIN months "|" names)
if(NOT IRGCALC_RELEASE_TIME MATCHES "^[A-Z][a-z][a-z], ([0-9]?[0-9]) (${names}) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "packaging/changelog's latest date is '${IRGCALC_RELEASE_TIME}', "
                        "not one such as 'Tue, 08 Dec 2026 12:00:00 +0000'")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
list(FIND months ${CMAKE_MATCH_2} month)
math(EXPR month "${month} + 1")
foreach(part day month)
    string(REGEX REPLACE "^([0-9])$" "0\\1" ${part} ${${part}})
endforeach()
set(IRGCALC_RELEASE_DATE ${year}-${month}-${day})
