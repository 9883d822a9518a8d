#!/usr/bin/env bash
# Builds the calculator and opens it (under Wine on Linux, on the current X display).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target tallyvane

exe=build/windows/app/tallyvane.exe
if [[ -z "${DISPLAY:-}" ]]; then
    echo "No X display (DISPLAY is empty); start one or run: xvfb-run $0" >&2
    exit 1
fi
TALLYVANE_WINE_GRAPHICS=x11 exec scripts/wine-run --prefix="$PWD/build/windows/wineprefix-x11" "$exe"
