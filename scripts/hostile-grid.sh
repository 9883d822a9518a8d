#!/usr/bin/env bash
# The long run of the hostile-host grid test (CI runs a short one): 100,000 random
# steps by default, or as many as the first argument says; a second argument sets the
# seed. Needs the windows preset built (grid_hostile_tests).
# Usage: scripts/hostile-grid.sh [STEPS] [SEED]
set -euo pipefail
cd "$(dirname "$0")/.."
export GRID_HOSTILE_STEPS="${1:-100000}"
[[ -n "${2:-}" ]] && export GRID_HOSTILE_SEED="$2"
exec scripts/wine-run build/windows/tests/grid/grid_hostile_tests.exe \
    --gtest_filter='HostileHostTest.*'
