# SPDX-License-Identifier: GPL-3.0-or-later
# What a program of the table finds beside itself in the build tree, as it finds
# it beside itself once installed: korvane_beside(KIND FILE PROGRAMS... COMMAND...)
# makes FILE in the calling folder's build output with COMMAND before any of
# PROGRAMS is built, and again whenever what COMMAND DEPENDS on changes.
function(korvane_beside kind file)
    cmake_parse_arguments(PARSE_ARGV 2 beside "" "" "PROGRAMS;COMMAND;DEPENDS")
    set(made ${CMAKE_CURRENT_BINARY_DIR}/${file})
    add_custom_command(OUTPUT ${made} COMMAND ${beside_COMMAND} ${made} DEPENDS ${beside_DEPENDS} VERBATIM)
    string(MAKE_C_IDENTIFIER "${kind}_${CMAKE_CURRENT_SOURCE_DIR}" name)
    add_custom_target(${name} DEPENDS ${made})
    foreach(program IN LISTS beside_PROGRAMS)
        add_dependencies(${program} ${name})
    endforeach()
endfunction()
