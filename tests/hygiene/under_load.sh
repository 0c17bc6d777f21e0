#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command ROUNDS times in a row with two busy loops beside it, as on a
# loaded machine, and stops at its first failure: tests must wait for what they
# need, never for the machine to be quick.
#   tests/hygiene/under_load.sh 20 ctest -R 'Window|Process'
set -euo pipefail
rounds=$1
shift
busy=()
trap 'kill "${busy[@]}" 2>/dev/null || :' EXIT
for _ in 1 2; do
    (while :; do :; done) &
    busy+=($!)
done
for ((round = 1; round <= rounds; round++)); do
    if ! out=$("$@" 2>&1); then
        echo "$out" | tail -40
        echo "under load: failed in round $round of $rounds: $*"
        exit 1
    fi
done
echo "under load: $rounds rounds passed: $*"
