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
# Option per pair; key 1 stands for option 5 ("Muito menos"), key 5 for option 1.
CHOICE = {p: random.Random(13 + k).randint(1, 5) for k, p in enumerate(PAIRS)}
MATRIX = "Entrada de dados para análise"


def stored(kv, table, n):
    with contextlib.closing(kv.db()) as db:
        return db.execute(f"SELECT emach, {', '.join(f'N{c:02d}' for c in range(1, n + 1))} FROM {table} "
                          f"WHERE Numero <= {n} ORDER BY Numero").fetchall()


with x_display() as display:
    kv = KV(build, shots, display)
    with contextlib.closing(kv.db()) as db:
        for case, n in ((1, N), (2, N), (3, 4)):
            db.execute('UPDATE Cases SET "Case" = ?, Sintoma = ?, Qtde = ? WHERE Numero = ?',
                       (f"Teclado {case}", "Paradas", n, case))
            table = "Eventos" if case == 1 else f"Eventos{case}"
            db.executemany(f"UPDATE {table} SET Evento = ? WHERE Numero = ?", [(f"F{k}", k) for k in range(1, n + 1)])
        db.commit()
    try:
        with kv.step("25 factors by keys"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            kv.choose_case(menu, 1)
            kv.key(menu, "alt+a")
            dados = kv.wait_window(MATRIX)
            kv.key_run(dados, ["Tab"] + [str(6 - CHOICE[p]) for p in PAIRS])
            kv.shot("keys-01-25-by-keys")
            kv.key(dados, "alt+v")
            kv.wait_gone(MATRIX)
            for i, row in enumerate(stored(kv, "Eventos", N), 1):
                want = [0 if i == j else LEVEL[CHOICE[(i, j)]] if i < j else MIRROR[CHOICE[(j, i)]] for j in range(1, N + 1)]
                assert list(row[1:]) == want, (i, row, want)

        with kv.step("analyse the keyed matrix"):
            kv.key(menu, "alt+a")
            dados = kv.wait_window(MATRIX)
            kv.key(dados, "alt+a")
            kv.query_until("SELECT count(*) FROM Eventos WHERE Numero <= 25 AND emach IS NOT NULL", [(N,)])
            kv.shot("keys-02-analysed")
            keyed = [r[0] for r in stored(kv, "Eventos", N)]
            kv.key(dados, "alt+v")
            kv.wait_gone(MATRIX)

        with kv.step("the same matrix by clicks"):
            kv.choose_case(menu, 2)
            kv.key(menu, "alt+a")
            dados = kv.wait_window(MATRIX)
            kv.click_run(dados, [pt for (i, j) in PAIRS for pt in
                                 (matrix_cell(i - 1, j), in_frame(OPTIONS[CHOICE[(i, j)]]), in_frame(GRAVAR))])
            kv.key(dados, "alt+a")
            kv.query_until("SELECT count(*) FROM Eventos2 WHERE Numero <= 25 AND emach IS NOT NULL", [(N,)])
            clicked = stored(kv, "Eventos2", N)
            assert [r[1:] for r in clicked] == [r[1:] for r in stored(kv, "Eventos", N)]
            assert [r[0] for r in clicked] == keyed, (keyed, clicked)
            assert keyed == emach([[None if i == j else r[j + 1] for j in range(N)] for i, r in enumerate(clicked)])
            kv.key(dados, "alt+v")
            kv.wait_gone(MATRIX)

        with kv.step("the worked example by one click and six keys"):
            kv.choose_case(menu, 3)
            kv.key(menu, "alt+a")
            dados = kv.wait_window(MATRIX)
            kv.click(dados, *matrix_cell(0, 2))
            kv.key_run(dados, list("411431"))
            kv.key(dados, "alt+a")
            kv.query_until("SELECT emach FROM Eventos3 WHERE Numero <= 4 ORDER BY Numero", [(4.0,), (0.0,), (0.4,), (-1.0,)])
            kv.shot("keys-03-worked-example")
            kv.key(dados, "alt+v")
            kv.wait_gone(MATRIX)
            kv.key(menu, "alt+s")
            kv.wait_exit()
    except Exception:
        kv.stop(keep=True)
        raise
    kv.stop()
print("keys: 1 passed, 0 failed")
