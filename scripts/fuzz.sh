#!/bin/sh
# Fuzzes the collection loader and the record codec, then the picture reader,
# with libFuzzer under the address and undefined-behaviour sanitizers.
#   scripts/fuzz.sh [runs [picture-runs]]   default 10000000 and 1000000 executions
set -eu
cd "$(dirname "$0")/.."
RUNS="${1:-10000000}"
RULARI_POZA="${2:-1000000}"
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/corpus
build/fuzz/fuzz/fuzz_colectie -runs="$RUNS" -max_len=20000 -print_final_stats=1 \
    build/fuzz/corpus fuzz/corpus
mkdir -p build/fuzz/corpus_poza
build/fuzz/fuzz/fuzz_poza -runs="$RULARI_POZA" -max_len=4096 -print_final_stats=1 \
    build/fuzz/corpus_poza fuzz/corpus_poza
