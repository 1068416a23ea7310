#!/usr/bin/python3
"""The teacher's whole journey through the real program, under Xvfb.

    parcurs.py <folder of the built application> [<folder for screenshots>]

Every control is found by the caption a user reads; list entries, the file
dialog and the printer list get real clicks and typing. Afterwards the files
on disk are compared with what the collection format says they must hold.
"""

import glob
import os
import pwd
import shutil
import struct
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_ajutor import Esec, Program, Sesiune, asteapta, dosar_temporar, sterge  # noqa: E402

PROMPT_CLASA = "Introduceti (ca numar) clasa de studiu atasata problemei"
PROMPT_CAPITOL = "Introduceti titlul capitolului atasat problemei"
PROMPT_DISCIPLINA = "Introduceti specialitatea atasata problemei"
PROMPT_NIVEL = "Introduceti nivelul de notare atasat problemei"
PROMPT_OBSERVATII = "Introduceti obsevatii auxiliare atasate problemei"


def camp(text, n):
    octeti = text.encode("cp1250")[:n]
    return octeti + b" " * (n - len(octeti))


def inregistrare(clasa, nivel, disciplina, capitol, observatii, fisier, sters):
    r = (struct.pack("<hh", clasa, nivel) + camp(disciplina, 50) + camp(capitol, 100) +
         camp(observatii, 100) + camp(fisier, 256) + struct.pack("<h", -1 if sters else 0))
    assert len(r) == 512
    return r


UNU = (9, 7, "Algebră", "Funcţii", "Se rezolva grafic", "unu.jpg")
DOI = (9, 8, "Algebră", "Funcţii", "a doua", "doi.jpg")


def fa_poza(cale, text):
    subprocess.run(["convert", "-size", "900x360", "xc:white", "-fill", "black",
                    "-font", "DejaVu-Sans", "-pointsize", "44", "-annotate", "+40+120", text,
                    cale], check=True)


def imprimanta_pdf():
    try:
        r = subprocess.run(["lpstat", "-p", "PDF"], capture_output=True, text=True, timeout=5)
        return r.returncode == 0 and "PDF" in r.stdout
    except (OSError, subprocess.TimeoutExpired):
        return False


def pdf_uri():
    return os.path.join(pwd.getpwuid(os.getuid()).pw_dir, "PDF")


def text_din(acc):
    try:
        return acc.get_text(0, -1) or ""
    except Exception:  # not a text, or gone
        return ""


def pagini_pdf(cale):
    r = subprocess.run(["pdfinfo", cale], capture_output=True, text=True)
    for rand in r.stdout.splitlines():
        if rand.startswith("Pages:"):
            return int(rand.split()[1])
    return -1


