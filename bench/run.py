#!/usr/bin/env python3
"""KV's figures, each the median of several runs:
- start-up time to the main window mapped, against a minimal Qt window;
- peak memory at that moment, against the same window;
- disk syncs of one matrix save (25 factors), the database's apart from the
  recovery file's, and of one 30-row reset;
- time to open and paint the 25-factor matrix window, against a bare dialog
  holding a 25 x 25 table;
- keys needed to fill the 25-factor matrix, and the time from a key (and from
  each click of today's click-option-Gravar path) to the repainted window;
- consistency and robustness of a full 25-factor matrix (1200 recomputations)."""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1])
runs = int(os.environ.get("KV_BENCH_RUNS", "7"))
env = dict(os.environ, QT_QPA_PLATFORM="xcb")


def mapped(cmd, title, cwd):
    """Seconds from spawn to the window mapped, and the peak RSS (kB) then."""
    t0 = time.perf_counter()
    p = subprocess.Popen(cmd, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # xdotool's own --sync polls twice a second: too coarse for this.
    while True:
        r = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                           env=env, capture_output=True, text=True)
        if r.stdout.strip():
            break
        if time.perf_counter() - t0 > 20:
            raise RuntimeError(f"{title} never showed")
        time.sleep(0.005)
    elapsed = time.perf_counter() - t0
    with open(f"/proc/{p.pid}/status") as f:
        hwm = int(re.search(r"VmHWM:\s+(\d+)", f.read()).group(1))
    p.kill()
    p.wait()
    return elapsed, hwm


def startup():
    folder = tempfile.mkdtemp(prefix="kv-bench-")
    shutil.copy2(os.path.join(build, "KV"), folder)
    subprocess.run([os.path.join(build, "kv_mkdb"), os.path.join(folder, "CONTROLE.mdb")], check=True)
    kv, mini = [], []
    for _ in range(runs):
        kv.append(mapped([os.path.join(folder, "KV")], "KV - Orvalis", folder))
        mini.append(mapped([os.path.join(build, "bench_minimal_window")], "Minimal Qt", folder))
    shutil.rmtree(folder, ignore_errors=True)
    t_kv = statistics.median(x[0] for x in kv)
    t_mini = statistics.median(x[0] for x in mini)
    m_kv = statistics.median(x[1] for x in kv)
    m_mini = statistics.median(x[1] for x in mini)
    print(f"start-up to main window mapped: KV {t_kv * 1000:.0f} ms, minimal Qt {t_mini * 1000:.0f} ms, "
          f"ratio {t_kv / t_mini:.2f} (goal <= 1.15)")
    print(f"peak memory at that moment:     KV {m_kv / 1024:.1f} MiB, minimal Qt {m_mini / 1024:.1f} MiB, "
          f"ratio {m_kv / m_mini:.2f} (goal <= 1.2)")


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
