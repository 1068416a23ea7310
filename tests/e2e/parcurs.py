#!/usr/bin/python3
"""The teacher's whole journey through the real program, under Xvfb.

    parcurs.py <folder of the built application> [<folder for screenshots>]
"""

import os
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_ajutor import Esec, Program, Sesiune, asteapta, dosar_temporar, sterge  # noqa: E402


def main():
    sursa = os.path.abspath(sys.argv[1])
    capturi = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
    lucru = dosar_temporar()
    aplicatie = os.path.join(lucru, "Tezaurel")
    shutil.copytree(sursa, aplicatie)
    for f in ("Tezaurel.stn",):
        if os.path.exists(os.path.join(aplicatie, f)):
            os.remove(os.path.join(aplicatie, f))
    pas = ["start"]
    reusit = False
    with Sesiune(lucru) as s:
        def poza(nume):
            if capturi:
                os.makedirs(capturi, exist_ok=True)
                s.captura(os.path.join(capturi, nume + ".png"))

        try:
            proces = s.porneste([os.path.join(aplicatie, "tezaurel")],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            p = Program(s, "Tezaurel")
            # 1. No collection: an empty one appears, the banner sorts itself.
            p.gaseste("menu item", "Editare Tezaurel", timp=30)
            stn = os.path.join(aplicatie, "Tezaurel.stn")
            asteapta(lambda: os.path.exists(stn), "Tezaurel.stn")
            assert os.path.getsize(stn) == 0, "a new collection is empty"
            poza("01-main")

            # 6. Quit.
            pas[0] = "Iesire"
            p.apasa_meniu("Iesire")
            asteapta(lambda: proces.poll() is not None, "the program to end")
            reusit = True
        except (Esec, AssertionError) as e:
            print("FAILED at step %s: %s" % (pas[0], e), file=sys.stderr)
            poza("esec")
    if reusit:
        sterge(lucru)
        print("journey passed")
        return 0
    print("work folder kept: " + lucru, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
