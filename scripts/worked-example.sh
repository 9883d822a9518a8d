# The worked example entered the way a user does, with real X input and reading the
# screen back by OCR; shared by the end-to-end test and the README screenshot
# (sourced after xvfb-session.sh, not run).

# Prints one line "x y width height text" per word that tesseract reads in a PNG of
# the window, in the window's own pixels. The picture is enlarged three times first:
# the dialog's small type reads far more reliably so. Coloured pixels turn white before:
# the coloured frame of the default button hides its caption from tesseract, and the
# texts read here are all black or grey.
tv_ocr_words() {
    local image="$1" big
    big="$(mktemp --suffix=.png)"
    convert "$image" \( +clone -colorspace HSL -channel G -separate +channel -threshold 35% \) \
        -compose Lighten -composite -resize 300% "$big"
    tesseract "$big" - --psm 11 tsv 2>/dev/null |
        awk -F'\t' 'NR > 1 && $12 != "" && $11 >= 0 {
            printf "%d %d %d %d %s\n", $7 / 3, $8 / 3, $9 / 3, $10 / 3, $12 }'
    rm -f "$big"
}

# Centre "x y" of the first word matching the extended regex, from tv_ocr_words output.
tv_word_centre() {
    local words="$1" pattern="$2"
    awk -v p="$pattern" '$5 ~ p { print int($1 + $3 / 2), int($2 + $4 / 2); exit }' <<<"$words"
}

# Payouts 50, 30, 20 (typed into the focused first payout field, Tab between them);
# chips 50, 30 and 20 typed into the "Chips" cells of rows 1 to 3, each clicked first
# and ended with Enter; then a click on "Calculate ICM", unless $2 is "noclick".
# Window id $1. Leaves the words read before typing in tv_words, the centre "x y" of
# the "Chips" heading in tv_chips and the rows' centre lines in tv_rowsY.
tv_enter_worked_example() {
    local id="$1" shot words chips chipsX chipsY calc row y
    shot="$(mktemp --suffix=.png)"
    import -window "$id" "$shot"
    words="$(tv_ocr_words "$shot")"
    rm -f "$shot"
    tv_words="$words"

    chips="$(tv_word_centre "$words" '^Chips$')"
    chipsX="${chips% *}"
    chipsY="${chips#* }"
    calc="$(tv_word_centre "$words" '^Calculate$')"
    # The rows' "Player N" labels below the header, top to bottom: their heights are
    # the rows'.
    mapfile -t rowsY < <(awk -v h="${chipsY:-0}" '$5 == "Player" && $2 + $4 / 2 > h + 5 {
        print int($2 + $4 / 2) }' <<<"$words" | sort -n)
    if [[ -z "$chips" || -z "$calc" || ${#rowsY[@]} -lt 3 ]]; then
        echo "could not find the Chips column, three rows and the button on screen:" >&2
        echo "$words" >&2
        return 1
    fi

    tv_chips="$chips"
    tv_rowsY=("${rowsY[@]}")

    xdotool type --delay 60 "50"
    xdotool key Tab
    xdotool type --delay 60 "30"
    xdotool key Tab
    xdotool type --delay 60 "20"
    for row in 0 1 2; do
        y="${rowsY[$row]}"
        xdotool mousemove --window "$id" "$chipsX" "$y" click 1
        sleep 0.3
        xdotool type --delay 60 "$(( (row == 0) ? 50 : (row == 1) ? 30 : 20 ))"
        xdotool key Return
        sleep 0.3
    done
    [[ "${2:-}" == noclick ]] && return 0
    # shellcheck disable=SC2086
    xdotool mousemove --window "$id" $calc click 1
    sleep 1
}
