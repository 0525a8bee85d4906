#!/usr/bin/env bash
# Builds the launcher, stages an installation folder (stage/) and starts it there. The registry
# store is the default one unless VELORIN_REGISTRY names another.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"

cmake --preset default >/dev/null
cmake --build --preset default -- -j2 >build/run.log 2>&1 || { tail -n 40 build/run.log; exit 1; }

"$root/scripts/stage.sh" "$root/build/default" "$root/stage"

if [[ -z "${DISPLAY:-}" ]]; then
    echo "No display (DISPLAY is empty): run it on a virtual one with: xvfb-run -a -s '-screen 0 1024x768x24' ./scripts/run.sh"
    exit 0
fi
# Without a CD drive or a sound card the audio test runs on the staged virtual disc, heard through
# the loopback sound card, so that it can pass here too.
has_drive() { compgen -G "/dev/sr*" >/dev/null || [[ -e /dev/cdrom ]]; }
has_sound_card() { compgen -G "/dev/snd/pcmC*c" >/dev/null && compgen -G "/dev/snd/pcmC*p" >/dev/null; }
if ! has_drive || ! has_sound_card; then
    export VELORIN_CD="${VELORIN_CD:-$root/stage/VirtualCD}" VELORIN_AUDIO="${VELORIN_AUDIO:-loopback}"
    echo "No CD drive or no sound card here: the audio test plays the virtual disc $VELORIN_CD into the $VELORIN_AUDIO sound card."
fi
exec "$root/stage/velorin-launcher"
