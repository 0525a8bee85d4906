#!/bin/sh
# The Wine prefix the Windows tests run in: wine-prefix.sh PREFIX start WINE64 | PREFIX stop.
# "start" makes it once per build folder (the first start
# writes its registry and system folders; Mono and Gecko are left out, no test needs them) and keeps
# its server running for the whole test run; "stop" ends that server.
# Windows need an X display: "start" also starts an Xvfb of the run's own, its display number and
# process id in PREFIX-x11/, and the server and its desktop use it; "stop" ends it by that id.
set -eu
prefix=$1
x11=$prefix-x11

stop_display() {
    if [ -f "$x11/pid" ]; then
        pid=$(cat "$x11/pid")
        if grep -q Xvfb "/proc/$pid/cmdline" 2>/dev/null; then
            kill "$pid"
        fi
        rm -f "$x11/pid" "$x11/display"
    fi
}

start_display() {
    mkdir -p "$x11"
    stop_display
    # -displayfd: the server picks a free display and writes its number once it takes clients.
    Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$x11/display" \
        </dev/null >"$x11/log" 2>&1 &
    echo $! >"$x11/pid"
    tries=0
    until [ -s "$x11/display" ]; do
        tries=$((tries + 1))
        if [ $tries -gt 100 ]; then
            echo "Xvfb did not start: $(cat "$x11/log")" >&2
            exit 1
        fi
        sleep 0.1
    done
    DISPLAY=:$(cat "$x11/display")
    export DISPLAY
}

case $2 in
start)
    start_display
    if [ ! -f "$prefix/system.reg" ]; then
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
        wineserver --wait
    fi
    # The server and the services the first program starts are detached from ctest's output,
    # which would otherwise wait for them to close it. That first program tells the display
    # driver to draw the windows' frames itself: with no window manager on the display, a
    # window-manager-managed window waits two seconds for an answer each time it is hidden.
    wineserver --persistent </dev/null >/dev/null 2>&1 &
    "$3" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    ;;
stop)
    wineserver --kill || true
    stop_display
    ;;
esac
