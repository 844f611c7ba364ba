#!/usr/bin/env python3
"""Start-up faults through the real binary: a missing database gives the
"Erro" box and no main window; a second copy shows its message and, after OK,
neither copy runs and the database is unchanged."""
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, sha256, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]

with x_display() as display:
    kv = KV(build, shots, display, with_database=False)
    try:
        with kv.step("missing database shows Erro"):
            kv.start()
            erro = kv.wait_window("Erro")
            kv.shot("faults-01-erro-missing-database")
            assert not kv.windows("KV - Orvalis"), "the main window showed"
            kv.key(erro, "Return")
            kv.wait_exit()
            assert not os.path.exists(kv.database), "a database file was created"
    finally:
        kv.stop()

    kv = KV(build, shots, display)
    try:
        with kv.step("first copy starts"):
            first = kv.start()
            kv.wait_window("KV - Orvalis")
            kv.shot("faults-02-first-copy")
            before = sha256(kv.database)
        with kv.step("second copy shows its message"):
            second = kv.start()
            box = kv.wait_window("Programa Paralizado!")
            kv.shot("faults-03-second-copy-message")
            assert first.poll() is None, "the first copy ended before OK"
            kv.key(box, "Return")
        with kv.step("both copies end"):
            kv.wait_exit()
            assert first.returncode != 0 and second.returncode is not None
            time.sleep(0.2)
            assert not kv.windows("KV - Orvalis")
            assert sha256(kv.database) == before, "the database changed"
    finally:
        kv.stop()
print("startup faults: 2 passed, 0 failed")
