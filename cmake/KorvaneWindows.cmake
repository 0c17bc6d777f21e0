# SPDX-License-Identifier: GPL-3.0-or-later
# The table's core, its driver and their tests built for Windows with Debian's
# mingw-w64 (cmake/mingw-w64.cmake), and run here under wine: every program a
# test runs goes through tools/windows/wine.sh, in the build tree's own prefix.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
    set(runner ${CMAKE_BINARY_DIR}/run-under-wine)
    file(WRITE ${runner} "#!/bin/sh\n# Runs a Windows program under wine in this tree's own prefix.\n"
                         "exec '${PROJECT_SOURCE_DIR}/tools/windows/wine.sh' '${CMAKE_BINARY_DIR}/wine' \"$@\"\n")
    file(CHMOD ${runner} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                     WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${runner})
endif()

# The zip's programs carry no symbols: a player has no debugger for them.
add_link_options($<$<CONFIG:Release>:-s>)

# Debian ships GoogleTest for Windows as sources only: built here, without our
# warnings as errors, which are ours to keep and not its.
function(korvane_googletest_from_sources)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(part gtest gtest_main gmock gmock_main)
        get_target_property(options ${part} COMPILE_OPTIONS)
        if(options)
            list(REMOVE_ITEM options -Werror)
            set_property(TARGET ${part} PROPERTY COMPILE_OPTIONS ${options})
        endif()
        if(NOT TARGET GTest::${part})
            add_library(GTest::${part} ALIAS ${part})
        endif()
    endforeach()
endfunction()

# A Windows program of ours: the version, icon and manifest every program of
# the table carries.
function(korvane_windows_program target description)
    set(KORVANE_PROGRAM_FILE "$<TARGET_FILE_NAME:${target}>")
    set(KORVANE_PROGRAM_DESCRIPTION "${description}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc}.in @ONLY)
    file(GENERATE OUTPUT ${rc} INPUT ${rc}.in)
    target_sources(${target} PRIVATE ${rc})
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
        ${KORVANE_ICON} ${PROJECT_SOURCE_DIR}/packaging/windows/korvane.manifest)
    add_dependencies(${target} korvane_icon)
endfunction()

# The icon of every program, at 16 to 256 pixels, joined from the PNGs our own
# art tool drew.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(KORVANE_ICON ${CMAKE_BINARY_DIR}/korvane.ico)
set(korvane_icon_sizes icon16 icon24 icon32 icon48 icon icon@2x icon256)
list(TRANSFORM korvane_icon_sizes PREPEND ${PROJECT_SOURCE_DIR}/assets/images/)
list(TRANSFORM korvane_icon_sizes APPEND .png)
add_custom_command(OUTPUT ${KORVANE_ICON}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/tools/windows/make_ico.py ${KORVANE_ICON}
            ${korvane_icon_sizes}
    DEPENDS ${PROJECT_SOURCE_DIR}/tools/windows/make_ico.py ${korvane_icon_sizes}
    COMMENT "Joining the icon's sizes into korvane.ico")
add_custom_target(korvane_icon DEPENDS ${KORVANE_ICON})
