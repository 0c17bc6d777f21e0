#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the minimal page into OUT with Debian's emscripten, with the link flags
# the table's page is built with (KORVANE_WEB_FLAGS overrides them).
#   bench/web/build_minimal.sh OUT
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=$1
flags=${KORVANE_WEB_FLAGS:--O3 -sBINARYEN_EXTRA_PASSES=--one-caller-inline-max-function-size=400 -sASYNCIFY=1 -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 \
    -sENVIRONMENT=web -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0 --closure=0}
mkdir -p "$out"
# emcc finds its own node modules there with Debian's node.
export NODE_PATH=/usr/share/nodejs
# shellcheck disable=SC2086
emcc -std=c++20 $flags "$here/minimal_page.cpp" -o "$out/minimal_page.js"
cp "$here/index.html" "$out/index.html"
