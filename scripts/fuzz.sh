#!/usr/bin/env bash
# Builds the libFuzzer targets (clang "fuzz" preset) and runs each for a while from its committed
# seeds (the corpus/ folder beside its CMakeLists.txt, if any): scripts/fuzz.sh [SECONDS]
# (default 20). A crash or sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/deps.sh"

seconds=${1:-20}
targets=(velorin_beat_fuzzer velorin_regfile_fuzzer velorin_cue_fuzzer)
cmake --preset fuzz >/dev/null
log="build/fuzz.log"
if ! cmake --build --preset fuzz --target "${targets[@]}" -- -j2 >"$log" 2>&1; then
    grep -v '^\[' "$log" | tail -n 60
    exit 1
fi
for target in "${targets[@]}"; do
    binary=$(find build/fuzz/fuzz -type f -name "$target" | head -n 1)
    corpus=$(mktemp -d)
    seeds=()
    folder=$(dirname "$(grep -l "$target" fuzz/*/CMakeLists.txt)")
    [[ -d $folder/corpus ]] && seeds=("$folder/corpus")
    echo "== $target, $seconds s"
    status=0
    LSAN_OPTIONS="suppressions=$root/.ci/lsan.supp" "$binary" -max_total_time="$seconds" -max_len=16384 -timeout=20 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus" "${seeds[@]}" >"build/$target.log" 2>&1 || status=$?
    rm -rf "$corpus"
    grep -E '^stat::number_of_executed_units' "build/$target.log" || true
    if [[ $status -ne 0 ]]; then
        tail -n 40 "build/$target.log"
        exit 1
    fi
done
