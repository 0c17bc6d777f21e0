#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The time each step of `make test` takes: a line as each ends, and a table of
# them all at the end. Beside the time on the clock, the processor's (user and
# system, of every process the step waited for): on a machine others share, that
# is what says whether a step got cheaper.
#   tools/steps.sh LOG NAME COMMAND...   runs COMMAND, says how long it took and
#                                        keeps the seconds, NAME and the processor's
#                                        seconds in LOG
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
    total=0 total_cpu=0
    echo "How long each step took:"
    printf '  %-44s %12s %12s\n' "" "on the clock" "processor"
    while IFS=$'\t' read -r seconds name cpu; do
        cpu=${cpu:-0}
        printf '  %-44s %12s %12s\n' "$name" "$(took "$seconds")" "$(took "$cpu")"
        total=$((total + seconds)) total_cpu=$((total_cpu + cpu))
    done < "$log"
    printf '  %-44s %12s %12s\n' "all" "$(took "$total")" "$(took "$total_cpu")"
    exit 0
fi
name=$1
shift
mkdir -p "$(dirname "$log")"
started=$(date +%s)
status=0
"$@" || status=$?
seconds=$(($(date +%s) - started))
# The user and system time of the processes this shell waited for, in clock ticks.
read -r -a stat < /proc/$$/stat
cpu=$(((stat[15] + stat[16] + $(getconf CLK_TCK) / 2) / $(getconf CLK_TCK)))
printf '%s\t%s\t%s\n' "$seconds" "$name" "$cpu" >> "$log"
if [ "$status" = 0 ]; then
    echo "== $name took $(took "$seconds") ($(took "$cpu") of the processor)"
else
    echo "== $name failed after $(took "$seconds")"
fi
exit "$status"
