#!/usr/bin/env bash
# Builds both presets and runs every test: native engine and CLI tests (the engine also
# sanitized, on its portable arithmetic), a short fuzzing of the command line, and the Windows
# tests under Wine, and the Windows packages built, installed, run and uninstalled under Wine.
# Exits non-zero on any failure.
#
# On two cores the steps overlap where one of them leaves a core idle: the Wine prefixes are
# made and the native tests and fuzzing run while the Windows tests build, and what no test
# runs (benchmarks, the Windows command-line tool) builds at low priority beside the Windows
# tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

status=0
scripts/check-format.sh || status=1

logs=build/test-logs
mkdir -p "$logs"
# Seconds since the start on every step's heading, to see where a run's time goes.
step() { echo "=== [${SECONDS}s] $*"; }
for preset in native windows; do
    cmake --preset "$preset" >/dev/null
done

# Each background step writes to a log of its own, shown in full when it has ended.
pids=()
names=()
background() {
    local name=$1
    shift
    "$@" >"$logs/$name.log" 2>&1 &
    pids+=($!)
    names+=("$name")
}
finish() {
    for i in "${!pids[@]}"; do
        if ! wait "${pids[$i]}"; then
            status=1
            echo "=== ${names[$i]}: FAILED" >&2
        fi
        step "${names[$i]} (ended before this)"
        cat "$logs/${names[$i]}.log"
    done
    pids=()
    names=()
}
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT

native_tests() {
    local failed=0
    ctest --preset native || failed=1
    scripts/fuzz.sh || failed=1
    return "$failed"
}
wine_prefixes() {
    scripts/wine-run --prefix="$PWD/build/windows/wineprefix" --prepare
    TALLYVANE_WINE_GRAPHICS=x11 scripts/wine-run --prefix="$PWD/build/windows/wineprefix-x11" \
        --prepare
}
the_rest() {
    nice -n 19 cmake --build --preset native
    nice -n 19 cmake --build --preset windows
}

background wine_prefixes wine_prefixes
step "native: build"
cmake --build --preset native --target tallyvane_tests
background native_tests native_tests
step "windows: build"
cmake --build --preset windows --target tallyvane_tests
finish

background the_rest the_rest
step "windows: test"
ctest --preset windows || status=1
finish

step "windows: packages, installed and uninstalled under Wine"
{ scripts/package.sh && tests/packaging/test-packages.sh; } || status=1

step "done"
if ((status == 0)); then
    echo "All tests passed."
else
    echo "Some tests FAILED." >&2
fi
exit "$status"
