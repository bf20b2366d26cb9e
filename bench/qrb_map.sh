#!/usr/bin/env bash
# Times azidal-qrb --map end to end beside GMT drawing the same whole-Earth
# map centred on KO85TS, at about the same 2,400 pixels: the two run in
# turn, so that the machine's mood falls on both alike. Then the peak memory
# of the map with a log of a hundred thousand QSOs against that without it.
# GMT and its coastlines are installed for this script only.
# Usage: bench/qrb_map.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}

scripts/setup-debian.sh time gmt gmt-gshhg-low ghostscript
scripts/build.sh build
qrb=$PWD/build/qrb/azidal-qrb

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source bench/timing.sh

ours=("$qrb" --map KO85TS --size 2400 -o "$work/map.png")
theirs=(gmt coast -JE37.625/55.77/180/20c -Rg -Dl -Gtan -Sazure -Wthinnest -N1/thinnest -png "$work/gmt")
(cd "$work" && measure "${ours[@]}" >/dev/null && measure "${theirs[@]}" >/dev/null)  # warm caches
# GMT says "success" even when its PNG could not be made.
for png in "$work/map.png" "$work/gmt.png"; do [ "$(head -c 8 "$png" | od -An -tx1 | tr -d " ")" = 89504e470d0a1a0a ] || { echo "$png: no PNG made" >&2; exit 1; }; done
for _ in $(seq "$runs"); do
    (cd "$work" && measure "${ours[@]}") >>"$work/ours"
    (cd "$work" && measure "${theirs[@]}") >>"$work/theirs"
done
a=$(cut -d' ' -f1 "$work/ours" | median)
g=$(cut -d' ' -f1 "$work/theirs" | median)
awk -v a="$a" -v g="$g" -v n="$runs" 'BEGIN {
    printf "azidal-qrb --map, 2400 px PNG   median of %d runs: %6.3f s\n", n, a
    printf "GMT 6 coast -JE, 20 cm at 300 dpi median of %d runs: %6.3f s\n", n, g
    printf "azidal-qrb is %.1f times faster\n", g / a
}'

make_log 100000 "$work/log.adi"
report "--map without a log" "${ours[@]}"
report "--map, 100,000 QSOs" "${ours[@]}" --adif "$work/log.adi"
