#!/usr/bin/env bash
# Builds and runs every test: scripts/test.sh [PRESET ...] (default: the normal build).
# Presets: default, asan (address + undefined behaviour), tsan, release, windows (mingw-w64, Wine).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"

presets=("$@")
[[ ${#presets[@]} -eq 0 ]] && presets=(default)
for preset in "${presets[@]}"; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    log="build/$preset.log"
    if ! cmake --build --preset "$preset" -- -j2 >"$log" 2>&1; then
        grep -v '^\[' "$log" | tail -n 60
        exit 1
    fi
    ctest --preset "$preset"
done
