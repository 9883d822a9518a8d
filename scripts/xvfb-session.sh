# Shared by the end-to-end test and the screenshot script (sourced, not run):
# a private Xvfb display and a Wine prefix that uses the X11 driver on it.

tv_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
tv_xvfb_pid=""
tv_prefix=""

# Starts Xvfb on a free display and exports DISPLAY. Xvfb picks the display itself
# (-displayfd), so that sessions started at the same moment (other work trees, other
# test runs) cannot end up on one display and see each other's windows.
tv_start_xvfb() {
    local numberFile n
    numberFile="$(mktemp)"
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$numberFile" >/dev/null 2>&1 &
    tv_xvfb_pid=$!
    for _ in $(seq 1 100); do
        n="$(head -n 1 "$numberFile")"
        if [[ -n "$n" ]]; then
            rm -f "$numberFile"
            export DISPLAY=":$n"
            xdpyinfo >/dev/null 2>&1 && return 0
            break
        fi
        kill -0 "$tv_xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numberFile"
    echo "could not start Xvfb" >&2
    return 1
}

# Runs a Windows program in the X11 prefix in the background; sets tv_app_pid.
tv_start_program() {
    tv_prefix="$1"
    shift
    TALLYVANE_WINE_GRAPHICS=x11 "$tv_root/scripts/wine-run" --prefix="$tv_prefix" "$@" &
    tv_app_pid=$!
}

# Waits for a top-level window with this exact title; prints its X id.
tv_wait_window() {
    local title="$1" seconds="$2" id
    for _ in $(seq 1 $((seconds * 10))); do
        id="$(xdotool search --name "^${title}\$" 2>/dev/null | head -n 1)"
        if [[ -n "$id" ]]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits for a process to end; returns its exit status, or 124 after the time limit.
tv_wait_exit() {
    local pid="$1" seconds="$2"
    for _ in $(seq 1 $((seconds * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    return 124
}

tv_cleanup() {
    [[ -n "$tv_prefix" ]] && WINEPREFIX="$tv_prefix" wineserver -k >/dev/null 2>&1
    [[ -n "$tv_xvfb_pid" ]] && kill "$tv_xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    return 0
}
