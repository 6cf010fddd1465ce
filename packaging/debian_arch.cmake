# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets IRGCALC_DEB_ARCH to the Debian architecture of the programs built, from the compiler's own
# target, so that a cross build gets the package and the hardening of the machine it is built
# for, not of the one it is built on; empty where dpkg-dev is missing or does not know the target.
set(IRGCALC_DEB_ARCH)
find_program(IRGCALC_DPKG_ARCHITECTURE dpkg-architecture)
if(IRGCALC_DPKG_ARCHITECTURE AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE target
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    # It warns where the target is not spelt as Debian spells it (clang's x86_64-pc-linux-gnu).
    execute_process(COMMAND ${IRGCALC_DPKG_ARCHITECTURE} -t ${target} -qDEB_HOST_ARCH
                    OUTPUT_VARIABLE IRGCALC_DEB_ARCH OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
