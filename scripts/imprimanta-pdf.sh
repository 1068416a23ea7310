#!/bin/sh
# The PDF printer the printing tests print on: a CUPS queue "PDF" (cups-pdf).
#   scripts/imprimanta-pdf.sh porneste   start the scheduler if none runs, add the queue if missing
#   scripts/imprimanta-pdf.sh opreste    stop the scheduler, only if "porneste" started it
# Both are safe to repeat. Without root, or without CUPS, nothing is done and the
# test that needs the printer skips itself.
set -u

FISIER_PID="${TMPDIR:-/tmp}/tezaurel-cupsd.pid"
COADA=PDF
PPD=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd

ruleaza() { lpstat -r 2>/dev/null | grep -q "is running"; }

porneste() {
    if ! command -v cupsd >/dev/null 2>&1 || [ "$(id -u)" -ne 0 ]; then
        echo "imprimanta-pdf: no cupsd or not root; the CUPS printing test will be skipped" >&2
        return 0
    fi
    if ! ruleaza; then
        mkdir -p /run/cups
        # A second cupsd would not exit and would break the first one's socket,
        # hence the check above; its own output stays out of the test log.
        cupsd -f </dev/null >/dev/null 2>&1 &
        echo $! >"$FISIER_PID"
        i=0
        while ! ruleaza && [ $i -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        if ! ruleaza; then
            echo "imprimanta-pdf: cupsd did not start" >&2
            return 0
        fi
    fi
    if ! lpstat -p "$COADA" >/dev/null 2>&1; then
        lpadmin -p "$COADA" -v cups-pdf:/ -E -m "$PPD" ||
            echo "imprimanta-pdf: could not add the $COADA queue" >&2
    fi
    cupsenable "$COADA" 2>/dev/null
    cupsaccept "$COADA" 2>/dev/null
    return 0
}

opreste() {
    [ -f "$FISIER_PID" ] || return 0
    pid=$(cat "$FISIER_PID")
    rm -f "$FISIER_PID"
    # Only the scheduler started above; a pid reused since then is not ours.
    if [ -n "$pid" ] && [ "$(cat /proc/"$pid"/comm 2>/dev/null)" = cupsd ]; then
        kill "$pid"
    fi
    return 0
}

case "${1:-}" in
    porneste) porneste ;;
    opreste) opreste ;;
    *) echo "usage: $0 porneste|opreste" >&2; exit 2 ;;
esac
