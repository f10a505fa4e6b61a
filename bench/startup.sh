#!/usr/bin/env bash
# Start-up benchmark: time from exec to the window being mapped, and resident
# memory once it is shown, for the calculator and for a bare Qt Widgets
# window (the toolkit's floor), interleaved A B A B … on Xvfb with openbox.
# Usage: bench/startup.sh [RUNS-EACH] (default 15)
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
RUNS=${1:-15}
BUILD=$ROOT/build
FUELCALC=$BUILD/fuelcalc
. "$ROOT/tests/e2e/fixture.sh"

for program in "$BUILD/bench/mapwatch" "$BUILD/bench/startup_baseline" "$FUELCALC"; do
    [ -x "$program" ] || fail "$program is not built: run scripts/test (or cmake --build build) first"
done
start_display
export QT_QPA_PLATFORM=xcb

measure() { # OUTFILE PROGRAM [ARGS…]
    local out=$1
    shift
    "$BUILD/bench/mapwatch" "$@" >>"$out" || fail "mapwatch $*"
    sleep 0.2
}
# One warm-up each, so none pays for a cold font or page cache.
measure /dev/null "$FUELCALC"
measure /dev/null "$BUILD/bench/startup_baseline"
measure /dev/null "$BUILD/bench/startup_baseline" --chinese
for _ in $(seq "$RUNS"); do
    measure "$FIXTURE_TMP/app" "$FUELCALC"
    measure "$FIXTURE_TMP/baseline" "$BUILD/bench/startup_baseline"
    measure "$FIXTURE_TMP/chinese" "$BUILD/bench/startup_baseline" --chinese
done

median() { # FILE COLUMN
    sort -n -k"$2","$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
app_time=$(median "$FIXTURE_TMP/app" 1)
base_time=$(median "$FIXTURE_TMP/baseline" 1)
app_rss=$(median "$FIXTURE_TMP/app" 2)
base_rss=$(median "$FIXTURE_TMP/baseline" 2)
cjk_time=$(median "$FIXTURE_TMP/chinese" 1)
cjk_rss=$(median "$FIXTURE_TMP/chinese" 2)
awk -v at="$app_time" -v bt="$base_time" -v ct="$cjk_time" \
    -v am="$app_rss" -v bm="$base_rss" -v cm="$cjk_rss" -v n="$RUNS" 'BEGIN {
    printf "%d runs each, interleaved; medians\n", n
    printf "%-34s %12s %12s\n", "", "to mapped", "resident"
    printf "%-34s %9.1f ms %9.1f MB\n", "fuelcalc", at / 1000, am / 1024
    printf "%-34s %9.1f ms %9.1f MB\n", "baseline: bare Qt window", bt / 1000, bm / 1024
    printf "%-34s %9.1f ms %9.1f MB\n", "bare window, Chinese caption", ct / 1000, cm / 1024
    printf "%-34s %11.3fx %11.3fx\n", "ratio fuelcalc / baseline", at / bt, am / bm
    printf "%-34s %11.3fx %11.3fx\n", "ratio Chinese caption / baseline", ct / bt, cm / bm
}'
