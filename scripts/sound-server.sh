#!/usr/bin/env bash
# sound-server.sh COMMAND [ARGUMENT ...]: runs COMMAND with a private PulseAudio server of its own,
# for a machine without a sound card: one null output whose monitor is the default recording
# source, so that what plays is what is heard. The server lives in a fresh runtime folder, is
# stopped when COMMAND ends, and the script exits with COMMAND's status.
set -euo pipefail
command -v pulseaudio >/dev/null || { echo "sound-server.sh: pulseaudio is not installed" >&2; exit 1; }

runtime=$(mktemp -d "${TMPDIR:-/tmp}/velorin-pulse.XXXXXX")
server=
stop() {
    if [[ -n "$server" ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop EXIT

cat >"$runtime/default.pa" <<END
load-module module-native-protocol-unix auth-anonymous=1 socket=$runtime/native
load-module module-null-sink sink_name=velorin_output
set-default-sink velorin_output
set-default-source velorin_output.monitor
END
echo "autospawn = no" >"$runtime/client.conf"

HOME="$runtime" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime" \
    PULSE_RUNTIME_PATH="$runtime/run" PULSE_STATE_PATH="$runtime/state" \
    pulseaudio -n -F "$runtime/default.pa" --daemonize=no --use-pid-file=no --exit-idle-time=-1 \
    --realtime=no --high-priority=no --log-level=error &
server=$!

export PULSE_SERVER="unix:$runtime/native" PULSE_CLIENTCONFIG="$runtime/client.conf"
export PULSE_COOKIE="$runtime/pulse/cookie" SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-pulseaudio}"
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    kill -0 "$server" 2>/dev/null || { echo "sound-server.sh: pulseaudio did not start" >&2; exit 1; }
    sleep 0.1
done
status=0
"$@" || status=$?
exit "$status"
