#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures the game's one native tree as Debian builds a package: Release,
# with dpkg-buildflags' hardening flags. The tests play what the package ships,
# and the package is made from this tree without compiling the game again.
#   tools/configure_build.sh TREE WEB_TREE [ON]
# A tree configured otherwise is configured so (everything then compiles once
# more); ON turns warnings as errors on in it for good.
set -euo pipefail
tree=$1 web_tree=$2 werror=${3:-}
# dpkg-buildflags maps the folder it is asked from out of the programs.
cd "$(dirname "$0")/.."
case $web_tree in /*) ;; *) web_tree=$PWD/$web_tree ;; esac
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cxx="$(flags CPPFLAGS) $(flags CXXFLAGS)"
ld=$(flags LDFLAGS)
cache=$tree/CMakeCache.txt
holds() { [ -f "$cache" ] && [ "$(sed -n "s/^$1:[A-Z]*=//p" "$cache")" = "$2" ]; }

# Debian's flags say -O2, as its packages are built: CMake's Release would put
# its own -O3 after them, which only makes the build slower.
release=-DNDEBUG
args=()
if ! holds CMAKE_BUILD_TYPE Release || ! holds CMAKE_CXX_FLAGS "$cxx" || ! holds CMAKE_EXE_LINKER_FLAGS "$ld" ||
    ! holds CMAKE_CXX_FLAGS_RELEASE "$release"; then
    if [ -f "$cache" ]; then
        echo "Configuring $tree/ as the package is built: everything compiles once more"
    else
        echo "Configuring $tree/"
    fi
    args+=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS=$cxx" "-DCMAKE_CXX_FLAGS_RELEASE=$release"
           "-DCMAKE_EXE_LINKER_FLAGS=$ld"
           "-DCMAKE_SHARED_LINKER_FLAGS=$ld" "-DCMAKE_MODULE_LINKER_FLAGS=$ld" "-DKORVANE_WEB_TREE=$web_tree")
fi
if [ "$werror" = ON ] && ! holds KORVANE_WERROR ON; then
    [ ${#args[@]} -gt 0 ] || echo "Turning warnings as errors on in $tree/: everything compiles once more"
    args+=(-DKORVANE_WERROR=ON)
fi
[ ${#args[@]} -eq 0 ] || cmake -S . -B "$tree" "${args[@]}" --log-level=WARNING >/dev/null
