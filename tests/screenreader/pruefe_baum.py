#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads Netzplaner over the AT-SPI accessibility bus, as a screen reader does,
and checks what a listener hears: every control named in German, the pictures
named for what a click does, no separator line to stop at, and each result
block heard as one whole address that follows every recalculation.

  pruefe_baum.py PROGRAM [--baum]

Run it inside a D-Bus session on an X server (tests/screenreader/lauf.sh sets
both up). It reports every failing check, not only the first, and prints the
tree as the bus shows it when one fails (or with --baum).
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import Gio, GLib
except ImportError as fehler:
    sys.exit(f"cannot import pyatspi ({fehler}): run scripts/setup --tests, and use /usr/bin/python3")

BILDNAME = "Webseite von Quendelwerk öffnen"
FORM1_STEUERELEMENTE = (
    [("text", f"Oktett {i} der IP-Adresse") for i in range(1, 5)]
    + [("radio button", f"Adressanteil: {b} Bit") for b in (8, 16, 24)]
    + [("radio button", f"Netzart: {a}") for a in ("Normal", "Sub Netz", "Super Netz")]
    + [("text", "Bits für Sub- oder Supernetz")])
WANDELN_STEUERELEMENTE = (
    [("text", "Eingabe, Dezimalzahl")]
    + [("radio button", f"Wandeln in: {b}") for b in ("Dual", "Oktal", "Hexadezimal")]
    + [("text", "Ergebnis")])


class Knoten:
    """One accessible object as read from the bus at one moment."""

    def __init__(self, objekt, tiefe):
        self.rolle = objekt.getRoleName()
        self.name = objekt.name or ""
        zustand = objekt.getState()
        self.zeigt = zustand.contains(pyatspi.STATE_SHOWING)
        self.fokussierbar = zustand.contains(pyatspi.STATE_FOCUSABLE)
        # Qt 6.4 reports nonsense sizes through GetExtents in window
        # coordinates; GetSize is right.
        self.groesse = tuple(objekt.queryComponent().getSize())
        self.text = objekt.queryText().getText(0, -1) if "Text" in objekt.get_interfaces() else None
        self.tiefe = tiefe
        self.kinder = [Knoten(k, tiefe + 1) for k in (objekt.getChildAtIndex(i) for i in range(objekt.childCount))
                       if k is not None]

    def alle(self):
        yield self
        for kind in self.kinder:
            yield from kind.alle()

    def zeile(self):
        text = "" if self.text is None else f" text={self.text!r}"
        merkmale = ",".join(m for m, an in (("showing", self.zeigt), ("focusable", self.fokussierbar)) if an)
        return f"{'  ' * self.tiefe}[{self.rolle}] {self.name!r}{text} {self.groesse[0]}x{self.groesse[1]} {{{merkmale}}}"


class Pruefung:
    def __init__(self):
        self.fehler = []

    def pruefe(self, bedingung, was, sonst=""):
        print(("ok      " if bedingung else "FAILED  ") + was + ("" if bedingung else f"\n        {sonst}"))
        if not bedingung:
            self.fehler.append(was)
        return bedingung


def pumpe(sekunden):
    """Lets libatspi take in the bus's events for a while."""
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende:
        while kontext.iteration(False):
            pass
        time.sleep(0.05)


def warte(bedingung, sekunden):
    ende = time.monotonic() + sekunden
    while True:
        ergebnis = bedingung()
        if ergebnis or time.monotonic() >= ende:
            return ergebnis
        pumpe(0.2)


def xdotool(*argumente):
    subprocess.run(["xdotool", *argumente], check=True, timeout=10, capture_output=True)


def fokussiere(fenstertitel):
    """Gives the X window the keyboard: under Xvfb no window manager does."""
    gefunden = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{fenstertitel}$"],
                              capture_output=True, text=True, timeout=10).stdout.split()
    if not gefunden:
        raise RuntimeError(f"no X window titled {fenstertitel!r}")
    xdotool("windowfocus", "--sync", gefunden[0])


