#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists every source file of the tree (code, CMake files, scripts, build and
# desktop files) that lacks an SPDX-License-Identifier line near its top, and
# fails if there is one. With --add, gives each of them the code's licence line
# in the comment style of its kind instead.
#   tools/spdx.sh [--add] [SOURCE_DIR]
set -euo pipefail
add=false
if [ "${1:-}" = --add ]; then
    add=true
    shift
fi
cd "${1:-$(dirname "$0")/..}"
licence=GPL-3.0-or-later

# Tracked and new files alike, so a file is caught before its first commit.
sources() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard
    else
        find . -path './build*' -prune -o -type f -print | sed 's|^\./||'
    fi | grep -E '(\.(cpp|h|cmake|sh|py|in|desktop|qrc|6)|(^|/)(CMakeLists\.txt|Makefile)|^\.ci/run)$' |
        while read -r f; do [ -f "$f" ] && printf '%s\n' "$f"; done
}

# Read by the shell itself: a process or two for each of some hundreds of files
# made this check take a minute on a busy machine.
has_line() {
    local line n
    for n in 1 2 3; do
        IFS= read -r line || [ -n "$line" ] || return 1
        [[ $line == *SPDX-License-Identifier:* ]] && return 0
    done < "$1"
    return 1
}

comment_for() {
    case "$1" in
        *.cpp | *.h) echo "// SPDX-License-Identifier: $licence" ;;
        *.qrc | *.xml.in) echo "<!-- SPDX-License-Identifier: $licence -->" ;;
        *.6) echo ".\\\" SPDX-License-Identifier: $licence" ;;
        *) echo "# SPDX-License-Identifier: $licence" ;;
    esac
}

# After a #! line or an XML declaration, which must stay first; else at the top.
add_line() {
    local file=$1 line
    line=$(comment_for "$file")
    line=${line//\\/\\\\}  # sed reads a backslash in its text as an escape
    if head -n 1 "$file" | grep -qE '^(#!|<\?xml)'; then
        sed -i "1a\\
$line" "$file"
    else
        sed -i "1i\\
$line" "$file"
    fi
}

missing=0
while read -r file; do
    has_line "$file" && continue
    if $add; then
        add_line "$file"
        echo "added: $file"
    else
        echo "no SPDX-License-Identifier line: $file"
        missing=$((missing + 1))
    fi
done < <(sources)
if [ "$missing" -gt 0 ]; then
    echo "$missing source files lack the licence line; 'make spdx' adds it"
    exit 1
fi
