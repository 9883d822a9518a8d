#!/usr/bin/env bash
# The packages as a user gets them, under Wine in a fresh prefix of their own on a
# private X display: the installer runs silently, puts its files, shortcut and
# Add/Remove Programs entry in place, the installed calculator opens and closes with
# Esc, and the silent uninstaller leaves nothing behind; the portable zip unpacks to
# the two programs and the README, and its tallyvane-icm tells the package's version.
# Usage: test-packages.sh [PACKAGES_DIR]   (default build/windows/packages)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../../scripts/xvfb-session.sh"

dir="${1:-$tv_root/build/windows/packages}"
zip="$(ls "$dir"/tallyvane-*-win64.zip 2>/dev/null | head -n 1)"
setup="$(ls "$dir"/tallyvane-*-setup.exe 2>/dev/null | head -n 1)"
if [[ -z "$zip" || -z "$setup" ]]; then
    echo "FAIL: no packages in $dir (scripts/package.sh makes them)"
    exit 1
fi
version="${setup##*/tallyvane-}"
version="${version%-setup.exe}"

work="$(mktemp -d "${TMPDIR:-/tmp}/tallyvane-packages.XXXXXX")"
prefix="$work/prefix"
tv_prefix="$prefix" # for tv_cleanup
cleanup() {
    tv_cleanup
    rm -rf "$work"
}
trap cleanup EXIT
# No menu entries or file associations for the host's desktop from this prefix.
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
export TALLYVANE_WINE_GRAPHICS=x11
wine() { "$tv_root/scripts/wine-run" --prefix="$prefix" "$@"; }
settle() { WINEPREFIX="$prefix" wineserver -w; }

failed=0
fail() {
    echo "FAIL: $*"
    failed=1
}
SECONDS=0
elapsed() { echo "${SECONDS} s"; }

tv_start_xvfb || exit 1
wine --prepare
echo "prefix made ($(elapsed))"
drive="$prefix/drive_c"
snapshot() { (cd "$drive" && find . -path '*/Temp' -prune -o -print | sort); }
before="$(snapshot)"

# Install.
wine "$setup" /S || fail "the installer ended with status $?"
echo "installed ($(elapsed))"
installed="$drive/Program Files/Tallyvane"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Tallyvane.lnk"
files="$(cd "$installed" 2>/dev/null && ls -1 | tr '\n' ' ')"
[[ "$files" == "README.md tallyvane-icm.exe tallyvane.exe uninstall.exe " ]] ||
    fail "installed files: \"$files\""
[[ -f "$shortcut" ]] && grep -qa "tallyvane.exe" "$shortcut" ||
    fail "no Start-menu shortcut to tallyvane.exe"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tallyvane'
entry="$(wine reg query "$key" | tr -d '\r')"
for expected in "DisplayName REG_SZ Tallyvane" "DisplayVersion REG_SZ $version" \
    "Publisher REG_SZ Quillmarsh" 'DisplayIcon REG_SZ C:\Program Files\Tallyvane\tallyvane.exe,0' \
    'UninstallString REG_SZ "C:\Program Files\Tallyvane\uninstall.exe"'; do
    grep -qxF "$expected" <<<"$(sed 's/^ *//; s/  */ /g' <<<"$entry")" ||
        fail "the uninstall entry lacks \"$expected\""
done
size_kb=$(($(awk '$1 == "EstimatedSize" { print $3 }' <<<"$entry")))
actual_kb=$(($(du -sb --apparent-size "$installed" | cut -f1) / 1024))
((size_kb > 0 && size_kb >= actual_kb - 4 && size_kb <= actual_kb + 4)) ||
    fail "estimated size $size_kb KB, installed $actual_kb KB"

# The installed calculator opens, and Esc closes it.
tv_start_program "$prefix" 'C:\Program Files\Tallyvane\tallyvane.exe'
if id="$(tv_wait_window "ICM Calculator V2.0" 60)"; then
    xdotool windowfocus --sync "$id" 2>/dev/null || true
    sleep 0.5
    xdotool key Escape
    tv_wait_exit "$tv_app_pid" 30
    status=$?
    ((status == 0)) || fail "the installed calculator ended with status $status"
else
    fail "the installed calculator showed no window"
fi
echo "ran the installed calculator ($(elapsed))"

# Uninstall. The uninstaller runs from a copy in the temporary folder, so that it can
# delete itself: wait for that copy as well.
wine 'C:\Program Files\Tallyvane\uninstall.exe' /S || fail "the uninstaller ended with status $?"
settle
echo "uninstalled ($(elapsed))"
left="$(diff <(echo "$before") <(snapshot) | grep '^>')"
[[ -z "$left" ]] || fail "left behind in drive_c: $left"
if wine reg query "$key" >/dev/null 2>&1; then
    fail "the uninstall entry is still there"
fi

# The portable zip.
(cd "$work" && unzip -q "$zip") || fail "the zip does not unpack"
unpacked="$(cd "$work/tallyvane-$version" 2>/dev/null && ls -1 | tr '\n' ' ')"
[[ "$unpacked" == "README.md tallyvane-icm.exe tallyvane.exe " ]] ||
    fail "the zip holds: \"$unpacked\""
said="$(wine "$work/tallyvane-$version/tallyvane-icm.exe" --version | tr -d '\r')"
[[ "$said" == "tallyvane-icm $version" ]] || fail "tallyvane-icm --version says \"$said\""
echo "checked the zip ($(elapsed))"

printf '%s: %d bytes\n' "${setup##*/}" "$(stat -c %s "$setup")" "${zip##*/}" "$(stat -c %s "$zip")"
((failed)) && exit 1
echo "1 passed, 0 failed"
