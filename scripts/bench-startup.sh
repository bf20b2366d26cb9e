#!/usr/bin/env bash
# Times the program's start-up to its first paint against a bare window with
# as many controls, as whole processes on a virtual X display, and prints the
# median ratio and the peak memory of each.
# Usage: scripts/bench-startup.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-40}

scripts/setup-debian.sh xvfb time
scripts/build.sh build

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
    display=$((display + 1))
done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

results=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$results"' EXIT
# One run: elapsed seconds (to the microsecond; time's own figure has only
# hundredths) and peak resident kilobytes.
measure() {
    local start end
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$results/one" "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 ))e-6 $(cat "$results/one")"
}

for program in startup_azidal startup_bare; do measure "build/bench/$program" >/dev/null; done  # warm caches
for _ in $(seq "$runs"); do
    measure build/bench/startup_azidal >>"$results/azidal"
    measure build/bench/startup_bare >>"$results/bare"
done

median() { awk '{ printf "%.6f\n", $1 }' | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
azidal_time=$(cut -d' ' -f1 "$results/azidal" | median)
bare_time=$(cut -d' ' -f1 "$results/bare" | median)
azidal_kb=$(cut -d' ' -f2 "$results/azidal" | sort -n | tail -1)
bare_kb=$(cut -d' ' -f2 "$results/bare" | sort -n | tail -1)
awk -v a="$azidal_time" -v b="$bare_time" -v am="$azidal_kb" -v bm="$bare_kb" -v n="$runs" 'BEGIN {
    printf "start-up to first paint, median of %d runs: azidal %.1f ms, bare window %.1f ms, ratio %.2f\n", n, a * 1000, b * 1000, a / b
    printf "peak memory: azidal %.1f MiB, bare window %.1f MiB, difference %.1f MiB\n", am / 1024, bm / 1024, (am - bm) / 1024
}'
