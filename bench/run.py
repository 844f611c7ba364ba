#!/usr/bin/env python3
"""KV's figures, each the median of several runs:
- start-up time to the main window mapped, against a minimal Qt window, with
  the processor time spent until then;
- peak memory at that moment, against the same window;
- disk syncs of one matrix save (25 factors), the database's apart from the
  recovery file's, and of one 30-row reset;
- time to open and paint the 25-factor matrix window, against a bare dialog
  holding a 25 x 25 table;
- keys needed to fill the 25-factor matrix, and the time from a key (and from
  each click of today's click-option-Gravar path) to the repainted window;
- consistency and robustness of a full 25-factor matrix (1200 recomputations)."""
import ctypes
import ctypes.util
import os
import re
import select
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1])
runs = int(os.environ.get("KV_BENCH_RUNS", "7"))
env = dict(os.environ, QT_QPA_PLATFORM="xcb")


class Mapas:
    """Tells when a top-level window of a given title is mapped, from the X
    server's own notice: polling with xdotool cost a process start every 5 ms
    on a machine of two cores, and its granularity, on both sides of the ratio."""

    def __init__(self):
        x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11") or "libX11.so.6")
        x.XOpenDisplay.restype = ctypes.c_void_p
        x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x.XDefaultRootWindow.restype = ctypes.c_ulong
        x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
        x.XConnectionNumber.argtypes = [ctypes.c_void_p]
        x.XPending.argtypes = [ctypes.c_void_p]
        x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
        x.XFlush.argtypes = [ctypes.c_void_p]
        x.XInternAtom.restype = ctypes.c_ulong
        x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        x.XGetWindowProperty.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_long, ctypes.c_long,
                                         ctypes.c_int, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_int), ctypes.POINTER(ctypes.c_ulong),
                                         ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.c_void_p)]
        x.XFree.argtypes = [ctypes.c_void_p]
        self.x = x
        self.d = x.XOpenDisplay(env["DISPLAY"].encode())
        if not self.d:
            raise RuntimeError("cannot open the display " + env["DISPLAY"])
        x.XSelectInput(self.d, x.XDefaultRootWindow(self.d), 1 << 19)  # SubstructureNotifyMask
        x.XFlush(self.d)
        self.nome = x.XInternAtom(self.d, b"_NET_WM_NAME", 0)
        self.evento = (ctypes.c_long * 24)()

    def titulo(self, janela):
        tipo, formato, n, resto = ctypes.c_ulong(), ctypes.c_int(), ctypes.c_ulong(), ctypes.c_ulong()
        dados = ctypes.c_void_p()
        if self.x.XGetWindowProperty(self.d, janela, self.nome, 0, 256, 0, 0, ctypes.byref(tipo), ctypes.byref(formato),
                                     ctypes.byref(n), ctypes.byref(resto), ctypes.byref(dados)) != 0 or not dados.value:
            return ""
        texto = ctypes.string_at(dados, n.value).decode("utf-8", "replace")
        self.x.XFree(dados)
        return texto

    def esvaziar(self):
        while self.x.XPending(self.d):
            self.x.XNextEvent(self.d, self.evento)

    def esperar(self, titulo, t0):
        fd = self.x.XConnectionNumber(self.d)
        while True:
            if not self.x.XPending(self.d):
                if not select.select([fd], [], [], max(0.0, t0 + 20 - time.perf_counter()))[0]:
                    raise RuntimeError(f"{titulo} never showed")
                continue
            self.x.XNextEvent(self.d, self.evento)
            # XMapEvent: type, serial, send_event, display, event, window
            if self.evento[0] & 0xFFFFFFFF == 19 and self.titulo(self.evento[5]) == titulo:
                return


def mapped(mapas, cmd, title, cwd):
    """Seconds from spawn to the window mapped, the process's processor
    seconds and its peak RSS (kB) at that moment. The processor time is the
    ended process's own account, so a thread that finished before the window
    showed counts too (a look at the running threads missed it)."""
    mapas.esvaziar()
    t0 = time.perf_counter()
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        mapas.esperar(title, t0)
        elapsed = time.perf_counter() - t0
        with open(f"/proc/{p.pid}/status") as f:
            hwm = int(re.search(r"VmHWM:\s+(\d+)", f.read()).group(1))
    finally:
        p.kill()
        _, estado, uso = os.wait4(p.pid, 0)
        p.returncode = os.waitstatus_to_exitcode(estado)
    return elapsed, uso.ru_utime + uso.ru_stime, hwm


