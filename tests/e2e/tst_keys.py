#!/usr/bin/env python3
"""Judging by keys on the real KV: 25 factors filled with one key to start and
300 level keys, left with Back and found as the full reciprocal matrix; its
E-Mach equal to the same matrix entered by clicks in another case; and the
worked example by one click and six keys."""
import contextlib
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from emach import emach  # noqa: E402
from kvdrive import GRAVAR, KV, LEVEL, MIRROR, OPTIONS, in_frame, matrix_cell, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
N = 25
PAIRS = [(i, j) for i in range(1, N + 1) for j in range(i + 1, N + 1)]
CHOICE = {p: random.Random(13 + k).randint(1, 5) for k, p in enumerate(PAIRS)}  # option 1 to 5
MATRIX = "Entrada de dados para análise"
TABLES = {1: "Eventos", 2: "Eventos2", 3: "Eventos3"}


def stored(case, n):
    """(emach, N01 ... Nn) of the case's factor rows."""
    with contextlib.closing(kv.db()) as db:
        return db.execute(f"SELECT emach, {', '.join(f'N{c:02d}' for c in range(1, n + 1))} FROM {TABLES[case]} "
                          f"WHERE Numero <= {n} ORDER BY Numero").fetchall()


def matrix(case=None):
    if case:
        kv.choose_case(menu, case)
    kv.key(menu, "alt+a")
    return kv.wait_window(MATRIX)


def analyse(dados, case, n):
    kv.key(dados, "alt+a")
    kv.query_until(f"SELECT count(*) FROM {TABLES[case]} WHERE Numero <= {n} AND emach IS NOT NULL", [(n,)])


def back(dados):
    kv.key(dados, "alt+v")
    kv.wait_gone(MATRIX)


with x_display() as display:
    kv = KV(build, shots, display)
    with contextlib.closing(kv.db()) as db:
        for case, n in ((1, N), (2, N), (3, 4)):
            db.execute('UPDATE Cases SET "Case" = ?, Sintoma = ?, Qtde = ? WHERE Numero = ?', (f"K{case}", "Paradas", n, case))
            db.executemany(f"UPDATE {TABLES[case]} SET Evento = ? WHERE Numero = ?", [(f"F{k}", k) for k in range(1, n + 1)])
        db.commit()
    try:
        with kv.step("25 factors by keys, then Back"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            dados = matrix(1)
            kv.key_run(dados, ["Tab"] + [str(6 - CHOICE[p]) for p in PAIRS])  # key 1 is option 5
            kv.shot("keys-01-25-by-keys")
            back(dados)
            for i, row in enumerate(stored(1, N), 1):
                assert list(row[1:]) == [0 if i == j else LEVEL[CHOICE[(i, j)]] if i < j else MIRROR[CHOICE[(j, i)]]
                                         for j in range(1, N + 1)], (i, row)

        with kv.step("analysed, the same E-Mach as the same matrix by clicks"):
            dados = matrix()
            analyse(dados, 1, N)
            kv.shot("keys-02-analysed")
            back(dados)
            dados = matrix(2)
            kv.click_run(dados, [pt for p in PAIRS for pt in (matrix_cell(p[0] - 1, p[1]), in_frame(OPTIONS[CHOICE[p]]), in_frame(GRAVAR))])
            analyse(dados, 2, N)
            back(dados)
            keyed, clicked = stored(1, N), stored(2, N)
            assert keyed == clicked, (keyed, clicked)
            assert [r[0] for r in keyed] == emach([[None if i == j else r[j + 1] for j in range(N)] for i, r in enumerate(keyed)])

        with kv.step("the worked example by one click and six keys"):
            dados = matrix(3)
            kv.click(dados, *matrix_cell(0, 2))
            kv.key_run(dados, list("411431"))
            analyse(dados, 3, 4)
            kv.shot("keys-03-worked-example")
            assert [r[0] for r in stored(3, 4)] == [4.0, 0.0, 0.4, -1.0]
            back(dados)
            kv.key(menu, "alt+s")
            kv.wait_exit()
    except Exception:
        kv.stop(keep=True)
        raise
    kv.stop()
print("keys: 1 passed, 0 failed")
