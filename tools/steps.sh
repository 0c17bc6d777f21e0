#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The time each step of `make test` takes: a line as each ends, and a table of
# them all at the end.
#   tools/steps.sh LOG NAME COMMAND...   runs COMMAND, says how long it took and
#                                        keeps NAME and the seconds in LOG
#   tools/steps.sh LOG                   prints LOG's steps as a table, with their sum
set -euo pipefail
log=$1
shift
took() {
    local s=$1
    if [ "$s" -ge 60 ]; then printf '%d min %02d s' $((s / 60)) $((s % 60)); else printf '%d s' "$s"; fi
}
if [ $# -eq 0 ]; then
    [ -f "$log" ] || exit 0
    total=0
    echo "How long each step took:"
    while IFS=$'\t' read -r seconds name; do
        printf '  %-36s %12s\n' "$name" "$(took "$seconds")"
        total=$((total + seconds))
    done < "$log"
    printf '  %-36s %12s\n' "all" "$(took "$total")"
    exit 0
fi
name=$1
shift
mkdir -p "$(dirname "$log")"
started=$(date +%s)
status=0
"$@" || status=$?
seconds=$(($(date +%s) - started))
printf '%s\t%s\n' "$seconds" "$name" >> "$log"
if [ "$status" = 0 ]; then
    echo "== $name took $(took "$seconds")"
else
    echo "== $name failed after $(took "$seconds")"
fi
exit "$status"
