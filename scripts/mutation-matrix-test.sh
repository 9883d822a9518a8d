#!/usr/bin/env bash
# A test command for mutants.py that records a kill matrix: runs the CTest entries matching
# REGEX without stopping at the first failure, then appends the mutant's diff, every failing
# test case and every failing entry to LOG (read it with scripts/mutation-matrix.py).
# Usage: scripts/mutation-matrix-test.sh LOG BUILD_DIR REGEX
log="$1"
build="$2"
regex="$3"
out="$(mktemp)"
ctest --test-dir "$build" -R "$regex" -j2 --output-on-failure >"$out" 2>&1
status=$?
{
    echo "=== MUTANT rc=$status"
    git diff -U0 | grep -E '^(\+\+\+|@@|[-+][^-+])'
    echo "--- failed:"
    grep -E '^\[  FAILED  \] [A-Za-z_0-9/.]+' "$out" | grep -v 'listed below' |
        sed -E 's/ \([0-9]+ ms\).*//; s/, where .*//' | sort -u
    grep -E '^ *[0-9]+/[0-9]+ Test +#[0-9]+: [a-z_0-9]+ .*(Failed|Timeout|Exception|Not Run)' "$out" |
        sed -E 's/.*Test +#[0-9]+: ([a-z_0-9]+).*/ENTRY \1/'
} >>"$log"
rm -f "$out"
exit $status
