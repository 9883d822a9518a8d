#!/usr/bin/env bash
# On demand, not part of the test run: the engine against its plain loop nest, bit for bit,
# on a million random tables (a few minutes).
#   scripts/icm-tables.sh [TABLES [SEED]]      defaults: 1000000 tables, seed 7919
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build build/native --target icm_tests
TALLYVANE_ICM_TABLES="${1:-1000000}" TALLYVANE_ICM_SEED="${2:-7919}" \
    build/native/tests/icm/icm_tests --gtest_filter='IcmLoopNest.RandomTables*'
