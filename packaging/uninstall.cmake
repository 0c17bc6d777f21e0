# SPDX-License-Identifier: GPL-3.0-or-later
# Removes every file the last `cmake --install` of this build tree wrote, as its
# manifest lists them, then the game's own folders once they are empty. The
# player's folder with the cash file is never among them.
#   cmake -DMANIFEST=BUILD/install_manifest.txt -P uninstall.cmake
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to remove: ${MANIFEST} is missing (no install from this build tree)")
endif()
file(STRINGS "${MANIFEST}" files)
set(folders "")
foreach(file IN LISTS files)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
    endif()
    # The game's own folders: .../libexec/korvane, .../share/korvane/sounds, ...
    if(file MATCHES "^(.*/(libexec|share|share/doc)/korvane)/")
        set(top "${CMAKE_MATCH_1}")
        get_filename_component(folder "${file}" DIRECTORY)
        while(NOT folder STREQUAL top)
            list(APPEND folders "${folder}")
            get_filename_component(folder "${folder}" DIRECTORY)
        endwhile()
        list(APPEND folders "${top}")
    endif()
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)  # the deepest first
foreach(folder IN LISTS folders)
    # rmdir leaves a folder that still holds anything, hidden files included.
    execute_process(COMMAND rmdir "${folder}" ERROR_QUIET)
endforeach()