def erreiche_bus():
    """libatspi aborts the whole process when it finds no accessibility bus,
    so ask for it first, with a timeout."""
    try:
        sitzung = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        antwort = sitzung.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                    GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 10000, None)
        Gio.DBusConnection.new_for_address_sync(
            antwort.unpack()[0],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION,
            None, None).close_sync(None)
    except GLib.Error as fehler:
        sys.exit(f"the AT-SPI bus cannot be reached: {fehler.message}")


def finde_programm(prozess, sekunden=20):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        if prozess.poll() is not None:
            sys.exit(f"the program ended with exit code {prozess.returncode} before it showed on the bus")
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            anwendung = desktop.getChildAtIndex(i)
            if anwendung is not None and anwendung.name == "Netzplaner":
                return anwendung
        time.sleep(0.2)
    sys.exit(f"the program did not show on the AT-SPI bus within {sekunden} s")


def fenster(anwendung, rolle, titel):
    for i in range(anwendung.childCount):
        kind = anwendung.getChildAtIndex(i)
        if kind is not None and kind.getRoleName() == rolle and kind.name == titel:
            return kind
    return None


def gesehen(baum):
    return [k for k in baum.alle() if k.zeigt]


def pruefe_steuerelemente(p, baum, erwartet, fenstername):
    vorhanden = {(k.rolle, k.name) for k in gesehen(baum)}
    for rolle, name in erwartet:
        p.pruefe((rolle, name) in vorhanden, f"{fenstername}: {rolle} {name!r} on the bus",
                 "named: " + ", ".join(sorted(repr(n) for r, n in vorhanden if r == rolle)))
    unbenannt = [k.zeile().strip() for k in gesehen(baum) if k.fokussierbar and not k.name]
    p.pruefe(not unbenannt, f"{fenstername}: every control a user reaches has a name", "; ".join(unbenannt))


def kern(text):
    """What a name is about, without its value: "Netz Maske" and
    "Netzmaske 255.0.0.0" are both about "netzmaske"."""
    return text.split(",")[0].split(":")[0].replace(" ", "").lower()


def pruefe_ansagen(p, baum, erwartet, anlass, ansagen=None):
    """Each caption is heard with its value in one stop and, when it changed,
    the bus told listeners so."""
    namen = [k.name for k in gesehen(baum)]
    for text in erwartet:
        thema = kern(text.rsplit(" ", 1)[0])
        aehnlich = [repr(n) for n in namen if n and (kern(n).startswith(thema) or thema.startswith(kern(n)))]
        p.pruefe(text in namen, f"{anlass}: one stop reads {text!r}",
                 "nearest: " + (", ".join(aehnlich[:4]) + (", ..." if len(aehnlich) > 4 else "") or "none"))
        if ansagen is not None:
            p.pruefe(text in ansagen, f"{anlass}: the bus announced {text!r} as a name change",
                     f"{len(ansagen)} name changes announced, none to this")


def pruefe_hauptfenster(p, form1, baeume):
    baum = baeume["main window"] = Knoten(form1, 0)
    pruefe_steuerelemente(p, baum, FORM1_STEUERELEMENTE, "main window")
    bilder = [k for k in baum.alle() if k.rolle == "image" or k.name == BILDNAME]
    p.pruefe(len(bilder) == 2 and all(k.name == BILDNAME for k in bilder),
             f"main window: both pictures are named {BILDNAME!r}", "; ".join(k.zeile().strip() for k in bilder))
    # A line is a QFrame 1 px high: whatever role it has, a shown node that thin is one.
    linien = [k for k in gesehen(baum) if min(k.groesse) <= 2]
    p.pruefe(not linien, "main window: no separator line is a stop on the bus",
             "; ".join(k.zeile().strip() for k in linien))
    pruefe_ansagen(p, baum, ["Netzmaske 255.255.255.0", "Netzadresse 192.168.4.0", "Broadcast-Adresse 192.168.4.255"],
                   "at start")


