#!/bin/sh
# The Wine prefix the Windows tests run in: wine-prefix.sh PREFIX start WINE64 [DPI] | PREFIX stop.
# "start" makes it once per build folder (the first start
# writes its registry and system folders; Mono and Gecko are left out, no test needs them) and keeps
# its server running for the whole test run; "stop" ends that server. DPI gives the prefix's screen
# that many dots per inch (Wine reads HKCU\Control Panel\Desktop\LogPixels as a program starts).
set -eu
prefix=$1
case $2 in
start)
    if [ ! -f "$prefix/system.reg" ]; then
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init
        wineserver --wait
    fi
    # The server and the services the first program starts are detached from ctest's output,
    # which would otherwise wait for them to close it.
    wineserver --persistent </dev/null >/dev/null 2>&1 &
    "$3" cmd /c exit </dev/null >/dev/null 2>&1
    # The tests' X server has no window manager: Wine then draws the frames itself, and hiding a
    # window does not wait two seconds for a manager's answer that never comes.
    if ! grep -q '"Managed"="N"' "$prefix/user.reg"; then
        "$3" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    fi
    if [ $# -ge 4 ]; then
        "$3" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$4" /f \
            </dev/null >/dev/null 2>&1
    fi
    ;;
stop)
    # A server that has ended already (a test that ran a program which ended it) is no failure.
    wineserver --kill 2>/dev/null || true
    ;;
esac
