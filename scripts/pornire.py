#!/usr/bin/python3
"""Time from a program's start until its main window is on the screen, Tezaurel against a bare Qt
window with the same title and size, both measured in one run, alternately, under one Xvfb.

    pornire.py <folder of the built application> <fereastra_goala> [<runs>]

The application folder is copied first (a first start recognises and converts what it finds, so
every run starts the same way). Prints each program's median and the ratio; the goal is at most
1.3 times the bare window.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TITLU = "Main"


def fereastra_vizibila(display):
    """True once a viewable window named TITLU is mapped."""
    arbore = subprocess.run(["xwininfo", "-root", "-tree", "-display", display],
                            capture_output=True, text=True).stdout
    for rand in arbore.splitlines():
        if '"%s"' % TITLU in rand:
            iduri = rand.split()[0]
            stare = subprocess.run(["xwininfo", "-id", iduri, "-display", display],
                                   capture_output=True, text=True).stdout
            if "IsViewable" in stare:
                return True
    return False


def masoara(comanda, display, mediu):
    inceput = time.monotonic()
    proces = subprocess.Popen(comanda, env=mediu, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
    try:
        while not fereastra_vizibila(display):
            if proces.poll() is not None or time.monotonic() - inceput > 30:
                raise SystemExit("%s did not show its window" % comanda[0])
            time.sleep(0.002)
        return (time.monotonic() - inceput) * 1000
    finally:
        proces.terminate()
        proces.wait()


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    runde = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    lucru = tempfile.mkdtemp(prefix="pornire-")
    aplicatie = os.path.join(lucru, "Tezaurel")
    shutil.copytree(os.path.abspath(sys.argv[1]), aplicatie)
    display = ":%d" % (90 + os.getpid() % 100)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        mediu = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
                     XDG_RUNTIME_DIR=lucru, HOME=lucru)
        programe = {"fereastra goala": [os.path.abspath(sys.argv[2])],
                    "Tezaurel": [os.path.join(aplicatie, "tezaurel")]}
        # The first start of each fills the caches; it is not counted.
        for comanda in programe.values():
            masoara(comanda, display, mediu)
        timpi = {nume: [] for nume in programe}
        for _ in range(runde):
            for nume, comanda in programe.items():
                timpi[nume].append(masoara(comanda, display, mediu))
        for nume, valori in timpi.items():
            print("%-16s median %6.1f ms  (min %.1f, max %.1f)" %
                  (nume, statistics.median(valori), min(valori), max(valori)))
        raport = statistics.median(timpi["Tezaurel"]) / statistics.median(timpi["fereastra goala"])
        print("Tezaurel / fereastra goala: %.2fx (goal: at most 1.3x)" % raport)
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(lucru, ignore_errors=True)


if __name__ == "__main__":
    main()
