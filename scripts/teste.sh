#!/bin/sh
# Configures, builds and runs every test of one preset (debug by default).
set -eu
PRESET="${1:-debug}"
cd "$(dirname "$0")/.."

export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/tezaurel-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

# A CUPS queue that prints to PDF, so printing is tested for real.
sh scripts/imprimanta-pdf.sh porneste; trap 'sh scripts/imprimanta-pdf.sh opreste' EXIT

cmake --preset "$PRESET"
cmake --build --preset "$PRESET"
ctest --preset "$PRESET" --timeout 300
