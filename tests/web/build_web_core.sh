#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures (once) and builds the core for WebAssembly into $2: the driver and
# the number sample for node, and the page in $2/site for the browser tests.
set -euo pipefail
source_dir=$1 tree=$2
# emscripten's own tools run on this node only with Debian's modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
if [ ! -f "$tree/CMakeCache.txt" ]; then
    # emcmake's own emulator passes node a flag node 20 refuses: ours is plain node.
    emcmake cmake -S "$source_dir" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DKORVANE_WITH_QT=OFF \
        -DBUILD_TESTING=OFF -DKORVANE_WERROR=ON "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node)" \
        --log-level=WARNING >/dev/null
fi
cmake --build "$tree" -j"${JOBS:-2}" --target korvane-drive number_sample page_loop_test korvane-web
