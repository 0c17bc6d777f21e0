#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One table to a cash file, tried with two real korvane-drive processes while the
# player moves files between their moves: a link led elsewhere, a link and a file
# swapped, the file moved, a second name for it, its lock removed on a fresh start.
# The first table keeps saving only while its name leads to the file it read; a
# table that can no longer save says so and deals no more rounds.
set -euo pipefail
drive=$(realpath "$1")
scratch=$(mktemp -d "${TMPDIR:-/tmp}/korvane-lock-XXXXXX")
held_pid=
cleanup() {
    [ -n "$held_pid" ] && kill "$held_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
failed=0
fail() { echo "fault: $*"; failed=1; }

win='deck 9 7 22 12
click Command3
wait 3500
click Command2
wait 1000'
table_open='The table is already open in another window'
over='Another table now plays from the cash file'
changed='is no longer the file this table read at start-up'

# Waits until a command succeeds, for ten seconds at most.
wait_for() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
# A table that stays open: korvane-drive reading from a pipe in folder $1,
# printing into $held_out. `hold` returns once it has started (its start-up
# sound is out); `send` gives it commands; `finish` closes it.
hold() {
    held_out=$(mktemp "$scratch/held-XXXXXX")
    rm -f "$scratch/held.in"
    mkfifo "$scratch/held.in"
    (cd "$1" && exec "$drive" <"$scratch/held.in" >"$held_out" 2>&1) &
    held_pid=$!
    exec 7>"$scratch/held.in"
    send load
    wait_for grep -q 'sound shuffle1.wav' "$held_out" && return 0
    fail "the first table did not start in $1: $(cat "$held_out")"
    return 1
}
send() { printf '%s\n' "$@" >&7; }
finish() {
    send "$@"
    exec 7>&-
    wait_for eval '! kill -0 "$held_pid" 2>/dev/null' || { fail "a table did not end"; kill "$held_pid"; }
    wait "$held_pid" || true
    held_pid=
}
# A whole table run in folder $1 with commands $2, printing what it printed.
play() { (cd "$1" && printf '%s\n' "$2" | "$drive" 2>&1); }
cash() { tr -d '\r' <"$1" | paste -sd' '; }

# The first table plays in F; another table's file lies in O. A case: how F's
# Korvane.cash starts (a link to S/x.cash, a file, none, a file with a second
# name in B), what the player does while the first table is open, where the
# second table plays then and whether it is kept out, what the first table says
# (twice: when it finds it, and at the close), and the cash each file holds at
# the end. A first table that says nothing wins its round.
n=0
while IFS='|' read -r start move second kept told after; do
    dir=$scratch/$((++n))
    mkdir -p "$dir/S" "$dir/F" "$dir/O" "$dir/B"
    printf '50000\r\n0\r\n' >"$dir/O/Korvane.cash"
    case $start in
        link) printf '1000\r\n0\r\n' >"$dir/S/x.cash" && ln -s ../S/x.cash "$dir/F/Korvane.cash" ;;
        file) printf '1000\r\n0\r\n' >"$dir/F/Korvane.cash" ;;
        named) printf '1000\r\n0\r\n' >"$dir/F/Korvane.cash" && ln "$dir/F/Korvane.cash" "$dir/B/" ;;
    esac
    hold "$dir/F" || continue
    (cd "$dir" && eval "$move")
    out=$(play "$dir/$second" "load
$win
unload")
    finish "$win" unload
    if [ "$kept" = kept ]; then
        grep -q "$table_open" <<<"$out" || fail "$move: a second table played: $out"
    else
        ! grep -q "$table_open" <<<"$out" || fail "$move: the second table was kept out"
    fi
    said=
    [ -z "$told" ] || said=${!told}
    [ -z "$said" ] || [ "$(grep -c "$said" "$held_out")" = 2 ] ||
        fail "$move: the first table did not say so once, and at the close: $(cat "$held_out")"
    [ -z "$said" ] || ! grep -q 'sound deal.wav' "$held_out" ||
        fail "$move: the first table dealt a round it could not keep: $(cat "$held_out")"
    for file in $after; do
        [ "$(cash "$dir/${file%=*}")" = "${file#*=} 0" ] || fail "$move: $file: $(cash "$dir/${file%=*}")"
    done
done <<'CASES'
link|ln -sfn ../O/Korvane.cash F/Korvane.cash|O|played|changed|O/Korvane.cash=51000 S/x.cash=1000
link|rm F/Korvane.cash && printf '1000\r\n0\r\n' >F/Korvane.cash|F|played|changed|F/Korvane.cash=1010 S/x.cash=1000
file|ln -sfn ../O/Korvane.cash F/Korvane.cash|F|played|changed|O/Korvane.cash=51000
link|mv S/x.cash F/Korvane.cash|F|kept|changed|F/Korvane.cash=1000
named|:|B|kept||F/Korvane.cash=1010 B/Korvane.cash=1010
none|rm F/Korvane.lock|F|played|over|F/Korvane.cash=1010
file|rm F/Korvane.lock|F|kept||F/Korvane.cash=1010
CASES

[ $failed = 0 ] && echo "one table to a cash file, however the files were moved"
exit $failed
