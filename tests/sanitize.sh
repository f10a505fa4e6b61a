#!/usr/bin/env bash
# Builds the unit and window tests with AddressSanitizer and UBSan and runs
# them on Qt's offscreen platform. Any report fails the run; nothing is
# suppressed, as neither Qt nor fontconfig leaks on these paths today.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$ROOT/build-sanitize
FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$FLAGS" -DCMAKE_EXE_LINKER_FLAGS="$FLAGS" >/dev/null
cmake --build "$BUILD" --target tst_numbertext tst_calculatorwindow
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$BUILD" && ctest --output-on-failure -j2 -R '^tst_'
