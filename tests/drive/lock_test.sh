#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One table to a cash file, tried with two real korvane-drive processes: a lock
# removed or replaced while a table plays, one file reached through a link from
# two folders, and a folder that takes no lock.
set -euo pipefail
scratch=$(mktemp -d "${TMPDIR:-/tmp}/korvane-lock-XXXXXX")
chmod 755 "$scratch"
# Run from the scratch folder, which "nobody" can reach even when the build tree
# lies in a home no one else may enter.
drive=$scratch/korvane-drive
cp "$1" "$drive"
held_pid=
cleanup() {
    [ -n "$held_pid" ] && kill "$held_pid" 2>/dev/null || true
    chmod -R u+rwx "$scratch"
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
taken_over='Another table now plays from the cash file'
no_lock='takes no lock, so a second table could play from the same file'

# Waits until a command succeeds, for ten seconds at most.
wait_for() {
    for _ in $(seq 200); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
# A table that stays open: korvane-drive reading from a pipe in folder $1, as
# user $2 if given, printing into $held_out. `hold` returns once it has started
# (its start-up sound is out); `send` gives it commands; `finish` closes it.
hold() {
    local folder=$1 as=()
    [ -n "${2:-}" ] && as=(setpriv --reuid="$2" --regid="$2" --clear-groups)
    held_out=$(mktemp "$scratch/held-XXXXXX")
    rm -f "$scratch/held.in"
    mkfifo "$scratch/held.in"
    (cd "$folder" && exec "${as[@]}" "$drive" <"$scratch/held.in" >"$held_out" 2>&1) &
    held_pid=$!
    exec 7>"$scratch/held.in"
    send load
    wait_for grep -q 'sound shuffle1.wav' "$held_out" && return 0
    fail "the first table did not start in $folder: $(cat "$held_out")"
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
play() { (cd "$1" && printf '%s\n' "$2" | "${@:3}" "$drive" 2>&1); }
cash() { tr -d '\r' <"$1/Korvane.cash" | paste -sd' '; }
fresh_folder() {
    folder=$(mktemp -d "$scratch/XXXXXX")
    chmod 755 "$folder"
    printf '1000\r\n0\r\n' >"$folder/Korvane.cash"
}

# A lock removed, or something else put at its name, while a table plays.
replace_lock() {
    rm "$1/Korvane.lock"
    case $2 in
        removed) ;;
        file) : >"$1/Korvane.lock" ;;
        folder) mkdir "$1/Korvane.lock" ;;
        link) ln -s elsewhere "$1/Korvane.lock" ;;
        pipe) mkfifo "$1/Korvane.lock" ;;
    esac
}
for kind in removed file folder link pipe; do
    # The second table comes first: it plays and saves, and the first, finding
    # its lock gone to it, says so and never writes over the second one's cash.
    fresh_folder
    hold "$folder" || continue
    replace_lock "$folder" $kind
    play "$folder" "load
$win
unload" >/dev/null
    [ "$(cash "$folder")" = '1010 0' ] || fail "$kind: the second table's win: $(cash "$folder")"
    finish "$win" unload
    [ "$(grep -c "$taken_over" "$held_out")" = 2 ] ||
        fail "$kind: the first table did not say it lost its lock: $(cat "$held_out")"
    [ "$(cash "$folder")" = '1010 0' ] || fail "$kind: written over: $(cash "$folder")"

    # The first table saves first: it takes its lock back, and the second stays out.
    fresh_folder
    hold "$folder" || continue
    replace_lock "$folder" $kind
    send "$win"
    wait_for eval '[ "$(cash "$folder")" = "1010 0" ]' || fail "$kind: the first table's win"
    second=$(play "$folder" "load
$win
unload")
    finish unload
    grep -q "$table_open" <<<"$second" || fail "$kind: a second table played: $second"
    [ "$(cash "$folder")" = '1010 0' ] || fail "$kind, first saving first: $(cash "$folder")"
done

# One file reached from two folders through a link: the tables meet at one lock.
fresh_folder
mkdir "$folder/A" "$folder/B"
mv "$folder/Korvane.cash" "$folder/B/"
ln -s ../B/Korvane.cash "$folder/A/Korvane.cash"
for first in A B; do
    second=$([ $first = A ] && echo B || echo A)
    hold "$folder/$first" || continue
    out=$(play "$folder/$second" "load
$win
unload")
    grep -q "$table_open" <<<"$out" || fail "linked, $first first: a second table played: $out"
    finish "$win" unload
done
[ "$(cash "$folder/B")" = '1020 0' ] || fail "linked: $(cash "$folder/B")"
[ ! -e "$folder/A/Korvane.lock" ] || fail "linked: a lock beside the link, not the file"

# A folder that takes no lock: every table there says so, and plays on. Root
# passes through any mode, so as root the tables play as "nobody".
fresh_folder
as=
[ "$(id -u)" = 0 ] && as=65534
if [ -n "$as" ] && ! command -v setpriv >/dev/null; then
    echo "skipped: a folder of mode 0111, which needs setpriv (util-linux) to play as nobody"
elif [ -n "$as" ] && ! setpriv --reuid=$as --regid=$as --clear-groups test -x "$drive"; then
    echo "skipped: a folder of mode 0111: nobody cannot reach $scratch (TMPDIR must be open to others)"
else
    [ -n "$as" ] && chown -R $as:$as "$folder"
    chmod 111 "$folder"
    if hold "$folder" $as; then
        out=$(play "$folder" "load
unload" ${as:+setpriv --reuid=$as --regid=$as --clear-groups})
        finish unload
        grep -q "$no_lock" <<<"$out" || fail "the second table in a folder of mode 0111: $out"
        grep -q "$no_lock" "$held_out" || fail "the first table, mode 0111: $(cat "$held_out")"
    fi
    chmod 755 "$folder"
fi

[ $failed = 0 ] && echo "one table to a cash file, however it was tried"
exit $failed
