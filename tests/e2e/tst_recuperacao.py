#!/usr/bin/env python3
"""The real KV killed with SIGKILL while judging by keys, many times (KV_KILL_TRIALS, at least 50): each next start
offers the judgements not saved, and restoring them (the default answer) stores every one of them but the one in
flight when the kill came."""
import glob
import json
import os
import random
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, cases_row, matrix_cell, sql, wait_for, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
TRIALS = max(50, int(os.environ.get("KV_KILL_TRIALS", "50")))
REGISTER, MATRIX, QUESTION = "Cadastramento de Casos  (Máximo  10)", "Entrada de dados para análise", "Julgamentos não gravados"
N = 5
LEVEL = {"5": 10, "4": 5, "3": 1, "2": 0.2, "1": 0.1}
# The pairs in the order the level keys fill an empty matrix from its first pair.
PAIRS = [(r, c) for r in range(N) for c in range(r + 1, N)]
MATRIX_SQL = "SELECT " + ", ".join(f"IFNULL(N0{c}, 0)" for c in range(1, N + 1)) + f" FROM Eventos WHERE Numero <= {N} ORDER BY Numero"


def in_file(path):
    """The judged pairs the recovery file holds, in key order (None when there is no file)."""
    try:
        with open(path, "rb") as f:
            values = json.loads(f.read().split(b"\n", 1)[1])["valores"]
    except (OSError, IndexError, ValueError):
        return None
    return [values[r * N + c] for r, c in PAIRS if values[r * N + c]]


def stored():
    rows = sql(kv.database, MATRIX_SQL)
    return [rows[r][c] for r, c in PAIRS if rows[r][c]], [rows[c][r] for r, c in PAIRS if rows[c][r]]


with x_display() as display, KV(build, shots, display) as kv:
    recovery = os.path.join(kv.folder, "CONTROLE.recuperacao")
    sql(kv.database, f"UPDATE Cases SET \"Case\" = 'Kill', Sintoma = 'Queda', Qtde = {N} WHERE Numero = 1")
    for i in range(1, N + 1):
        sql(kv.database, f"UPDATE Eventos SET Evento = 'F{i}' WHERE Numero = {i}")
    rng = random.Random(2027)
    typed, counts = None, {}
    for trial in range(TRIALS + 1):
        with kv.step(f"trial {trial}: the start after the kill restores all but the judgement in flight"):
            offered = bool(in_file(recovery))
            p = kv.start()
            if offered:
                kv.key(kv.wait_window(QUESTION), "Return")  # "Restaurar", the default answer
                kv.wait_gone(QUESTION)
            menu = kv.wait_window("KV - Orvalis")
            assert not glob.glob(os.path.join(kv.folder, ".kv-*.tmp")), "a cut write left its temporary file"
            if typed:
                upper, mirror = stored()
                m = len(upper)
                assert m in (len(typed) - 1, len(typed)), (trial, typed, upper)
                assert upper == [LEVEL[k] for k in typed[:m]] and mirror == [1 / LEVEL[k] for k in typed[:m]], (typed, upper, mirror)
                assert offered == (m > 0) and not os.path.exists(recovery), (offered, m)
                counts[m == len(typed)] = counts.get(m == len(typed), 0) + 1
            if trial == TRIALS:
                break

        with kv.step(f"trial {trial}: judged by keys, killed during the last key"):
            sql(kv.database, "UPDATE Eventos SET " + ", ".join(f"N0{c} = NULL" for c in range(1, N + 1)))
            kv.key(menu, "alt+c")
            cases = kv.wait_window(REGISTER)
            kv.click(cases, 150, cases_row(1), double=True)
            kv.click_twips(cases, 150, 4650, 1140, 915)  # Voltar
            kv.wait_gone(REGISTER)
            kv.key(menu, "alt+a")
            dados = kv.wait_window(MATRIX)
            kv.click(dados, *matrix_cell(0, 2))
            typed = [rng.choice("12345") for _ in range(rng.randint(1, len(PAIRS)))]
            for i, k in enumerate(typed):
                kv.xdo("key", k)
                if i + 1 < len(typed):  # every key before the last is in the file before the next is typed
                    wait_for(f"key {i + 1} in the recovery file", lambda: len(in_file(recovery) or []) == i + 1)
            # At once, or a little later: before or after KV has written the last key.
            time.sleep(rng.choice([0, rng.uniform(0, 0.03)]))
            p.kill()
            p.wait(20)
    print(f"recuperacao: {TRIALS} kills; in-flight judgement lost {counts.get(False, 0)} times, kept {counts.get(True, 0)}")
print("recuperacao: 1 passed, 0 failed")
