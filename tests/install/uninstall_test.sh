#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch ~/.local as a player would, then removes it with the
# uninstall target: every installed file and the game's own folders go; the
# player's cash in ~/.local/share/korvane and other programs' files stay.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/home/.local
fail() { echo "uninstall: $*"; exit 1; }

mkdir -p "$prefix/bin" "$prefix/share/applications" "$prefix/share/korvane"
echo other >"$prefix/bin/other"
echo other >"$prefix/share/applications/other.desktop"
printf '2500\r\n0\r\n' >"$prefix/share/korvane/Korvane.cash"

cmake --build "$build" --target korvane_installables >/dev/null
cmake --install "$build" --prefix "$prefix" >/dev/null
installed=$(cat "$build/install_manifest.txt")
[ -n "$installed" ] || fail "the install wrote no manifest"
cmake --build "$build" --target uninstall >/dev/null

for file in $installed; do
    [ ! -e "$file" ] || fail "left behind: $file"
done
for folder in libexec/korvane share/korvane/sounds share/korvane/images share/doc/korvane; do
    [ ! -e "$prefix/$folder" ] || fail "the game's folder $folder is left"
done
[ "$(od -An -c "$prefix/share/korvane/Korvane.cash" | tr -d ' ')" = '2500\r\n0\r\n' ] ||
    fail "the player's cash was not kept"
[ -f "$prefix/bin/other" ] && [ -f "$prefix/share/applications/other.desktop" ] ||
    fail "another program's files were removed"
echo "removed $(echo "$installed" | wc -l) installed files; the player's cash is kept"
