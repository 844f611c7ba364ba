"""Drives the real KV in the X display of DISPLAY as a user would, with a screenshot of every screen."""
import contextlib
import ctypes
import os
import re
import shutil
import sqlite3
import subprocess
import tempfile
import time


def px(twips):
    return int(round(twips / 15))


# Where things are, from the screens: the case register's rows (header line plus half a row, then a
# pitch of 16), the matrix screen's cells, and its comparison panel's options (1 to 5) and Gravar, in twips.
def cases_row(k):
    return px(300) + 25 + (k - 1) * 16


def matrix_cell(r, c):  # row r 0-based, column c 1-based
    return px(2300) + (c - 1) * px(350) + px(350) // 2, px(2475) + r * px(240) + px(240) // 2


OPTIONS = {1: (7980, 1125, 1140, 585), 2: (6660, 1125, 1155, 585), 3: (4740, 1125, 1755, 585),
           4: (3300, 1245, 1155, 350), 5: (1770, 1125, 1365, 585)}
GRAVAR = (8085, 2700, 990, 855)


def in_frame(control):
    left, top, width, height = control
    return px(1605 + left) + px(width) // 2, px(4335 + top) + px(height) // 2


_X11 = ctypes.cdll.LoadLibrary("libX11.so.6")
_X11.XOpenDisplay.restype = ctypes.c_void_p
_X11.XInternAtom.restype = ctypes.c_ulong
_held = []


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


@contextlib.contextmanager
def x_display():
    # One connection held for the whole run: an X server resets when its last client leaves, refusing a KV starting then.
    display = os.environ.get("DISPLAY", "")
    handle = _X11.XOpenDisplay(display.encode())
    if not handle:
        raise RuntimeError(f"no X display '{display}'")
    _held.append(ctypes.c_void_p(handle))
    try:
        yield display
    finally:
        _X11.XCloseDisplay(_held.pop())


def wait_for(what, cond, timeout=20):
    end = time.time() + timeout
    while not cond():
        if time.time() > end:
            raise AssertionError(f"{what} not within {timeout} s")
        time.sleep(0.1)


def sql(database, statement):
    # A plain connection that commits: read-only ones on a WAL file can upset KV's writes.
    with contextlib.closing(sqlite3.connect(database, timeout=10)) as db, db:
        return db.execute(statement).fetchall()


class KV:
    """A program folder with KV, its printing module and its CONTROLE.mdb (a fresh one when it has none)."""

    def __init__(self, build_dir, shots_dir, display, folder=None):
        self.shots, self.display, self.procs, self.own = shots_dir, display, [], folder is None
        os.makedirs(shots_dir, exist_ok=True)
        self.folder = folder or tempfile.mkdtemp(prefix="kv-e2e-")
        self.binary = os.path.join(self.folder, "KV")
        if not os.path.exists(self.binary):
            for name in ("KV", "libkv_impressao.so"):
                shutil.copy2(os.path.join(build_dir, name), self.folder)
        self.database = os.path.join(self.folder, "CONTROLE.mdb")
        if not os.path.exists(self.database):
            subprocess.run([os.path.join(build_dir, "kv_mkdb"), self.database], check=True)
        self.env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        self.env.pop("QT_QPA_FONTDIR", None)

    def start(self, cwd=None):
        p = subprocess.Popen([self.binary], cwd=cwd or self.folder, env=self.env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.procs.append(p)
        return p

    def __enter__(self):
        return self

    def __exit__(self, failed, *_):
        """Ends every KV it started; its own folder goes, unless a step failed."""
        for p in self.procs:
            p.kill()
            p.wait(10)
        if self.own and not failed:
            shutil.rmtree(self.folder, ignore_errors=True)

    @contextlib.contextmanager
    def step(self, name):
        try:
            yield
        except Exception:  # keep the screen as it was when the step failed
            self.shot("FAILED-" + re.sub(r"\W+", "_", name))
            raise

    def xdo(self, *args, check=True):
        r = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True, text=True)
        if check and r.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(map(str, args))}: {r.stderr.strip()}")
        return r.stdout

    def windows(self, title):
        return self.xdo("search", "--onlyvisible", "--name", f"^{re.escape(title)}$", check=False).split()

    def ended(self):
        return self.procs and all(p.poll() is not None for p in self.procs)

    def wait_window(self, title):
        wait_for(f"window '{title}'", lambda: self.windows(title) or self.ended())
        found = self.windows(title)
        assert found, f"KV ended ({[p.returncode for p in self.procs]}) without window '{title}'"
        self.front(found[-1])
        time.sleep(0.15)
        return found[-1]

    def wait_gone(self, title):
        wait_for(f"window '{title}' gone", lambda: not self.windows(title))

    def front(self, wid):
        """Raise and focus a window: with no window manager nobody else does."""
        self.xdo("windowraise", wid, check=False)
        self.xdo("windowfocus", "--sync", wid, check=False)

    def close_window(self, wid):
        """The title bar's X: the delete message a window manager sends."""
        x = _held[-1]
        atom = lambda name: ctypes.c_ulong(_X11.XInternAtom(x, name, 0))  # noqa: E731
        ev = _ClientMessage(type=33, window=int(wid), format=32, message_type=atom(b"WM_PROTOCOLS"))  # ClientMessage
        ev.data[0] = atom(b"WM_DELETE_WINDOW").value
        _X11.XSendEvent(x, ctypes.c_ulong(int(wid)), 0, ctypes.c_long(0), ctypes.byref(ev))
        _X11.XFlush(x)

    def click(self, wid, x, y, double=False):
        self.front(wid)
        self.xdo("mousemove", "--window", wid, x, y)
        time.sleep(0.05)
        self.xdo("click", "--repeat", 2 if double else 1, "--delay", 80, 1)
        time.sleep(0.2)

    def click_twips(self, wid, left, top, width, height, double=False):
        self.click(wid, px(left) + px(width) // 2, px(top) + px(height) // 2, double)

    def key(self, wid, *keys, delay=80):
        self.front(wid)
        self.xdo("key", "--clearmodifiers", "--delay", delay, *keys)
        time.sleep(0.3)

    def type(self, wid, text):
        self.front(wid)
        self.xdo("type", "--delay", 15, text)
        time.sleep(0.15)

    def file_dialog(self, title, path):
        dialog = self.wait_window(title)
        self.key(dialog, "ctrl+a")
        self.type(dialog, path)
        self.key(dialog, "Return")

    def shot(self, name, wid="root"):
        """The whole screen, or one window alone (scripts/pictures.sh takes those into docs/ for the README)."""
        subprocess.run(["import", "-display", self.display, "-window", str(wid), os.path.join(self.shots, f"{name}.png")],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def query_until(self, statement, expected):
        """Reads until the program has saved what the last key or click caused."""
        end = time.time() + 10
        while (got := sql(self.database, statement)) != expected and time.time() < end:
            time.sleep(0.1)
        assert got == expected, f"{statement}: {got!r}, expected {expected!r}"
