#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under wine in the wine prefix PREFIX, which the build
# tree keeps for itself (the player's own ~/.wine is never touched). The first
# run makes the prefix, one run at a time: about 20 s.
#   wine.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
prefix=$1
shift
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
# Wine writes a Windows name to the Unix disk in the locale's characters: under
# plain C (a login without LANG, as on a fresh machine) "Søren" has no Unix name.
export LC_ALL=C.UTF-8
# Wine 10 (Debian 13) aborts as it starts ("free(): invalid pointer") whenever
# TMPDIR is set, as CI sets it: wine keeps its few files in the system's own.
unset TMPDIR
# No Mono and no Gecko: nothing of ours needs them, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$(dirname "$prefix")"
    # Made without a display, so no window of wine's own pops up on a desktop.
    flock "$prefix.made" env -u DISPLAY -u WAYLAND_DISPLAY bash -c \
        '[ -f "$WINEPREFIX/system.reg" ] || { wineboot --init && wineserver --wait; } >/dev/null 2>&1'
fi
exec wine "$@"
