#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Korvane plays in a folder of the player's own: it keeps the cash file there
# between runs, and finds its sounds there, linked to the installed ones. The game and
# its sounds are found beside this launcher, wherever it was installed.
#
# Where that folder cannot be had (no HOME, a data folder that cannot be made or
# entered), the game still starts, in a passing folder, and tells the player in
# its window why the cash will not be kept: a desktop launch has no terminal.
prefix=$(dirname "$(dirname "$(readlink -f "$0")")")
game="$prefix/libexec/korvane/korvane"

# The XDG rules: a relative path in XDG_DATA_HOME is invalid and is ignored.
data=${XDG_DATA_HOME:-}
case $data in /*) ;; *) data= ;; esac
if [ -z "$data" ]; then
    case ${HOME:-} in /*) data=$HOME/.local/share ;; esac
fi

problem=
if [ -z "$data" ]; then
    problem="neither XDG_DATA_HOME nor HOME names a folder"
elif ! made=$(mkdir -p -- "$data/korvane" 2>&1); then
    problem=${made:-"$data/korvane cannot be made"}
elif ! cd -- "$data/korvane" 2>/dev/null; then
    problem="$data/korvane cannot be entered"
fi

# The five sounds the table plays lie in the player's folder, where a player may
# put sounds of their own. An untouched cue follows the installed one, through
# a link to it: made where nothing of the player's stands, renewed where it
# points at a cue of an install that is gone or elsewhere, and put in place of
# a copy with the very bytes of the installed cue (as launchers of old copied in).
# Any other file, and a link elsewhere, is the player's, and stays as it is.
link_sounds() {
    for sound in "$prefix"/share/korvane/sounds/*.wav; do
        name=${sound##*/}
        if [ -L "$name" ]; then
            case $(readlink -- "$name") in
                "$sound") continue ;;
                */share/korvane/sounds/"$name") ;;
                *) continue ;;
            esac
        elif [ -e "$name" ]; then
            [ -f "$name" ] && cmp -s -- "$name" "$sound" || continue
        fi
        # A folder that takes no new file keeps what it has: the game is silent
        # for a missing sound, never stopped by one.
        ln -sfn -- "$sound" "$name" 2>/dev/null || :
    done
}

if [ -z "$problem" ]; then
    link_sounds
    exec "$game" "$@"
fi

passing=$(mktemp -d "${TMPDIR:-/tmp}/korvane.XXXXXX") || exit 1
cd -- "$passing" || exit 1
link_sounds
KORVANE_NO_CASH_FOLDER=$problem "$game" "$@" &
child=$!
# A signal for the launcher goes on to the game, which ends at once; then the
# passing folder goes too.
trap 'kill -TERM "$child" 2>/dev/null' HUP INT TERM
while :; do
    wait "$child"
    status=$?
    kill -0 "$child" 2>/dev/null || break
done
rm -rf -- "$passing"
exit "$status"
