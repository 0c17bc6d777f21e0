#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Korvane plays in a folder of the player's own: it keeps the cash file there
# between runs, and finds its sounds there, copied in when missing. The game and
# its sounds are found beside this launcher, wherever it was installed.
set -e
prefix=$(dirname "$(dirname "$(readlink -f "$0")")")
folder="${XDG_DATA_HOME:-$HOME/.local/share}/korvane"
mkdir -p "$folder"
for sound in "$prefix"/share/korvane/sounds/*.wav; do
    [ -e "$folder/${sound##*/}" ] || cp "$sound" "$folder/"
done
cd "$folder"
exec "$prefix/libexec/korvane/korvane" "$@"
