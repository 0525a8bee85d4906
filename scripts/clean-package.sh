#!/usr/bin/env bash
# clean-package.sh (or package.sh --clean): builds the Debian packages in a clean Debian 12 chroot,
# made by mmdebstrap from this machine's bookworm package sources and thrown away afterwards, with
# only the Build-Depends installed; then installs them there in a user's order and tries the
# installed launcher (scripts/installed-smoke.sh): velorin-launcher alone and a first run, then
# velorin-demo, after which Mixing Room must find the demonstration mixing tool.
# The packages and the log land in dist/clean/. DEB_BUILD_OPTIONS (default: nocheck) goes to the
# build inside the chroot; a nocheck build also leaves out the test-only Build-Depends.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"

out="$root/dist/clean"
rm -rf "$out"
mkdir -p "$out"
log="$out/build.log"

# The source as package.sh builds it: the checkout's files, committed or not, ignored ones left out.
source_tar="$out/source.tar"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [[ -e "$file" ]] && printf '%s\0' "$file"; done |
    tar --null -T - -cf "$source_tar"

# The machine's own bookworm sources (other vendors' lists need keys the chroot does not have).
sources=()
for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f "$file" ]] || continue
    if grep -qE '^(Suites:.*[[:space:]]bookworm([[:space:]]|$)|deb[[:space:]].*[[:space:]]bookworm[[:space:]])' "$file"; then
        sources+=("$file")
    fi
done
((${#sources[@]} > 0)) || { echo "no bookworm package sources configured in /etc/apt"; exit 1; }

options=${DEB_BUILD_OPTIONS:-nocheck}
profiles=
[[ " $options " == *" nocheck "* ]] && profiles=nocheck
mode=unshare
[[ $(id -u) == 0 ]] && mode=root

# Runs inside the chroot as root: the build, then the installation in a user's order.
inside="$out/inside.sh"
cat >"$inside" <<SCRIPT
set -eux
mkdir -p /build/velorin-launcher && tar -xf /build/source.tar -C /build/velorin-launcher
cd /build/velorin-launcher
apt-get update
apt-get build-dep -y ${profiles:+--build-profiles=$profiles} .
start=\$(date +%s)
DEB_BUILD_OPTIONS='$options parallel=2' DEB_BUILD_PROFILES='$profiles' dpkg-buildpackage -us -uc -b
echo "BUILD-SECONDS \$((\$(date +%s) - start))"
cd /build
useradd --create-home tester
apt-get install -y --no-install-recommends xvfb xauth xdotool
apt-get install -y --no-install-recommends ./velorin-launcher_*.deb
run() { runuser -u tester -- env HOME=/home/tester XDG_DATA_HOME=/home/tester/.local/share /build/installed-smoke.sh "\$1"; }
run first-run
apt-get install -y --no-install-recommends ./velorin-demo_*.deb ./velorin-demo-data_*.deb
run mixing-room
rm -rf /build/velorin-launcher /build/source.tar /build/inside.sh
SCRIPT

echo "Building in a clean chroot from ${sources[*]} (log: $log)"
start=$(date +%s)
status=0
mmdebstrap --mode="$mode" --variant=buildd --include=ca-certificates,passwd \
    --customize-hook='mkdir -p "$1/build"' \
    --customize-hook="copy-in '$source_tar' '$inside' '$root/scripts/installed-smoke.sh' /build" \
    --customize-hook='chroot "$1" bash /build/inside.sh' \
    --customize-hook="sync-out /build '$out'" \
    bookworm /dev/null "${sources[@]}" >"$log" 2>&1 || status=$?
echo "Took $(($(date +%s) - start)) s in all; the package build $(grep -o 'BUILD-SECONDS [0-9]*' "$log" | cut -d' ' -f2) s"
grep -E '^(PASS|FAIL|launcher screen|store created|Mixing Room started)' "$log" || true
if ((status != 0)); then
    tail -n 40 "$log"
    echo "The clean build failed (status $status)"
    exit 1
fi
rm -f "$out/source.tar" "$out/inside.sh"
ls -1 "$out"/*.deb
