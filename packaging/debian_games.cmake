# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in CPack once the package's files are staged, before the package is made.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# Debian keeps a game's program on the path in /usr/games: the launcher, alone in
# the staged bin/, moves there.
file(GLOB on_path RELATIVE ${usr}/bin ${usr}/bin/*)
if(NOT on_path STREQUAL "korvane")
    message(FATAL_ERROR "bin/ holds ${on_path}, not the launcher alone")
endif()
file(RENAME ${usr}/bin ${usr}/games)

# The libraries the programs use, read off them by dpkg-shlibdeps. CPack would
# first run `file` on every staged file, some 160 card pictures and pages
# included, to find the programs: here an ELF header finds them.
file(GLOB_RECURSE staged LIST_DIRECTORIES false ${usr}/*)
set(programs "")
foreach(f IN LISTS staged)
    file(READ ${f} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        list(APPEND programs ${f})
    endif()
endforeach()
if(NOT programs)
    message(FATAL_ERROR "no program among the staged files")
endif()
# dpkg-shlibdeps wants a source package's debian/control beside it and the
# package's own DEBIAN/ above the programs; neither is packaged.
set(root ${CPACK_TEMPORARY_INSTALL_DIRECTORY})
file(WRITE ${root}/debian/control "")
file(MAKE_DIRECTORY ${root}/DEBIAN)
execute_process(COMMAND dpkg-shlibdeps -O ${programs} WORKING_DIRECTORY ${root}
    OUTPUT_VARIABLE found RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
file(REMOVE_RECURSE ${root}/debian ${root}/DEBIAN)
if(failed OR NOT found MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps could not read the programs' libraries: ${found}")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_DEBIAN_PACKAGE_DEPENDS}, ${CMAKE_MATCH_1}")
