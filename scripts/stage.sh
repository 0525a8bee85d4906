#!/usr/bin/env bash
# stage.sh BUILD_DIR DEST: lays out an installation folder from a build: the launcher, its sounds
# and whichever programs around it have been built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1
dest=$2

mkdir -p "$dest"
cp "$build/tools/velorin-launcher/velorin-launcher" "$dest/"
mkdir -p "$dest/Sounds/Sys/S0"
cp "$root"/Sounds/Sys/S0/*.wav "$dest/Sounds/Sys/S0/"
