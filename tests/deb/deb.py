#!/usr/bin/python3
# The Debian package: built from a build folder, inspected, unpacked into a
# throw-away root and started by an unprivileged user, whose data folder must
# be made in their own home, never beside the program.    deb.py <build folder>

import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

IN_PACHET = """bin/tezaurel->../lib/tezaurel/tezaurel lib/tezaurel/tezaurel share/tezaurel/next.wav
 lib/tezaurel/module/libtezaurel_recunoastere.so lib/tezaurel/module/libtezaurel_sunet.so
 share/tezaurel/help/index.html share/tezaurel/Litere/Litera20.bmp share/doc/tezaurel/copyright
 share/applications/tezaurel.desktop share/icons/hicolor/48x48/apps/tezaurel.png
 share/metainfo/ro.tezaurel.Tezaurel.metainfo.xml""".split()


def ruleaza(*comanda):
    r = subprocess.run(comanda, capture_output=True, text=True)
    assert r.returncode == 0, "%s failed:\n%s%s" % (comanda[0], r.stdout, r.stderr)
    return r.stdout.replace(" -> ", "->")


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
    # The first start, as nobody and on no screen, makes the data folder and keeps running.
    env = dict({k: v for k, v in os.environ.items() if not k.startswith("XDG_")},
               HOME=acasa, QT_QPA_PLATFORM="offscreen")
    program = subprocess.Popen(["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups",
                                radacina + "/usr/bin/tezaurel"], cwd=acasa, env=env)
    date = acasa + "/.local/share/Tezaurel"
    for _ in range(300):
        time.sleep(0.1)
        if os.path.isdir(date + "/teste") or program.poll() is not None:
            break
    time.sleep(1)
    assert program.poll() is None, "the program ended at its start: %s" % program.returncode
    program.terminate()
    program.wait()
    assert {"Probleme", "teste"} <= set(os.listdir(date)), os.listdir(date)
    assert not glob.glob(radacina + "/usr/lib/tezaurel/Tezaurel.*"), "data beside the program"
    shutil.rmtree(lucru)


if __name__ == "__main__":
    main()
