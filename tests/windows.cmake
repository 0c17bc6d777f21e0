# SPDX-License-Identifier: GPL-3.0-or-later
# The tests of the Windows build, each a Windows program run under wine in the
# build tree's own prefix (cmake/KorvaneWindows.cmake), one wine start a
# program: the core's tests, the Windows services' own, every driver script
# against the native driver's output and cash file, and the installer (the game
# killed during a round is the window's tests'). What only a POSIX system shows
# (links and their owners, modes, another user, a save killed at thousands of
# random moments, strace's faults, the sanitizers) is tested on Linux alone.
add_executable(core_test ${core_test_sources})
target_link_libraries(core_test PRIVATE korvane_drive korvane_access GTest::gtest_main GTest::gmock)
korvane_layer_root(tests tests_root)
target_include_directories(core_test PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${tests_root})
target_compile_definitions(core_test PRIVATE KORVANE_REPLAY_DIR="${CMAKE_CURRENT_BINARY_DIR}/random-play")
add_test(NAME core_test COMMAND core_test)

add_subdirectory(winsys)
add_subdirectory(winwindow)

# Under wine a box names the run's folder as Windows does, on drive Z:.
add_test(NAME drive_scripts
    COMMAND ${CMAKE_COMMAND} -DDRIVE=$<TARGET_FILE:korvane-drive> -DRUNNER=${CMAKE_CROSSCOMPILING_EMULATOR}
            -DWINDOWS_FOLDERS=ON -DSCRIPTS=${CMAKE_CURRENT_SOURCE_DIR}/drive/scripts
            -DWORK=${CMAKE_CURRENT_BINARY_DIR}/drive-work -P ${CMAKE_CURRENT_SOURCE_DIR}/drive/run_scripts.cmake)

if(KORVANE_MAKENSIS)
    add_test(NAME installer
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/winsys/installer_test.sh ${CMAKE_BINARY_DIR}/Korvane-setup.exe
                ${CMAKE_CROSSCOMPILING_EMULATOR})
    set_tests_properties(installer PROPERTIES TIMEOUT 180)
endif()
set_tests_properties(core_test drive_scripts PROPERTIES TIMEOUT 300)

add_test(NAME time_limits
    COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/hygiene/time_limits.py ${CMAKE_BINARY_DIR})
set_tests_properties(time_limits PROPERTIES TIMEOUT 60)
