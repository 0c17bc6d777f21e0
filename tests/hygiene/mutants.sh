#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Shows that the suite still catches what the tests taken out of it caught: each
# fault of tests/README.md is planted, one at a time, in a copy of the sources; what it
# touches is rebuilt and the tests named for it must fail. The sources are never
# touched, not even by a run that is killed: only the copy is planted, and every
# run first makes the copy the sources again.
#   tests/hygiene/mutants.sh BUILD_DIR [web]
# The copy and its build trees are kept in BUILD_DIR/mutants, so a second run
# rebuilds only what changed. Without `web` it plants the faults of the core and of
# the Qt window; with `web` those of the page, under node (it needs emscripten).
#   tests/hygiene/mutants.sh --in-place BUILD_DIR WEB_DIR
# plants every fault in the sources themselves instead, and rebuilds only the tests
# named for it in the trees `make test` built: no tree is built afresh. For a clone
# that is thrown away after (CI's): each planted file is put back at once, and a run
# that was killed puts it back at the next start.
set -euo pipefail
[ $# -ge 1 ] || { sed -n '3,16p' "$0"; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
source=$(cd "$here/../.." && pwd)
in_place=
if [ "$1" = --in-place ]; then
    [ $# -eq 3 ] || { sed -n '3,16p' "$0"; exit 2; }
    in_place=1 build_dir=$(cd "$2" && pwd) web_dir=$(cd "$3" && pwd)
    set -- "$2" "core qt web"
fi
mkdir -p "$1/mutants/src"
work=$(cd "$1/mutants" && pwd)
copy=$work/src trees=${2:-core qt} jobs=${JOBS:-2}
export QT_QPA_PLATFORM=offscreen NODE_PATH=/usr/share/nodejs

# In place, the file planted last is put back: at the end, and at the start of a
# run after one that was killed.
put_back() {
    [ -f "$work/planted" ] || return 0
    cp "$work/planted.bytes" "$source/$(cat "$work/planted")" && rm -f "$work/planted"
}
if [ -n "$in_place" ]; then
    copy=$source
    put_back
    trap put_back EXIT
fi

# The copy holds what git tracks, as the sources hold it now: a changed file is
# copied afresh (a new time, so it is built again); what the sources no longer hold goes.
if [ -z "$in_place" ]; then
    tracked=$(cd "$source" && git ls-files | sort)
    while IFS= read -r file; do
        [ -f "$source/$file" ] && ! cmp -s "$source/$file" "$copy/$file" || continue
        mkdir -p "$(dirname "$copy/$file")" && cp "$source/$file" "$copy/$file"
    done <<<"$tracked"
    (cd "$copy" && find . -type f -printf '%P\n' | sort | comm -23 - <(echo "$tracked") | xargs -r -d '\n' rm -f)
fi

# The list's entries for these trees, one a line: tree, file, text, plant, what the
# taken test was, and the tests that must fail, joined by "|".
entries=$(python3 - "$here/../README.md" "$trees" <<'EOF'
import sys
listed = open(sys.argv[1], encoding="utf-8").read().split("```mutants\n", 1)[1].split("```", 1)[0]
for block in listed.split("\n\n"):
    entry = {"#": "", "-": "", "+": "", "tree": "", "runs": []}
    for line in block.strip().splitlines():
        if line[:2] in ("# ", "- ", "+ "):
            entry[line[0]] = entry[line[0]] or line[2:]
        else:
            entry["tree"], run = line.split(": ", 1)
            entry["runs"].append(run)
    if entry["-"] and entry["tree"] in sys.argv[2].split():
        file, find = entry["-"].split(": ", 1)
        print("\t".join([entry["tree"], file, find, entry["+"], entry["#"], "|".join(entry["runs"])]))
EOF
)
[ -n "$entries" ] || { echo "mutants: no fault listed for $trees"; exit 1; }

tree_dir() {  # TREE: its build folder, configured the first time
    if [ -n "$in_place" ]; then
        if [ "$1" = web ]; then echo "$web_dir"; else echo "$build_dir"; fi
        return
    fi
    local dir=$work/$1 configure=(cmake) options=(-DCMAKE_BUILD_TYPE=None --log-level=WARNING)
    [ "$1" = qt ] || options+=(-DKORVANE_WITH_QT=OFF)
    [ "$1" != web ] || configure=(emcmake cmake) options+=(-DBUILD_TESTING=OFF
                                                            "-DCMAKE_CROSSCOMPILING_EMULATOR=$(command -v node)")
    [ -f "$dir/CMakeCache.txt" ] || "${configure[@]}" -S "$copy" -B "$dir" "${options[@]}" >/dev/null
    echo "$dir"
}
build() {  # DIR RUNS: builds the programs the tests need
    local targets=() run runs words
    IFS='|' read -r -a runs <<<"$2"
    for run in "${runs[@]}"; do
        read -r -a words <<<"$run"
        case ${words[0]} in
            ctest) targets+=("${words[@]:2}" korvane-drive) ;;
            node) targets+=(page_loop_test) ;;
            *) targets+=("${run%% *}") ;;
        esac
    done
    cmake --build "$1" -j"$jobs" --target "${targets[@]}" </dev/null >"$work/last-build.log" 2>&1
}
# One test in DIR: 0 passed, 1 failed, 2 ran no test at all.
run_test() {  # DIR PROGRAM WHAT
    local out status=0
    case $2 in
        ctest) out=$(cd "$1" && ctest -R "^${3%% *}\$" --no-tests=error --timeout 300 2>&1) || status=1 ;;
        # A plant may leave a test waiting for what never comes: that fails it too.
        node) out=$(timeout 120 node --no-experimental-fetch "$1/tests/web/page_loop_test.js" "$3" 2>&1) ||
                  status=1 ;;
        *) out=$(cd "$work" && timeout 300 "$(find "$1" -name "$2" -type f -perm -u+x -print -quit)" \
                     --gtest_filter="$3" 2>&1) || status=1 ;;
    esac
    [ $status = 1 ] || ! grep -q '\[  PASSED  \] 0 tests' <<<"$out" || status=2
    return $status
}

