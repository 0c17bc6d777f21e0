#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launcher as a new player starts it (a relative XDG_DATA_HOME,
# ignored), and where the player's folder cannot be had: no HOME, a data folder
# that takes nothing, a game folder that is read-only. The game always starts;
# where it cannot keep the cash it says why.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'status=$?; pkill -KILL -f "$scratch/usr/libexec/" || :; rm -rf "$scratch"; exit $status' EXIT
chmod 755 "$scratch"
# Where the game listens for a second launch: the player's runtime folder.
mkdir -m 700 "$scratch/run" && export XDG_RUNTIME_DIR=$scratch/run
cmake --build "$build" --target korvane_installables >/dev/null
cmake --install "$build" --prefix "$scratch/usr" >/dev/null
launcher=$scratch/usr/bin/korvane
export QT_QPA_PLATFORM=offscreen

fail() { echo "launcher: $*"; exit 1; }
. "$(dirname "$0")/readiness.sh"

# 1. Folders as they should be, but XDG_DATA_HOME relative: it is ignored.
mkdir -p "$scratch/home" "$scratch/cwd"
(cd "$scratch/cwd" && HOME=$scratch/home XDG_DATA_HOME=relative exec "$launcher") &
game=$!
wait_for painted $game || fail "the game did not start with a relative XDG_DATA_HOME"
kill -TERM $game; wait $game
[ ! -e "$scratch/cwd/relative" ] || fail "a relative XDG_DATA_HOME put the cash under the start folder"
folder=$scratch/home/.local/share/korvane
[ "$(od -An -c "$folder/Korvane.cash" | tr -d ' \n')" = '1000\r\n0\r\n' ] || fail "the cash was not kept in HOME"
[ "$(ls "$folder"/*.wav | wc -l)" = 5 ] || fail "the sounds were not put in the player's folder"

# A folder that takes nothing keeps out its owner, but not root: as root the
# player is "nobody", who must be able to reach the installed game.
as_player=()
if [ "$(id -u)" = 0 ]; then
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if ! "${as_player[@]}" test -x "$launcher"; then
        echo "skipped: as root the read-only cases run as nobody, who cannot reach $scratch" \
             "(TMPDIR must be open to other users)"
        exit 77
    fi
fi
player_owns() { [ ${#as_player[@]} = 0 ] || chown -R 65534:65534 "$@"; }

# 2. A game folder that takes nothing new: played there, its cash rewritten in place.
printf '2350\n2000\n' > "$folder/Korvane.cash"
player_owns "$scratch/home"
chmod 555 "$folder"
# (The runtime folder above is not nobody's: the game's own then goes in TMPDIR.)
(HOME=$scratch/home XDG_DATA_HOME= TMPDIR=$scratch/home exec "${as_player[@]}" "$launcher") &
game=$!
wait_for painted $game || fail "the game did not start in a read-only game folder"
kill -TERM $game; wait $game
[ "$(od -An -c "$folder/Korvane.cash" | tr -d ' \n')" = '2350\r\n2000\r\n' ] ||
    fail "the cash in a read-only game folder was not saved"
chmod 755 "$folder"

# 3. No folder to be had: no HOME, or a data folder that takes nothing. The game
#    starts in a passing folder and asks the player; a signal ends it, and the
#    passing folder goes with it.
mkdir -p "$scratch/shut" "$scratch/tmp"
chmod 555 "$scratch/shut"
chmod 1777 "$scratch/tmp"
for case in nohome shut; do
    log=$scratch/$case.log
    if [ $case = nohome ]; then
        (unset HOME XDG_DATA_HOME; TMPDIR=$scratch/tmp exec "$launcher") 2>"$log" &
    else
        (TMPDIR=$scratch/tmp HOME=$scratch/home XDG_DATA_HOME=$scratch/shut \
            exec "${as_player[@]}" "$launcher") 2>"$log" &
    fi
    launched=$!
    wait_for grep -q 'Korvane: no folder for the cash' "$log" ||
        fail "$case: the game did not say why it keeps no cash: $(cat "$log")"
    ! grep -q "^$launcher: \|^mkdir: \|^cd: " "$log" || fail "$case: the launcher failed: $(cat "$log")"
    kill -TERM $launched
    wait $launched || true
    ! ls "$scratch/tmp" | grep -q '^korvane\.' || fail "$case: the passing folder was left behind"
done
grep -q 'neither XDG_DATA_HOME nor HOME' "$scratch/nohome.log"
grep -q "$scratch/shut/korvane" "$scratch/shut.log"
echo "the launcher plays, and says so where it cannot keep the cash"
