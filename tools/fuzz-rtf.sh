#!/bin/bash
# fuzz-rtf.sh [SECONDS] - builds the RTF reader's libFuzzer target with clang
# (address and undefined-behaviour sanitizers) and runs it for SECONDS
# (default 60) from the seed corpus. New inputs go to BUILD/corpus; crashes
# to BUILD/crash-*. BUILD defaults to build-fuzz-rtf beside the repository.
set -euo pipefail
SECONDS_TO_RUN=${1:-60}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/../build-fuzz-rtf}
SRC=$ROOT/tests/core/rtf/fuzz

command -v clang++ >/dev/null || { echo "fuzz-rtf: clang++ is needed (apt-get install clang libclang-rt-14-dev)" >&2; exit 1; }
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
CC=clang CXX=clang++ cmake -S "$SRC" -B "$BUILD" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j2

mkdir -p "$BUILD/corpus"
cd "$BUILD"
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 ./fuzz_rtf_reader \
    -max_total_time="$SECONDS_TO_RUN" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    corpus "$SRC/seeds"
