#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher's care of the sounds in the player's folder, over an install, an
# upgrade that changes a cue, a removal and an install elsewhere: an untouched cue
# follows the installed one, and the player's own replacements stay as they are.
# The launcher runs from an install laid out as `cmake --install` lays it, with a
# game that only says where it ran.
#   sounds_test.sh SOURCE_DIR
set -euo pipefail
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "sounds: $*"; exit 1; }

install_at() {
    mkdir -p "$1/bin" "$1/libexec/korvane" "$1/share/korvane/sounds"
    cp "$source/app/korvane.sh" "$1/bin/korvane"
    printf '#!/bin/sh\npwd\n' > "$1/libexec/korvane/korvane"
    chmod +x "$1/bin/korvane" "$1/libexec/korvane/korvane"
    cp "$source"/assets/sounds/*.wav "$1/share/korvane/sounds/"
}
export HOME=$scratch/home XDG_DATA_HOME=
folder=$HOME/.local/share/korvane
play() { [ "$("$1/bin/korvane")" = "$folder" ] || fail "the game did not run in $folder"; }
# What the table hears for a cue: the installed one's bytes, or not.
hears_installed() { cmp -s "$folder/$1" "$2/share/korvane/sounds/$1"; }

# A new player: every cue is the installed one, as a link to it.
usr=$scratch/usr
install_at "$usr"
play "$usr"
for cue in deal shuffle1 shuffle2 youwin youlose; do
    [ "$(readlink "$folder/$cue.wav")" = "$usr/share/korvane/sounds/$cue.wav" ] ||
        fail "$cue.wav is not a link to the installed cue"
done

# The player's own: a file of theirs, a link elsewhere (even one that leads
# nowhere now), and an old copy unlike the installed cue, all kept.
# (A file put in place of the link, as `cp --remove-destination` does; one
# written through the link would write the installed cue.)
rm "$folder/deal.wav"
echo "my own deal" > "$folder/deal.wav"
ln -sfn "$scratch/mine.wav" "$folder/shuffle2.wav"
rm "$folder/youlose.wav"
printf 'RIFF an older youlose' > "$folder/youlose.wav"
# An old copy of the installed cue, as an earlier launcher left it, follows from now on.
rm "$folder/shuffle1.wav"
cp "$usr/share/korvane/sounds/shuffle1.wav" "$folder/shuffle1.wav"
play "$usr"
[ "$(cat "$folder/deal.wav")" = "my own deal" ] || fail "the player's deal.wav was replaced"
[ "$(readlink "$folder/shuffle2.wav")" = "$scratch/mine.wav" ] || fail "the player's link was replaced"
[ "$(cat "$folder/youlose.wav")" = "RIFF an older youlose" ] || fail "a file unlike the cue was replaced"
[ -L "$folder/shuffle1.wav" ] || fail "the old copy of shuffle1.wav was not made a link"

# An upgrade that changes a cue: the untouched ones play the new sound at once.
printf 'RIFF a newer youwin' > "$usr/share/korvane/sounds/youwin.wav"
play "$usr"
hears_installed youwin.wav "$usr" || fail "youwin.wav did not follow the upgrade"

# Removed, then installed under another prefix: the links follow the new install.
rm -rf "$usr"
opt=$scratch/opt
install_at "$opt"
play "$opt"
for cue in shuffle1 youwin; do
    hears_installed $cue.wav "$opt" || fail "$cue.wav did not follow the install under $opt"
done
[ "$(cat "$folder/deal.wav")" = "my own deal" ] || fail "the player's deal.wav did not survive"
[ "$(readlink "$folder/shuffle2.wav")" = "$scratch/mine.wav" ] || fail "the player's link did not survive"
echo "untouched cues follow the installed ones; the player's own stay"
