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
exec "$root/stage/velorin-launcher"
