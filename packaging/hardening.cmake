# SPDX-License-Identifier: GPL-3.0-or-later
# On Linux, the hardening that dpkg-buildflags gives a Debian package with hardening=+all on the
# release at hand: stack protector, checked string and memory calls, full RELRO with bind-now,
# and from Debian 13 on stack clash and control-flow protection. Its -g, -O2 and prefix map are
# left to the build type. Without dpkg-dev, Debian 12's set.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    find_program(IRGCALC_DPKG_BUILDFLAGS dpkg-buildflags)
    set(IRGCALC_HARDENING -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wformat
                          -Werror=format-security)
    set(hardening_links -Wl,-z,relro -Wl,-z,now)
    if(IRGCALC_DPKG_BUILDFLAGS)
        set(buildflags ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                       ${IRGCALC_DPKG_BUILDFLAGS} --get)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND ${buildflags} ${kind} COMMAND_ERROR_IS_FATAL ANY
                            OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE)
        endforeach()
        separate_arguments(IRGCALC_HARDENING UNIX_COMMAND "${CPPFLAGS} ${CXXFLAGS}")
        list(FILTER IRGCALC_HARDENING EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
        separate_arguments(hardening_links UNIX_COMMAND "${LDFLAGS}")
    endif()
    message(STATUS "Hardening: ${IRGCALC_HARDENING} ${hardening_links}")
    # The checks of _FORTIFY_SOURCE need the optimiser; a Debug build goes without them.
    foreach(flag ${IRGCALC_HARDENING})
        if(flag MATCHES "^-D_FORTIFY_SOURCE")
            add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
        else()
            add_compile_options(${flag})
        endif()
    endforeach()
    add_link_options(${hardening_links})
endif()
# On Windows, as Qt for Windows is built: ASLR, DEP and high-entropy addresses are MinGW's
# defaults; the stack protector is asked for.
if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
endif()
