#!/usr/bin/env python3
"""What a screen reader reads of the real KV over AT-SPI, in each language: every window's shown objects named,
the buttons where they are, the matrix grid's cells, the result grid's classes and the influence map's description."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, sql, wait_for, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]

# pyatspi comes from Debian: another Python on the path may lack it.
try:
    import gi  # noqa: F401
except ImportError:
    if sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise

ANALYSE = {1: "Analyze", 2: "Analizar", 3: "Analisar"}
RESULT = {1: "Result", 2: "Resultar", 3: "Resultado"}
TEAM = {1: "Team…", 2: "Equipo…", 3: "Equipe…"}
ROOT = {1: "Root Cause or principal FCS", 2: "Causa Raíz ou principal FCS", 3: "Causa Raíz ou principal FCS"}
# Four factors judged in full: D is the root cause (E-Mach -1), A the highest effect (4).
MATRIX = [[None, 5, 0.1, 0.1], [0.2, None, 5, 1], [10, 0.2, None, 0.1], [10, 1, 10, None]]


def session_bus():
    """A D-Bus session of our own with the accessibility bus on it: the machine may have neither."""
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE, text=True)
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
    launcher = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    return bus, launcher


def named(obj):
    return obj.name.strip() != ""


def nameless(window):
    """The shown objects with no name; a table cell's name is its value, which may be empty, and a table's
    corner (the pane above the row headers) is nowhere a reader goes."""
    found, stack = [], [(window, window.name)]
    while stack:
        obj, path = stack.pop()
        for i in range(obj.childCount):
            child = obj.getChildAtIndex(i)
            if child is None or not child.getState().contains(pyatspi.STATE_SHOWING):
                continue
            role = child.getRole()
            corner = role == pyatspi.ROLE_PANEL and obj.getRole() == pyatspi.ROLE_TABLE and child.childCount == 0
            if not named(child) and role != pyatspi.ROLE_TABLE_CELL and not corner:
                found.append(f"{path}/{child.getRoleName()}")
            stack.append((child, f"{path}/{child.name or child.getRoleName()}"))
    return found


def find(window, role, name=None):
    stack = [window]
    while stack:
        obj = stack.pop()
        if obj.getRole() == role and (name is None or obj.name == name):
            return obj
        stack.extend(c for c in (obj.getChildAtIndex(i) for i in range(obj.childCount)) if c is not None)
    raise AssertionError(f"no {role} '{name}' in '{window.name}'")


def extents(obj):
    e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x, e.y, e.width, e.height


def received():
    """Hands the events that arrived to their listeners."""
    while GLib.MainContext.default().pending():
        GLib.MainContext.default().iteration(False)


def windows(app):
    return [w for w in (app.getChildAtIndex(i) for i in range(app.childCount)) if w is not None]


with x_display() as display:
    bus, launcher = session_bus()
    try:
        import pyatspi  # after the session exists: it connects to the bus it finds on import
        from gi.repository import GLib  # its events arrive through GLib's loop

        for idioma in (1, 2, 3):
            with KV(build, shots, display) as kv:
                kv.env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", DBUS_SESSION_BUS_ADDRESS=os.environ["DBUS_SESSION_BUS_ADDRESS"])
                sql(kv.database, f"UPDATE Parametro SET Idioma = {idioma}")
                sql(kv.database, "UPDATE Cases SET \"Case\" = 'Bomba', Sintoma = 'Pressao baixa', Qtde = 4 WHERE Numero = 1")
                for r, row in enumerate(MATRIX):
                    cells = ", ".join(f"N0{c + 1} = {'NULL' if v is None else v}" for c, v in enumerate(row))
                    sql(kv.database, f"UPDATE Eventos SET Evento = '{'ABCD'[r]}', {cells} WHERE Numero = {r + 1}")
                kv.start()
                menu = kv.wait_window("KV - Orvalis")
                desktop = pyatspi.Registry.getDesktop(0)
                wait_for("KV on the accessibility bus", lambda: any(a is not None and a.name == "KV" and a.childCount
                                                                     for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount))))
                app = next(a for a in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)) if a is not None and a.name == "KV")
                seen = []  # (title, nameless objects): in English two windows share a title

                def opened(keys, on=menu):
                    """The window that the keys (or a click) open, in front, once it is in the tree."""
                    before = {w.name for w in windows(app)}
                    keys() if callable(keys) else kv.key(on, *keys)
                    wait_for(f"a named window after {keys}", lambda: any(w.name not in before and named(w) for w in windows(app)))
                    window = next(w for w in windows(app) if w.name not in before and named(w))
                    title = window.name  # read now: a closed window's object answers with no name
                    seen.append((title, nameless(window)))
                    return window, title, kv.wait_window(title)

                def press(window, name):
                    x, y, w, h = extents(find(window, pyatspi.ROLE_PUSH_BUTTON, name))
                    assert w > 0 and h > 0, f"'{name}' is {w} x {h}"
                    kv.xdo("mousemove", x + w // 2, y + h // 2)
                    kv.xdo("click", 1)

                with kv.step(f"language {idioma}: main window and a message"):
                    main = next(w for w in windows(app) if w.name == "KV - Orvalis")
                    seen.append((main.name, nameless(main)))
                    box, box_t, wid = opened(["F10", "Right", "Right", "Return"])  # no case chosen yet: a message says so
                    kv.key(wid, "Return")
                    kv.wait_gone(box_t)

                with kv.step(f"language {idioma}: case chosen by Enter, factor register"):
                    cases, cases_t, wid = opened(["F10", "Return"])
                    kv.key(wid, "Return")
                    equipe, equipe_t, wid_equipe = opened(lambda: press(cases, TEAM[idioma]))
                    kv.close_window(wid_equipe)
                    kv.wait_gone(equipe_t)
                    kv.close_window(kv.wait_window(cases_t))
                    kv.wait_gone(cases_t)
                    eventos, eventos_t, wid = opened(["F10", "Right", "Return"])
                    kv.close_window(wid)
                    kv.wait_gone(eventos_t)

                with kv.step(f"language {idioma}: matrix, result, map"):
                    dados, dados_t, wid = opened(["F10", "Right", "Right", "Return"])
                    # Each cell read with its value under the two factors' names; the names head the rows, no empty column.
                    matriz = find(dados, pyatspi.ROLE_TABLE).queryTable()
                    assert (matriz.nRows, matriz.nColumns) == (4, 4), (matriz.nRows, matriz.nColumns)
                    assert [matriz.getRowDescription(r) for r in range(4)] == list("ABCD")
                    assert [matriz.getRowHeader(r).name for r in range(4)] == list("ABCD")
                    assert [matriz.getColumnDescription(c) for c in range(4)] == list("ABCD")
                    lidas = [[matriz.getAccessibleAt(r, c).name for c in range(4)] for r in range(4)]
                    assert (lidas[0][0], lidas[0][1], lidas[3][0], lidas[3][2]) == ("", "5", "10", "10"), lidas
                    # The focus a reader follows is the current cell.
                    focos = []
                    ouvir = lambda e: focos.append(e.source.getIndexInParent())  # noqa: E731
                    pyatspi.Registry.registerEventListener(ouvir, "focus:")
                    kv.key(wid, "ctrl+Home", "Right")
                    alvo = matriz.getAccessibleAt(0, 1).getIndexInParent()
                    wait_for("the focus on A x B", lambda: received() or alvo in focos[-1:])
                    pyatspi.Registry.deregisterEventListener(ouvir, "focus:")
                    press(dados, ANALYSE[idioma])
                    wait_for("the result button", lambda: find(dados, pyatspi.ROLE_PUSH_BUTTON, RESULT[idioma]).getState()
                             .contains(pyatspi.STATE_SHOWING))
                    assert (matriz.nColumns, matriz.getColumnDescription(6)) == (7, "Emach")  # the figures under their strips
                    resultado, resultado_t, _ = opened(lambda: press(dados, RESULT[idioma]))
                    grade = find(resultado, pyatspi.ROLE_TABLE).queryTable()
                    classes = [grade.getRowDescription(r) for r in range(grade.nRows)]
                    assert classes[-1] == ROOT[idioma] and len(classes) == 4, classes
                    mapa, mapa_t, wid_mapa = opened(["alt+m"], on=kv.wait_window(resultado_t))
                    lines = find(mapa, pyatspi.ROLE_IMAGE).description.split("\n")
                    assert [ln.split(":")[0] for ln in lines] == ["D", "B", "C", "A"], lines
                    assert lines[0].startswith("D: " + ROOT[idioma] + "; NormH 5"), lines
                    kv.shot(f"leitor-{idioma}-map")
                    kv.close_window(wid_mapa)
                    kv.wait_gone(mapa_t)
                    kv.close_window(kv.wait_window(resultado_t))
                    kv.wait_gone(resultado_t)
                    kv.wait_gone(dados_t)

                with kv.step(f"language {idioma}: information"):
                    info, info_t, wid = opened(["F10", "Right", "Right", "Right", "Right", "Return"])
                    kv.close_window(wid)
                    kv.wait_gone(info_t)

                assert len(seen) == 9, [t for t, _ in seen]
                assert not any(v for _, v in seen), [(t, v) for t, v in seen if v]
    finally:
        launcher.terminate()
        bus.terminate()
        launcher.wait(10)
        bus.wait(10)
print("leitor: 1 passed, 0 failed")
