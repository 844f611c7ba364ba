#!/usr/bin/env python3
"""cmake --install gives a KV with its CONTROLE.mdb, an icon and a desktop entry; installing again keeps the data.
Started again from another working folder it is the second copy: its message, then neither copy runs and the data
are unchanged; the next start runs. Without its database: the "Erro" box, no main window, no file created."""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, sql, wait_for, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
prefix, first_cwd, second_cwd = tempfile.mkdtemp(prefix="kv-install-"), tempfile.mkdtemp(), tempfile.mkdtemp()
database = os.path.join(prefix, "CONTROLE.mdb")
try:
    for _ in range(2):
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
        sql(database, "UPDATE Cases SET \"Case\" = IFNULL(\"Case\", '') || '+' WHERE Numero = 1")
    assert sql(database, "SELECT \"Case\" FROM Cases WHERE Numero = 1") == [("++",)]
    entry = open(os.path.join(prefix, "kv.desktop"), encoding="utf-8").read()
    assert f'Exec="{prefix}/KV"' in entry and f"Icon={prefix}/kv.png" in entry and os.path.exists(f"{prefix}/kv.png"), entry

    with x_display() as display, KV(build, shots, display, folder=prefix) as kv:
        with kv.step("the installed KV starts from one working folder"):
            first = kv.start(cwd=first_cwd)
            kv.wait_window("KV - Orvalis")
            before = open(database, "rb").read()
        with kv.step("started again from another, it is the second copy"):
            kv.start(cwd=second_cwd)
            box = kv.wait_window("Programa Paralizado!")
            kv.shot("install-second-copy-message")
            assert first.poll() is None, "the first copy ended before OK"
            kv.key(box, "Return")
            wait_for("the end of KV", kv.ended)
            assert first.returncode != 0 and not kv.windows("KV - Orvalis")
            assert open(database, "rb").read() == before, "the database changed"
        with kv.step("the next start runs and quits"):
            kv.start(cwd="/")
            kv.key(kv.wait_window("KV - Orvalis"), "alt+s")
            wait_for("the end of KV", kv.ended)
        with kv.step("without its database, the Erro box"):
            os.remove(database)
            kv.start(cwd=first_cwd)
            erro = kv.wait_window("Erro")
            kv.shot("install-erro-missing-database")
            assert not kv.windows("KV - Orvalis"), "the main window showed"
            kv.key(erro, "Return")
            wait_for("the end of KV", kv.ended)
            assert not os.path.exists(database), "a database file was created"
finally:
    for folder in (prefix, first_cwd, second_cwd):
        shutil.rmtree(folder, ignore_errors=True)
print("install: 4 passed, 0 failed")
