# SPDX-License-Identifier: GPL-3.0-or-later
# Hardening, added only where the builder's own flags leave it undecided, and only what the
# compiler takes. On Linux it is what dpkg-buildflags gives a Debian package with hardening=+all
# for the architecture built for, under the builder's DEB_BUILD_MAINT_OPTIONS (so that
# hardening=-stackprotector still stands); without dpkg-dev, a portable set. On Windows, the
# stack protector, as Qt for Windows is built; ASLR, DEP and high-entropy addresses are MinGW's
# defaults.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
option(IRGCALC_HARDENING "Add the hardening flags that the builder's flags leave out" ON)
# CMake reads CFLAGS, CXXFLAGS and LDFLAGS into its cache at the first configure, but not this.
set(IRGCALC_CPPFLAGS "$ENV{CPPFLAGS}" CACHE STRING "Preprocessor flags (CPPFLAGS)")

set(compile)
set(link)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    find_program(IRGCALC_DPKG_BUILDFLAGS dpkg-buildflags)
    set(compile -Wdate-time -D_FORTIFY_SOURCE=2 -fstack-protector-strong
                -fstack-clash-protection -fcf-protection -Wformat -Werror=format-security)
    set(link -Wl,-z,relro -Wl,-z,now)
    if(IRGCALC_DPKG_BUILDFLAGS)
        # A second hardening= would replace the first, so +all goes in front of the builder's.
        set(options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
        if(options MATCHES "(^| )hardening=")
            string(REGEX REPLACE "(^| )hardening=" "\\1hardening=+all," options "${options}")
        else()
            string(STRIP "${options} hardening=+all" options)
        endif()
        set(buildflags ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${options}"
                       DEB_HOST_ARCH=${IRGCALC_DEB_ARCH} ${IRGCALC_DPKG_BUILDFLAGS} --get)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND ${buildflags} ${kind} COMMAND_ERROR_IS_FATAL ANY
                            OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE)
        endforeach()
        separate_arguments(compile UNIX_COMMAND "${CPPFLAGS} ${CXXFLAGS}")
        # Debugging, optimisation and source paths are the build type's business.
        list(FILTER compile EXCLUDE REGEX "^-(g|O.*|f.*-prefix-map=.*)$")
        separate_arguments(link UNIX_COMMAND "${LDFLAGS}")
    endif()
elseif(WIN32)
    set(compile -fstack-protector-strong)
    set(link -fstack-protector-strong)
endif()

# What a flag decides: -fno-stack-protector and -fstack-protector-all decide the same thing.
function(decided_by flag out)
    string(REGEX REPLACE "^-[DU](_FORTIFY_SOURCE).*" "\\1" flag "${flag}")
    string(REGEX REPLACE "^-Wl,-z,(now|lazy)$" "bind" flag "${flag}")
    string(REGEX REPLACE "^-Wl,-z,(no)?relro$" "relro" flag "${flag}")
    string(REGEX REPLACE "^-[fWm](error=)?(no-)?([^=]*).*" "\\3" flag "${flag}")
    string(REGEX REPLACE "^stack-protector.*" "stack-protector" flag "${flag}")
    set(${out} ${flag} PARENT_SCOPE)
endfunction()

# Sets OUT to those of the FLAGS that GIVEN leaves undecided, less the code-generation flags that
# the toolchain rejects (CHECK), such as -fcf-protection on a processor that has no such thing.
function(missing_flags out given check)
    set(decided)
    foreach(flag ${given})
        decided_by(${flag} what)
        list(APPEND decided ${what})
    endforeach()
    set(missing)
    foreach(flag ${ARGN})
        decided_by(${flag} what)
        if(what IN_LIST decided OR (IRGCALC_SANITIZE AND what STREQUAL "_FORTIFY_SOURCE"))
            continue()
        elseif(flag MATCHES "^-[fm]")
            string(MAKE_C_IDENTIFIER "IRGCALC_TAKES${flag}" takes)
            cmake_language(CALL ${check} ${flag} ${takes})
            if(NOT ${takes})
                continue()
            endif()
        endif()
        list(APPEND missing ${flag})
    endforeach()
    set(${out} ${missing} PARENT_SCOPE)
endfunction()
function(check_link flag result)
    check_linker_flag(CXX ${flag} ${result})
endfunction()

string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
separate_arguments(cppflags UNIX_COMMAND "${IRGCALC_CPPFLAGS}")
separate_arguments(given UNIX_COMMAND "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${config}}")
list(REMOVE_ITEM cppflags ${given})
list(APPEND given ${cppflags})
separate_arguments(given_link UNIX_COMMAND
                   "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${config}}")
set(added)
set(added_link)
if(IRGCALC_HARDENING)
    missing_flags(added "${given}" check_cxx_compiler_flag ${compile})
    missing_flags(added_link "${given_link}" check_link ${link})
endif()
string(JOIN " " hardening ${added})
string(JOIN " " hardening_link ${added_link})
message(STATUS "Hardening added to the builder's flags: ${hardening}; "
               "to its link flags: ${hardening_link}")
# What every compile and link line carries, for the tests to read back from the programs.
string(JOIN " " IRGCALC_BUILD_FLAGS ${given} ${added} ${given_link} ${added_link})

add_compile_options(${cppflags})
foreach(flag ${added})
    # The checks of _FORTIFY_SOURCE need the optimiser; a Debug build goes without them.
    if(flag MATCHES "^-D_FORTIFY_SOURCE")
        set(flag $<$<NOT:$<CONFIG:Debug>>:${flag}>)
    endif()
    add_compile_options(${flag})
endforeach()
add_link_options(${added_link})
