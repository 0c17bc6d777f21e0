# SPDX-License-Identifier: GPL-3.0-or-later
# The table compiled to WebAssembly with Debian's emscripten: korvane-drive for
# node, working on the real files of the folder it runs in, and the page.
target_link_options(korvane-drive PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

add_executable(number_sample ${PROJECT_SOURCE_DIR}/tests/web/number_sample.cpp)
target_link_libraries(number_sample PRIVATE korvane_platform)
set_target_properties(number_sample PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/web)

add_subdirectory(web)
