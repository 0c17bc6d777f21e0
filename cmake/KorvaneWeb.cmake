# SPDX-License-Identifier: GPL-3.0-or-later
# The table compiled to WebAssembly with Debian's emscripten: korvane-drive for
# node, working on the real files of the folder it runs in, and the page.
target_link_options(korvane-drive PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

add_executable(number_sample ${PROJECT_SOURCE_DIR}/tests/web/number_sample.cpp)
target_link_libraries(number_sample PRIVATE korvane_platform)
set_target_properties(number_sample PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/web)

add_subdirectory(web)

# The page's backend under node, on a page without a browser that plays scenarios.
add_executable(page_loop_test ${PROJECT_SOURCE_DIR}/web/main.cpp)
target_link_libraries(page_loop_test PRIVATE korvane_web)
target_link_options(page_loop_test PRIVATE
    -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=node
    "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/web/bridge.js"
    "SHELL:--pre-js ${PROJECT_SOURCE_DIR}/tests/web/fake_page.js")
set_target_properties(page_loop_test PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/web
    LINK_DEPENDS "${PROJECT_SOURCE_DIR}/web/bridge.js;${PROJECT_SOURCE_DIR}/tests/web/fake_page.js")

# What runs under node is for the tests alone: it keeps the page's compiled code
# but not the page's link-time optimising, most of the time its linking takes.
foreach(for_node korvane-drive number_sample page_loop_test)
    target_link_options(${for_node} PRIVATE -O1)
endforeach()

# Everything the tests run, as one target: `cmake --build` given several targets
# of a Makefiles tree builds them one after another, the page's long link alone
# on the machine; as one target they build side by side.
add_custom_target(korvane-web-tests)
add_dependencies(korvane-web-tests korvane-web korvane-offline korvane-drive number_sample page_loop_test)