class Parcurs:
    def __init__(self, sesiune, aplicatie, lucru, capturi):
        self.s = sesiune
        self.aplicatie = aplicatie
        self.lucru = lucru
        self.capturi = capturi
        self.p = Program(sesiune, "Tezaurel")
        self.pas = "start"
        self.mesaje = []

    def poza(self, nume):
        if self.capturi:
            os.makedirs(self.capturi, exist_ok=True)
            self.s.captura(os.path.join(self.capturi, nume + ".png"))

    def ok(self, asteptat=None):
        self.mesaje.append(self.p.raspunde_ok(asteptat))

    def alege_fisier(self, cale):
        self.p.gaseste("dialog", "Deschide")
        self.p.focus("Deschide")
        self.s.xdotool("type", "--delay", "5", cale)
        self.s.xdotool("key", "Return")
        asteapta(lambda: not self.p.exista("dialog", "Deschide"), "the file dialog to close")

    def adauga(self, cale, clasa_intai, problema):
        clasa, nivel, disciplina, capitol, observatii, _ = problema
        self.p.apasa_meniu("Deschide fisier")
        self.alege_fisier(cale)
        self.p.apasa_meniu("Salveaza problema")
        if clasa_intai is not None:
            # Letters are not a class: the same prompt comes back.
            self.p.scrie_in_prompt(clasa_intai, PROMPT_CLASA)
        self.p.scrie_in_prompt(str(clasa), PROMPT_CLASA)
        self.p.scrie_in_prompt(capitol, PROMPT_CAPITOL)
        self.p.scrie_in_prompt(disciplina, PROMPT_DISCIPLINA)
        self.p.scrie_in_prompt(str(nivel), PROMPT_NIVEL)
        self.p.scrie_in_prompt(observatii, PROMPT_OBSERVATII)

    def tragere(self, dx, dy):
        fereastra = self.p.gaseste("frame", "Personalizare Tezaurel")
        e = fereastra.get_extents(0)
        x, y = e.x + 200, e.y + 200
        self.s.xdotool("mousemove", x, y, "mousedown", 1)
        for i in range(1, 6):
            self.s.xdotool("mousemove", x + dx * i // 5, y + dy * i // 5)
        self.s.xdotool("mouseup", 1)

    def camp_langa(self, dialog, eticheta):
        """The text box on the same row as a label."""
        l = self.p.gaseste("label", eticheta, radacina=dialog)
        ly = l.get_extents(0).y
        campuri = [c for c in self.p.toate("text", None, dialog)
                   if abs(c.get_extents(0).y - ly) < 20 and c.get_extents(0).x > l.get_extents(0).x]
        if not campuri:
            raise Esec("no text box beside " + eticheta)
        return min(campuri, key=lambda c: c.get_extents(0).x)

    def camp_sub(self, dialog, eticheta):
        """The text box right below a label."""
        e = self.p.gaseste("label", eticheta, radacina=dialog).get_extents(0)
        campuri = [c for c in self.p.toate("text", None, dialog)
                   if c.get_extents(0).y >= e.y + e.height - 5 and
                   e.x - 10 <= c.get_extents(0).x <= e.x + e.width]
        if not campuri:
            raise Esec("no text box below " + eticheta)
        return min(campuri, key=lambda c: c.get_extents(0).y)

    def ruleaza(self):
        p = self.p
        stn = os.path.join(self.aplicatie, "Tezaurel.stn")
        probleme = os.path.join(self.aplicatie, "Probleme")
        unu = os.path.join(self.lucru, "scanari", "unu.jpg")
        doi = os.path.join(self.lucru, "scanari", "doi.jpg")
        os.makedirs(os.path.dirname(unu))
        fa_poza(unu, "1. Reprezentati grafic f(x) = 2x - 3.")
        fa_poza(doi, "2. Aflati f(0) + f(1) + ... + f(10).")

        self.pas = "1 start"
        proces = self.s.porneste([os.path.join(self.aplicatie, "tezaurel")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.gaseste("menu item", "Editare Tezaurel", timp=30)
        asteapta(lambda: os.path.exists(stn), "Tezaurel.stn")
        assert os.path.getsize(stn) == 0, "a new collection is empty"
        self.poza("01-main")

        self.pas = "2 editor"
        p.apasa_meniu("Editare Tezaurel")
        p.gaseste("frame", "Personalizare Tezaurel")
        self.adauga(unu, "noua", UNU)
        self.adauga(doi, None, DOI)
        self.tragere(-60, 40)
        self.poza("02-editor")
        # The second problem is marked deleted from its stored picture.
        p.apasa_meniu("Deschide fisier")
        self.alege_fisier(os.path.join(probleme, "doi.jpg"))
        p.apasa_meniu("Sterge problema")
        self.ok("Problema stearsa cu succes")
        assert os.path.getsize(stn) == 3 * 512, "header and two records"
        with open(os.path.join(probleme, "unu.jpg"), "rb") as f:
            assert f.read(2) == b"BM", "stored as bitmap data"
        p.apasa_meniu("Revenire")
        p.gaseste("menu item", "Vizualizare Tezaurel")

        self.pas = "3 selection and viewer"
        p.apasa_meniu("Vizualizare Tezaurel")
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        p.apasa(p.gaseste("radio button", "Clasa a IX-a", radacina=dialog))
        self.p.focus("Definiti o selectie")
        p.click(p.gaseste("list item", "Funcţii", radacina=dialog))
        p.apasa(p.toate("push button", "Selecteaza", dialog)[0])
        asteapta(lambda: p.toate("list item", "Funcţii", dialog) and
                 len(p.toate("list item", "Funcţii", dialog)) == 1 and
                 p.toate("list", "Selectie", dialog)[0].get_child_count() == 1,
                 "the chapter in the chosen list")
        self.poza("03-selectie")
        p.apasa_buton("Vizualizare", dialog)
        stare = asteapta(lambda: self.p.bara_de_stare(), "the status line")
        asteptat = ("unu.jpg - Capitolul: Funcţii-Disciplina: Algebră-Clasa: 9-Nivel Nota: 7 -"
                    " Selectia contine: 1 inregistrari.")
        assert stare == asteptat, "status line %r" % stare
        for buton in ("Inainte", "Inapoi", "Ultima", "Prima"):
            p.apasa_buton(buton)
            time.sleep(0.2)
            assert self.p.bara_de_stare() == asteptat, "one problem stays shown after " + buton
        p.apasa_buton("Arata/Ascunde Obs")
        obs = asteapta(lambda: [t for t in p.toate("text")
                                if "Se rezolva grafic" in text_din(t)],
                       "the observations")
        assert obs
        self.poza("04-vizualizare")

        self.pas = "4 print"
        p.apasa_buton("Imprimare")
        tip = p.gaseste("dialog", "Tipareste")
        p.apasa(p.gaseste("radio button", "In fisier", radacina=tip))
        nume = asteapta(lambda: self.camp_langa(tip, "Nume fisier"), "the file name box")
        nume.get_editable_text_iface().set_text_contents("lucrare1")
        antet = [t for t in p.toate("text", None, tip)
                 if t.get_extents(0).height > 60]
        if antet:
            antet[0].get_editable_text_iface().set_text_contents("Lucrare de control - clasa a IX-a")
        p.apasa_buton("Print", tip)
        self.ok("A fost creat fisierul: lucrare1.jpg in folderul de lucru al aplicatiei.")
        pagina = os.path.join(self.aplicatie, "teste", "lucrare1.jpg")
        with open(pagina, "rb") as f:
            assert f.read(2) == b"BM", "a saved page holds bitmap data"
        self.poza("05-tipareste")

        if imprimanta_pdf():
            inainte = set(glob.glob(os.path.join(pdf_uri(), "*.pdf")))
            p.apasa(p.gaseste("radio button", "La imprimanta", radacina=tip))
            combo = p.gaseste("combo box", None, radacina=tip)
            self.p.focus("Tipareste")
            e = combo.get_extents(0)
            self.s.xdotool("mousemove", e.x + e.width - 8, e.y + e.height // 2, "click", 1)
            p.click(p.gaseste("list item", "PDF"))
            asteapta(lambda: p.gaseste("combo box", None, radacina=tip).get_name() == "PDF" or
                     any(text_din(t) == "PDF" for t in p.toate("text", None, combo)),
                     "the printer chosen")
            self.camp_sub(tip, "Nr de exemplare").get_editable_text_iface().set_text_contents("2")
            p.apasa_buton("Print", tip)
            asteapta(lambda: not p.exista("dialog", "Tipareste"), "the print dialog to close")
            nou = asteapta(lambda: set(glob.glob(os.path.join(pdf_uri(), "*.pdf"))) - inainte,
                           "the printed PDF", timp=30)
            cale = sorted(nou)[-1]
            # cups-pdf writes the file in steps: wait until two readings agree.
            def pagini_stabile():
                intai = pagini_pdf(cale)
                time.sleep(0.3)
                return intai > 0 and intai == pagini_pdf(cale) and intai
            pagini = asteapta(pagini_stabile, "the PDF to be complete", timp=10)
            assert pagini == 2, "2 copies printed, got %d pages" % pagini
            os.remove(cale)
        else:
            print("no CUPS queue PDF: printing to a printer not checked", file=sys.stderr)
            p.apasa_buton("Renunta", tip)
            asteapta(lambda: not p.exista("dialog", "Tipareste"), "the print dialog to close")

        self.pas = "5 purge"
        p.apasa_buton("Revenire Meniu")
        p.gaseste("menu item", "Stergere fizica")
        asteapta(self.p.banner_oprit, "the banner to sort itself", timp=90, pas=0.2)
        self.poza("06-main-sortat")
        p.apasa_meniu("Stergere fizica")
        self.ok()
        assert sorted(os.listdir(probleme)) == ["unu.jpg"], os.listdir(probleme)

        self.pas = "6 exit"
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")

        with open(stn, "rb") as f:
            continut = f.read()
        a = inregistrare(*UNU, False)
        b = inregistrare(*DOI, True)
        asteptat = struct.pack("<h", 2) + a[2:] + a + b
        assert continut == asteptat, "Tezaurel.stn differs from the expected bytes"


def main():
    sursa = os.path.abspath(sys.argv[1])
    capturi = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
    if capturi:
        shutil.rmtree(capturi, ignore_errors=True)
    lucru = dosar_temporar()
    aplicatie = os.path.join(lucru, "Tezaurel")
    shutil.copytree(sursa, aplicatie)
    for f in ["Tezaurel.stn"] + glob.glob(os.path.join(aplicatie, "Probleme", "*")) + \
            glob.glob(os.path.join(aplicatie, "teste", "*")):
        if os.path.isfile(os.path.join(aplicatie, f)):
            os.remove(os.path.join(aplicatie, f))
    reusit = False
    start = time.monotonic()
    with Sesiune(lucru) as s:
        parcurs = Parcurs(s, aplicatie, lucru, capturi)
        try:
            parcurs.ruleaza()
            reusit = True
        except (Esec, AssertionError) as e:
            print("FAILED at step %s: %s" % (parcurs.pas, e), file=sys.stderr)
            print("messages seen: %r" % parcurs.mesaje, file=sys.stderr)
            parcurs.poza("esec")
    print("%.1f s" % (time.monotonic() - start))
    # The screenshots stay in the build folder; the work folder goes either way.
    sterge(lucru)
    if reusit:
        print("journey passed")
        return 0
    if capturi:
        print("screenshots in " + capturi, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
