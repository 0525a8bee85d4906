#!/usr/bin/env bash
# Builds every libFuzzer target of fuzz/ (clang "fuzz" preset) and runs each in turn, starting
# from its committed seeds (fuzz/<folder>/corpus/, if any; new inputs go to a scratch folder):
#   scripts/fuzz.sh [SECONDS]   each target for SECONDS (default 20), as CI does
#   scripts/fuzz.sh --long [RUNS]
#                               each target for RUNS executions (default 10,000,000) or 30 minutes,
#                               whichever comes first
# A target is any velorin_fuzzer(NAME ...) in fuzz/*/CMakeLists.txt: new ones join without an edit
# here. A crash or sanitizer report fails the run; its input is kept in build/fuzz-findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"

limits=(-max_total_time=20)
if [[ "${1:-}" == "--long" ]]; then
    limits=(-runs="${2:-10000000}" -max_total_time=1800)
elif [[ -n "${1:-}" ]]; then
    limits=(-max_total_time="$1")
fi

declare -A folders
for list in fuzz/*/CMakeLists.txt; do
    while read -r name; do
        folders[$name]=$(dirname "$list")
    done < <(sed -n 's/^ *velorin_fuzzer( *\([A-Za-z0-9_]*\).*/\1/p' "$list")
done
targets=("${!folders[@]}")
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "no fuzz targets in fuzz/" >&2
    exit 1
fi
mapfile -t targets < <(printf '%s\n' "${targets[@]}" | sort)

cmake --preset fuzz >/dev/null
log="build/fuzz.log"
if ! cmake --build --preset fuzz --target "${targets[@]}" -- -j2 >"$log" 2>&1; then
    grep -v '^\[' "$log" | tail -n 60
    exit 1
fi
findings="$root/build/fuzz-findings"
mkdir -p "$findings"
for target in "${targets[@]}"; do
    binary=$(find build/fuzz/fuzz -type f -name "$target" | head -n 1)
    corpus=$(mktemp -d)
    seeds=()
    [[ -d "${folders[$target]}/corpus" ]] && seeds=("${folders[$target]}/corpus")
    echo "== $target (${limits[*]})"
    status=0
    LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp" "$binary" "${limits[@]}" -max_len=16384 \
        -timeout=20 -rss_limit_mb=2048 -artifact_prefix="$findings/$target-" \
        -print_final_stats=1 "$corpus" "${seeds[@]}" >"build/$target.log" 2>&1 || status=$?
    rm -rf "$corpus"
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "build/$target.log" || true
    if [[ $status -ne 0 ]]; then
        tail -n 40 "build/$target.log"
        exit 1
    fi
done
