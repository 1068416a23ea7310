#!/bin/sh
# Retakes the screenshots shown by the README (docs/capturi/) and by the help
# (assets/help/capturi/), from the real program under Xvfb:
#   sh scripts/capturi.sh
# Builds the release, then scripts/capturi.py seeds a temporary copy of the
# application folder with the demonstration collection and drives the program.
# Look at every picture before committing them.
set -eu
cd "$(dirname "$0")/.."

sh scripts/dependinte.sh test
cmake --preset release -DTEZAUREL_TESTE=OFF -DTEZAUREL_BENCH=OFF >/dev/null
cmake --build --preset release

# Debian's Python: the accessibility bindings come from its packages. A Romanian
# desktop, as the teacher's: the file dialog's dates and file types in Romanian too.
LANG=ro_RO.UTF-8 /usr/bin/python3 scripts/capturi.py build/release/Tezaurel build/release/unelte/tezaurel_demo \
    docs/capturi
mkdir -p assets/help/capturi
cp docs/capturi/*.png assets/help/capturi/
echo "screenshots in docs/capturi and assets/help/capturi"
