#!/usr/bin/env python3
"""Holds every #include "..." of the program against docs/straturi.txt.

    scripts/verifica_straturi.py [ROOT]

docs/straturi.txt names the layers, bottom first, one a line: `name: folder folder ...`
(folders relative to ROOT); a line `folder -> folder` lets one folder include another of
its own layer. A folder may include headers of its own folder and of any lower layer.
The layers below the one named `ferestre` stay free of Qt Widgets: they are the logic
that the tests run without a screen. Tests, benchmarks and fuzz targets are not layered,
but they take nothing from each other.

Prints each broken include as FILE:LINE and a figure line; exit 1 on any.
"""
import os
import re
import sys

SURSE = (".h", ".cpp")
NESTRATIFICATE = ("tests", "bench", "fuzz")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
WIDGETS = re.compile(
    r"^(QtWidgets/.*|QtPrintSupport/.*|Q(Abstract(Button|ItemView|ScrollArea|Slider|SpinBox)|"
    r"Action|Application|BoxLayout|CheckBox|ComboBox|Completer|DateEdit|Dialog\w*|DockWidget|"
    r"FileDialog|Form\w*|Frame|Grid\w*|GroupBox|HBoxLayout|HeaderView|InputDialog|Label|Layout|"
    r"LineEdit|List(View|Widget)|MainWindow|Menu|MenuBar|MessageBox|PlainTextEdit|"
    r"Print(Dialog|PreviewWidget|er|erInfo)|ProgressBar|ProgressDialog|PushButton|RadioButton|"
    r"ScrollArea|ScrollBar|Shortcut|Splitter|StackedWidget|StatusBar|Style\w*|TabWidget|"
    r"Table(View|Widget)|TextBrowser|TextEdit|ToolBar|ToolButton|Tree(View|Widget)|"
    r"VBoxLayout|Widget))$")


def citeste_reguli(radacina):
    straturi, laterale = [], set()
    with open(os.path.join(radacina, "docs", "straturi.txt"), encoding="utf-8") as f:
        for n, rand in enumerate(f, 1):
            rand = rand.split("#", 1)[0].strip()
            if not rand:
                continue
            sageata = re.fullmatch(r"(\S+)\s*->\s*(\S+)", rand)
            if sageata:
                laterale.add((sageata.group(1).strip("/"), sageata.group(2).strip("/")))
            elif ":" in rand:
                nume, dosare = rand.split(":", 1)
                straturi.append((nume.strip(), [d.strip("/") for d in dosare.split()]))
            else:
                sys.exit(f"docs/straturi.txt:{n}: rând neînțeles: {rand}")
    return straturi, laterale


def main():
    radacina = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
    straturi, laterale = citeste_reguli(radacina)
    nivel = {d: i for i, (_, dosare) in enumerate(straturi) for d in dosare}
    nume_straturi = [n for n, _ in straturi]
    fara_widgets = nume_straturi.index("ferestre") if "ferestre" in nume_straturi else 0
    for a, b in laterale:
        if nivel.get(a) is None or nivel.get(a) != nivel.get(b):
            sys.exit(f"docs/straturi.txt: {a} -> {b} nu leagă două dosare ale aceluiași strat")

    def dosarul(cale):
        potrivite = [d for d in nivel if cale == d or cale.startswith(d + "/")]
        return max(potrivite, key=len) if potrivite else None

    fisiere = []
    for dp, dns, fns in os.walk(radacina):
        rel = os.path.relpath(dp, radacina)
        if rel == ".":
            dns[:] = [d for d in dns if not d.startswith(".") and d != "build"]
        fisiere += [os.path.normpath(os.path.join(rel, f)) for f in fns if f.endswith(SURSE)]
    existente = set(fisiere)

    gresite, nestratificate = [], set()
    for fisier in sorted(fisiere):
        parti = fisier.split(os.sep)
        sursa = dosarul(fisier)
        if parti[0] in NESTRATIFICATE:
            sursa = parti[0]
        elif sursa is None:
            nestratificate.add(os.path.dirname(fisier))
            continue
        with open(os.path.join(radacina, fisier), encoding="utf-8", errors="replace") as f:
            for n, rand in enumerate(f, 1):
                m = INCLUDE.match(rand)
                if not m:
                    continue
                inclus = m.group(2)
                if m.group(1) == "<":
                    if sursa in nivel and nivel[sursa] < fara_widgets and WIDGETS.match(inclus):
                        gresite.append(f"{fisier}:{n}: {inclus}: Qt Widgets sub stratul ferestrelor")
                    continue
                tinta = next((c for c in (os.path.normpath(inclus),
                                          os.path.normpath(os.path.join(os.path.dirname(fisier), inclus)))
                              if c in existente), None)
                if tinta is None:
                    continue
                dest = tinta.split(os.sep)[0] if tinta.split(os.sep)[0] in NESTRATIFICATE else dosarul(tinta)
                if dest is None or dest == sursa:
                    continue
                if sursa in NESTRATIFICATE or dest in NESTRATIFICATE:
                    if dest in NESTRATIFICATE and dest != sursa:
                        gresite.append(f"{fisier}:{n}: {inclus}: {sursa}/ nu ia nimic din {dest}/")
                    continue
                if nivel[dest] > nivel[sursa] or (nivel[dest] == nivel[sursa] and (sursa, dest) not in laterale):
                    gresite.append(f"{fisier}:{n}: {inclus}: {dest}/ nu este sub {sursa}/")

    for g in gresite:
        print(g)
    for d in sorted(nestratificate):
        print(f"{d}/: dosar cu cod pe care niciun strat nu îl numește")
    print(f"{len(straturi)} straturi, {len(fisiere)} fișiere, {len(gresite)} includeri greșite, "
          f"{len(nestratificate)} dosare nestratificate")
    return 1 if gresite or nestratificate or len(straturi) < 2 else 0


if __name__ == "__main__":
    sys.exit(main())
