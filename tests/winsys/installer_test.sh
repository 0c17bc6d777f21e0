#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Korvane-setup.exe and its uninstaller, each run silently (/S) under wine as a
# player would run them: the programs land in %LOCALAPPDATA%\Programs\Korvane with
# an entry among the installed apps, the installed driver plays a table in
# %APPDATA%\Korvane, and the uninstaller takes away everything but that cash.
#   installer_test.sh SETUP RUNNER (the build tree's run-under-wine)
set -euo pipefail
setup=$1 runner=$2
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvane'
run() { "$runner" "$@"; }
unix() { run winepath.exe -u "$1" | tr -d '\r'; }
fail() { echo "FAILED: $*"; exit 1; }

local_data=$(unix "$(run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')")
roaming=$(unix "$(run cmd /c 'echo %APPDATA%' | tr -d '\r')")
installed=$local_data/Programs/Korvane
cash=$roaming/Korvane
# What an earlier run that failed midway left.
rm -rf "$installed" "$cash"
run reg delete "$key" /f >/dev/null 2>&1 || true

run "$setup" /S
for file in Korvane.exe korvane-drive.exe COPYING.txt 'Uninstall Korvane.exe'; do
    [ -f "$installed/$file" ] || fail "the installer left no $file in $installed"
done
run reg query "$key" /v QuietUninstallString | grep -q 'Uninstall Korvane.exe" /S' ||
    fail "no entry among the installed apps"

mkdir -p "$cash"
(cd "$cash" && printf 'load\nunload\n' | run "$installed/korvane-drive.exe" >/dev/null)
[ "$(cat "$cash/Korvane.cash")" = $'1000\r\n0\r' ] || fail "the installed driver kept no cash"

uninstaller=$(run reg query "$key" /v QuietUninstallString | sed -n 's/.*REG_SZ *"\(.*\)" \/S.*/\1/p' |
              tr -d '\r')
run "$uninstaller" /S
# The uninstaller runs on from a copy of itself and removes the folder as it ends.
for _ in $(seq 300); do
    [ -e "$installed" ] || break
    sleep 0.1
done
[ ! -e "$installed" ] || fail "the uninstaller left $(ls "$installed")"
! run reg query "$key" >/dev/null 2>&1 || fail "the entry among the installed apps stayed"
[ "$(cat "$cash/Korvane.cash")" = $'1000\r\n0\r' ] || fail "the player's cash went with it"
echo "installed, played and uninstalled; the cash stays"
