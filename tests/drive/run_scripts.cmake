# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every scripts/NAME.drive through korvane-drive in a fresh folder and
# compares what it prints, with the folder written <folder>, with NAME.out.
# NAME.cash, where present, is laid in the folder as the cash file first; NAME.cash-after is what the folder must hold after.
# RUNNER, when given, is the program the driver runs under (node for WebAssembly,
# wine for Windows); with WINDOWS_FOLDERS, the folder is also found as wine names it.
file(GLOB scripts "${SCRIPTS}/*.drive")
foreach(script IN LISTS scripts)
    get_filename_component(name "${script}" NAME_WE)
    set(folder "${WORK}/${name}")
    file(REMOVE_RECURSE "${folder}")
    file(MAKE_DIRECTORY "${folder}")
    if(EXISTS "${SCRIPTS}/${name}.cash")
        file(COPY_FILE "${SCRIPTS}/${name}.cash" "${folder}/Korvane.cash")
    endif()
    execute_process(COMMAND ${RUNNER} "${DRIVE}" INPUT_FILE "${script}" WORKING_DIRECTORY "${folder}"
                    OUTPUT_FILE "${folder}/stdout" ERROR_FILE "${folder}/stderr"
                    RESULT_VARIABLE code TIMEOUT 60)
    file(READ "${SCRIPTS}/${name}.out" expected)
    file(READ "${folder}/stdout" actual)
    # file(READ) turns CR LF into LF: a line end written as CR LF tells in the size alone.
    file(SIZE "${folder}/stdout" size)
    string(LENGTH "${actual}" length)
    if(NOT size EQUAL length)
        message(SEND_ERROR "${name}: its lines end in CR LF; see ${folder}/stdout")
    endif()
    # A box that names the cash file's place names this run's folder.
    file(REAL_PATH "${folder}" real_folder)
    string(REPLACE "${real_folder}/" "<folder>/" actual "${actual}")
    if(WINDOWS_FOLDERS)  # its backslashes escaped, as the driver writes a box's text
        string(REPLACE "/" "\\\\" windows_folder "Z:${real_folder}/")
        string(REPLACE "${windows_folder}" "<folder>/" actual "${actual}")
    endif()
    if(NOT code EQUAL 0 OR NOT actual STREQUAL expected)
        # The folder is gone with a CI run's tree: what the run said goes in the log.
        file(READ "${folder}/stderr" said LIMIT 4000)
        string(LENGTH "${actual}" printed)
        message(SEND_ERROR "${name}: output differs (exit ${code}, ${printed} bytes printed); "
                           "see ${folder}/stdout; its errors:\n${said}")
    endif()
    if(EXISTS "${SCRIPTS}/${name}.err")
        file(READ "${SCRIPTS}/${name}.err" expected_err)
        file(READ "${folder}/stderr" actual_err)
        if(NOT actual_err STREQUAL expected_err)
            message(SEND_ERROR "${name}: errors differ; see ${folder}/stderr")
        endif()
    endif()
    if(EXISTS "${SCRIPTS}/${name}.cash-after")
        file(READ "${SCRIPTS}/${name}.cash-after" expected_cash HEX)
        file(READ "${folder}/Korvane.cash" actual_cash HEX)
        if(NOT actual_cash STREQUAL expected_cash)
            message(SEND_ERROR "${name}: the cash file left behind differs")
        endif()
    endif()
    message(STATUS "${name}: ran")
endforeach()
