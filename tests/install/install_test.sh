#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a scratch prefix, checks what lands where, then plays the
# installed launcher as a new player would and closes it with a signal: the
# player's folder then holds the sounds and a saved cash file.
set -euo pipefail
. "$(dirname "$0")/readiness.sh"
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Where the game listens for a second launch: the player's runtime folder.
mkdir -m 700 "$scratch/run" && export XDG_RUNTIME_DIR=$scratch/run
cmake --build "$build" --target korvane_installables >/dev/null
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
for file in bin/korvane libexec/korvane/korvane libexec/korvane/libkorvane_sound.so share/applications/korvane.desktop \
            share/icons/hicolor/16x16/apps/korvane.png share/icons/hicolor/48x48/apps/korvane.png \
            share/icons/hicolor/64x64/apps/korvane.png share/icons/hicolor/256x256/apps/korvane.png \
            share/doc/korvane/README.md.gz share/doc/korvane/cash.md.gz \
            share/korvane/sounds/deal.wav share/korvane/sounds/youwin.wav; do
    [ -e "$scratch/usr/$file" ] || { echo "not installed: $file"; exit 1; }
done
grep -q '^Exec=korvane$' "$scratch/usr/share/applications/korvane.desktop"
mkdir -p "$scratch/home"
HOME="$scratch/home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$scratch/usr/bin/korvane" &
game=$!
wait_for painted "$game" || { echo "the installed game did not start"; kill -KILL "$game"; exit 1; }
kill -TERM "$game"
wait "$game"
folder="$scratch/home/.local/share/korvane"
[ "$(ls "$folder"/*.wav | wc -l)" = 5 ] || { echo "the sounds were not copied in"; exit 1; }
[ "$(od -An -c "$folder/Korvane.cash" | tr -d ' ')" = '1000\r\n0\r\n' ] ||
    { echo "the cash was not saved in the player's folder"; exit 1; }
echo "installed and played from $folder"