def pruefe_neuberechnung(p, form1, baeume, ansagen):
    fokussiere("Netzplaner ")
    # The caret stands after the preset, so select the octet before typing over it.
    xdotool("key", "--clearmodifiers", "Home", "shift+End")
    xdotool("type", "--delay", "40", "10")

    def erstes_oktett():
        return next((k.text for k in Knoten(form1, 0).alle() if k.name == "Oktett 1 der IP-Adresse"), None)

    if p.pruefe(warte(lambda: erstes_oktett() == "10", 5), "typing \"10\" reaches the first octet field",
                f"the keys did not arrive: the field reads {erstes_oktett()!r}"):
        nachher = ["Netzmaske 255.0.0.0", "Netzadresse 10.0.0.0", "Broadcast-Adresse 10.255.255.255"]
        warte(lambda: all(t in ansagen for t in nachher), 3)
        baeume["main window"] = Knoten(form1, 0)
        pruefe_ansagen(p, baeume["main window"], nachher, "after typing 10", ansagen)


def pruefe_wandeln(p, anwendung, baeume, ansagen):
    xdotool("key", "--clearmodifiers", "alt+w")
    wandeln = warte(lambda: fenster(anwendung, "dialog", "Verschiedene Zahlensysteme"), 10)
    if not p.pruefe(wandeln is not None, "Alt+W opens the converter \"Verschiedene Zahlensysteme\""):
        return
    baum = baeume["converter"] = Knoten(wandeln, 0)
    pruefe_steuerelemente(p, baum, WANDELN_STEUERELEMENTE, "converter")
    pruefe_ansagen(p, baum, ["Eingabe (Dezimal) 255", "Ergebnis: 11111111"], "converter at start")
    ansagen.clear()
    fokussiere("Verschiedene Zahlensysteme")
    xdotool("type", "7")  # the preset is selected whole, so 7 replaces it
    nachher = ["Eingabe (Dezimal) 7", "Ergebnis: 00000111"]
    warte(lambda: all(t in ansagen for t in nachher), 3)
    baeume["converter"] = Knoten(wandeln, 0)
    pruefe_ansagen(p, baeume["converter"], nachher, "converter after typing 7", ansagen)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    if not os.access(sys.argv[1], os.X_OK):
        sys.exit(f"no program to start at {sys.argv[1]}")
    erreiche_bus()
    p = Pruefung()
    baeume = {}
    ansagen = []

    def merke(ereignis):
        ansagen.append(ereignis.source.name)

    umgebung = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    prozess = subprocess.Popen([sys.argv[1]], env=umgebung)
    try:
        anwendung = finde_programm(prozess)
        form1 = warte(lambda: fenster(anwendung, "frame", "Netzplaner "), 10)
        if form1 is None:
            sys.exit("the main window \"Netzplaner \" is not on the bus")
        pruefe_hauptfenster(p, form1, baeume)
        pyatspi.Registry.registerEventListener(merke, "object:property-change:accessible-name")
        pruefe_neuberechnung(p, form1, baeume, ansagen)
        pruefe_wandeln(p, anwendung, baeume, ansagen)
    except (GLib.Error, RuntimeError, subprocess.SubprocessError) as fehler:
        # A call on the bus that timed out, or keys that could not be sent.
        p.pruefe(False, "the run went to its end", f"{type(fehler).__name__}: {fehler}")
    finally:
        prozess.terminate()
        try:
            prozess.wait(5)
        except subprocess.TimeoutExpired:
            prozess.kill()

    if p.fehler or "--baum" in sys.argv:
        for fenstername, baum in baeume.items():
            print(f"\nThe {fenstername} as the bus showed it last:")
            for k in baum.alle():
                print(k.zeile())
    if p.fehler:
        sys.exit(f"\n{len(p.fehler)} checks failed")
    print("\nall checks passed")


if __name__ == "__main__":
    main()
