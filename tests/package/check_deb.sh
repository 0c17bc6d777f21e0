#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package as a packager would before taking it: lintian finds
# no error; unpacked into a scratch root, the desktop entry and the AppStream
# metadata validate and every file they name is where they say; the programs are
# stripped; and no installed file holds a path of the machine that built it.
#   check_deb.sh PACKAGE.deb SOURCE_DIR BUILD_DIR
set -euo pipefail
deb=$1 source=$2 build=$3
here=$(dirname "$(readlink -f "$0")")

for tool in dpkg-deb lintian appstreamcli desktop-file-validate readelf zgrep file; do
    command -v "$tool" >/dev/null || { echo "check_deb: $tool is missing; 'make deps' installs it"; exit 1; }
done
[ -f "$deb" ] || { echo "check_deb: no package at $deb"; exit 1; }
fail() { echo "check_deb: $*"; exit 1; }

echo "== lintian"
# Errors fail; warnings and notes are printed for the record.
lintian --fail-on error --display-info --tag-display-limit 0 "$deb" || fail "lintian reports an error"

echo "== unpacked into a scratch root"
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
usr=$root/usr
(cd "$root" && find . -type f -o -type l | sort)

echo "== the desktop metadata, as installed"
metainfo=$(ls "$usr"/share/metainfo/*.metainfo.xml)
desktop_id=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
desktop=$usr/share/applications/$desktop_id
bash "$here/check_metadata.sh" "$desktop" "$metainfo" <(zcat "$usr/share/man/man6/korvane.6.gz")
. "$(dirname "$0")/appstream.sh"
appstream_validate validate-tree "$root" || fail "the installed tree does not validate"

echo "== every file where the metadata says"
expect() { [ -e "$usr/$1" ] || fail "$2 names $1, which the package does not hold"; }
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$metainfo" = "$usr/share/metainfo/$id.metainfo.xml" ] || fail "the metainfo is not named for its id $id"
# Debian's games have their programs in /usr/games, on the path like /usr/bin.
on_path() { [ -e "$usr/bin/$1" ] || [ -e "$usr/games/$1" ] || fail "$2 names $1, which is not on the path"; }
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    on_path "$binary" "the metainfo's <provides>"
done
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
on_path "${exec_line%% *}" "the desktop entry's Exec"
icon=$(sed -n 's/^Icon=//p' "$desktop")
sizes=0
for png in "$usr"/share/icons/hicolor/*/apps/"$icon".png; do
    [ -e "$png" ] || fail "the desktop entry's Icon=$icon is not among the installed icons"
    folder=$(basename "$(dirname "$(dirname "$png")")")
    dimensions=$(file -b "$png" | grep -o '[0-9]* x [0-9]*' | tr -d ' ')
    [ "$dimensions" = "$folder" ] || fail "$png is $dimensions in the folder for $folder"
    sizes=$((sizes + 1))
done
echo "Icon=$icon in $sizes sizes"
# Every size a desktop asks for, each drawn at that size.
for size in 16 22 24 32 48 64 128 256 512; do
    expect "share/icons/hicolor/${size}x$size/apps/$icon.png" "a desktop's menu, panel or dock"
done
# What the launcher runs and copies, found from where it lies.
expect libexec/korvane/korvane "the launcher"
expect libexec/korvane/libkorvane_sound.so "the game, which loads its sounds from beside itself,"
[ "$(ls "$usr"/share/korvane/sounds/*.wav | wc -l)" = 5 ] || fail "the five sounds are not installed"
expect share/korvane/images/face0.png "the game, which reads its card art from there,"
expect share/man/man6/korvane.6.gz "the manual's reader"
expect share/doc/korvane/copyright "Debian's policy"
expect share/doc/korvane/changelog.gz "Debian's policy"
# Whatever the manual sends its reader to is in the package.
manual=$(zcat "$usr/share/man/man6/korvane.6.gz")
for named in $(grep -o '/usr/[^ ]*[^ .,;]' <<<"$manual" | sort -u); do
    expect "${named#/usr/}" "the manual"
done

echo "== no made-up address"
# A software centre and apt show these: a domain kept for examples is no address.
made_up='example\.(org|com|net)'
! dpkg-deb -f "$deb" | grep -Ei "$made_up" || fail "the control fields name a made-up address"
dpkg-deb -f "$deb" Maintainer | grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+\.[^<>@ ]+>$' ||
    fail "the Maintainer field is not a name and a mail address"
found=$(grep -rliE "$made_up" "$root" || true)
found+=$(find "$root" -name '*.gz' -exec zgrep -liE "$made_up" {} + || true)
[ -z "$found" ] || fail "these installed files name a made-up address: $found"

echo "== the programs are stripped, with no run path"
for elf in "$usr"/libexec/korvane/*; do
    ! readelf -S "$elf" | grep -qE ' \.(symtab|debug_[a-z]+) ' || fail "$elf is not stripped"
    ! readelf -d "$elf" | grep -qE 'R(UN)?PATH' || fail "$elf carries a run path"
done

echo "== no path of the building machine"
# As bytes, as UTF-16 (how Qt keeps a string literal) and inside compressed files.
utf16() {
    local i hex pattern=""
    for ((i = 0; i < ${#1}; i++)); do
        printf -v hex '%02x' "'${1:i:1}"
        pattern+="\\x$hex\\x00"
    done
    echo "$pattern"
}
for path in "$build" "$source"; do
    found=$(grep -rlF "$path" "$root" || true)
    found+=$(LC_ALL=C grep -rlaP "$(utf16 "$path")" "$root" || true)
    found+=$(find "$root" -name '*.gz' -exec zgrep -lF "$path" {} + || true)
    [ -z "$found" ] || fail "these installed files hold $path: $found"
done
echo "the package holds no path of $source"
