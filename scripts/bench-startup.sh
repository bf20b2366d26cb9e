#!/usr/bin/env bash
# Times the program's start-up to the end of its first paint against a bare
# window with as many controls, launched as whole processes on a virtual X
# display, and prints the median ratios, to the paint and to the exit, and
# the peak memory of each.
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
# One run: seconds from the launch to the end of the first paint (the
# program prints when that was) and to the process's exit, which adds its
# teardown, and peak resident kilobytes.
measure() {
    local start painted end
    start=$(date +%s%6N)
    painted=$(/usr/bin/time -f '%M' -o "$results/one" "$1" 2>/dev/null)
    end=$(date +%s%6N)
    echo "$(( painted - start ))e-6 $(( end - start ))e-6 $(cat "$results/one")"
}

for program in startup_azidal startup_bare; do measure "build/bench/$program" >/dev/null; done  # warm caches
# Each run starts with the display idle, as a user's start does: straight
# after another program's exit the X server is still taking its window down,
# and whichever program came next paid for it, the bare window the more.
settle() { sleep 0.1; }
for _ in $(seq "$runs"); do
    settle
    measure build/bench/startup_azidal >>"$results/azidal"
    settle
    measure build/bench/startup_bare >>"$results/bare"
done

median() { awk '{ printf "%.6f\n", $1 }' | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
azidal_paint=$(cut -d' ' -f1 "$results/azidal" | median)
bare_paint=$(cut -d' ' -f1 "$results/bare" | median)
azidal_exit=$(cut -d' ' -f2 "$results/azidal" | median)
bare_exit=$(cut -d' ' -f2 "$results/bare" | median)
azidal_kb=$(cut -d' ' -f3 "$results/azidal" | sort -n | tail -1)
bare_kb=$(cut -d' ' -f3 "$results/bare" | sort -n | tail -1)
awk -v a="$azidal_paint" -v b="$bare_paint" -v ae="$azidal_exit" -v be="$bare_exit" \
    -v am="$azidal_kb" -v bm="$bare_kb" -v n="$runs" 'BEGIN {
    printf "median of %d runs each, in turn:\n", n
    printf "start-up to the end of the first paint: azidal %.1f ms, bare window %.1f ms, ratio %.2f\n", a * 1000, b * 1000, a / b
    printf "to the exit of the process after it:    azidal %.1f ms, bare window %.1f ms, ratio %.2f\n", ae * 1000, be * 1000, ae / be
    printf "peak memory: azidal %.1f MiB, bare window %.1f MiB, difference %.1f MiB\n", am / 1024, bm / 1024, (am - bm) / 1024
}'
