#!/usr/bin/python3
"""Screenshots of the real program with the demonstration collection, under Xvfb.

    capturi.py <built application folder> <tezaurel_demo> <output folder>

The application folder is copied to a temporary folder and seeded there, so the
build stays as it was. The program is driven as a user drives it (controls found
through the accessibility interface by their captions, list entries clicked with
xdotool); every window is grabbed on its own, and the page saved to teste/ is
converted to PNG. Writes, in the output folder:

    main-animatie.png  the main window, its title still sorting itself
    main.png           the main window, the title in place
    deschide.png       the open-file dialog, in Romanian
    editor.png         the problem editor with a picture opened
    selectie.png       the selection dialog with chapters and a discipline chosen
    import-raport.png  the report of a folder imported at once
    vizualizare.png    the viewer on a problem, its observations shown
    corectare.png      the correction of that problem's details
    text-recunoscut.png the recognised text of that problem, to copy
    tipareste.png      the print dialog, set to save the page to a file
    pagina.png         that saved page
    pagina-probleme.png  a generated book page cut into problems (the page window)
    lucrare.png        the test paper's window with three problems
    lucrare-pdf.png    the first page of the paper saved as PDF
    banca.png          the problem bank: a class chosen, all it found in a new paper
    solutie.png        the solution of a problem for the grading scheme
    barem-pdf.png      the first page of the grading scheme saved as PDF
"""

import os
import shutil
import sqlite3
import subprocess
import sys
import time
import warnings

RADACINA = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(RADACINA, "tests", "e2e"))
from atspi_ajutor import Esec, Program, Sesiune, asteapta, dosar_temporar, sterge  # noqa: E402

# The helpers reach text boxes through interfaces PyGObject calls deprecated; noise here.
warnings.filterwarnings("ignore", category=DeprecationWarning)

# Pictures above this size are scaled down until they fit.
MARIME_MAXIMA = 300 * 1024

CAPITOLE = ("Unghiuri", "Triunghiul dreptunghic", "Corpuri geometrice")
DISCIPLINA = "Geometrie"
ANTET = "Lucrare de control la geometrie - clasa a VII-a\nNume si prenume: ......................"
NUME_PAGINA = "lucrare-geometrie"


