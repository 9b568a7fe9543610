#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Shows that the tests bite: plants each fault listed in scripts/mutants.txt, one at a time,
# in a scratch copy of the committed project (a git worktree in a temporary folder with its
# own build), and runs the suite against it. A fault is caught when a test fails: first the
# suite without the end-to-end, screen-reader and packaging tests, then, only if that passed,
# the end-to-end and screen-reader tests. A test that fails on the unchanged copy already is left out and named. Prints a
# table; exits 1 when any fault survives or cannot be planted.
# Usage: scripts/mutants.sh [ID...]   (default: every fault in the list)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/scripts/mutants.txt"
scratch=$(mktemp -d)
src="$scratch/src"
trap 'git -C "$root" worktree remove --force "$src" >/dev/null 2>&1; rm -rf "$scratch"' EXIT

git -C "$root" worktree add --detach "$src" HEAD >/dev/null 2>&1 || { echo "cannot make a scratch worktree" >&2; exit 2; }
cd "$src" || exit 2
cmake --preset default -DQUORVANE_BUILD_BENCH=OFF >/dev/null || exit 2
cmake --build build -j"$(nproc)" >/dev/null || { echo "the unchanged project does not build" >&2; exit 2; }
jobs=$(nproc)
# Tests that fail without any planted fault say nothing about one.
ctest --test-dir build -LE packaging -j"$jobs" >/dev/null 2>&1
broken=$(cut -d: -f2 build/Testing/Temporary/LastTestsFailed.log 2>/dev/null | paste -sd'|')
skip=(); [ -n "$broken" ] && skip=(-E "^($broken)\$") && echo "left out, failing unchanged: $broken"

printf '%-24s %-10s %5s  %s\n' "fault" "result" "secs" "description"
failed=0
while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    id=${line%% | *}; rest=${line#* | }
    file=${rest%% | *}; rest=${rest#* | }
    sub=${rest%% | *}; what=${rest#* | }
    [ $# -gt 0 ] && [[ " $* " != *" $id "* ]] && continue
    started=$SECONDS
    # The substitution must match exactly once, so a fault never lands somewhere unmeant.
    if ! perl -0777 -i -pe "\$n += ${sub}g; END { exit(\$n == 1 ? 0 : 3) }" "$file"; then
        result="NO-MATCH"
    elif ! cmake --build build -j"$jobs" >"$scratch/build.log" 2>&1; then
        result="NO-BUILD"
    elif ! ctest --test-dir build -LE 'e2e|a11y|packaging' "${skip[@]}" -j"$jobs" --stop-on-failure >"$scratch/test.log" 2>&1; then
        result="caught"
    elif ! ctest --test-dir build -L 'e2e|a11y' "${skip[@]}" -j"$jobs" --stop-on-failure >"$scratch/test.log" 2>&1; then
        result="caught-e2e"
    else
        result="SURVIVED"
    fi
    [[ "$result" == caught* ]] || failed=1
    git checkout -q -- "$file"
    printf '%-24s %-10s %5d  %s\n' "$id" "$result" $((SECONDS - started)) "$what"
done <"$list"
exit "$failed"
