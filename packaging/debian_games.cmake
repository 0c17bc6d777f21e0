# SPDX-License-Identifier: GPL-3.0-or-later
# Debian keeps a game's program on the path in /usr/games: the launcher, alone in
# the staged bin/, moves there before the package is made.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(GLOB on_path RELATIVE ${usr}/bin ${usr}/bin/*)
if(NOT on_path STREQUAL "korvane")
    message(FATAL_ERROR "bin/ holds ${on_path}, not the launcher alone")
endif()
file(RENAME ${usr}/bin ${usr}/games)
