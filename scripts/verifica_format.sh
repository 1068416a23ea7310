#!/bin/sh
# Fails, naming each file, where the project's .clang-format (Debian's
# clang-format) would change a file of the program, its tests or benchmarks.
set -eu
cd "$(dirname "$0")/.."
gresite=$(find . -path ./build -prune -o -path ./.git -prune -o \( -name '*.cpp' -o -name '*.h' \) -print |
    sort | xargs clang-format --dry-run 2>&1 | sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: warning:.*/\1/p' | sort -u)
if [ -n "$gresite" ]; then
    echo "Formatate altfel decât cere .clang-format (clang-format -i FIȘIER):"
    echo "$gresite"
    exit 1
fi
echo "$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | wc -l) fișiere, toate formatate"
