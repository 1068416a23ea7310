#!/usr/bin/python3
# The Debian package: built from a build folder, inspected, unpacked into a
# throw-away root and used by an unprivileged user, whose problem must land in
# their own data folder.    deb.py <build folder>

import glob
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from atspi_ajutor import Sesiune, asteapta, sterge  # noqa: E402
from parcurs import UNU, Parcurs, fa_poza  # noqa: E402

IN_PACHET = """bin/tezaurel->../lib/tezaurel/tezaurel lib/tezaurel/tezaurel share/tezaurel/next.wav
 share/tezaurel/help/index.html share/tezaurel/Litere/Litera20.bmp share/doc/tezaurel/copyright
 share/applications/tezaurel.desktop share/icons/hicolor/48x48/apps/tezaurel.png
 share/metainfo/ro.tezaurel.Tezaurel.metainfo.xml""".split()


def ruleaza(*comanda):
    r = subprocess.run(comanda, capture_output=True, text=True)
    assert r.returncode == 0, "%s failed:\n%s%s" % (comanda[0], r.stdout, r.stderr)
    return r.stdout.replace(" -> ", "->")


def utilizator(radacina):
    # As the unprivileged user: first start, one problem added with the menus' keys, exit.
    date = os.path.expanduser("~/.local/share/Tezaurel")
    lucru = tempfile.mkdtemp(dir=os.path.expanduser("~"))
    with Sesiune(lucru) as s:
        parcurs, poza = Parcurs(s, date, lucru, None), os.path.join(lucru, "unu.jpg")
        fa_poza(poza, "1. O problemă din pachet.")
        proces = s.porneste([os.path.join(radacina, "usr/bin/tezaurel")])
        apasa = lambda fereastra, tasta: (parcurs.p.focus(fereastra), s.xdotool("key", tasta))
        parcurs.p.gaseste("menu item", "Editare Tezaurel", timp=30)
        apasa("Main", "ctrl+e")
        parcurs.adauga(poza, None, UNU)
        apasa("Personalizare Tezaurel", "Escape")
        apasa("Main", "ctrl+q")
        asteapta(lambda: proces.poll() is not None, "the program to end")
    assert os.path.getsize(os.path.join(date, "Tezaurel.stn")) == 1024
    assert os.listdir(date + "/Probleme") == ["unu.jpg"] and os.path.isdir(date + "/teste")


def main():
    lucru = tempfile.mkdtemp(prefix="tezaurel-pachet-")
    os.chmod(lucru, 0o755)
    ruleaza("cpack", "-G", "DEB", "--config", sys.argv[1] + "/CPackConfig.cmake", "-B", lucru)
    deb = glob.glob(os.path.join(lucru, "tezaurel_*_*.deb"))[0]
    continut = ruleaza("dpkg-deb", "-c", deb)
    assert not [c for c in IN_PACHET if " ./usr/%s\n" % c not in continut], continut
    # No maintainer script: removing the package cannot reach a user's collection.
    ruleaza("dpkg-deb", "-e", deb, lucru + "/control")
    assert sorted(os.listdir(lucru + "/control")) == ["control", "md5sums"]
    print(ruleaza("lintian", "--fail-on", "error", deb), end="")
    radacina, acasa = lucru + "/radacina", lucru + "/acasa"
    ruleaza("dpkg", "-x", deb, radacina)
    ruleaza("appstreamcli", "validate", "--no-net", *glob.glob(radacina + "/usr/share/metainfo/*"))
    os.makedirs(acasa)
    os.chown(acasa, 65534, 65534)
    # A copy of the scripts: the checkout may lie where nobody cannot read.
    teste = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    for dosar in ("e2e", "deb"):
        shutil.copytree(os.path.join(teste, dosar), os.path.join(lucru, "teste", dosar),
                        ignore=shutil.ignore_patterns("__pycache__"))
    env = dict({k: v for k, v in os.environ.items() if not k.startswith("XDG_")},
               HOME=acasa, PYTHONDONTWRITEBYTECODE="1")
    subprocess.run(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                    sys.executable, lucru + "/teste/deb/deb.py", "--utilizator", radacina],
                   env=env, check=True)
    assert not glob.glob(radacina + "/usr/lib/tezaurel/Tezaurel.*"), "data beside the program"
    sterge(lucru)


if __name__ == "__main__":
    utilizator(sys.argv[2]) if sys.argv[1] == "--utilizator" else main()
