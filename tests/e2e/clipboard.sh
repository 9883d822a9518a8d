#!/usr/bin/env bash
# The grid and the X clipboard, through the real program on a real (virtual) X display:
# a column of chip counts put on the clipboard by another X client is pasted with
# Ctrl+V, calculated and read off the screen; Ctrl+C then puts the whole table on the
# clipboard, where another X client reads it.
# Usage: clipboard.sh EXE PREFIX
set -uo pipefail
here="$(dirname "$0")"
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/worked-example.sh"

exe="$1"
prefix="$2"
xclip_pid=""
cleanup() {
    [[ -n "$xclip_pid" ]] && kill "$xclip_pid" 2>/dev/null
    tv_cleanup
}
trap cleanup EXIT

tv_start_xvfb || exit 1
tv_start_program "$prefix" "$exe"
if ! id="$(tv_wait_window "ICM Calculator V2.0" 90)"; then
    echo "FAIL: no window titled \"ICM Calculator V2.0\" appeared"
    exit 1
fi
xdotool windowfocus --sync "$id" 2>/dev/null || true

# The Chips heading, the first row and the button, read off the screen once the dialog
# has painted them (slow on a loaded machine).
shot="$(mktemp --suffix=.png)"
for _ in $(seq 1 20); do
    sleep 1
    import -window "$id" "$shot"
    words="$(tv_ocr_words "$shot")"
    chips="$(tv_word_centre "$words" '^Chips$')"
    calc="$(tv_word_centre "$words" '^Calculate$')"
    row1="$(awk -v h="${chips#* }" '$5 == "Player" && $2 + $4 / 2 > h + 5 {
        print int($2 + $4 / 2) }' <<<"$words" | sort -n | head -n 1)"
    [[ -n "$chips" && -n "$calc" && -n "$row1" ]] && break
done
if [[ -z "$chips" || -z "$calc" || -z "$row1" ]]; then
    echo "FAIL: could not find the Chips column, row 1 and the button on screen:"
    echo "$words"
    exit 1
fi

# The payouts typed into the focused first field; the chips come from the clipboard,
# served by xclip until the program takes the clipboard over with its own copy.
xdotool type --delay 60 "50"
xdotool key Tab
xdotool type --delay 60 "30"
xdotool key Tab
xdotool type --delay 60 "20"
printf '50\n30\n20' | xclip -quiet -selection clipboard -in >/dev/null 2>&1 &
xclip_pid=$!
sleep 0.5
xdotool mousemove --window "$id" "${chips% *}" "$row1" click 1
sleep 0.3
xdotool key ctrl+v
sleep 0.5
# shellcheck disable=SC2086
xdotool mousemove --window "$id" $calc click 1

failed=0
for _ in $(seq 1 10); do
    sleep 1
    import -window "$id" "$shot"
    text="$(tv_ocr_words "$shot" | cut -d' ' -f5-)"
    missing=()
    for amount in 383.928571 327.500000 288.571429; do
        grep -qxF "$amount" <<<"$text" || missing+=("$amount")
    done
    ((${#missing[@]} == 0)) && break
done
rm -f "$shot"
if ((${#missing[@]})); then
    echo "FAIL: not on the screen: ${missing[*]}; what the screen reads:"
    echo "$text"
    failed=1
else
    echo "found the three amounts"
fi

# Ctrl+C on the grid (a click gives it the focus back from the button). Wine hands the
# text to X clients with plain line feeds, as X text goes.
xdotool mousemove --window "$id" "${chips% *}" "$row1" click 1
sleep 0.3
xdotool key ctrl+c
expected="$(printf 'Player Name\tChips\tICM Equity $\n')"
for n in 1 2 3 4 5 6 7 8 9 10; do
    case $n in
        1) line="Player 1\t50\t383.928571" ;;
        2) line="Player 2\t30\t327.500000" ;;
        3) line="Player 3\t20\t288.571429" ;;
        *) line="Player $n\t\t0.000000" ;;
    esac
    expected+="$(printf '\n%b' "$line")"
done
copied=""
for _ in $(seq 1 20); do
    copied="$(timeout 5 xclip -selection clipboard -out 2>/dev/null)"
    [[ "$copied" == "$expected" ]] && break
    sleep 0.25
done
if [[ "$copied" == "$expected" ]]; then
    echo "the X clipboard holds the table"
else
    echo "FAIL: the X clipboard holds:"
    printf '%s\n' "$copied" | cat -A
    echo "expected:"
    printf '%s\n' "$expected" | cat -A
    failed=1
fi
((failed)) && exit 1
echo "1 passed, 0 failed"
