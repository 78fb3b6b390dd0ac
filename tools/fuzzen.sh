#!/usr/bin/env bash
# Fuzzes the analysis tool's request path with libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer for the given number of seconds (default 60):
#   bash tools/fuzzen.sh 3600
# Starts from the requests in tests/fuzz/saat.jsonl; what it finds new stays
# in build-fuzz/korpus for the next run, a failing input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-60}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSTEINFALL_TESTS=OFF \
    -DSTEINFALL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-fuzz --target steinfall-analyse-fuzz

# One seed file per request line.
saat=build-fuzz/saat
rm -rf "$saat" && mkdir -p "$saat" build-fuzz/korpus
nr=0
while IFS= read -r zeile || [ -n "$zeile" ]; do
    printf '%s' "$zeile" >"$saat/$((nr++))"
done <tests/fuzz/saat.jsonl

build-fuzz/bin/steinfall-analyse-fuzz build-fuzz/korpus "$saat" \
    -dict=tests/fuzz/woerter.dict -max_len=4096 -max_total_time="$sekunden" \
    -artifact_prefix=build-fuzz/ -print_final_stats=1
