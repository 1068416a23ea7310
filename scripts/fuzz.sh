#!/bin/sh
# Fuzzes the collection loader and the record codec with libFuzzer under the
# address and undefined-behaviour sanitizers.
#   scripts/fuzz.sh [runs]     default 10000000 executions
set -eu
cd "$(dirname "$0")/.."
RUNS="${1:-10000000}"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus build/fuzz/corpus_pachet
build/fuzz/fuzz/fuzz_colectie -runs="$RUNS" -max_len=20000 -print_final_stats=1 \
    build/fuzz/corpus fuzz/corpus
# Packages of problems received from colleagues, read from memory.
build/fuzz/fuzz/fuzz_pachet -runs="$RUNS" -max_len=8192 -print_final_stats=1 \
    build/fuzz/corpus_pachet fuzz/corpus_pachet
