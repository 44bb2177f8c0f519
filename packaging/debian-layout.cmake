# SPDX-FileCopyrightText: 2026 Pelmora team
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by CPack on the staged files before it makes the Debian package: lays them out as Debian's
# policy asks. The licence is named in the copyright file instead of copied (Debian keeps the
# GPL's text in /usr/share/common-licenses), the changelog and manual page are compressed, the
# program is stripped as dh_strip would, and modes do not depend on the umask.
set(usr ${CPACK_TEMPORARY_DIRECTORY}/usr)
set(doc ${usr}/share/doc/pelmora)
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${usr}/bin/pelmora
                COMMAND_ERROR_IS_FATAL ANY)
# The library that prints, as dh_strip strips a shared object.
file(GLOB_RECURSE modules ${usr}/lib/*.so)
foreach(module IN LISTS modules)
    execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded ${module}
                    COMMAND_ERROR_IS_FATAL ANY)
    file(CHMOD ${module} PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
file(REMOVE ${doc}/LICENSE)
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright ${doc}/copyright COPYONLY NO_SOURCE_PERMISSIONS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog ${doc}/changelog.Debian COPYONLY NO_SOURCE_PERMISSIONS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/lintian-overrides ${usr}/share/lintian/overrides/pelmora COPYONLY NO_SOURCE_PERMISSIONS)
foreach(file IN ITEMS ${doc}/changelog.Debian ${usr}/share/man/man1/pelmora.1)
    execute_process(COMMAND gzip --best --no-name ${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
file(CHMOD_RECURSE ${usr} DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
