# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the install tests: a game process is waited for until it is ready,
# never for a fixed time.

# Runs a command until it succeeds, for at most ten seconds.
wait_for() {
    local deadline=$((SECONDS + 10))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# The game has painted its first frame: the sound module, loaded for the
# start-up sound just then, is in its memory.
painted() { grep -qs libkorvane_sound "/proc/$1/maps"; }