# Every test named passes without a plant: a failure must be the plant's.
for tree in $trees; do
    runs=$(awk -F'\t' -v t="$tree" '$1 == t { print $6 }' <<<"$entries" | tr '|' '\n' | sort -u)
    [ -n "$runs" ] || continue
    dir=$(tree_dir "$tree")
    build "$dir" "$(tr '\n' '|' <<<"$runs")" || { echo "mutants: $tree does not build"; exit 1; }
    while read -r program what; do
        run_test "$dir" "$program" "$what" </dev/null || { echo "mutants: $program $what fails unplanted"; exit 1; }
    done <<<"$runs"
    echo "mutants: the $tree tree is built and its tests pass ($SECONDS s)"
done

missed=0 count=0
while IFS=$'\t' read -r tree file find plant was runs; do
    count=$((count + 1))
    dir=$(tree_dir "$tree")
    if [ -n "$in_place" ]; then
        cp "$source/$file" "$work/planted.bytes" && echo "$file" >"$work/planted"
    fi
    python3 - "$copy/$file" "$find" "$plant" <<'EOF' || exit 1
import sys
path, find, plant = sys.argv[1], *(a.replace("\\n", "\n") for a in sys.argv[2:])
text = open(path, encoding="utf-8").read()
if text.count(find) != 1:
    sys.exit(f"mutants: {path} holds {text.count(find)} times, not once: {find}")
open(path, "w", encoding="utf-8").write(text.replace(find, plant))
EOF
    verdict="caught"
    if ! build "$dir" "$runs"; then
        verdict="DOES NOT BUILD (see $work/last-build.log)"
    else
        IFS='|' read -r -a tests <<<"$runs"
        for test in "${tests[@]}"; do
            status=0
            run_test "$dir" "${test%% *}" "${test#* }" </dev/null || status=$?
            [ $status = 1 ] || verdict="MISSED by $test"
        done
    fi
    if [ -n "$in_place" ]; then put_back; else cp "$source/$file" "$copy/$file"; fi
    [ "$verdict" = caught ] || missed=$((missed + 1))
    echo "$verdict: $file, as $was caught it (by $runs)"
done <<<"$entries"
echo "mutants: $count faults planted, $((count - missed)) caught, in $SECONDS s"
[ $missed = 0 ]
