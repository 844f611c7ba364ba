#!/usr/bin/env python3
"""cmake --install into a folder gives a runnable KV with its CONTROLE.mdb,
an icon and a desktop entry; installing again keeps the user's data."""
import os
import shutil
import sqlite3
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
prefix = tempfile.mkdtemp(prefix="kv-install-")


def install():
    subprocess.run([shutil.which("cmake"), "--install", build, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


try:
    install()
    for f in ("KV", "CONTROLE.mdb", "kv.png", "kv.desktop"):
        assert os.path.exists(os.path.join(prefix, f)), f
    entry = open(os.path.join(prefix, "kv.desktop"), encoding="utf-8").read()
    assert f'Exec="{prefix}/KV"' in entry and f"Icon={prefix}/kv.png" in entry, entry

    with sqlite3.connect(os.path.join(prefix, "CONTROLE.mdb")) as db:
        db.execute("UPDATE Cases SET \"Case\" = 'kept' WHERE Numero = 1")
    install()
    with sqlite3.connect(os.path.join(prefix, "CONTROLE.mdb")) as db:
        assert db.execute("SELECT \"Case\" FROM Cases WHERE Numero = 1").fetchone() == ("kept",)

    with x_display() as display:
        kv = KV(build, shots, display, folder=prefix)
        with kv.step("the installed KV starts and quits"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            kv.shot("install-01-main-window")
            kv.key(menu, "alt+s")
            kv.wait_exit()
finally:
    shutil.rmtree(prefix, ignore_errors=True)
print("install: 1 passed, 0 failed")
