#!/usr/bin/env bash
# Builds both presets and runs every test: native engine and CLI tests (with a
# sanitizer build), a short fuzzing of the command line, the Windows tests under Wine,
# and the Windows packages built, installed, run and uninstalled under Wine.
# Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

status=0
scripts/check-format.sh || status=1

for preset in native windows; do
    echo "=== $preset: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    echo "=== $preset: test"
    ctest --preset "$preset" || status=1
    if [[ $preset == native ]]; then
        scripts/fuzz.sh || status=1
    else
        echo "=== windows: packages, installed and uninstalled under Wine"
        { scripts/package.sh && tests/packaging/test-packages.sh; } || status=1
    fi
done

if ((status == 0)); then
    echo "All tests passed."
else
    echo "Some tests FAILED." >&2
fi
exit "$status"