class Capturi:
    def __init__(self, sesiune, aplicatie, lucru, iesire):
        self.s = sesiune
        self.aplicatie = aplicatie
        self.lucru = lucru
        self.iesire = iesire
        self.p = Program(sesiune, "Tezaurel")

    def pastreaza(self, sursa, nume, chenar=()):
        """Stores a picture as a PNG without timestamps, scaled down if it is too large."""
        tinta = os.path.join(self.iesire, nume)
        procent = 100
        while True:
            subprocess.run(["convert", sursa, *chenar, "-resize", "%d%%" % procent, "-strip",
                            "-define", "png:exclude-chunks=date,time", "PNG24:" + tinta],
                           check=True)
            if os.path.getsize(tinta) <= MARIME_MAXIMA or procent <= 30:
                break
            procent -= 10
        print("%-18s %6d bytes%s" % (nume, os.path.getsize(tinta),
                                     "" if procent == 100 else " (scaled to %d%%)" % procent))

    def captura(self, titlu, nume):
        # Let the window finish painting what the last command changed.
        time.sleep(0.6)
        fereastra = asteapta(lambda: self.p.fereastra_x(titlu), "X window " + titlu)
        bruta = os.path.join(self.lucru, "brut-" + nume)
        subprocess.run(["import", "-window", fereastra, bruta], env=self.s.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.pastreaza(bruta, nume)

    def muta_in_selectie(self, dialog, text, buton):
        """Clicks an entry of an available list and presses the "Selecteaza" under it."""
        p = self.p
        self.p.focus("Definiti o selectie")
        p.click(p.gaseste("list item", text, radacina=dialog))
        p.apasa(p.toate("push button", "Selecteaza", dialog)[buton])
        asteapta(lambda: any(l.get_name() == "Selectie" and
                             any(c.get_name() == text for c in p.toate("list item", None, l))
                             for l in p.toate("list", None, dialog)),
                 text + " in a chosen list")

    def ruleaza(self, demo):
        p = self.p
        proces = self.s.porneste([os.path.join(self.aplicatie, "tezaurel")],
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        p.gaseste("menu item", "Editare Tezaurel", timp=30)
        time.sleep(1.5)
        self.captura("Main", "main-animatie.png")

        # The editor, with the picture of a stored problem opened from Probleme/.
        p.apasa_meniu("Editare Tezaurel")
        p.gaseste("frame", "Personalizare Tezaurel")
        p.apasa_meniu("Deschide fisier")
        p.gaseste("dialog", "Deschide")
        self.captura("Deschide", "deschide.png")
        self.p.focus("Deschide")
        self.s.xdotool("type", "--delay", "5", os.path.join(self.aplicatie, "Probleme", "demo08.jpg"))
        self.s.xdotool("key", "Return")
        asteapta(lambda: not p.exista("dialog", "Deschide"), "the file dialog to close")
        self.captura("Personalizare Tezaurel", "editor.png")

        # A folder imported at once: two scans with their probleme.csv, and a note that is
        # no picture. Another discipline, so the selection below stays as it is.
        dosar = os.path.join(self.lucru, "import")
        os.makedirs(dosar)
        for i, text in enumerate(("Calculati lim (1 + 1/n)^n.", "Studiati continuitatea lui f."), 1):
            subprocess.run(["convert", "-size", "900x300", "xc:white", "-fill", "black", "-font",
                            "DejaVu-Sans", "-pointsize", "40", "-annotate", "+40+120", text,
                            os.path.join(dosar, "analiza%d.jpg" % i)], check=True)
        with open(os.path.join(dosar, "probleme.csv"), "w", encoding="cp1250") as f:
            f.write("fisier;clasa;nivel;disciplina;capitol;observatii\n"
                    "analiza1.jpg;11;8;Analiză;Limite de şiruri;\n"
                    "analiza2.jpg;11;7;Analiză;Funcţii continue;\n")
        with open(os.path.join(dosar, "de citit.txt"), "w") as f:
            f.write("de tipărit vineri")
        self.p.focus("Personalizare Tezaurel")
        self.s.xdotool("key", "ctrl+i")
        p.gaseste("dialog", "Alegeți dosarul")
        self.p.focus("Alegeți dosarul")
        self.s.xdotool("type", "--delay", "5", dosar)
        self.s.xdotool("key", "Return")
        raport = p.gaseste("dialog", "Raportul importului", timp=60)
        self.captura("Raportul importului", "import-raport.png")
        p.apasa_buton("OK", raport)
        p.apasa_meniu("Revenire")

        # The selection: three geometry chapters and the discipline.
        p.apasa_meniu("Vizualizare Tezaurel")
        p.apasa_buton("Defineste selectie")
        dialog = p.gaseste("frame", "Definiti o selectie")
        for capitol in CAPITOLE:
            self.muta_in_selectie(dialog, capitol, 0)
        self.muta_in_selectie(dialog, DISCIPLINA, 1)
        self.captura("Definiti o selectie", "selectie.png")
        p.apasa_buton("Vizualizare", dialog)

        # The viewer, on the second problem of the selection, with its observations.
        asteapta(lambda: "Selectia contine: 3 inregistrari." in self.p.bara_de_stare(),
                 "the selection of three problems")
        p.apasa_buton("Inainte")
        asteapta(lambda: "Triunghiul dreptunghic" in self.p.bara_de_stare(), "the second problem")
        p.apasa_buton("Arata/Ascunde Obs")
        asteapta(lambda: [t for t in p.toate("text")
                          if t.get_text_iface() and
                          "Pitagora" in t.get_text_iface().get_text(0, -1)],
                 "the observations")
        self.captura("Vizualizare Probleme", "vizualizare.png")
        self.p.focus("Vizualizare Probleme")
        self.s.xdotool("key", "ctrl+e")
        forma = p.gaseste("dialog", "Corectează detaliile problemei")
        self.captura("Corectează detaliile problemei", "corectare.png")
        p.apasa_buton("Anulare", forma)

        # Its recognised text, once the background recognition has read every picture.
        def recunoscute():
            with sqlite3.connect(os.path.join(self.aplicatie, "Tezaurel.db"), timeout=5) as db:
                return db.execute("SELECT count(*) FROM texte_recunoscute WHERE marime < 0"
                                  ).fetchone() == (0,)
        asteapta(recunoscute, "the pictures' text recognised", timp=600, pas=1)
        p.apasa_meniu("Problemă")
        p.apasa_meniu("Textul recunoscut")
        text = p.gaseste("dialog", None)
        self.captura(text.get_name(), "text-recunoscut.png")
        p.apasa_buton("Închide", text)

        # The print dialog, set to save the page, and the page it saves.
        p.apasa_buton("Imprimare")
        tip = p.gaseste("dialog", "Tipareste")
        p.apasa(p.gaseste("radio button", "In fisier", radacina=tip))
        eticheta = p.gaseste("label", "Nume fisier", radacina=tip)
        y = eticheta.get_extents(0).y
        nume = asteapta(lambda: [c for c in p.toate("text", None, tip)
                                 if abs(c.get_extents(0).y - y) < 20], "the file name box")[0]
        nume.get_editable_text_iface().set_text_contents(NUME_PAGINA)
        antet = [t for t in p.toate("text", None, tip) if t.get_extents(0).height > 60]
        if not antet:
            raise Esec("no header box")
        antet[0].get_editable_text_iface().set_text_contents(ANTET)
        self.captura("Tipareste", "tipareste.png")
        p.apasa_buton("Print", tip)
        p.raspunde_ok("A fost creat fisierul: %s.jpg in folderul de lucru al aplicatiei."
                      % NUME_PAGINA)
        p.apasa_buton("Renunta", tip)
        asteapta(lambda: not p.exista("dialog", "Tipareste"), "the print dialog to close")
        # The page holds bitmap data under its .jpg name.
        pagina = os.path.join(self.aplicatie, "teste", NUME_PAGINA + ".jpg")
        # A thin grey edge, or the white sheet would melt into a white page around it.
        self.pastreaza("bmp:" + pagina, "pagina.png", ("-bordercolor", "#999999", "-border", "1"))

        # A test paper of three problems, saved as PDF, and its first page.
        for buton in (None, "Inainte", "Prima"):
            if buton:
                p.apasa_buton(buton)
                time.sleep(0.3)
            p.focus("Vizualizare Probleme")
            self.s.xdotool("key", "ctrl+l")
            time.sleep(0.3)
        self.s.xdotool("key", "ctrl+shift+l")
        lucrare = p.gaseste(None, "Lucrare - 3 probleme")
        for eticheta, text in (("Titlu:", "Test de evaluare la geometrie"),
                               ("Școala:", "Școala Gimnazială nr. 5 Iași"), ("Clasa:", "VII A")):
            l = p.gaseste("label", eticheta, radacina=lucrare)
            campuri = [c for c in p.toate("text", None, lucrare)
                       if abs(c.get_extents(0).y - l.get_extents(0).y) < 20]
            campuri[0].get_editable_text_iface().set_text_contents(text)
        p.gaseste("spin button", "Timp de lucru:", radacina=lucrare).get_value_iface() \
            .set_current_value(50)
        for i, puncte in enumerate((3, 3, 3)):
            self.p.focus("Lucrare - 3 probleme")
            p.click(p.toate("list item", None, p.gaseste("list", "Problemele lucrării"))[i])
            time.sleep(0.3)
            p.gaseste("spin button", "Puncte:").get_value_iface().set_current_value(puncte)
        self.captura("Lucrare - 3 probleme", "lucrare.png")
        p.apasa_buton("Salvează PDF...")
        p.gaseste("dialog", "Salvează lucrarea")
        self.p.focus("Salvează lucrarea")
        self.s.xdotool("key", "Return")
        p.raspunde_ok()
        pdf = [f for f in os.listdir(os.path.join(self.aplicatie, "teste"))
               if f.endswith(".pdf") and not f.startswith("Barem ")]
        subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                        os.path.join(self.aplicatie, "teste", pdf[0]),
                        os.path.join(self.lucru, "pdf")], check=True)
        self.pastreaza(os.path.join(self.lucru, "pdf.png"), "lucrare-pdf.png",
                       ("-bordercolor", "#999999", "-border", "1"))

        # The solution of the problem shown, then the grading scheme and its first page.
        p.focus("Vizualizare Probleme")
        self.s.xdotool("key", "ctrl+shift+e")
        solutie = asteapta(lambda: next((d for d in p.toate("dialog", None)
                                         if d.get_name().startswith("Soluția")), None),
                           "the solution dialog")
        p.gaseste("text", "Textul soluției", radacina=solutie).get_editable_text_iface() \
            .set_text_contents("Triunghiul ABC este isoscel, deci unghiurile B și C sunt egale.")
        p.gaseste("text", "Pașii baremului", radacina=solutie).get_editable_text_iface() \
            .set_text_contents("Unghiurile de la bază sunt egale — 1p\nCalculul unghiului A — 2p")
        self.captura(solutie.get_name(), "solutie.png")
        p.apasa_buton("Salvează", solutie)
        p.apasa_buton("Salvează baremul…")
        p.gaseste("dialog", "Salvează lucrarea")
        self.p.focus("Salvează lucrarea")
        self.s.xdotool("key", "Return")
        p.raspunde_ok()
        barem = [f for f in os.listdir(os.path.join(self.aplicatie, "teste"))
                 if f.startswith("Barem ")]
        subprocess.run(["pdftoppm", "-png", "-r", "60", "-f", "1", "-l", "1", "-singlefile",
                        os.path.join(self.aplicatie, "teste", barem[0]),
                        os.path.join(self.lucru, "barem")], check=True)
        self.pastreaza(os.path.join(self.lucru, "barem.png"), "barem-pdf.png",
                       ("-bordercolor", "#999999", "-border", "1"))

        # Back to the main window once its title has sorted itself.
        p.apasa_buton("Revenire Meniu")
        p.gaseste("menu item", "Stergere fizica")
        # The problem bank: a class chosen, a new paper of all it found.
        self.p.focus("Main")
        self.s.xdotool("key", "ctrl+b")
        p.gaseste(None, "Banca de probleme")
        self.p.focus("Banca de probleme")
        for tasta in ("ctrl+n", "alt+l", "Down", "ctrl+shift+Return"):
            self.s.xdotool("key", tasta)
            time.sleep(0.3)
        self.captura("Banca de probleme", "banca.png")
        self.s.xdotool("key", "ctrl+w")
        self.p.focus("Main")
        asteapta(self.p.banner_oprit, "the title to sort itself", timp=120, pas=0.2)
        self.captura("Main", "main.png")
        self.pagina(demo)
        p.apasa_meniu("Iesire")
        asteapta(lambda: proces.poll() is not None, "the program to end")

    def pagina(self, demo):
        # A generated two-column book page with its proposed boxes, nothing saved.
        p, titlu = self.p, "Pagină cu mai multe probleme"
        cale = os.path.join(self.lucru, "culegere.png")
        subprocess.run([demo, "--pagina", cale], check=True, env=self.s.env,
                       stdout=subprocess.DEVNULL)
        p.apasa_meniu("Editare Tezaurel")
        self.p.focus("Personalizare Tezaurel")
        self.s.xdotool("key", "ctrl+shift+p")
        fereastra = p.gaseste("dialog", titlu)
        self.p.focus(titlu)
        self.s.xdotool("key", "ctrl+o")
        p.gaseste("dialog", "Deschide")
        self.p.focus("Deschide")
        self.s.xdotool("type", "--delay", "5", cale)
        self.s.xdotool("key", "Return")
        asteapta(lambda: [l for l in p.toate("label", None, fereastra)
                          if l.get_name().startswith("Casete pe pagină: ")],
                 "the proposed boxes", timp=180)
        self.captura(titlu, "pagina-probleme.png")
        p.apasa_buton("Închide", fereastra)
        p.apasa_meniu("Revenire")


def main():
    if len(sys.argv) != 4:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    sursa, demo, iesire = (os.path.abspath(a) for a in sys.argv[1:])
    os.makedirs(iesire, exist_ok=True)
    lucru = dosar_temporar()
    aplicatie = os.path.join(lucru, "Tezaurel")
    # Only the program and its assets: a collection or pages left in the build stay out.
    shutil.copytree(sursa, aplicatie,
                    ignore=lambda d, nume: [n for n in nume if n == "Tezaurel.stn" or
                                            os.path.basename(d) in ("Probleme", "teste")])
    reusit = False
    with Sesiune(lucru) as s:
        subprocess.run([demo, aplicatie], check=True, env=s.env, stdout=subprocess.DEVNULL)
        capturi = Capturi(s, aplicatie, lucru, iesire)
        try:
            capturi.ruleaza(demo)
            reusit = True
        except (Esec, AssertionError) as e:
            print("FAILED: %s" % e, file=sys.stderr)
            s.captura(os.path.join(lucru, "esec.png"))
    if reusit:
        sterge(lucru)
        return 0
    print("work folder kept: " + lucru, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
