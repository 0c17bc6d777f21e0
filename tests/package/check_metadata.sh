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
appstreamcli validate --no-net --explain "$metainfo"
# groff's warnings (lines too long, unknown requests, ...) are what lintian reports.
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l -Tutf8 -Z "$manual" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "the manual page has warnings:"; echo "$warnings"; exit 1; }
echo "desktop entry, metainfo and manual page are valid"
