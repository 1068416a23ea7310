#!/usr/bin/python3
# The teacher's whole journey through the real program, under Xvfb.
#
#     parcurs.py <folder of the built application> [<folder for screenshots> [<tezaurel_demo>]]
#
# Every control is found by the caption a user reads; list entries, the file
# dialog and the printer list get real clicks and typing. Afterwards the files
# on disk are compared with what the collection format says they must hold.

import glob
import os
import pwd
import shutil
import sqlite3
import struct
import subprocess
import sys
import time
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_ajutor import Esec, Program, Sesiune, asteapta, dosar_temporar, sterge  # noqa: E402

PROMPTURI = ["Introduceti (ca numar) clasa de studiu atasata problemei",
             "Introduceti titlul capitolului atasat problemei",
             "Introduceti specialitatea atasata problemei",
             "Introduceti nivelul de notare atasat problemei",
             "Introduceti obsevatii auxiliare atasate problemei"]
# class, level, discipline, chapter, observations, file
UNU = (9, 7, "Algebră", "Funcţii", "Se rezolva grafic", "unu.jpg")
DOI = (9, 8, "Algebră", "Funcţii", "a doua", "doi.jpg")
PATRU = (10, 7, "Geometrie", "Vectori", "a; b", "patru.jpg")
UNU_CORECTAT = UNU[:3] + ("Funcţii liniare",) + UNU[4:]
TREI = (10, 6, "Geometrie", "Vectori", "", "trei.png")


def inregistrare(clasa, nivel, disciplina, capitol, observatii, fisier, sters):
    camp = lambda text, n: text.encode("cp1250")[:n].ljust(n, b" ")  # noqa: E731
    return (struct.pack("<hh", clasa, nivel) + camp(disciplina, 50) + camp(capitol, 100) +
            camp(observatii, 100) + camp(fisier, 256) + struct.pack("<h", -1 if sters else 0))


def fa_poza(cale, text):
    subprocess.run(["convert", "-size", "900x360", "xc:white", "-fill", "black", "-font",
                    "DejaVu-Sans", "-pointsize", "44", "-annotate", "+40+120", text, cale], check=True)


def text_din(acc):
    try:
        return acc.get_text(0, -1) or ""
    except Exception:  # not a text, or gone
        return ""


def pagini_pdf(cale):
    r = subprocess.run(["pdfinfo", cale], capture_output=True, text=True)
    return next((int(r.split()[1]) for r in r.stdout.splitlines() if r.startswith("Pages:")), -1)


