#!/usr/bin/python3
"""Peak resident memory of the real program paging through A4 pages scanned at 300 dpi.

    memorie_rasfoire.py <folder of the built application> [<pages> [<zoom key>]]

A copy of the application folder gets <pages> (20) JPEG scans of 2480 x 3508 pixels, all in
one chapter; the program runs under `/usr/bin/time -v` and Xvfb, the viewer selects the
chapter, optionally presses a zoom key (for instance l), pages forward to the last problem
and back to the first, and exits. Prints the "Maximum resident set size" line.
"""

import os
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from atspi_ajutor import Program, Sesiune, asteapta, dosar_temporar, sterge  # noqa: E402
from parcurs import inregistrare  # noqa: E402


def main():
    pagini = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    tasta = sys.argv[3] if len(sys.argv) > 3 else None
    lucru = dosar_temporar()
    aplicatie = os.path.join(lucru, "Tezaurel")
    shutil.copytree(os.path.abspath(sys.argv[1]), aplicatie)
    probleme = os.path.join(aplicatie, "Probleme")
    shutil.rmtree(probleme)
    os.makedirs(probleme)
    inregistrari = []
    for i in range(pagini):
        nume = "scan%02d.jpg" % i
        subprocess.run(["convert", "-size", "2480x3508", "plasma:", "-quality", "85",
                        os.path.join(probleme, nume)], check=True)
        inregistrari.append(inregistrare(9, 7, "Algebra", "Functii", "", nume, False))
    with open(os.path.join(aplicatie, "Tezaurel.stn"), "wb") as f:
        f.write(struct.pack("<h", pagini + 1) + inregistrari[0][2:] + b"".join(inregistrari))

    raport = os.path.join(lucru, "time.txt")
    with Sesiune(lucru) as s:
        p = Program(s, "Tezaurel")
        proces = s.porneste(["/usr/bin/time", "-v", "-o", raport,
                             os.path.join(aplicatie, "tezaurel")],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.apasa_meniu("Vizualizare Tezaurel") if p.gaseste(
            "menu item", "Vizualizare Tezaurel", timp=30) else None
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        p.apasa(p.gaseste("radio button", "Clasa a IX-a", radacina=dialog))
        p.focus("Definiti o selectie")
        p.click(p.gaseste("list item", "Functii", radacina=dialog))
        p.apasa(p.toate("push button", "Selecteaza", dialog)[0])
        time.sleep(0.5)
        p.apasa_buton("Vizualizare", dialog)
        asteapta(lambda: p.bara_de_stare(), "the status line")
        if tasta:
            p.focus("Vizualizare Probleme")
            s.xdotool("key", tasta)
        for pas in range(2 * (pagini - 1)):
            p.apasa_buton("Inainte" if pas < pagini - 1 else "Inapoi")
        p.apasa_buton("Revenire Meniu")
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")
    with open(raport) as f:
        print("".join(r for r in f if "Maximum resident" in r or "Elapsed" in r), end="")
    sterge(lucru)


if __name__ == "__main__":
    main()
