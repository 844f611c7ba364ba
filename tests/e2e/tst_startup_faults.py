#!/usr/bin/env python3
"""A start-up fault through the real binary: a missing database gives the "Erro" box and no main
window, and no file is created. (The second copy is tested with the installed KV, in tst_install.)"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, x_display  # noqa: E402

with x_display() as display, KV(sys.argv[1], sys.argv[2], display, with_database=False) as kv:
    with kv.step("missing database shows Erro"):
        kv.start()
        erro = kv.wait_window("Erro")
        kv.shot("faults-01-erro-missing-database")
        assert not kv.windows("KV - Orvalis"), "the main window showed"
        kv.key(erro, "Return")
        kv.wait_exit()
        assert not os.path.exists(kv.database), "a database file was created"
print("startup faults: 1 passed, 0 failed")