def startup():
    """KV and the yardstick started in turns, after one discarded pair that
    fills the disk cache; each figure is the median of the pairs' ratios, so a
    load that comes and goes weighs on both sides of a ratio alike."""
    folder = tempfile.mkdtemp(prefix="kv-bench-")
    shutil.copy2(os.path.join(build, "KV"), folder)
    subprocess.run([os.path.join(build, "kv_mkdb"), os.path.join(folder, "CONTROLE.mdb")], check=True)
    mapas = Mapas()
    pares = []
    for i in range(3 * runs + 1):
        kv = mapped(mapas, [os.path.join(folder, "KV")], "KV - Orvalis", folder)
        mini = mapped(mapas, [os.path.join(build, "bench_minimal_window")], "Minimal Qt", folder)
        if i:
            pares.append((kv, mini))
    shutil.rmtree(folder, ignore_errors=True)
    med = lambda f: statistics.median(f(kv, mini) for kv, mini in pares)
    t_kv, t_mini, r_t = med(lambda a, b: a[0]), med(lambda a, b: b[0]), med(lambda a, b: a[0] / b[0])
    c_kv, c_mini, r_c = med(lambda a, b: a[1]), med(lambda a, b: b[1]), med(lambda a, b: a[1] / b[1])
    m_kv, m_mini, r_m = med(lambda a, b: a[2]), med(lambda a, b: b[2]), med(lambda a, b: a[2] / b[2])
    with open("/proc/loadavg") as f:
        carga = f.read().split()[0]
    print(f"start-up to main window mapped: KV {t_kv * 1000:.0f} ms, minimal Qt {t_mini * 1000:.0f} ms, "
          f"ratio {r_t:.2f} (goal <= 1.15; {len(pares)} pairs, load {carga})")
    print(f"  processor time of all its threads then: KV {c_kv * 1000:.0f} ms, minimal Qt {c_mini * 1000:.0f} ms, ratio {r_c:.2f}")
    print(f"peak memory at that moment:     KV {m_kv / 1024:.1f} MiB, minimal Qt {m_mini / 1024:.1f} MiB, "
          f"ratio {r_m:.2f} (goal <= 1.2)")


def syncs(mode, count):
    """fsync and fdatasync calls of a process doing count operations on a new
    file: (the database's, the recovery file's). The recovery file and its
    folder are synced by its own writer thread; everything else is the store's."""
    folder = tempfile.mkdtemp(prefix="kv-bench-")
    off = dict(env, QT_QPA_PLATFORM="offscreen")
    subprocess.run([os.path.join(build, "bench_screens"), "prepare", folder], env=off, check=True)
    log = os.path.join(folder, "strace.log")
    subprocess.run(["strace", "-f", "-y", "-o", log, "-e", "trace=fsync,fdatasync",
                    os.path.join(build, "bench_screens"), mode, folder, str(count)],
                   env=off, capture_output=True, text=True, check=True)
    calls = []
    with open(log) as f:
        for line in f:
            # "<... fsync resumed>" lines finish a call already counted.
            m = re.match(r"(\d+)\s+(?:fsync|fdatasync)\(\d+<([^>]*)>", line)
            if m:
                calls.append((m.group(1), os.path.basename(m.group(2))))
    shutil.rmtree(folder, ignore_errors=True)
    recovery = lambda name: name.startswith("CONTROLE.recuperacao") or name.startswith(".kv-")
    writers = {tid for tid, name in calls if recovery(name)}
    theirs = sum(1 for tid, name in calls if tid in writers)
    return len(calls) - theirs, theirs


def disk_syncs():
    if not shutil.which("strace"):
        print("disk syncs: strace is not installed")
        return
    # Differences of 1 and 11 operations leave out opening and closing.
    one, eleven = syncs("save-matrix", 1), syncs("save-matrix", 11)
    save, recovery = ((b - a) / 10 for a, b in zip(one, eleven))
    pair = (syncs("save-and-reset", 11)[0] - syncs("save-and-reset", 1)[0]) / 10
    print(f"disk syncs per matrix save of 25 factors: {save:.1f} (goal 1); "
          f"the recovery file, written while the 600 cells are typed: {recovery:.1f}")
    print(f"disk syncs per 30-row reset:              {pair - save:.1f} (goal 1)")


def matrix_open():
    folder = tempfile.mkdtemp(prefix="kv-bench-")
    off = dict(env, QT_QPA_PLATFORM="offscreen")
    subprocess.run([os.path.join(build, "bench_screens"), "prepare", folder], env=off, check=True)
    out = subprocess.run([os.path.join(build, "bench_screens"), "open-matrix", folder, str(runs)],
                         env=off, capture_output=True, text=True, check=True)
    shutil.rmtree(folder, ignore_errors=True)
    print(out.stdout.strip())


def judging_by_keys():
    folder = tempfile.mkdtemp(prefix="kv-bench-")
    subprocess.run([os.path.join(build, "bench_screens"), "prepare", folder], env=dict(env, QT_QPA_PLATFORM="offscreen"), check=True)
    out = subprocess.run([os.path.join(build, "bench_screens"), "keys", folder], env=env, capture_output=True, text=True, check=True)
    shutil.rmtree(folder, ignore_errors=True)
    print(out.stdout.strip())


def consistency_robustness():
    out = subprocess.run([os.path.join(build, "bench_analise"), str(runs)], capture_output=True, text=True, check=True)
    print(out.stdout.splitlines()[0])


def team():
    out = subprocess.run([os.path.join(build, "bench_equipe"), str(runs)], capture_output=True, text=True, check=True)
    print(out.stdout.splitlines()[0])


if __name__ == "__main__":
    startup()
    if os.path.exists(os.path.join(build, "bench_screens")):
        disk_syncs()
        matrix_open()
        judging_by_keys()
    if os.path.exists(os.path.join(build, "bench_analise")):
        consistency_robustness()
    if os.path.exists(os.path.join(build, "bench_equipe")):
        team()
