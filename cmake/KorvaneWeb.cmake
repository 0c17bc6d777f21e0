# SPDX-License-Identifier: GPL-3.0-or-later
# The table compiled to WebAssembly with Debian's emscripten: korvane-drive for
# node, working on the real files of the folder it runs in, and the page.
target_link_options(korvane-drive PRIVATE -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1)

add_executable(number_sample ${PROJECT_SOURCE_DIR}/tests/web/number_sample.cpp)
target_link_libraries(number_sample PRIVATE korvane_platform)
set_target_properties(number_sample PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/web)

# What every page of ours is linked with, the table's and the benchmark's minimal
# page alike. The box's wait loop sleeps inside the table's handlers: Asyncify
# unwinds them. A browser compiles each function of the wasm on its first call, on
# the page's own thread, and one very large function far slower than the same code
# in pieces: the optimiser folds a function called once into its caller only while
# it stays small, or main() would hold the whole start-up and the first frame wait
# for its compiling.
set(KORVANE_PAGE_LINK_OPTIONS
    -sBINARYEN_EXTRA_PASSES=--one-caller-inline-max-function-size=400
    -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
    -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0 --closure=0)

add_subdirectory(web)

# The page `make bench` measures the table's against: one button and one status
# line, built and linked as the table's page is. Only `make bench` builds it.
set(minimal_page ${CMAKE_BINARY_DIR}/bench-minimal)
add_executable(minimal_page EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/bench/web/minimal_page.cpp)
target_link_options(minimal_page PRIVATE ${KORVANE_PAGE_LINK_OPTIONS})
set_target_properties(minimal_page PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${minimal_page})
add_custom_command(TARGET minimal_page POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/bench/web/index.html ${minimal_page}/index.html)

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
