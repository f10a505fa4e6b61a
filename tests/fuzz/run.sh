#!/usr/bin/env bash
# Builds the libFuzzer target with AddressSanitizer and UBSan and runs it on
# the committed seed corpus for the given time (default 600 s), with inputs
# up to 1 MB. New inputs it finds go to build-fuzz/corpus, not the repository.
# Usage: tests/fuzz/run.sh [SECONDS]
set -eu
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
SECONDS_TO_RUN=${1:-600}
FUELCALC_ROOT=$ROOT
. "$ROOT/scripts/deps.sh"
fuelcalc_need_packages "${FUELCALC_BUILD_PACKAGES[@]}" clang libclang-rt-dev

BUILD=$ROOT/build-fuzz
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFUELCALC_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build "$BUILD" --target fuzz_numbertext
mkdir -p "$BUILD/corpus" "$BUILD/large"
# Pasted megabytes: 1 MB seeds made here rather than committed.
head -c 1048576 /dev/zero | tr '\0' '9' >"$BUILD/large/nines"
{ printf '1,'; yes '234,' | head -c 1048000 | tr -d '\n'; printf '567.5元'; } >"$BUILD/large/grouped"
yes '３' | head -c 1048576 | tr -d '\n' >"$BUILD/large/fullwidth"
{ printf '0.'; head -c 1048000 /dev/zero | tr '\0' '0'; printf '1e400'; } >"$BUILD/large/zeros"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    "$BUILD/tests/fuzz/fuzz_numbertext" -max_total_time="$SECONDS_TO_RUN" -max_len=1048576 \
    -len_control=200 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    "$BUILD/corpus" "$ROOT/tests/fuzz/corpus" "$BUILD/large"
