# SPDX-License-Identifier: GPL-3.0-or-later
# The game is built in layers, each a library of its own, bottom to top:
#
#   platform            the control model, number texts, the services a window needs
#   posix, winsys       the operating system's services: the cash file on the disk, the clock
#   ui                  the control table of the window, the texts of both languages
#   cards, bank         the deck and the hands; the cash file, the bet's limit, the loan office
#   table               Form1: the table state and its handlers
#   access              the table by keyboard and screen reader, for every window
#   headless, window, web, winwindow  the backends: the tests' virtual desktop, the Qt
#                       window, the page, the Windows window
#   drive               korvane-drive, the table without a screen
#
# A layer links only layers below it (cards and bank not each other), and its
# sources see the headers of those layers and nothing above: each layer's folder
# is offered to the compiler from a folder of its own in the build tree, so an
# include against the grain fails to build, and a link against it fails to
# configure.
set(KORVANE_LAYERS platform posix:winsys ui cards:bank table access headless:window:web:winwindow drive)

# The folder from which `folder`'s headers are included as "folder/x.h".
function(korvane_layer_root folder result)
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    if(NOT IS_SYMLINK ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    set(${result} ${root} PARENT_SCOPE)
endfunction()

# The layer of the calling folder: the library korvane_FOLDER from these sources.
function(korvane_layer)
    get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(rank 0)
    foreach(level IN LISTS KORVANE_LAYERS)
        string(REPLACE ":" ";" level ${level})
        if(folder IN_LIST level)
            break()
        endif()
        math(EXPR rank "${rank} + 1")
    endforeach()
    add_library(korvane_${folder} STATIC ${ARGN})
    korvane_layer_root(${folder} root)
    target_include_directories(korvane_${folder} PUBLIC ${root})
    set_property(TARGET korvane_${folder} PROPERTY KORVANE_RANK ${rank})
    set_property(GLOBAL APPEND PROPERTY KORVANE_LAYER_TARGETS korvane_${folder})
endfunction()

# Once every layer is made, when the top folder is done: each links only layers
# below it.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL korvane_check_layers)
function(korvane_check_layers)
    get_property(layers GLOBAL PROPERTY KORVANE_LAYER_TARGETS)
    foreach(layer IN LISTS layers)
        get_target_property(rank ${layer} KORVANE_RANK)
        get_target_property(links ${layer} LINK_LIBRARIES)
        foreach(link IN LISTS links)
            if(NOT link IN_LIST layers)
                continue()
            endif()
            get_target_property(below ${link} KORVANE_RANK)
            if(NOT below LESS rank)
                message(FATAL_ERROR "${layer} links ${link}, which is not a layer below it")
            endif()
        endforeach()
    endforeach()
endfunction()
