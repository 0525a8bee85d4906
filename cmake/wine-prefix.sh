#!/bin/sh
# The Wine prefix the Windows tests run in: "start" makes it once per build folder (the first start
# writes its registry and system folders; Mono and Gecko are left out, no test needs them) and keeps
# its server running for the whole test run; "stop" ends that server.
set -eu
prefix=$1
case $2 in
start)
    if [ ! -f "$prefix/system.reg" ]; then
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
        wineserver --wait
    fi
    # Detached from ctest's output, which would otherwise wait for the server to close it.
    wineserver --persistent </dev/null >/dev/null 2>&1 &
    ;;
stop)
    wineserver --kill
    ;;
esac
