#!/usr/bin/env bash
# Builds the Debian packages (velorin-launcher, velorin-demo, velorin-demo-data) from the checkout's files into dist/,
# runs the test suite while building (DEB_BUILD_OPTIONS=nocheck skips it), checks them with
# lintian and checks that each package holds what the install rules promise.
# package.sh --clean builds them in a clean Debian 12 chroot instead (scripts/clean-package.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[[ "${1:-}" == --clean ]] && exec "$root/scripts/clean-package.sh"
cd "$root"
"$root/scripts/deps.sh"

# dpkg-buildpackage writes beside the source folder, so it builds a copy of the checkout's files
# (committed or not, ignored ones left out) inside build/.
work="$root/build/package"
rm -rf "$work"
source_dir="$work/velorin-launcher"
mkdir -p "$source_dir"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$source_dir"

log="$work/build.log"
echo "Building the packages (log: $log)"
if ! (cd "$source_dir" && dpkg-buildpackage -us -uc -j2) >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
fi

warnings=$(grep -c 'warning:' "$log" || true)
echo "Compiler warnings under the packages' hardening flags: $warnings (see $log)"

mkdir -p "$root/dist"
rm -f "$root"/dist/*.deb
cp "$work"/*.deb "$root/dist/"
ls -1 "$root"/dist/*.deb

echo "== lintian"
lintian --info --display-info --pedantic "$work"/*.changes | tee "$work/lintian.log"
if grep -qE '^[EW]: ' "$work/lintian.log"; then
    echo "lintian reports errors or warnings"
    exit 1
fi

# What the install rules promise, package by package.
check_contents() {
    local deb=$1
    shift
    local listing
    listing=$(dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; print substr($0, 6) }')
    local path missing=0
    for path in "$@"; do
        if ! grep -qxF "./$path" <<<"$listing"; then
            echo "$(basename "$deb") lacks $path"
            missing=1
        fi
    done
    return $missing
}
version=$(cd "$source_dir" && dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)
check_contents "$root/dist/velorin-launcher_${version}_${arch}.deb" \
    usr/bin/velorin-launcher usr/bin/velorin-reg usr/bin/velorin-beats \
    usr/lib/velorin/velorin-launcher usr/lib/velorin/Sounds/Sys/S0/click.wav \
    usr/lib/velorin/Sounds/Sys/S0/snap.wav usr/lib/velorin/Sounds/Sys/S0/credits.wav \
    usr/share/applications/example.velorin.Launcher.desktop \
    usr/share/metainfo/example.velorin.Launcher.metainfo.xml \
    usr/share/icons/hicolor/48x48/apps/velorin-launcher.png \
    usr/share/icons/hicolor/256x256/apps/velorin-launcher.png \
    usr/share/man/man1/velorin-launcher.1.gz usr/share/man/man1/velorin-reg.1.gz \
    usr/share/man/man1/velorin-beats.1.gz
check_contents "$root/dist/velorin-demo_${version}_${arch}.deb" \
    usr/lib/velorin/Velorin usr/lib/velorin/exportToWeb usr/lib/velorin/TsAVIMaker \
    "usr/lib/velorin/Blendora/Blendora Studio VL" \
    usr/share/velorin/registry.d/blendora-studio-vl.reg usr/bin/velorin-disc \
    usr/share/man/man1/velorin-disc.1.gz
check_contents "$root/dist/velorin-demo-data_${version}_all.deb" \
    usr/share/velorin/VirtualCD.cue usr/share/velorin/VirtualCD.bin
echo "Install with: apt install ./dist/velorin-launcher_${version}_${arch}.deb ./dist/velorin-demo_${version}_${arch}.deb ./dist/velorin-demo-data_${version}_all.deb"
