"""Drives the real KV binary in an X display, as a user would: keys, clicks,
typing, and a screenshot of every screen it passes."""
import contextlib
import ctypes
import hashlib
import os
import re
import shutil
import signal
import sqlite3
import subprocess
import tempfile
import time

TWIPS_PER_PIXEL = 15


class StepFailed(AssertionError):
    pass


def px(twips):
    return int(round(twips / TWIPS_PER_PIXEL))


# Where things are, measured once from the screens: the case register's rows
# (header line plus half a row, then a row pitch of 16) and the matrix
# screen's cells, options (1 to 5) and its comparison panel.
def cases_row(k):
    return px(300) + 25 + (k - 1) * 16


def matrix_cell(r, c):
    """Pixel middle of matrix cell (row r, column c), 0-based row."""
    x = px(300) + px(2000) + (c - 1) * px(350) + px(350) // 2
    y = px(2475) + r * px(240) + px(240) // 2
    return x, y


FRAME1 = (1605, 4335)
OPTIONS = {1: (7980, 1125, 1140, 585), 2: (6660, 1125, 1155, 585), 3: (4740, 1125, 1755, 585),
           4: (3300, 1245, 1155, 350), 5: (1770, 1125, 1365, 585)}
GRAVAR = (8085, 2700, 990, 855)
LEVEL = {1: 10, 2: 5, 3: 1, 4: 0.2, 5: 0.1}
MIRROR = {1: 0.1, 2: 0.2, 3: 1, 4: 5, 5: 10}


def in_frame(control):
    """Middle pixel of a control of the comparison panel."""
    left, top, width, height = control
    return px(FRAME1[0] + left) + px(width) // 2, px(FRAME1[1] + top) + px(height) // 2


_X11 = ctypes.cdll.LoadLibrary("libX11.so.6")
_X11.XOpenDisplay.restype = ctypes.c_void_p
_X11.XInternAtom.restype = ctypes.c_ulong


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


def _connect(display, tries):
    """A connection to the display, tried again for a moment: an X server
    resets when its last client leaves and refuses whoever connects then.
    x_display holds one for the whole run, so no KV is refused at its start."""
    for _ in range(tries):
        handle = _X11.XOpenDisplay(display.encode())
        if handle:
            return ctypes.c_void_p(handle)
        time.sleep(0.1)
    return None


@contextlib.contextmanager
def x_display():
    """The display given in DISPLAY, or an Xvfb of our own for the run."""
    given = os.environ.get("DISPLAY")
    handle = _connect(given, 30) if given else None
    if handle:
        try:
            yield given
        finally:
            _X11.XCloseDisplay(handle)
        return
    for n in range(120, 160):
        display = f":{n}"
        if os.path.exists(f"/tmp/.X{n}-lock"):
            continue
        proc = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        handle = _connect(display, 100)
        if handle:
            try:
                yield display
            finally:
                _X11.XCloseDisplay(handle)
                proc.terminate()
                proc.wait(10)
            return
        proc.kill()
    raise RuntimeError("no X display could be started")


def sha256(path):
    with open(path, "rb") as f:
        return hashlib.sha256(f.read()).hexdigest()


