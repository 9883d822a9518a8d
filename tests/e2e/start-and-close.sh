#!/usr/bin/env bash
# The real program on a real (virtual) X display: the dialog appears, Esc closes it
# and the process ends with status 0 within a bounded time.
# Usage: start-and-close.sh EXE PREFIX
set -uo pipefail
source "$(dirname "$0")/../../scripts/xvfb-session.sh"

exe="$1"
prefix="$2"
trap tv_cleanup EXIT

tv_start_xvfb || exit 1
tv_start_program "$prefix" "$exe"

if ! id="$(tv_wait_window "ICM Calculator V2.0" 60)"; then
    echo "FAIL: no window titled \"ICM Calculator V2.0\" appeared"
    exit 1
fi
echo "window $id appeared"

xdotool windowfocus --sync "$id" 2>/dev/null || true
sleep 0.5
xdotool key Escape

tv_wait_exit "$tv_app_pid" 30
status=$?
if ((status == 124)); then
    echo "FAIL: the program did not end within 30 s after Esc"
    exit 1
fi
if ((status != 0)); then
    echo "FAIL: the program ended with status $status"
    exit 1
fi
echo "1 passed, 0 failed"
