#!/bin/sh
# wine-display.sh X11FOLDER WINE64 PROGRAM [ARGUMENT ...]: runs a Windows program under Wine on
# the X display that the prefix's fixture started (cmake/wine-prefix.sh), for tests with windows.
set -eu
folder=$1
shift
DISPLAY=:$(cat "$folder/display")
export DISPLAY
exec "$@"
