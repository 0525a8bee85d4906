#!/usr/bin/env bash
# stage.sh BUILD_DIR DEST: lays out an installation folder from a build: the launcher, its sounds
# and whichever programs around it have been built. The mixing tool's folder is recorded in the
# store VELORIN_REGISTRY names (run.sh: one in the staged folder), else in the user's own.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
dest=$2

mkdir -p "$dest"
cp "$build/tools/velorin-launcher/velorin-launcher" "$dest/"
mkdir -p "$dest/Sounds/Sys/S0"
cp "$root"/Sounds/Sys/S0/*.wav "$dest/Sounds/Sys/S0/"

# The stand-ins for the programs around the launcher: Velorin, the web exporter and the AVI maker
# beside it, the mixing tool in a folder of its own, recorded in the store as its installation
# would record it.
standins="$build/tools/standins"
if [[ -x "$standins/Velorin" ]]; then
    cp "$standins/Velorin" "$standins/exportToWeb" "$standins/TsAVIMaker" "$dest/"
    mkdir -p "$dest/Blendora"
    cp "$standins/Blendora/Blendora Studio VL" "$dest/Blendora/"
    "$standins/blendora-setup" "$(cd "$dest/Blendora" && pwd)"
fi

# A CD image of our own drum tracks, for machines without a drive (VELORIN_CD).
disc="$build/tools/velorin-disc/velorin-disc"
if [[ -x "$disc" && ! -f "$dest/VirtualCD.cue" ]]; then
    "$disc" "$dest/VirtualCD.cue" 30 15
fi
