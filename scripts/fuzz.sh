#!/usr/bin/env bash
# Fuzzes the calculation core, the ADIF reader, the map's .pn2 reader and
# the country file's reader:
# scripts/fuzz.sh SECONDS runs each libFuzzer target for SECONDS (60 by
# default) at the lowest priority. Inputs that reach new coverage are merged into
# tests/fuzz/corpus/<target>/; crashing inputs are kept in
# build-fuzz/findings/<target>/. Exits 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
[[ $seconds =~ ^[1-9][0-9]*$ ]] || { echo "usage: $0 SECONDS" >&2; exit 2; }
targets=(decode_locator adif_reader pn2 country_file)

scripts/setup-debian.sh clang libclang-rt-14-dev

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DAZIDAL_FUZZ=ON >/dev/null
nice -n 19 cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

export UBSAN_OPTIONS=print_stacktrace=1
summary=()
found_any=0
for target in "${targets[@]}"; do
    corpus=tests/fuzz/corpus/$target
    fresh=$build/fresh/$target
    findings=$build/findings/$target
    log=$build/logs/$target.log
    rm -rf "$fresh"
    mkdir -p "$corpus" "$fresh" "$findings" "$(dirname "$log")"
    # Findings of earlier runs stay; only newer ones count for this run.
    touch "$build/logs/$target.start"

    echo "== $target: ${seconds}s"
    # New inputs go to $fresh; the committed corpus is only read here.
    status=0
    nice -n 19 "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
        -print_final_stats=1 -artifact_prefix="$findings/" "$fresh" "$corpus" \
        >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)

    # Keep only what adds coverage to the committed corpus.
    before=$(find "$corpus" -type f | wc -l)
    nice -n 19 "$build/tests/fuzz/fuzz_$target" -merge=1 "$corpus" "$fresh" \
        >>"$log" 2>&1 || true
    after=$(find "$corpus" -type f | wc -l)
    rm -rf "$fresh"

    artifacts=$(find "$findings" -type f -newer "$build/logs/$target.start" | wc -l)
    if [ "$status" -ne 0 ] || [ "$artifacts" -gt 0 ]; then
        found_any=1
        result="FOUND (exit $status, $artifacts input(s) in $findings, log $log)"
    else
        result="nothing found"
    fi
    summary+=("$(printf '%-20s runs %-12s corpus %d (+%d)  %s' \
        "$target" "${runs:-?}" "$after" "$((after - before))" "$result")")
done

echo
printf '%s\n' "${summary[@]}"
exit "$found_any"
