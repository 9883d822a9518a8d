#!/usr/bin/env bash
# The real program on a real (virtual) X display, used as a person would: the payouts
# typed into their fields, chip counts typed into the grid's cells, "Calculate ICM"
# clicked, and the three amounts read off the screen.
# Usage: type-worked-example.sh EXE PREFIX
set -uo pipefail
here="$(dirname "$0")"
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/worked-example.sh"

exe="$1"
prefix="$2"
trap tv_cleanup EXIT

tv_start_xvfb || exit 1
tv_start_program "$prefix" "$exe"
if ! id="$(tv_wait_window "ICM Calculator V2.0" 90)"; then
    echo "FAIL: no window titled \"ICM Calculator V2.0\" appeared"
    exit 1
fi
xdotool windowfocus --sync "$id" 2>/dev/null || true
sleep 1 # the first paint

tv_enter_worked_example "$id" || exit 1

shot="$(mktemp --suffix=.png)"
import -window "$id" "$shot"
text="$(tv_ocr_words "$shot" | cut -d' ' -f5-)"
rm -f "$shot"
failed=0
for amount in 383.928571 327.500000 288.571429; do
    if grep -qxF "$amount" <<<"$text"; then
        echo "found $amount"
    else
        echo "FAIL: $amount is not on the screen"
        failed=1
    fi
done
if ((failed)); then
    echo "what the screen reads:"
    echo "$text"
    exit 1
fi
echo "1 passed, 0 failed"
