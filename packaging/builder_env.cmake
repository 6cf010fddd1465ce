# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The builder's variables as this build folder's first configure read them, as IRGCALC_FIRST_*.
# CMake keeps the flags it cached at the first configure whatever the environment says later, so
# the rest of the build reads the same record and a later configure cannot half-change the rule.
include_guard(GLOBAL)
foreach(var CFLAGS CXXFLAGS CPPFLAGS LDFLAGS DEB_BUILD_MAINT_OPTIONS SOURCE_DATE_EPOCH)
    if(NOT DEFINED IRGCALC_FIRST_${var})
        set(IRGCALC_FIRST_${var} "$ENV{${var}}" CACHE INTERNAL "${var} at the first configure")
    elseif(NOT "$ENV{${var}}" STREQUAL "${IRGCALC_FIRST_${var}}")
        # Indented, so that CMake leaves each on a line of its own.
        string(APPEND changed "  ${var} is '$ENV{${var}}' now, '${IRGCALC_FIRST_${var}}' at "
                              "this build folder's first configure\n")
    endif()
endforeach()
if(changed)
    message(WARNING "${changed}The first's values stay: configure with --fresh to take the new "
                    "ones.")
endif()
