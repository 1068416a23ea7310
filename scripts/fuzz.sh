#!/bin/sh
# Fuzzes the collection loader and the record codec (fuzz_colectie), or the
# reader of probleme.csv (fuzz_csv), the picture reader (fuzz_poza) or the
# package reader (fuzz_pachet), with libFuzzer under the address and
# undefined-behaviour sanitizers.
#   scripts/fuzz.sh [runs] [target]    default 10000000 executions of fuzz_colectie
set -eu
cd "$(dirname "$0")/.."
RUNS="${1:-10000000}"
TINTA="${2:-fuzz_colectie}"
case "$TINTA" in
    fuzz_csv) SEMINTE=fuzz/corpus_csv ;;
    fuzz_pachet) SEMINTE=fuzz/corpus_pachet ;;
    fuzz_poza) SEMINTE=fuzz/corpus_poza ;;
    *) SEMINTE=fuzz/corpus ;;
esac
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p "build/fuzz/corpus/$TINTA"
"build/fuzz/fuzz/$TINTA" -runs="$RUNS" -max_len=20000 -print_final_stats=1 \
    "build/fuzz/corpus/$TINTA" "$SEMINTE"
