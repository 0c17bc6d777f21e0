# SPDX-License-Identifier: GPL-3.0-or-later
# Joins the page's scripts into one, in the order given, so the browser asks for
# one file where it asked for six.
#   cmake -P join_scripts.cmake OUT PART...
math(EXPR last "${CMAKE_ARGC} - 1")
set(joined "")
foreach(i RANGE 4 ${last})
    file(READ "${CMAKE_ARGV${i}}" part)
    string(APPEND joined "${part}\n")
endforeach()
file(WRITE "${CMAKE_ARGV3}.part" "${joined}")
file(RENAME "${CMAKE_ARGV3}.part" "${CMAKE_ARGV3}")
