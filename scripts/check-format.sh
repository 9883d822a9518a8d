#!/usr/bin/env bash
# Fails when a C++ source of ours differs from what clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/tallyvane-format.log; then
    grep -E "^[^ ].*: (error|warning)" /tmp/tallyvane-format.log | sed 's/:[0-9]*:[0-9]*:.*//' | sort -u \
        | sed 's/^/not formatted: /' >&2
    echo "Run clang-format -i on the files above." >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files clean."
