#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the record-opening fuzz target with clang and runs it for a bounded time over a copy
# of the seed records. Fails on any crash, leak, sanitizer report or input slower than 1 s.
# Installs nothing: scripts/install-deps.sh brings clang and its libFuzzer runtime.
# FUZZ_SECONDS sets how long to fuzz (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

seconds=${FUZZ_SECONDS:-60}
build=build-fuzz
# libFuzzer reads 0 as "no limit", so a CI run could never end.
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "FUZZ_SECONDS must be a whole number of seconds, at least 1" >&2; exit 2; }
command -v clang++ >/dev/null || { echo "clang++ is missing: run scripts/install-deps.sh" >&2; exit 1; }

# Every target is compiled for coverage and the sanitizers; only what the fuzz target links
# is built.
# A folder configured from elsewhere (the fuzz folder alone, once) cannot be reused.
grep -qs "^CMAKE_HOME_DIRECTORY:INTERNAL=$root\$" "$build/CMakeCache.txt" || rm -rf "$build"
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUORVANE_BUILD_FUZZ=ON -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $sanitizers" \
    -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" >/dev/null
cmake --build "$build" --target record_open_fuzz

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp tests/record/corpus/* tests/fuzz-corpus/* "$work/corpus/"
# Crashing inputs outlive the temporary folder so they can be replayed:
#   build-fuzz/fuzz/record_open_fuzz build-fuzz/artifacts/crash-...
artifacts="$root/$build/artifacts"
mkdir -p "$artifacts"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="halt_on_error=1:abort_on_error=1:print_stacktrace=1"
log="$work/fuzz.log"
status=0
started=$SECONDS
# A full 26 by 26 record is about 3.4 KB; 8 KB leaves room for noise around one.
"$build/fuzz/record_open_fuzz" "$work/corpus" \
    -dict=fuzz/record.dict -max_len=8192 -timeout=1 -rss_limit_mb=2048 \
    -detect_leaks=1 -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$artifacts/" >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
# Belt and braces: a report that somehow did not end the run still fails it.
if grep -qE 'ERROR: |runtime error:|SUMMARY: |invariant broken' "$log"; then
    [ "$status" -ne 0 ] || status=1
fi
if [ "$status" -ne 0 ]; then
    cp "$log" "$artifacts/fuzz.log"
    # From the first report on: the broken invariant or the sanitizer's finding, the input.
    first=$(grep -nE 'invariant broken|ERROR: |runtime error:' "$log" | head -1 | cut -d: -f1 || true)
    tail -n +"${first:-1}" "$log" | head -n 150 >&2
    echo "fuzz: FAILED (exit $status); the input and the full log are in $artifacts" >&2
else
    grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1 || true
fi
echo "fuzz: ${executions:-unknown} executions in $((SECONDS - started)) s"
exit "$status"
