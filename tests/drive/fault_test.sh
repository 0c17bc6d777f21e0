#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The cash file against a failing machine, with faults injected by strace into
# the driver's own system calls: any trouble looking at the file but "no such
# file" keeps it safe, and a save that fails half way leaves the old bytes and
# says only what is true.
# `start-up` tries the faults in looking at the file; `in-place` those in
# rewriting it where the folder takes no new file.
set -euo pipefail
part=$2
command -v strace >/dev/null || { echo "strace is missing (make test installs it)"; exit 1; }
scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
# The driver runs from the scratch folder, which an ordinary user can reach even
# when the build tree lies in a home no one else may enter.
drive=$scratch/korvane-drive
cp "$1" "$drive"
failed=0
fail() { echo "fault: $*"; failed=1; }

# A folder that takes no new file keeps out its owner, but not root: as root the
# player's cases run as "nobody".
as_player=()
if [ "$(id -u)" = 0 ]; then
    command -v setpriv >/dev/null || { echo "setpriv is missing (util-linux)"; exit 1; }
    as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    if [ "$part" = in-place ] && ! "${as_player[@]}" test -x "$drive"; then
        echo "skipped: as root these cases run as nobody, who cannot reach $scratch" \
             "(TMPDIR must be open to other users)"
        exit 77
    fi
fi

# Runs the driver in a fresh folder holding `cash` under strace's `faults`;
# `player`: as an ordinary user in a folder that takes no new file.
run() {
    local cash=$1 faults=$2 player=${3:-}
    folder=$scratch/f$RANDOM$RANDOM
    mkdir "$folder"
    printf '%b' "$cash" > "$folder/Korvane.cash"
    local as=()
    if [ -n "$player" ]; then
        [ ${#as_player[@]} = 0 ] || chown -R 65534:65534 "$folder"
        chmod 555 "$folder"
        as=("${as_player[@]}")
    fi
    out=$(cd "$folder" && printf 'load\nunload\n' |
          "${as[@]}" strace -f -qq -o /dev/null -P Korvane.cash $faults "$drive" 2>&1) || true
}
bytes() { od -An -c "$folder/Korvane.cash" | tr -d ' \n'; }

# Start-up: every error but "no such file" is told, and the file stays as it was.
if [ "$part" = start-up ]; then
    for error in EIO ESTALE ETIMEDOUT ENOMEM EACCES ENOTCONN; do
        run '2350\r\n2000\r\n' "-e inject=newfstatat:error=$error"
        grep -q 'could not be read' <<<"$out" || fail "$error at start-up was taken for no file: $out"
        grep -q 'so it was left as it was' <<<"$out" || fail "$error: the close did not say so"
        [ "$(bytes)" = '2350\r\n2000\r\n' ] || fail "$error at start-up: the file was replaced"
    done
    run '2350\r\n2000\r\n' "-e inject=openat:error=EIO"
    grep -q 'could not be read (cannot open: Input/output error)' <<<"$out" || fail "EIO on open: $out"
    [ $failed = 0 ] && echo "the cash file stood every fault at start-up"
    exit $failed
fi

# Rewritten in place (the folder takes no new file): a failure at any step leaves
# the old bytes, and the box says what is there.
old_grow='2350\n2000\n'             # the save makes it longer: room is reserved first
old_shrink='2350\r\n2000\r\n\r\n\r\n' # the save makes it shorter: it is cut at the end
for case in "$old_grow|-e inject=fallocate:error=ENOSPC" \
            "$old_grow|-e inject=pwrite64:error=ENOSPC" \
            "$old_grow|-e inject=fsync:error=EIO:when=1" \
            "$old_shrink|-e inject=ftruncate:error=EIO:when=1"; do
    cash=${case%%|*} faults=${case#*|}
    run "$cash" "$faults" player
    [ "$(bytes)" = "$(printf '%b' "$cash" | od -An -c | tr -d ' \n')" ] ||
        fail "$faults: the old bytes were not kept: $(bytes)"
    grep -q 'The old file was left as it was' <<<"$out" || fail "$faults: $out"
done
# When even putting the old bytes back fails, the box does not claim they are there.
run "$old_shrink" "-e inject=ftruncate:error=EIO" player
grep -q 'The file may be damaged' <<<"$out" || fail "a failed restore was told as none: $out"
! grep -q 'old file was left' <<<"$out" || fail "a failed restore claimed the old file"

[ $failed = 0 ] && echo "the cash file stood every fault in a rewrite in place"
exit $failed
