#!/usr/bin/env bash
# installed-smoke.sh first-run|mixing-room: tries the installed launcher (bin/velorin-launcher on
# the PATH) on a private Xvfb, as a user would, with the store in $XDG_DATA_HOME.
#   first-run: the launcher screen comes up and the user's store is created under $XDG_DATA_HOME.
#   mixing-room: the Mixing Room button starts the demonstration mixing tool from its installed
#     folder, which the store learned from the package's registry defaults.
# Needs xvfb and xdotool. Exit status 0 when the check passed.
set -euo pipefail
phase=$1
: "${XDG_DATA_HOME:?must name the data folder of the user}"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# waits for COMMAND... to succeed, polling, for at most 60 seconds.
wait_for() {
    local tries=300
    until "$@" >/dev/null 2>&1; do
        ((--tries > 0)) || return 1
        sleep 0.2
    done
}

Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=:97
wait_for xdotool getmouselocation || { echo "Xvfb did not start"; exit 1; }

export VELORIN_CPU_SSE=0 VELORIN_STANDIN_LOG="$work/starts.log"
export VELORIN_STANDIN_SCRIPT="$work/script.txt"
printf 'Blendora nothing\nBlendora nothing\nBlendora nothing\n' >"$VELORIN_STANDIN_SCRIPT"
velorin-launcher >"$work/launcher.log" 2>&1 &
pids+=($!)
launcher=$!

screen_id() { xdotool search --onlyvisible --name '^Velorin Launcher$' | head -n 1 | grep .; }
if ! wait_for screen_id; then
    echo "FAIL: no launcher screen"; cat "$work/launcher.log"; exit 1
fi
echo "launcher screen shown"
store="$XDG_DATA_HOME/velorin/registry.db"

case "$phase" in
first-run)
    wait_for test -s "$store" || { echo "FAIL: no store at $store"; exit 1; }
    echo "store created: $store"
    ;;
mixing-room)
    eval "$(xdotool getwindowgeometry --shell "$(screen_id)")"
    started() { grep -q '^Blendora Studio VL' "$VELORIN_STANDIN_LOG"; }
    # The screen takes clicks once its entrance animation is over; until then a click is lost.
    for _ in 1 2 3 4 5; do
        xdotool mousemove $((X + 330)) $((Y + 185)) click 1
        tries=15
        until started 2>/dev/null || ((--tries == 0)); do sleep 0.2; done
        started 2>/dev/null && break
    done
    if ! started 2>/dev/null; then
        echo "FAIL: Mixing Room started no mixing tool"; cat "$work/launcher.log"; exit 1
    fi
    tab=$'\t'
    line=$(grep -m1 '^Blendora Studio VL' "$VELORIN_STANDIN_LOG")
    echo "Mixing Room started: ${line//$tab/ | }"
    installed="$(dirname "$(dirname "$(command -v velorin-launcher)")")/lib/velorin/Blendora"
    [[ "$line" == "Blendora Studio VL$tab$installed"* ]] ||
        { echo "FAIL: not the installed mixing tool in $installed"; exit 1; }
    ;;
*)
    echo "usage: installed-smoke.sh first-run|mixing-room" >&2; exit 2 ;;
esac
kill -TERM "$launcher"
echo "PASS: $phase"
