# SPDX-FileCopyrightText: 2026 The irgcalc authors
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack once the packages are made. CPack gives the .deb's members (debian-binary and the
# control and data archives) the modes of the files it wrote them from, so the packer's umask's;
# GNU ar's deterministic mode writes them again as dpkg-deb does, rw-r--r-- and owned by root.
foreach(package ${CPACK_PACKAGE_FILES})
    if(package MATCHES "\\.deb$")
        set(members ${CPACK_TOPLEVEL_DIRECTORY}/deb_members)
        file(REMOVE_RECURSE ${members})
        file(MAKE_DIRECTORY ${members})
        execute_process(COMMAND ar x ${package} WORKING_DIRECTORY ${members}
                        COMMAND_ERROR_IS_FATAL ANY)
        file(GLOB files ${members}/*)
        # Each replaces the member of its name where it stands.
        execute_process(COMMAND ar rD ${package} ${files} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
