#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command (CI's `make test`) as on a shared machine: TMPDIR a private
# folder of its own, and a read-only cash file in /tmp and in TMPDIR that the
# tests must never touch (as root they belong to "nobody"; a /tmp/Korvane.cash
# already there is taken as it is). Afterwards both are as they were and nothing
# of the game is left in /tmp or in TMPDIR (what Qt or the sound system leave
# there, such as a runtime folder, is theirs).
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]"; exit 2; }
private=$(mktemp -d -p /var/tmp korvane-tmpdir.XXXXXX)
trap 'rm -rf "$private"' EXIT
# Others may pass through, as the tests' "nobody" must, but not look in.
chmod 711 "$private"

plant() {
    printf 'sentinel: 250000\r\n0\r\n' > "$1"
    chmod 444 "$1"
    [ "$(id -u)" != 0 ] || chown 65534:65534 "$1"
}
fingerprint() { stat -c '%i %s %Y %U %a' "$1" && md5sum < "$1"; }
[ -e /tmp/Korvane.cash ] || { plant /tmp/Korvane.cash; planted_tmp=1; }
plant "$private/Korvane.cash"
before_tmp=$(fingerprint /tmp/Korvane.cash)
before_private=$(fingerprint "$private/Korvane.cash")
ours() { find "$1" -mindepth 1 -maxdepth 1 -iname '*korvane*' ! -name Korvane.cash | sort; }
game_before=$(ours /tmp)

status=0
TMPDIR=$private "$@" || status=$?

problems=()
[ "$(fingerprint /tmp/Korvane.cash 2>&1)" = "$before_tmp" ] ||
    problems+=("/tmp/Korvane.cash was touched")
[ "$(fingerprint "$private/Korvane.cash" 2>&1)" = "$before_private" ] ||
    problems+=("TMPDIR's Korvane.cash was touched")
new_in_tmp=$(comm -13 <(echo "$game_before") <(ours /tmp))
[ -z "$new_in_tmp" ] || problems+=("left in /tmp: $new_in_tmp")
left=$(ours "$private")
[ -z "$left" ] || problems+=("left in TMPDIR: $left")
[ -z "${planted_tmp:-}" ] || rm -f /tmp/Korvane.cash

for p in "${problems[@]}"; do echo "sentinels: $p"; done
if [ ${#problems[@]} -gt 0 ]; then
    exit 1
fi
echo "sentinels: nothing outside the tests' own folders was touched"
exit $status