class Parcurs:
    def __init__(self, sesiune, aplicatie, lucru, capturi, demo):
        self.s, self.aplicatie, self.lucru, self.capturi = sesiune, aplicatie, lucru, capturi
        self.demo = demo
        self.p = Program(sesiune, "Tezaurel")
        self.pas, self.mesaje = "start", []

    def poza(self, nume):
        if self.capturi:
            os.makedirs(self.capturi, exist_ok=True)
            self.s.captura(os.path.join(self.capturi, nume + ".png"))

    def ok(self, asteptat=None):
        self.mesaje.append(self.p.raspunde_ok(asteptat))

    def taste(self, fereastra, *taste):
        self.p.focus(fereastra)
        self.s.xdotool("key", *taste)

    def scrie_cale(self, dialog, cale):  # typed into a file dialog, then Enter
        self.p.gaseste("dialog", dialog)
        self.p.focus(dialog)
        self.s.xdotool("type", "--delay", "5", cale)
        self.s.xdotool("key", "Return")

    def alege_fisier(self, cale):
        self.scrie_cale("Deschide", cale)
        asteapta(lambda: not self.p.exista("dialog", "Deschide"), "the file dialog to close")

    def adauga(self, cale, problema, raspunsuri_gresite=()):
        self.p.apasa_meniu("Deschide fisier")
        self.alege_fisier(cale)
        self.p.apasa_meniu("Salveaza problema")
        clasa, nivel, disciplina, capitol, observatii, _ = problema
        for text, prompt in ([(r, PROMPTURI[0]) for r in raspunsuri_gresite] + list(zip(
                (str(clasa), capitol, disciplina, str(nivel), observatii), PROMPTURI))):
            self.p.scrie_in_prompt(text, prompt)

    def camp_langa(self, dialog, eticheta, sub=False):
        # The text box on a label's row (or right below it), to type into.
        e = self.p.gaseste("label", eticheta, radacina=dialog).get_extents(0)
        if sub:
            campuri = [c for c in self.p.toate("text", None, dialog) if c.get_extents(0).y >=
                       e.y + e.height - 5 and e.x - 10 <= c.get_extents(0).x <= e.x + e.width]
        else:
            campuri = [c for c in self.p.toate("text", None, dialog)
                       if abs(c.get_extents(0).y - e.y) < 20 and c.get_extents(0).x > e.x]
        if not campuri:
            raise Esec("no text box by " + eticheta)
        return min(campuri, key=lambda c: c.get_extents(0).y if sub else c.get_extents(0).x) \
            .get_editable_text_iface()

    def ruleaza(self):
        p, s = self.p, self.s
        stn = os.path.join(self.aplicatie, "Tezaurel.stn")
        probleme = os.path.join(self.aplicatie, "Probleme")
        scanari = os.path.join(self.lucru, "scanari")
        os.makedirs(scanari)
        unu = os.path.join(scanari, "unu.jpg")
        fa_poza(unu, "1. Reprezentati grafic f(x) = 2x - 3.")
        fa_poza(os.path.join(scanari, "doi.jpg"), "2. Aflati f(0) + f(1) + ... + f(10).")

        self.pas = "1 start"
        proces = s.porneste([os.path.join(self.aplicatie, "tezaurel")],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.gaseste("menu item", "Editare Tezaurel", timp=30)
        asteapta(lambda: os.path.exists(stn), "Tezaurel.stn")
        assert os.path.getsize(stn) == 0, "a new collection is empty"
        self.poza("01-main")

        self.pas = "2 editor"
        p.apasa_meniu("Editare Tezaurel")
        e = p.gaseste("frame", "Personalizare Tezaurel").get_extents(0)
        self.adauga(unu, UNU, ["noua"])  # letters are no class: the same prompt comes back
        self.adauga(os.path.join(scanari, "doi.jpg"), DOI)
        s.xdotool("mousemove", e.x + 200, e.y + 200, "mousedown", 1)
        for i in range(1, 6):
            s.xdotool("mousemove", e.x + 200 - 12 * i, e.y + 200 + 8 * i)
        s.xdotool("mouseup", 1)
        self.poza("02-editor")
        # The second problem is marked deleted from its stored picture, restored with
        # Ctrl+U ("Anulează ștergerea"), and marked again.
        for comanda, mesaj in (("Sterge problema", "Problema stearsa cu succes"),
                               ("ctrl+u", "Problema a fost repusă în colecție."),
                               ("Sterge problema", "Problema stearsa cu succes")):
            p.apasa_meniu("Deschide fisier")
            self.alege_fisier(os.path.join(probleme, "doi.jpg"))
            (self.taste("Personalizare Tezaurel", comanda) if comanda.startswith("ctrl")
             else p.apasa_meniu(comanda))
            self.ok(mesaj)
        assert os.path.getsize(stn) == 3 * 512, "header and two records"
        with open(os.path.join(probleme, "unu.jpg"), "rb") as f, open(unu, "rb") as ales:
            assert f.read() == ales.read(), "stored as the chosen file's own bytes"
        # A folder imported at once: two pictures with their CSV, and a text that is no picture.
        dosar = os.path.join(self.lucru, "import")
        os.makedirs(dosar)
        fa_poza(os.path.join(dosar, "trei.png"), "3. Aratati ca AB + BC = AC.")
        fa_poza(os.path.join(dosar, "patru.jpg"), "4. Aflati modulul vectorului u.")
        with open(os.path.join(dosar, "probleme.csv"), "w", encoding="cp1250") as f:
            f.write("fisier;clasa;nivel;disciplina;capitol;observatii\n" +
                    "".join("%s;%d;%d;%s;%s;\"%s\"\n" % (r[5], *r[:5]) for r in (TREI, PATRU)))
        with open(os.path.join(dosar, "citeste.txt"), "w") as f:
            f.write("nu e poza")
        self.taste("Personalizare Tezaurel", "ctrl+i")
        self.scrie_cale("Alegeți dosarul", dosar)
        raport = p.gaseste("dialog", "Raportul importului", timp=30)
        self.poza("07-import-raport")
        assert p.toate("label", "Probleme adăugate: 2. Omise: 1.", raport), "the report's summary"
        p.apasa_buton("OK", raport)
        p.apasa_meniu("Revenire")

        self.pas = "3 selection and viewer"
        p.apasa_meniu("Vizualizare Tezaurel")
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        p.apasa(p.gaseste("radio button", "Clasa a IX-a", radacina=dialog))
        self.p.focus("Definiti o selectie")
        p.click(p.gaseste("list item", "Funcţii", radacina=dialog))
        p.apasa(p.toate("push button", "Selecteaza", dialog)[0])
        asteapta(lambda: len(p.toate("list item", "Funcţii", dialog)) == 1 and
                 p.toate("list", "Selectie", dialog)[0].get_child_count() == 1,
                 "the chapter in the chosen list")
        self.poza("03-selectie")
        p.apasa_buton("Vizualizare", dialog)
        stare = asteapta(p.bara_de_stare, "the status line")
        asteptat = ("unu.jpg - Capitolul: Funcţii-Disciplina: Algebră-Clasa: 9-Nivel Nota: 7 -"
                    " Selectia contine: 1 inregistrari.")
        assert stare == asteptat, "status line %r" % stare
        for buton in ("Inainte", "Inapoi", "Ultima", "Prima"):
            p.apasa_buton(buton)
            time.sleep(0.2)
            assert self.p.bara_de_stare() == asteptat, "one problem stays shown after " + buton
        self.taste("Vizualizare Probleme", "ctrl+e")
        forma = p.gaseste("dialog", "Corectează detaliile problemei")
        self.camp_langa(forma, "Capitolul:").set_text_contents(UNU_CORECTAT[3])
        self.poza("08-corectare")
        p.apasa_buton("Salvează", forma)
        asteptat = asteptat.replace("Capitolul: Funcţii-", "Capitolul: Funcţii liniare-")
        asteapta(lambda: p.bara_de_stare() == asteptat, "the new chapter shown")
        obs_vizibile = lambda: [t for t in p.toate("text") if "Se rezolva grafic" in text_din(t)]  # noqa: E731
        p.apasa_buton("Arata/Ascunde Obs")
        asteapta(obs_vizibile, "the observations")
        # The keyboard: the paging keys keep the one problem, Ctrl+O hides and shows the box.
        self.taste("Vizualizare Probleme", "Next", "Prior", "End", "Home", "Right", "ctrl+o")
        asteapta(lambda: not obs_vizibile(), "Ctrl+O to hide the observations")
        assert self.p.bara_de_stare() == asteptat, "one problem stays shown after the keys"
        self.s.xdotool("key", "ctrl+o")
        asteapta(obs_vizibile, "Ctrl+O to show the observations")
        self.poza("04-vizualizare")
        # Zoom: "L" fits the picture to the panel's width, "0" brings back its natural size.
        vederi = [os.path.join(self.lucru, "zoom%d.png" % i) for i in range(3)]
        for i, tasta in enumerate(("", "l", "0")):
            if tasta:
                self.taste("Vizualizare Probleme", tasta)
                time.sleep(0.3)
            subprocess.run(["import", "-window", p.fereastra_x("Vizualizare Probleme"), vederi[i]],
                           env=self.s.env, capture_output=True)
        la = [subprocess.run(["compare", "-metric", "AE", vederi[0], v, "null:"], env=self.s.env,
                             capture_output=True, text=True).stderr.strip() for v in vederi[1:]]
        assert la[0] != "0" and la[1] == "0", "zoom to width and back: %r" % la

        self.pas = "3b words of the picture"
        def recunoscuta():
            with sqlite3.connect(os.path.join(self.aplicatie, "Tezaurel.db"), timeout=5) as db:
                return db.execute("SELECT marime >= 0 FROM texte_recunoscute WHERE nume = "
                                  "'unu.jpg'").fetchone() == (1,)
        asteapta(recunoscuta, "the text of unu.jpg recognised", timp=60)
        p.apasa_buton("Anuleaza selectie")
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        for cuvinte in ("triunghiul", "REPREZENTAȚI graf"):
            p.gaseste("text", "Cuvinte din enunț sau observații", radacina=dialog) \
                .get_editable_text_iface().set_text_contents(cuvinte)
            p.apasa_buton("Vizualizare", dialog)
            if cuvinte == "triunghiul":  # in no picture: nothing found, search again
                text, alerta = p.mesaj()
                assert text.startswith("Nu s-a gasit"), text
                p.apasa_buton("Da", alerta)
                time.sleep(1)  # the dialog, active again, refills its lists first
        asteapta(lambda: self.p.bara_de_stare() == asteptat, "unu.jpg found by its words")
        p.apasa_meniu("Problemă")
        p.apasa_meniu("Textul recunoscut")
        asteapta(lambda: [t for t in p.toate("text") if "grafic" in text_din(t)], "the text")
        self.poza("04b-text-recunoscut")
        p.apasa_buton("Închide")

        self.pas = "4 print"
        p.apasa_buton("Imprimare")
        tip = p.gaseste("dialog", "Tipareste")
        p.apasa(p.gaseste("radio button", "In fisier", radacina=tip))
        asteapta(lambda: self.camp_langa(tip, "Nume fisier"), "the file name box") \
            .set_text_contents("lucrare1")
        for t in [t for t in p.toate("text", None, tip) if t.get_extents(0).height > 60][:1]:
            t.get_editable_text_iface().set_text_contents("Lucrare de control - clasa a IX-a")
        p.apasa_buton("Print", tip)
        self.ok("A fost creat fisierul: lucrare1.jpg in folderul de lucru al aplicatiei.")
        with open(os.path.join(self.aplicatie, "teste", "lucrare1.jpg"), "rb") as f:
            assert f.read(2) == b"BM", "a saved page holds bitmap data"
        self.poza("05-tipareste")

        pdf_uri = os.path.join(pwd.getpwuid(os.getuid()).pw_dir, "PDF", "*.pdf")
        if shutil.which("lpstat") and subprocess.run(["lpstat", "-p", "PDF"],
                                                     capture_output=True).returncode == 0:
            inainte = set(glob.glob(pdf_uri))
            p.apasa(p.gaseste("radio button", "La imprimanta", radacina=tip))
            combo = p.gaseste("combo box", None, radacina=tip)
            self.p.focus("Tipareste")
            e = combo.get_extents(0)
            self.s.xdotool("mousemove", e.x + e.width - 8, e.y + e.height // 2, "click", 1)
            p.click(p.gaseste("list item", "PDF"))
            asteapta(lambda: p.gaseste("combo box", None, radacina=tip).get_name() == "PDF" or
                     any(text_din(t) == "PDF" for t in p.toate("text", None, combo)),
                     "the printer chosen")
            self.camp_langa(tip, "Nr de exemplare", sub=True).set_text_contents("2")
            p.apasa_buton("Print", tip)
            asteapta(lambda: not p.exista("dialog", "Tipareste"), "the print dialog to close")
            cale = sorted(asteapta(lambda: set(glob.glob(pdf_uri)) - inainte, "the printed PDF", timp=30))[-1]

            def pagini_stabile():  # cups-pdf writes the file in steps
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

        self.pas = "4b test paper"
        # Three problems (the one shown, three times: warned, not refused), a PDF.
        self.taste("Vizualizare Probleme", "ctrl+l")
        for _ in range(2):
            self.taste("Vizualizare Probleme", "Insert")
            self.ok("Problema este deja în lucrare, la numărul 1.")
        self.taste("Vizualizare Probleme", "ctrl+shift+l")
        lucrare = p.gaseste(None, "Lucrare - 3 probleme")
        self.camp_langa(lucrare, "Titlu:").set_text_contents("Test 1")
        self.camp_langa(lucrare, "Clasa:").set_text_contents("IX B")
        p.apasa_buton("Salvează PDF...", lucrare)
        self.taste("Salvează lucrarea", "Return")
        azi = time.strftime("%d.%m.%Y")
        pdf = os.path.join(self.aplicatie, "teste", "Test 1 %s.pdf" % azi)
        self.ok("Lucrarea a fost salvată în fișierul %s." % pdf)
        assert pagini_pdf(pdf) == 1, "a one-page paper"
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        for t in ("Test 1", "Clasa a IX-a B", "Numele și prenumele", "1.", "2.", "3.", "Pagina 1 din 1"):
            assert t in text, "%r not in the PDF" % t
        # The viewer's menu bar tells what the paper holds and whom the problem was given to.
        asteptat = "Lucrarea: 3 probleme · Dată: IX B " + azi
        asteapta(lambda: any(b.get_description() == asteptat for b in p.toate("menu bar")),
                 "the viewer to name the class")
        self.poza("07-lucrare")

        self.pas = "4b' grading scheme"
        # The solution of the problem shown, from the viewer; then the scheme's PDF.
        self.taste("Vizualizare Probleme", "ctrl+shift+e")
        solutie = p.gaseste("dialog", None)
        asteapta(lambda: solutie.get_name().startswith("Soluția problemei"), "the solution dialog")
        p.gaseste("text", "Pașii baremului", radacina=solutie).get_editable_text_iface() \
            .set_text_contents("Calculul discriminantului — 1p")
        p.apasa_buton("Salvează", solutie)
        asteapta(lambda: not p.exista("dialog", solutie.get_name()), "the solution dialog to close")
        p.apasa_buton("Salvează baremul…", lucrare)
        self.taste("Salvează lucrarea", "Return")
        barem = os.path.join(self.aplicatie, "teste", "Barem Test 1 %s.pdf" % azi)
        self.ok("Baremul a fost salvat în fișierul %s." % barem)
        text = subprocess.run(["pdftotext", barem, "-"], capture_output=True, text=True).stdout
        for t in ("Barem de evaluare și de notare", "Calculul discriminantului", "1p",
                  "Se acordă 1 punct din", "Barem · Pagina 1 din 1"):
            assert t in text, "%r not in the grading scheme" % t
        # The same paper as a document a word processor opens, its scans inside.
        p.apasa_buton("Salvează ca document ODT…", lucrare)
        self.taste("Salvează lucrarea", "Return")
        odt = os.path.join(self.aplicatie, "teste", "Test 1 %s.odt" % azi)
        self.ok("Lucrarea a fost salvată în fișierul %s." % odt)
        with zipfile.ZipFile(odt) as z:
            assert b"Test 1" in z.read("content.xml"), "the header in the document"
            assert len([n for n in z.namelist() if n.startswith("Pictures/")]) == 3, "three scans"

        self.pas = "4c export"
        self.taste("Vizualizare Probleme", "ctrl+shift+s")
        self.taste("Exportă problemele", "Return")
        pachet = os.path.join(self.aplicatie, "teste", "selectie.tezaurel")
        self.ok("Pachetul a fost scris: %s. Probleme exportate: 1." % pachet)
        with zipfile.ZipFile(pachet) as z:
            assert sorted(z.namelist()) == ["Probleme/unu.jpg", "Tezaurel.stn", "manifest.json"]
            assert len(z.read("Tezaurel.stn")) == 2 * 512, "header and the one problem"

        self.pas = "5 purge"
        p.apasa_buton("Revenire Meniu")
        p.gaseste("menu item", "Stergere fizica")
        asteapta(p.banner_oprit, "the banner to sort itself", timp=90, pas=0.2)
        self.poza("06-main-sortat")
        p.apasa_meniu("Stergere fizica")
        self.ok()
        assert sorted(os.listdir(probleme)) == ["patru.jpg", "trei.jpg", "unu.jpg"], os.listdir(probleme)

        self.pas = "6 exit"
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")

        with open(stn, "rb") as f:
            continut = f.read()
        a, t = inregistrare(*UNU_CORECTAT, False), inregistrare(*TREI[:5], "trei.jpg", False)  # as JPEG
        asteptat = struct.pack("<h", 4) + t[2:] + a + inregistrare(*PATRU, False) + t + t
        assert continut == asteptat, "Tezaurel.stn differs from the expected bytes"

        self.pas = "6b problem bank"
        # The teacher's job where it is meant to be done, every user action counted: start,
        # a new paper, the class, all it found, the title, the PDF and its confirmation.
        actiuni = [0]

        def actiune(*taste):
            actiuni[0] += 1
            s.xdotool(*taste)
        # A first run: no filters remembered, no thumbnails made, outside the user's own folders.
        for variabila, dosar in (("XDG_CONFIG_HOME", "config"), ("XDG_CACHE_HOME", "cache")):
            s.env[variabila] = os.path.join(self.lucru, dosar)
        proces = s.porneste([os.path.join(self.aplicatie, "tezaurel"), "--banca"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        actiuni[0] += 1
        p.gaseste(None, "Banca de probleme", timp=30)
        p.focus("Banca de probleme")
        for taste in (("key", "ctrl+n"), ("key", "alt+l"), ("type", "X"),
                      ("key", "ctrl+shift+Return"), ("key", "alt+i"), ("type", "Test 2"),
                      ("key", "ctrl+s")):
            actiune(*taste)
            time.sleep(0.2)
        p.gaseste("dialog", "Salvează lucrarea")
        p.focus("Salvează lucrarea")
        actiune("key", "Return")
        pdf = os.path.join(self.aplicatie, "teste", "Test 2 %s.pdf" % azi)
        self.ok("Lucrarea a fost salvată în fișierul %s." % pdf)
        actiuni[0] += 1
        text = subprocess.run(["pdftotext", pdf, "-"], capture_output=True, text=True).stdout
        for t in ("Test 2", "Clasa a X-a", "1. (4,5p)", "2. (4,5p)"):
            assert t in text, "%r not in the bank's PDF" % t
        assert actiuni[0] <= 15, "%d user actions" % actiuni[0]
        print("problem bank: a paper of two problems in %d user actions" % actiuni[0])
        self.poza("08-banca")
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")

        self.pas = "7 package imported by a colleague"
        coleg = os.path.join(self.lucru, "Coleg")  # the program's copy, with no collection yet
        shutil.copytree(self.aplicatie, coleg, ignore=lambda d, f: [n for n in f if n.startswith(
            "Tezaurel.") or os.path.basename(d) in ("Probleme", "teste")])
        proces = self.s.porneste([os.path.join(coleg, "tezaurel")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.apasa_meniu("Editare Tezaurel")
        self.taste("Personalizare Tezaurel", "ctrl+shift+i")
        self.alege_fisier(pachet)
        # Then the whole first collection, Ctrl+Shift+D: unu.jpg is there already, by content.
        for tasta, sumar in (("", "Probleme adăugate: 1. Omise: 0."),
                             ("ctrl+shift+d", "Probleme adăugate: 2. Omise: 1.")):
            if tasta:
                self.taste("Personalizare Tezaurel", tasta)
                self.scrie_cale("Alegeți dosarul", self.aplicatie)
            raport = p.gaseste("dialog", "Raportul importului", timp=30)
            assert p.toate("label", sumar, raport), "the report's summary " + sumar
            p.apasa_buton("OK", raport)
            asteapta(lambda: not p.vizibil(raport), "the report to close")
        p.apasa_meniu("Revenire")
        # From there the first collection is opened, and names itself in the title.
        p.apasa_meniu("Deschide colecția…")
        self.scrie_cale("Alegeți dosarul", self.aplicatie)
        asteapta(lambda: p.fereastra_x("Main – Tezaurel"), "the first collection's main window")
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the colleague's program to end")
        citeste = lambda *cale: open(os.path.join(*cale), "rb").read()  # noqa: E731
        primit = citeste(coleg, "Tezaurel.stn")
        assert primit[:2] == struct.pack("<h", 4) and primit[512:1024] == continut[512:1024] and \
            sorted(primit[1024:]) == sorted(continut[1024:2048]), "the records, unu first"
        assert citeste(coleg, "Probleme", "unu.jpg") == citeste(probleme, "unu.jpg"), "the picture"
        # The recognised text came with it, kept for the copy's size; the class's use too.
        cerere = ("SELECT marime, text, (SELECT group_concat(clasa) FROM folosiri WHERE poza = nume)"
                  " FROM texte_recunoscute JOIN texte_cautare c ON c.rowid = id WHERE nume = 'unu.jpg'")
        dela, la = (sqlite3.connect(os.path.join(d, "Tezaurel.db")).execute(cerere).fetchone()
                    for d in (self.aplicatie, coleg))
        assert la == dela and la[2] == "IX B", (dela, la)
        self.pagina_de_culegere(coleg)

    def pagina_de_culegere(self, dosar):
        # A generated two-column book page, cut into its problems, saved, then selected.
        p, self.pas = self.p, "8 a book page cut into problems"
        pagina = os.path.join(self.lucru, "culegere.png")
        n = int(subprocess.run([self.demo, "--pagina", pagina], check=True, env=self.s.env,
                               capture_output=True, text=True).stdout)
        inainte = os.path.getsize(os.path.join(dosar, "Tezaurel.stn"))
        proces = self.s.porneste([os.path.join(dosar, "tezaurel")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.apasa_meniu("Editare Tezaurel")
        self.taste("Personalizare Tezaurel", "ctrl+shift+p")
        titlu = "Pagină cu mai multe probleme"
        fereastra = p.gaseste("dialog", titlu)
        self.taste(titlu, "ctrl+o")
        self.alege_fisier(pagina)
        stare = asteapta(lambda: [l.get_name() for l in p.toate("label", None, fereastra)
                                  if l.get_name().startswith("Casete pe pagină: ")],
                         "the proposed boxes", timp=180)
        assert stare[0].startswith("Casete pe pagină: %d." % n), (n, stare)
        self.poza("09-pagina")
        self.taste(titlu, "ctrl+d")
        forma = p.gaseste("dialog", "Detalii pentru toate problemele paginii")
        self.camp_langa(forma, "Disciplina:").set_text_contents("Algebră")
        self.camp_langa(forma, "Capitolul:").set_text_contents("Din culegere")
        p.apasa_buton("Aplică", forma)
        asteapta(lambda: not p.vizibil(forma) and [l for l in p.toate("label", None, fereastra) if
                 "Detaliile paginii: clasa" in l.get_name()], "the page's details")
        self.taste(titlu, "ctrl+s")
        self.ok("Au fost adăugate %d %sprobleme." % (n, "de " if n >= 20 else ""))
        p.apasa_buton("Închide", fereastra)
        p.apasa_meniu("Revenire")
        p.apasa_meniu("Vizualizare Tezaurel")
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        p.apasa(p.gaseste("radio button", "Clasa a V-a", radacina=dialog))
        self.p.focus("Definiti o selectie")
        p.click(p.gaseste("list item", "Din culegere", radacina=dialog))
        p.apasa(p.toate("push button", "Selecteaza", dialog)[0])
        p.apasa_buton("Vizualizare", dialog)
        stare = asteapta(p.bara_de_stare, "the status line")
        assert stare.endswith("Selectia contine: %d inregistrari." % n), stare
        p.apasa_buton("Revenire Meniu")
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")
        assert os.path.getsize(os.path.join(dosar, "Tezaurel.stn")) == inainte + 512 * n
        with sqlite3.connect(os.path.join(dosar, "Tezaurel.db")) as db:
            texte = db.execute("SELECT count(*) FROM texte_recunoscute r JOIN texte_cautare c ON"
                               " c.rowid = r.id WHERE nume LIKE 'culegere_p%' AND"
                               " length(c.text) > 0").fetchone()[0]
        assert texte >= n - 1, "the texts read on the page: %d of %d" % (texte, n)


def main():
    capturi = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else None
    demo = os.path.abspath(sys.argv[3] if len(sys.argv) > 3 else os.path.join(
        sys.argv[1], "..", "unelte", "tezaurel_demo"))
    if capturi:
        shutil.rmtree(capturi, ignore_errors=True)
    lucru = dosar_temporar()
    aplicatie = os.path.join(lucru, "Tezaurel")
    start = time.monotonic()
    try:
        shutil.copytree(os.path.abspath(sys.argv[1]), aplicatie)
        for f in [os.path.join(aplicatie, "Tezaurel.stn")] + glob.glob(os.path.join(
                aplicatie, "Probleme", "*")) + glob.glob(os.path.join(aplicatie, "teste", "*")):
            if os.path.isfile(f):
                os.remove(f)
        with Sesiune(lucru) as s:
            parcurs = Parcurs(s, aplicatie, lucru, capturi, demo)
            try:
                parcurs.ruleaza()
            except (Esec, AssertionError) as e:
                print("FAILED at step %s: %s" % (parcurs.pas, e), file=sys.stderr)
                print("messages seen: %r" % parcurs.mesaje, file=sys.stderr)
                parcurs.poza("esec")
                if capturi:
                    print("screenshots in " + capturi, file=sys.stderr)
                return 1
    finally:
        # The screenshots stay in the build folder; the work folder goes either way.
        sterge(lucru)
        print("%.1f s" % (time.monotonic() - start))
    print("journey passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
