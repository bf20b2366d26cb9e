#!/usr/bin/env bash
# Times azidal-qrb end to end, reading and writing files: a million locator
# pairs through --csv, and a log of a hundred thousand QSOs through --adif.
# The inputs are made here, in a temporary folder. Each is also run at a
# tenth of its size, to show that memory does not grow with the input.
# Prints the medians of RUNS runs, wall-clock and processor time, and the
# peak memory.
# Usage: bench/qrb_batch.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}

scripts/setup-debian.sh time
scripts/build.sh build
qrb=$PWD/build/qrb/azidal-qrb

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Random six-character locators (a few of other lengths), a fixed seed.
make_pairs() { # make_pairs COUNT FILE
    awk -v n="$1" 'BEGIN {
        srand(12);
        f = "ABCDEFGHIJKLMNOPQR"; s = "ABCDEFGHIJKLMNOPQRSTUVWX";
        for (i = 0; i < n; i++) {
            line = "";
            for (k = 0; k < 2; k++) {
                loc = substr(f, int(rand() * 18) + 1, 1) substr(f, int(rand() * 18) + 1, 1) \
                      int(rand() * 10) int(rand() * 10) \
                      substr(s, int(rand() * 24) + 1, 1) substr(s, int(rand() * 24) + 1, 1);
                if (i % 10 == 9) loc = loc int(rand() * 10) int(rand() * 10);
                line = line (k ? " " : "") loc;
            }
            print line;
        }
    }' >"$2"
}

source bench/timing.sh

make_pairs 1000000 "$work/pairs.txt"
make_pairs 100000 "$work/pairs-tenth.txt"
make_log 100000 "$work/log.adi"
make_log 10000 "$work/log-tenth.adi"

report "CSV, 1,000,000 pairs" "$qrb" --csv "$work/pairs.txt" -o "$work/out.csv"
report "CSV, 1,000,000 pairs to /dev/null" "$qrb" --csv "$work/pairs.txt" -o /dev/null
report "CSV, 100,000 pairs" "$qrb" --csv "$work/pairs-tenth.txt" -o "$work/out.csv"
report "CSV --ellipsoid, 1,000,000 pairs" "$qrb" --csv --ellipsoid "$work/pairs.txt" -o "$work/out.csv"
report "ADIF, 100,000 QSOs ($(( $(stat -c %s "$work/log.adi") / 1048576 )) MiB)" \
    "$qrb" --adif "$work/log.adi" --my KO85TS -o "$work/out.adi"
report "ADIF, 10,000 QSOs" "$qrb" --adif "$work/log-tenth.adi" --my KO85TS -o "$work/out.adi"
