#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop's number texts, under a comma-decimal locale, against WebAssembly's.
set -euo pipefail
native=$1 node=$2 wasm=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
LC_ALL=da_DK.UTF-8 "$native" >"$work/desktop.txt"
"$node" --no-experimental-fetch "$wasm" >"$work/web.txt"
lines=$(wc -l <"$work/desktop.txt")
[ "$lines" -gt 10000 ] || { echo "only $lines lines from the desktop"; exit 1; }
if ! cmp -s "$work/desktop.txt" "$work/web.txt"; then
    echo "the number texts differ between the desktop and WebAssembly:"
    diff "$work/desktop.txt" "$work/web.txt" | head -20
    exit 1
fi
echo "$lines lines alike"
