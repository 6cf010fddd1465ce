# SPDX-License-Identifier: GPL-3.0-or-later
# On Linux, the hardening that dpkg-buildflags gives a Debian package with hardening=+all:
# stack protector, checked string and memory calls, and full RELRO with bind-now.
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
    # The checks need the optimiser; a Debug build goes without.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
# On Windows, as Qt for Windows is built: ASLR, DEP and high-entropy addresses are MinGW's
# defaults; the stack protector is asked for.
if(WIN32)
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong)
endif()
