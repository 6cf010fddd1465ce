# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# The builder's flags whole, or the release's own: a build given no flags gets what
# dpkg-buildflags gives a Debian package with hardening=+all under the builder's
# DEB_BUILD_MAINT_OPTIONS; without dpkg-dev, a portable set; on Windows, the stack protector, as
# Qt for Windows is built (ASLR, DEP and high-entropy addresses are MinGW's defaults).
option(IRGCALC_HARDENING "Give a build that the builder gives no flags the release's hardening" ON)
include(${CMAKE_CURRENT_LIST_DIR}/builder_env.cmake)
# CMake reads CXXFLAGS and LDFLAGS into its cache at the first configure, but not this.
set(IRGCALC_CPPFLAGS "${IRGCALC_FIRST_CPPFLAGS}" CACHE STRING "Preprocessor flags (CPPFLAGS)")
separate_arguments(cppflags UNIX_COMMAND "${IRGCALC_CPPFLAGS}")
# Unless they are there already, as debhelper appends them to CXXFLAGS.
separate_arguments(cxxflags UNIX_COMMAND "${CMAKE_CXX_FLAGS}")
string(FIND ";${cxxflags};" ";${cppflags};" at)
if(at GREATER -1)
    set(cppflags)
endif()
add_compile_options(${cppflags})

# CMake's own flags count as the builder's where they differ from CMake's defaults (_INIT) at the
# first configure: the defaults hold the environment's flags of each configure.
set(given "${IRGCALC_FIRST_CFLAGS}${IRGCALC_FIRST_CXXFLAGS}${IRGCALC_FIRST_LDFLAGS}")
string(APPEND given "${IRGCALC_CPPFLAGS}")
string(JOIN " " IRGCALC_BUILD_FLAGS ${cppflags})
string(TOUPPER "${CMAKE_BUILD_TYPE}" config)
foreach(flags CMAKE_CXX_FLAGS CMAKE_CXX_FLAGS_${config} CMAKE_EXE_LINKER_FLAGS
              CMAKE_EXE_LINKER_FLAGS_${config})
    if(NOT DEFINED IRGCALC_FIRST_${flags}_INIT)
        string(STRIP "${${flags}_INIT}" default)
        set(IRGCALC_FIRST_${flags}_INIT "${default}" CACHE INTERNAL "The first configure's")
    endif()
    if(NOT "${${flags}}" STREQUAL "${IRGCALC_FIRST_${flags}_INIT}")
        set(given ON)
    endif()
    string(APPEND IRGCALC_BUILD_FLAGS " ${${flags}}")
endforeach()

set(compile)
set(link)
find_program(IRGCALC_DPKG_BUILDFLAGS dpkg-buildflags)
if(given OR NOT IRGCALC_HARDENING)
    # The builder's flags alone.
elseif(WIN32)
    set(compile -fstack-protector-strong)
    set(link ${compile})
elseif(IRGCALC_DPKG_BUILDFLAGS)
    # A second hardening= replaces the first, so +all goes in front of the builder's.
    set(options "${IRGCALC_FIRST_DEB_BUILD_MAINT_OPTIONS}")
    string(REGEX REPLACE "(^| )hardening=" "\\1hardening=+all," options "${options}")
    if(NOT options MATCHES "hardening=")
        string(STRIP "${options} hardening=+all" options)
    endif()
    include(${CMAKE_CURRENT_LIST_DIR}/debian_arch.cmake)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${options}"
            DEB_HOST_ARCH=${IRGCALC_DEB_ARCH} ${IRGCALC_DPKG_BUILDFLAGS} --get ${kind}
            OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    separate_arguments(compile UNIX_COMMAND "${CPPFLAGS} ${CXXFLAGS}")
    separate_arguments(link UNIX_COMMAND "${LDFLAGS}")
    # Debugging, optimisation and source paths are the build type's business.
    list(FILTER compile EXCLUDE REGEX "^-(g|O.*|f[a-z]*-prefix-map=.*)$")
else()
    include(CheckCXXCompilerFlag)
    set(compile -Wdate-time -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
    # Those the compiler takes: -fcf-protection, say, only where the processor has such a thing.
    foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "IRGCALC_TAKES${flag}" takes)
        check_cxx_compiler_flag(${flag} ${takes})
        if(${takes})
            list(APPEND compile ${flag})
        endif()
    endforeach()
    set(link -Wl,-z,relro -Wl,-z,now)
endif()
if(IRGCALC_SANITIZE)
    list(FILTER compile EXCLUDE REGEX "^-D_FORTIFY_SOURCE")
endif()

string(JOIN " " added ${compile} ${link})
# What the compile and link lines carry, for the tests to read back from the program.
string(APPEND IRGCALC_BUILD_FLAGS " ${added}")
if(NOT added)
    set(added none)
endif()
message(STATUS "Hardening flags added: ${added}")
# The checks of _FORTIFY_SOURCE need the optimiser; a Debug build goes without them.
list(TRANSFORM compile REPLACE "^(-D_FORTIFY_SOURCE.*)" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
add_compile_options(${compile})
add_link_options(${link})
