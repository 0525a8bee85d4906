#!/usr/bin/env bash
# Builds the launcher and the programs around it, stages an installation folder (stage/) and starts
# it there. The registry store is stage/registry.db unless VELORIN_REGISTRY names another, so the
# staged programs never reach the user's own store.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display (DISPLAY and WAYLAND_DISPLAY are empty): run it on a virtual one with: xvfb-run -a -s '-screen 0 1024x768x24' ./scripts/run.sh" >&2
    exit 1
fi
"$root/scripts/deps.sh"

# What stage.sh lays out, and nothing else: no tests, no benchmarks.
targets=(velorin-launcher velorin_standin_velorin velorin_standin_exporter
    velorin_standin_avimaker velorin_standin_blendora blendora-setup velorin-disc)
cmake --preset default >/dev/null
cmake --build --preset default --target "${targets[@]}" -- -j2 >build/run.log 2>&1 ||
    { tail -n 40 build/run.log; exit 1; }

export VELORIN_REGISTRY="${VELORIN_REGISTRY:-$root/stage/registry.db}"
"$root/scripts/stage.sh" "$root/build/default" "$root/stage"

# Without a CD drive the audio test plays the staged demo image; without a sound card it runs on a
# private sound server whose recording source hears its output (VELORIN_AUDIO=loopback instead
# picks the in-process card).
has_drive() { compgen -G "/dev/sr*" >/dev/null || [[ -e /dev/cdrom ]]; }
has_sound_card() { compgen -G "/dev/snd/pcmC*c" >/dev/null && compgen -G "/dev/snd/pcmC*p" >/dev/null; }
if ! has_drive; then
    export VELORIN_CD="${VELORIN_CD:-$root/stage/VirtualCD.cue}"
    echo "No CD drive here: the audio test plays the CD image $VELORIN_CD."
fi
if ! has_sound_card && [[ "${VELORIN_AUDIO:-sdl}" == sdl ]]; then
    echo "No sound card here: the launcher runs on a private PulseAudio server that hears its own output."
    exec "$root/scripts/sound-server.sh" "$root/stage/velorin-launcher"
fi
exec "$root/stage/velorin-launcher"
