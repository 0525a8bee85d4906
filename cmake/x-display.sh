#!/bin/sh
# A private X display for the Windows tests whose windows Wine puts on an X server:
#   x-display.sh FOLDER start   starts an Xvfb on a free display, waits until it is ready
#   x-display.sh FOLDER stop    ends that Xvfb by its process id
#   x-display.sh FOLDER run PROGRAM [ARGUMENT ...]   runs the program on that display
set -eu
folder=$1
case $2 in
start)
    mkdir -p "$folder"
    rm -f "$folder/display"
    # Xvfb writes the display number once it accepts clients; -noreset, as a server that resets
    # when its last client leaves refuses the next one for that moment.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$folder/display" </dev/null \
        >"$folder/xvfb.log" 2>&1 &
    echo $! >"$folder/pid"
    tries=0
    until [ -s "$folder/display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ] || ! kill -0 "$(cat "$folder/pid")" 2>/dev/null; then
            echo "Xvfb did not start: $(cat "$folder/xvfb.log")" >&2
            exit 1
        fi
        sleep 0.1
    done
    ;;
stop)
    if [ -f "$folder/pid" ]; then
        kill "$(cat "$folder/pid")" 2>/dev/null || true
        rm -f "$folder/pid" "$folder/display"
    fi
    ;;
run)
    shift 2
    DISPLAY=:$(cat "$folder/display")
    export DISPLAY
    exec "$@"
    ;;
esac
