#!/usr/bin/env bash
# Opens the calculator on a private Xvfb display and saves a PNG of its window.
# Usage: scripts/screenshot.sh [OUTPUT.png] [EXE]
set -euo pipefail
source "$(dirname "$0")/xvfb-session.sh"

out="${1:-$tv_root/build/tallyvane.png}"
exe="${2:-$tv_root/build/windows/app/tallyvane.exe}"
trap tv_cleanup EXIT

tv_start_xvfb
tv_start_program "$tv_root/build/windows/wineprefix-x11" "$exe"
id="$(tv_wait_window "ICM Calculator V2.0" 60)" || { echo "the dialog did not appear" >&2; exit 1; }
sleep 1 # let the first paint finish
import -window "$id" "$out"
echo "saved $out"
