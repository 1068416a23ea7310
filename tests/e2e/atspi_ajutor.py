# Driving the real program as a user does: a private X server, a private session
# bus with the accessibility bus, and every control found by the caption a user reads.

import os
import shutil
import signal
import subprocess
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402


class Esec(Exception):
    pass


def asteapta(conditie, descriere, timp=15.0, pas=0.05):
    # Polls until conditie() is truthy and returns its value.
    limita = time.monotonic() + timp
    while not (valoare := conditie()):
        if time.monotonic() > limita:
            raise Esec("timed out waiting for " + descriere)
        time.sleep(pas)
    return valoare


class Sesiune:
    # Xvfb + D-Bus session + AT-SPI bus, torn down on exit.
    def __init__(self, dosar_lucru):
        self.dosar, self.procese, self.env = dosar_lucru, [], dict(os.environ)

    def __enter__(self):
        runtime = os.path.join(self.dosar, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env["XDG_RUNTIME_DIR"] = runtime
        for cheie in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY"):
            self.env.pop(cheie, None)
        self.env["DISPLAY"] = ":" + self._porneste_cu_raspuns(
            # TEZAUREL_ECRAN=1024x768x24 shows the program as a school computer's screen does.
            ["Xvfb", "-displayfd", "{fd}", "-screen", "0",
             os.environ.get("TEZAUREL_ECRAN", "1280x1024x24"), "-nolisten", "tcp",
             "-noreset"], open(os.path.join(self.dosar, "xvfb.log"), "w"))
        self.env["DBUS_SESSION_BUS_ADDRESS"] = self._porneste_cu_raspuns(
            ["dbus-daemon", "--session", "--nofork", "--print-address={fd}"], subprocess.DEVNULL)
        os.environ.update({k: self.env[k] for k in
                           ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        self.procese.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=self.env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        asteapta(self._bus_a11y, "the accessibility bus")
        Atspi.init()
        return self

    def _porneste_cu_raspuns(self, comanda, jurnal):
        # Starts a server that writes one line (its display or address) to the
        # pipe given as {fd}, and returns that line.
        citit, scris = os.pipe()
        self.procese.append(subprocess.Popen(
            [a.replace("{fd}", str(scris)) for a in comanda], pass_fds=(scris,), env=self.env,
            stdout=subprocess.DEVNULL, stderr=jurnal))
        os.close(scris)
        # Xvfb writes the number and its newline separately; closing the pipe
        # before the newline arrives kills the server.
        rand = b""
        while not rand.endswith(b"\n"):
            bucata = os.read(citit, 256)
            if not bucata:
                raise Esec(comanda[0] + " reported nothing")
            rand += bucata
        os.close(citit)
        return rand.decode().strip()

    def _bus_a11y(self):
        try:
            r = Gio.bus_get_sync(Gio.BusType.SESSION, None).call_sync(
                "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, 1000, None)
            self.adresa_a11y = r.unpack()[0]
            return True
        except GLib.Error:
            return False

    def porneste(self, comanda, **kw):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
        self.procese.append(subprocess.Popen(comanda, env=env, **kw))
        return self.procese[-1]

    def captura(self, cale):
        subprocess.run(["import", "-window", "root", cale], env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def xdotool(self, *argumente):
        subprocess.run(["xdotool"] + [str(a) for a in argumente], env=self.env, check=True)

    def __exit__(self, *exc):
        for p in reversed(self.procese):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        return False


class Program:
    # The program under test, seen through AT-SPI.
    def __init__(self, sesiune, nume_aplicatie):
        self.sesiune, self.nume, self._conexiune = sesiune, nume_aplicatie, None

    def aplicatie(self):
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            a = desktop.get_child_at_index(i)
            if a is not None and a.get_name() == self.nume:
                return a
        return None

    @staticmethod
    def vizibil(acc):
        try:
            return acc.get_state_set().contains(Atspi.StateType.SHOWING)
        except GLib.Error:
            return False

    def toate(self, rol=None, nume=None, radacina=None, doar_vizibile=True):
        gasite = []

        def coboara(acc, adancime):
            try:
                copii = [acc.get_child_at_index(i) for i in range(acc.get_child_count())]
            except GLib.Error:
                return
            for c in copii:
                if c is None or adancime > 40 or (doar_vizibile and not self.vizibil(c)):
                    continue
                try:
                    if rol in (None, c.get_role_name()) and nume in (None, c.get_name()):
                        gasite.append(c)
                except GLib.Error:
                    continue
                coboara(c, adancime + 1)

        start = radacina or self.aplicatie()
        if start is not None:
            coboara(start, 0)
        return gasite

    def gaseste(self, rol, nume, timp=15.0, radacina=None):
        return asteapta(lambda: (self.toate(rol, nume, radacina) or [None])[0], "%s %r" % (rol, nume), timp)

    def exista(self, rol, nume):
        return bool(self.toate(rol, nume))

    def apasa(self, acc):
        # Runs the first action without waiting: the slot may open a modal dialog.
        if self._conexiune is None:
            self._conexiune = Gio.DBusConnection.new_for_address_sync(
                self.sesiune.adresa_a11y, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
                Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        bus = acc.get_bus_name() if hasattr(acc, "get_bus_name") else acc.app.bus_name
        mesaj = Gio.DBusMessage.new_method_call(bus, acc.path, "org.a11y.atspi.Action", "DoAction")
        mesaj.set_body(GLib.Variant("(i)", (0,)))
        mesaj.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
        self._conexiune.send_message(mesaj, Gio.DBusSendMessageFlags.NONE)
        self._conexiune.flush_sync(None)

    def apasa_meniu(self, titlu):
        self.apasa(self.gaseste("menu item", titlu))

    def apasa_buton(self, titlu, radacina=None):
        self.apasa(self.gaseste("push button", titlu, radacina=radacina))

    def mesaj(self):
        # The message box shown now: its text and the box.
        alerta = self.gaseste("alert", "Tezaurel")
        return " ".join(l.get_name() for l in self.toate("label", None, alerta) if l.get_name()), alerta

    def raspunde_ok(self, asteptat=None):
        # Presses OK on the message box shown now; returns its text.
        text, alerta = self.mesaj()
        if asteptat is not None and text != asteptat:
            raise Esec("message %r, expected %r" % (text, asteptat))
        self.apasa_buton("OK", alerta)
        asteapta(lambda: not self.vizibil(alerta), "the message to close")
        return text

    def scrie_in_prompt(self, text, intrebare):
        dialog = self.gaseste("dialog", "Tezaurel")
        etichete = [l.get_name() for l in self.toate("label", None, dialog)]
        if intrebare not in etichete:
            raise Esec("prompt %r, expected %r" % (etichete, intrebare))
        self.gaseste("text", None, radacina=dialog).get_editable_text_iface().set_text_contents(text)
        self.apasa_buton("OK", dialog)
        # The same prompt may come straight back (a refused answer): wait for
        # this one to go, not for every prompt.
        asteapta(lambda: not self.vizibil(dialog), "the prompt to close")

    def fereastra_x(self, titlu):
        # The X window with this title, shown now.
        # xdotool reads a title such as "Alegeți" as other bytes when the program runs
        # in a locale this machine lacks (ro_RO for the screenshots): any letter beyond
        # ASCII is matched as one to four of whatever xdotool sees.
        tipar = "".join(".{1,4}" if ord(c) > 127 else c if c.isalnum() or c == " " else "\\" + c
                        for c in titlu)
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % tipar],
                           env=self.sesiune.env, capture_output=True, text=True)
        return (r.stdout.split() or [None])[-1]

    def focus(self, titlu):
        # With no window manager, a window must be raised and focused by hand.
        fereastra = asteapta(lambda: self.fereastra_x(titlu), "X window " + titlu)
        self.sesiune.xdotool("windowraise", fereastra)
        self.sesiune.xdotool("windowfocus", "--sync", fereastra)

    def bara_de_stare(self):
        return ([b.get_name() for b in self.toate("status bar")] or [""])[0]

    def banner_oprit(self):
        # Two looks a while apart show the same main window: the letters are in place.
        fereastra = self.fereastra_x("Main")
        a, b = (os.path.join(self.sesiune.dosar, f) for f in ("a.png", "b.png"))
        for f in (a, b) if fereastra else ():
            subprocess.run(["import", "-window", fereastra, f], env=self.sesiune.env, capture_output=True)
            time.sleep(0.4)
        r = subprocess.run(["compare", "-metric", "AE", a, b, "null:"], env=self.sesiune.env,
                           capture_output=True, text=True)
        return fereastra and r.stderr.strip() == "0"

    def click(self, acc, buton=1):
        e = acc.get_extents(Atspi.CoordType.SCREEN)
        self.sesiune.xdotool("mousemove", e.x + e.width // 2, e.y + e.height // 2, "click", buton)


def dosar_temporar():
    return tempfile.mkdtemp(prefix="tezaurel-e2e-")


def sterge(dosar):
    shutil.rmtree(dosar, ignore_errors=True)
