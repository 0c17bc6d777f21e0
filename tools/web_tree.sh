#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one WebAssembly tree: configures TREE once with Debian's emscripten and
# builds the targets named (the page, and for the tests the driver, the number
# sample and the page's backend under node). `make web` and the web tests both
# come here, so the core is compiled for the browser once.
#   tools/web_tree.sh TREE TARGET...
# KORVANE_WERROR=ON turns warnings as errors on in the tree for good.
set -euo pipefail
tree=$1
shift
source_dir=$(cd "$(dirname "$0")/.." && pwd)
werror=${KORVANE_WERROR:-OFF}
# emscripten's own tools run on Debian's node only with Debian's modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
# A tree made before a target was added knows nothing of it until CMake runs again.
stale() {
    find "$source_dir" -path "$source_dir/build*" -prune -o \( -name CMakeLists.txt -o -name '*.cmake' \) \
        -newer "$tree/Makefile" -print -quit | grep -q .
}
if [ ! -f "$tree/CMakeCache.txt" ]; then
    echo "Configuring $tree/"
    # emcmake's own emulator passes node a flag node 20 refuses: ours is plain node.
    emcmake cmake -S "$source_dir" -B "$tree" -DCMAKE_BUILD_TYPE=Release -DKORVANE_WITH_QT=OFF \
        -DBUILD_TESTING=OFF -DKORVANE_WERROR="$werror" "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node)" \
        --log-level=WARNING >/dev/null
elif [ "$werror" = ON ] && ! grep -q '^KORVANE_WERROR:BOOL=ON$' "$tree/CMakeCache.txt"; then
    echo "Turning warnings as errors on in $tree/: everything compiles once more"
    cmake -S "$source_dir" -B "$tree" -DKORVANE_WERROR=ON --log-level=WARNING >/dev/null
elif [ ! -f "$tree/Makefile" ] || stale; then
    cmake -S "$source_dir" -B "$tree" --log-level=WARNING >/dev/null
fi
cmake --build "$tree" -j"${JOBS:-2}" --target "$@"
