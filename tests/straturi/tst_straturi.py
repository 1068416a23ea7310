#!/usr/bin/env python3
"""The layer check fails, naming the file and line, on each kind of wrong include, and passes a
tree that keeps the rule."""
import os
import subprocess
import sys
import tempfile

VERIFICARE = sys.argv[1]
REGULI = """jos: jos
mijloc: mijloc/a mijloc/b
mijloc/a -> mijloc/b
ferestre: ferestre
"""
BUN = {
    "jos/Baza.h": "#include <QString>\n",
    "mijloc/a/A.cpp": '#include "jos/Baza.h"\n#include "mijloc/b/B.h"\n',
    "mijloc/b/B.h": '#include "jos/Baza.h"\n',
    "ferestre/F.cpp": '#include <QWidget>\n#include "mijloc/a/A.h"\n',
    "mijloc/a/A.h": "",
    "tests/t.cpp": '#include "ferestre/F.h"\n',
    "bench/b.cpp": '#include "mijloc/a/A.h"\n',
}
# (what is planted, the line the check must name)
GRESITE = [
    ({"jos/Sus.cpp": '#include "mijloc/a/A.h"\n'}, "jos/Sus.cpp:1"),
    ({"mijloc/b/Lateral.cpp": '\n#include "mijloc/a/A.h"\n'}, "mijloc/b/Lateral.cpp:2"),
    ({"mijloc/a/Fereastra.cpp": '#include <QDialog>\n'}, "mijloc/a/Fereastra.cpp:1"),
    ({"jos/Widget.h": '#include <QtWidgets/QMenu>\n'}, "jos/Widget.h:1"),
    ({"tests/Banc.cpp": '#include "bench/b.h"\n', "bench/b.h": ""}, "tests/Banc.cpp:1"),
    ({"bench/Test.cpp": '#include "tests/t.h"\n', "tests/t.h": ""}, "bench/Test.cpp:1"),
    ({"nimeni/X.cpp": "int x;\n"}, "nimeni/"),
]


def verifica(fisiere):
    with tempfile.TemporaryDirectory() as radacina:
        os.makedirs(os.path.join(radacina, "docs"))
        with open(os.path.join(radacina, "docs", "straturi.txt"), "w") as f:
            f.write(REGULI)
        for cale, text in fisiere.items():
            os.makedirs(os.path.dirname(os.path.join(radacina, cale)), exist_ok=True)
            with open(os.path.join(radacina, cale), "w") as f:
                f.write(text)
        r = subprocess.run([sys.executable, VERIFICARE, radacina], capture_output=True, text=True)
        return r.returncode, r.stdout


esecuri = []
cod, iesire = verifica(BUN)
if cod != 0:
    esecuri.append(f"the clean tree was refused:\n{iesire}")
for plantate, rand in GRESITE:
    cod, iesire = verifica({**BUN, **plantate})
    if cod == 0 or rand not in iesire:
        esecuri.append(f"{rand} was not caught (exit {cod}):\n{iesire}")
for e in esecuri:
    print(e)
print(f"{1 + len(GRESITE) - len(esecuri)} passed, {len(esecuri)} failed")
sys.exit(1 if esecuri else 0)