class KV:
    """One program folder with KV and a fresh CONTROLE.mdb."""

    def __init__(self, build_dir, shots_dir, display, with_database=True, folder=None):
        self.build_dir = build_dir
        self.shots = shots_dir
        self.display = display
        os.makedirs(shots_dir, exist_ok=True)
        self.folder = folder or tempfile.mkdtemp(prefix="kv-e2e-")
        self.binary = os.path.join(self.folder, "KV")
        if not os.path.exists(self.binary):
            shutil.copy2(os.path.join(build_dir, "KV"), self.binary)
        self.database = os.path.join(self.folder, "CONTROLE.mdb")
        if with_database and not os.path.exists(self.database):
            subprocess.run([os.path.join(build_dir, "kv_mkdb"), self.database], check=True)
        self.procs = []
        self.step_name = "start"

    # -- processes -------------------------------------------------------
    def env(self):
        env = dict(os.environ)
        env["DISPLAY"] = self.display
        env["QT_QPA_PLATFORM"] = "xcb"
        env.pop("QT_QPA_FONTDIR", None)
        env["LC_ALL"] = env.get("KV_E2E_LOCALE", "C.UTF-8")
        return env

    def start(self, cwd=None):
        """Starts KV from the working folder cwd (the program folder by default)."""
        p = subprocess.Popen([self.binary], cwd=cwd or self.folder, env=self.env(),
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def stop(self, keep=False):
        for p in self.procs:
            if p.poll() is None:
                p.send_signal(signal.SIGKILL)
                p.wait(10)
        if not keep:
            shutil.rmtree(self.folder, ignore_errors=True)

    # -- steps -------------------------------------------------------------
    @contextlib.contextmanager
    def step(self, name):
        self.step_name = name
        try:
            yield
        except Exception as e:  # keep the screen as it was when the step failed
            safe = re.sub(r"[^A-Za-z0-9_-]+", "_", name)
            with contextlib.suppress(Exception):
                self.shot(f"FAILED-{safe}")
            raise StepFailed(f"step '{name}' failed: {e}") from e

    def xdo(self, *args, check=True):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env(), capture_output=True, text=True)
        if check and r.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {r.stderr.strip()}")
        return r.stdout.strip()

    def windows(self, title):
        """Visible windows whose title is exactly title."""
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"],
                           env=self.env(), capture_output=True, text=True)
        return [w for w in r.stdout.split() if w]

    def wait_window(self, title, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            found = self.windows(title)
            if found:
                wid = found[-1]
                self.front(wid)
                time.sleep(0.15)
                return wid
            if self.procs and all(p.poll() is not None for p in self.procs):
                raise AssertionError(f"KV ended ({[p.returncode for p in self.procs]}) without window '{title}'")
            time.sleep(0.1)
        raise AssertionError(f"no window '{title}' within {timeout} s")

    def wait_gone(self, title, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            if not self.windows(title):
                return
            time.sleep(0.1)
        raise AssertionError(f"window '{title}' still open after {timeout} s")

    def front(self, wid):
        """Raise and focus a window: with no window manager nobody else does."""
        self.xdo("windowraise", wid, check=False)
        self.xdo("windowfocus", "--sync", wid, check=False)

    def close_window(self, wid):
        """The title bar's X: the delete message a window manager sends."""
        x = _connect(self.display, 10)
        atom = lambda name: ctypes.c_ulong(_X11.XInternAtom(x, name, 0))  # noqa: E731
        ev = _ClientMessage(type=33, window=int(wid), format=32, message_type=atom(b"WM_PROTOCOLS"))  # ClientMessage
        ev.data[0] = atom(b"WM_DELETE_WINDOW").value
        _X11.XSendEvent(x, ctypes.c_ulong(int(wid)), 0, ctypes.c_long(0), ctypes.byref(ev))
        _X11.XCloseDisplay(x)

    def geometry(self, wid):
        out = self.xdo("getwindowgeometry", "--shell", wid)
        g = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(g["X"]), int(g["Y"]), int(g["WIDTH"]), int(g["HEIGHT"])

    def click(self, wid, x, y, double=False):
        """Click at pixel (x, y) of the window's client area."""
        self.front(wid)
        self.xdo("mousemove", "--window", wid, x, y)
        time.sleep(0.05)
        self.xdo("click", "--repeat", 2 if double else 1, "--delay", 80, 1)
        time.sleep(0.2)

    def click_twips(self, wid, left, top, width, height, double=False, dy=0):
        """Click the middle of a control given in twips."""
        self.click(wid, px(left) + px(width) // 2, px(top) + px(height) // 2 + dy, double)

    def key(self, wid, *keys):
        self.front(wid)
        for k in keys:
            self.xdo("key", "--clearmodifiers", k)
            time.sleep(0.08)
        time.sleep(0.15)

    def key_run(self, wid, keys, delay_ms=20):
        """Keys in one go, delay_ms apart, as a fast typist would press them."""
        self.front(wid)
        self.xdo("key", "--clearmodifiers", "--delay", delay_ms, *keys)
        time.sleep(0.3)

    def click_run(self, wid, points, pause=0.03):
        """Clicks at pixel points of a window, pause seconds apart, in one go
        (press and release: xdotool's click waits 100 ms of its own)."""
        self.front(wid)
        args = []
        for x, y in points:
            args += ["mousemove", "--window", wid, x, y, "mousedown", 1, "mouseup", 1, "sleep", pause]
        self.xdo(*args)
        time.sleep(0.3)

    def choose_case(self, menu, k):
        """Makes case k current in the case register and leaves it."""
        self.key(menu, "alt+c")
        cases = self.wait_window("Cadastramento de Casos  (Máximo  10)")
        self.click(cases, 150, cases_row(k), double=True)
        self.click_twips(cases, 150, 4650, 1140, 915)  # Voltar
        self.wait_gone("Cadastramento de Casos  (Máximo  10)")

    def type(self, wid, text):
        self.front(wid)
        self.xdo("type", "--delay", 15, text)
        time.sleep(0.15)

    def shot(self, name):
        path = os.path.join(self.shots, f"{name}.png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path], check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path

    # -- data ------------------------------------------------------------
    def db(self):
        # A plain connection: read-only ones on a WAL file can upset the
        # running program's writes.
        return sqlite3.connect(self.database, timeout=10)

    def query_until(self, sql, expected, timeout=10):
        """Reads sql until it returns expected (the program saves as the
        events come in, a little after the key or click that caused them)."""
        end = time.time() + timeout
        got = None
        while time.time() < end:
            with contextlib.closing(self.db()) as db:
                got = db.execute(sql).fetchall()
            if got == expected:
                return got
            time.sleep(0.1)
        raise AssertionError(f"{sql}: {got!r}, expected {expected!r}")

    def wait_exit(self, timeout=20):
        end = time.time() + timeout
        while time.time() < end:
            if self.procs and all(p.poll() is not None for p in self.procs):
                return
            time.sleep(0.1)
        raise AssertionError("KV did not end")
