#!/usr/bin/python3
"""The Debian package: built from a build folder, inspected, unpacked into a
throw-away root and used by an unprivileged user, whose problem must land in
their own data folder.

    pachet.py <build folder>
"""

import glob
import os
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from atspi_ajutor import Sesiune, asteapta, sterge  # noqa: E402
from parcurs import UNU, Parcurs, fa_poza  # noqa: E402

IN_PACHET = ["./usr/bin/tezaurel -> ../lib/tezaurel/tezaurel", "./usr/lib/tezaurel/tezaurel",
             "./usr/share/tezaurel/help/index.html", "./usr/share/tezaurel/next.wav",
             "./usr/share/tezaurel/Litere/Litera20.bmp", "./usr/share/applications/tezaurel.desktop",
             "./usr/share/icons/hicolor/48x48/apps/tezaurel.png", "./usr/share/doc/tezaurel/copyright",
             "./usr/share/metainfo/ro.tezaurel.Tezaurel.metainfo.xml"]
NOBODY = ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"]


def ruleaza(*comanda):
    r = subprocess.run(comanda, capture_output=True, text=True)
    assert r.returncode == 0, "%s failed:\n%s%s" % (comanda[0], r.stdout, r.stderr)
    return r.stdout


def utilizator(radacina):
    """As the unprivileged user: first start, one problem added, exit."""
    date = os.path.expanduser("~/.local/share/Tezaurel")
    lucru = tempfile.mkdtemp(dir=os.path.expanduser("~"))
    with Sesiune(lucru) as s:
        parcurs = Parcurs(s, date, lucru, None)
        poza = os.path.join(lucru, "unu.jpg")
        fa_poza(poza, "1. O problemă din pachet.")
        proces = s.porneste([os.path.join(radacina, "usr/bin/tezaurel")])
        parcurs.p.gaseste("menu item", "Editare Tezaurel", timp=30)
        # The menus' keys, from the main window to the editor and back out.
        parcurs.p.focus("Main")
        s.xdotool("key", "ctrl+e")
        parcurs.adauga(poza, UNU)
        asteapta(lambda: os.path.getsize(os.path.join(date, "Tezaurel.stn")) == 1024,
                 "the problem in the user's collection")
        parcurs.p.focus("Personalizare Tezaurel")
        s.xdotool("key", "Escape")
        parcurs.p.focus("Main")
        s.xdotool("key", "ctrl+q")
        asteapta(lambda: proces.poll() is not None, "the program to end")
    assert os.listdir(os.path.join(date, "Probleme")) == ["unu.jpg"]
    assert os.path.isdir(os.path.join(date, "teste"))


def main():
    lucru = tempfile.mkdtemp(prefix="tezaurel-pachet-")
    os.chmod(lucru, 0o755)
    ruleaza("cpack", "-G", "DEB", "--config", os.path.join(sys.argv[1], "CPackConfig.cmake"),
            "-B", lucru)
    deb = glob.glob(os.path.join(lucru, "tezaurel_*_*.deb"))[0]
    continut = ruleaza("dpkg-deb", "-c", deb)
    lipsa = [c for c in IN_PACHET if " " + c + "\n" not in continut]
    assert not lipsa, "missing from the package: %r" % lipsa
    # No maintainer script: removing the package cannot reach a user's collection.
    ruleaza("dpkg-deb", "-e", deb, os.path.join(lucru, "control"))
    assert sorted(os.listdir(os.path.join(lucru, "control"))) == ["control", "md5sums"]
    print(ruleaza("lintian", "--fail-on", "error", deb), end="")
    radacina = os.path.join(lucru, "radacina")
    ruleaza("dpkg", "-x", deb, radacina)
    ruleaza("appstreamcli", "validate", "--no-net",
            *glob.glob(os.path.join(radacina, "usr/share/metainfo/*.xml")))
    acasa = os.path.join(lucru, "acasa")
    os.makedirs(acasa)
    os.chown(acasa, 65534, 65534)
    env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
    env.update(HOME=acasa, PYTHONDONTWRITEBYTECODE="1")
    r = subprocess.run(NOBODY + [sys.executable, os.path.abspath(__file__), "--utilizator",
                                 radacina], env=env)
    assert r.returncode == 0, "the unprivileged user's run failed"
    assert not glob.glob(os.path.join(radacina, "usr/lib/tezaurel/Tezaurel.*"))
    sterge(lucru)
    print("package passed")


if __name__ == "__main__":
    if sys.argv[1] == "--utilizator":
        utilizator(sys.argv[2])
    else:
        main()
