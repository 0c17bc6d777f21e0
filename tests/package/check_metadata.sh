#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates what a desktop shows of the game: the desktop entry, the AppStream
# metadata (offline) and the manual page, as distributions' tools read them.
#   check_metadata.sh DESKTOP_FILE METAINFO_FILE MANUAL_PAGE
set -euo pipefail
desktop=$1 metainfo=$2 manual=$3

for tool in desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null ||
        { echo "check_metadata: $tool is missing; 'make deps' installs it"; exit 1; }
done

desktop-file-validate "$desktop"
validation=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) ||
    { echo "$validation"; echo "the metainfo does not validate"; exit 1; }
echo "$validation"
# What a software centre shows must be true: no address in a domain kept for
# examples, and the developer named the way current AppStream reads it (older
# validators do not know these notes, so the tags are looked at too).
made_up='[A-Za-z0-9.:@/-]*example\.(org|com|net)[A-Za-z0-9./-]*'
if found=$(grep -EHno "$made_up" "$desktop" "$metainfo"); then
    echo "made-up addresses:"; echo "$found"; exit 1
fi
for note in developer-name-tag-deprecated developer-info-missing; do
    ! grep -q "$note" <<<"$validation" || { echo "the metainfo draws the note $note"; exit 1; }
done
! grep -q '<developer_name>' "$metainfo" || { echo "the metainfo names its developer in <developer_name>"; exit 1; }
tr -d '\n' < "$metainfo" | grep -Eq '<developer id="[^"]+">[[:space:]]*<name>[^<]+</name>' ||
    { echo "the metainfo has no <developer id=...> with a <name>"; exit 1; }
# groff's warnings (lines too long, unknown requests, ...) are what lintian reports.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page has warnings:"; echo "$warnings"; exit 1; }
echo "desktop entry, metainfo and manual page are valid"
