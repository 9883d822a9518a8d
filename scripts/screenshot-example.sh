#!/usr/bin/env bash
# Opens the calculator on a private Xvfb display, enters the worked example with real
# keys and clicks (payouts 50/30/20, chips 50/30/20, Calculate ICM) and saves a PNG of
# the window: the README's picture.
# Usage: scripts/screenshot-example.sh [OUTPUT.png] [EXE]
set -euo pipefail
here="$(dirname "$0")"
source "$here/xvfb-session.sh"
source "$here/worked-example.sh"

out="${1:-$tv_root/docs/worked-example.png}"
exe="${2:-$tv_root/build/windows/app/tallyvane.exe}"
trap tv_cleanup EXIT

tv_start_xvfb
tv_start_program "$tv_root/build/windows/wineprefix-x11" "$exe"
id="$(tv_wait_window "ICM Calculator V2.0" 60)" || { echo "the dialog did not appear" >&2; exit 1; }
sleep 1 # let the first paint finish
tv_enter_worked_example "$id"
mkdir -p "$(dirname "$out")"
import -window "$id" "$out"
echo "saved $out"
