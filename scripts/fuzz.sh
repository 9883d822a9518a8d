#!/usr/bin/env bash
# Fuzzes the command line: builds fuzz/cli_fuzz with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build/fuzz and runs it from the seed corpus in fuzz/corpus.
#   scripts/fuzz.sh                a fixed number of runs from a fixed seed (the test command)
#   scripts/fuzz.sh --long [SECS]  a timed run (default 600 s) that keeps what it finds new
#                                  in build/fuzz/corpus for the next long run
# A failing input is saved under build/fuzz/artifacts/; replay it with
# build/fuzz/fuzz/cli_fuzz FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=30000
seconds=
if [[ ${1:-} == --long ]]; then
    seconds=${2:-600}
elif [[ $# -gt 0 ]]; then
    echo "usage: scripts/fuzz.sh [--long [SECONDS]]" >&2
    exit 2
fi

if ! command -v clang++ >/dev/null; then
    echo "fuzz: clang++ not found, skipped (scripts/install-deps.sh installs it)"
    exit 0
fi

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DTALLYVANE_FUZZ=ON >/dev/null
cmake --build build/fuzz --target cli_fuzz

mkdir -p build/fuzz/artifacts
options=(-dict=fuzz/cli.dict -max_len=256 -timeout=10 -rss_limit_mb=4096
    -artifact_prefix=build/fuzz/artifacts/ -print_final_stats=1)
if [[ -n $seconds ]]; then
    mkdir -p build/fuzz/corpus
    corpus=build/fuzz/corpus
    options+=(-max_total_time="$seconds")
else
    # A fresh scratch corpus each time, so the same runs give the same result.
    corpus=$(mktemp -d)
    trap 'rm -rf "$corpus"' EXIT
    options+=(-seed=1 -runs="$runs")
fi

log=build/fuzz/cli_fuzz.log
echo "=== fuzz: cli_fuzz ${seconds:+for $seconds s}${seconds:-$runs runs}"
if build/fuzz/fuzz/cli_fuzz "${options[@]}" "$corpus" fuzz/corpus >"$log" 2>&1; then
    grep -E "^stat::number_of_executed_units|^Done" "$log" | sed 's/^/fuzz: /'
    echo "fuzz: passed (log: $log)"
else
    tail -n 40 "$log" >&2
    echo "fuzz: FAILED (log: $log; failing input under build/fuzz/artifacts/)" >&2
    exit 1
fi
