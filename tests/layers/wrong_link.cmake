# SPDX-License-Identifier: GPL-3.0-or-later
# Given to a configure as CMAKE_PROJECT_INCLUDE: once every layer is made, the
# cards link the table above them, which the layers' check must refuse.
cmake_language(DEFER CALL target_link_libraries korvane_cards PUBLIC korvane_table)
