# Shared by the command's benchmarks, sourced with $runs and $work set: a
# generated log, and one command timed and measured.

# A log as loggers write it: a header, then one QSO a line.
make_log() { # make_log COUNT FILE
    awk -v n="$1" 'BEGIN {
        srand(13);
        f = "ABCDEFGHIJKLMNOPQR"; s = "ABCDEFGHIJKLMNOPQRSTUVWX";
        print "Generated for the benchmark\n<ADIF_VER:5>3.1.4 <PROGRAMID:6>bench <EOH>";
        for (i = 0; i < n; i++) {
            grid = substr(f, int(rand() * 18) + 1, 1) substr(f, int(rand() * 18) + 1, 1) \
                   int(rand() * 10) int(rand() * 10) substr(s, int(rand() * 24) + 1, 1) substr(s, int(rand() * 24) + 1, 1);
            call = sprintf("STATION%d", i);
            printf "<CALL:%d>%s <QSO_DATE:8>2024%02d%02d <TIME_ON:4>%02d%02d <BAND:3>20m <MODE:3>FT8 ",
                length(call), call, i % 12 + 1, i % 28 + 1, i % 24, i % 60;
            printf "<RST_SENT:3>-10 <RST_RCVD:3>-12 <GRIDSQUARE:6>%s <APP_BENCH_N:%d>%d <EOR>\n",
                grid, length(i ""), i;
        }
    }' >"$2"
}

# One run: elapsed seconds to the microsecond, processor seconds (user and
# system) and peak resident kilobytes. Random pairs may hold a coincident
# one, which makes the status 1.
measure() {
    local start end status=0
    start=$(date +%s%N)
    /usr/bin/time -f '%U %S %M' -o "$work/usage" "$@" >/dev/null 2>"$work/stderr" || status=$?
    end=$(date +%s%N)
    [ "$status" -le 1 ] || { cat "$work/stderr" >&2; exit 1; }
    tail -n 1 "$work/usage" | awk -v e="$(( (end - start) / 1000 ))e-6" '{ print e, $1 + $2, $3 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

report() { # report WHAT COMMAND...
    local what=$1 results
    shift
    measure "$@" >/dev/null  # warm caches
    results=$(for _ in $(seq "$runs"); do measure "$@"; done)
    awk -v what="$what" -v t="$(cut -d' ' -f1 <<<"$results" | median)" \
        -v c="$(cut -d' ' -f2 <<<"$results" | median)" \
        -v m="$(cut -d' ' -f3 <<<"$results" | sort -n | tail -1)" -v n="$runs" \
        'BEGIN { printf "%-36s median of %d runs: %6.3f s (processor %6.3f s), peak memory %5.1f MiB\n", what, n, t, c, m / 1024 }'
}
