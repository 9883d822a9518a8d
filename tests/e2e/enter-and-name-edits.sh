#!/usr/bin/env bash
# Real keys on the real program: Enter in the pool field calculates (the worked example's
# amounts appear and the calculator stays open), and names edited with a click, F2, Enter
# and a click on their chips cell leave no trace of the focus colour at their left edge.
# Usage: enter-and-name-edits.sh EXE PREFIX
set -uo pipefail
here="$(dirname "$0")"
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/worked-example.sh"

exe="$1"
prefix="$2"
trap tv_cleanup EXIT
title="ICM Calculator V2.0"

tv_start_xvfb || exit 1
tv_start_program "$prefix" "$exe"
if ! id="$(tv_wait_window "$title" 90)"; then
    echo "FAIL: no window titled \"$title\" appeared"
    exit 1
fi
xdotool windowfocus --sync "$id" 2>/dev/null || true
sleep 1 # the first paint

tv_enter_worked_example "$id" noclick || exit 1
# The pool field shows its preset 1000.
pool="$(tv_word_centre "$tv_words" '^1000$')"
if [[ -z "$pool" ]]; then
    echo "could not find the pool's 1000 on screen:"
    echo "$tv_words"
    exit 1
fi
# shellcheck disable=SC2086
xdotool mousemove --window "$id" $pool click 1
xdotool key Return
sleep 2.5 # a calculator that Enter closed is gone by then

failed=0
if ! xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then
    echo "FAIL: Enter in the pool field closed the calculator"
    exit 1
fi
shot="$(mktemp --suffix=.png)"
import -window "$id" "$shot"
text="$(tv_ocr_words "$shot" | cut -d' ' -f5-)"
for amount in 383.928571 327.500000 288.571429; do
    if grep -qxF "$amount" <<<"$text"; then
        echo "found $amount after Enter in the pool field"
    else
        echo "FAIL: $amount is not on the screen after Enter in the pool field"
        failed=1
    fi
done

# The names "Player 1" to "Player 3": their words' left ends and the rows' centre lines.
mapfile -t nameX < <(awk -v h="${tv_chips#* }" '$5 == "Player" && $2 + $4 / 2 > h + 5 {
    print $2, $1 }' <<<"$tv_words" | sort -n | head -n 3 | cut -d' ' -f2)
chipsX="${tv_chips% *}"
# The focus colour, read off the first name while it is the focus cell: the most
# frequent colour of its word's box (the background, not the letters).
xdotool mousemove --window "$id" "$((nameX[0] + 10))" "${tv_rowsY[0]}" click 1
sleep 0.5
import -window "$id" "$shot"
focus="$(convert "$shot" -crop "20x6+$((nameX[0]))+$((tv_rowsY[0] - 3))" +repage \
    -format %c histogram:info:- | sort -rn | head -n 1 | grep -o '#[0-9A-F]\{6\}')"
for row in 0 1 2; do
    y="${tv_rowsY[$row]}"
    xdotool mousemove --window "$id" "$((nameX[row] + 10))" "$y" click 1
    sleep 0.3
    xdotool key F2
    sleep 0.3
    xdotool key Return
    sleep 0.3
    xdotool mousemove --window "$id" "$chipsX" "$y" click 1
    sleep 0.3
done
sleep 0.5
import -window "$id" "$shot"
# From a little left of the grid's border to the start of the names, over the three rows.
left=$((nameX[0] - 12))
top=$((tv_rowsY[0] - 12))
height=$((tv_rowsY[2] - tv_rowsY[0] + 24))
stray="$(convert "$shot" -crop "12x${height}+${left}+${top}" +repage -fill white +opaque "$focus" \
    -fill black -opaque "$focus" -format '%[fx:round(w*h*(1-mean))]' info:)"
rm -f "$shot"
if [[ -z "$focus" || "$focus" == "#FFFFFF" ]]; then
    echo "FAIL: could not read the focus colour (got \"$focus\")"
    failed=1
elif ((stray != 0)); then
    echo "FAIL: $stray pixels of the focus colour $focus at the names' left edge"
    failed=1
else
    echo "no focus colour $focus at the names' left edge after three name edits"
fi
((failed)) && exit 1
echo "1 passed, 0 failed"
