#!/bin/sh
# Installs the Debian packages Tezaurel needs, only those that are missing.
#   scripts/dependinte.sh run    what building and running the program needs
#   scripts/dependinte.sh test   that, plus what the tests and benchmarks need
set -eu

PACHETE_RUN="cmake ninja-build g++ make qt6-base-dev qt6-multimedia-dev libqt6multimedia6
 qt6-qpa-plugins qt6-image-formats-plugins libqt6svg6 fonts-dejavu-core fonts-urw-base35
 gstreamer1.0-plugins-base gstreamer1.0-plugins-good libqt6sql6-sqlite qt6-l10n-tools qt6-tools-dev
 libtesseract-dev tesseract-ocr-ron pkg-config libzip-dev libturbojpeg0-dev libsane-dev libsane1
 poppler-utils"
PACHETE_TEST="libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils imagemagick xdotool
 cups printer-driver-cups-pdf poppler-utils sox dbus at-spi2-core gir1.2-atspi-2.0 python3-gi
 clang clang-format libclang-rt-14-dev dpkg-dev fakeroot lintian appstream file util-linux"

case "${1:-run}" in
    run) PACHETE="$PACHETE_RUN" ;;
    test) PACHETE="$PACHETE_RUN $PACHETE_TEST" ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

LIPSA=""
for p in $PACHETE; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        LIPSA="$LIPSA $p"
    fi
done

[ -z "$LIPSA" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends $LIPSA
else
    echo "Missing Debian packages. Install them with:" >&2
    echo "  sudo apt-get install -y$LIPSA" >&2
    exit 1
fi
