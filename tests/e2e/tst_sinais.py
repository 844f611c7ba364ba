#!/usr/bin/env python3
"""A logout, a power cut, a lost display, on the real KV: SIGTERM with the matrix open saves its judgements the way
Back does; an import survives its -wal and -shm deleted, at SIGTERM and (once KV has said so) at SIGKILL; when the
display goes away, the judgements on screen are saved before KV ends."""
import os
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, cases_row, matrix_cell, sql, wait_for, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
REGISTER, MATRIX = "Cadastramento de Casos  (Máximo  10)", "Entrada de dados para análise"
FACTORS = ["Alfa", "Beta", "Gama", "Delta", "Eco"]
ROWS = "SELECT " + ", ".join(f"IFNULL(N0{c}, 0)" for c in range(1, 6)) + " FROM {} WHERE Numero <= 5 ORDER BY Numero"
CSV = "\ufeffCase,Importado\r\n\r\n," + ",".join(FACTORS) + "\r\n" + "".join(
    f"{n}," + ",".join("" if c == r else "5" if c > r else "0.2" for c in range(5)) + "\r\n" for r, n in enumerate(FACTORS))


def register(kv, menu, case, *keys):
    """The case register: a click on the case's row, then keys (the import, or Voltar's)."""
    kv.key(menu, "alt+c")
    cases = kv.wait_window(REGISTER)
    kv.click(cases, 150, cases_row(case), double=not keys)
    kv.key(cases, *keys) if keys else kv.click_twips(cases, 150, 4650, 1140, 915)
    return cases


def import_case(kv, menu, case, path):
    register(kv, menu, case, "alt+i")
    kv.file_dialog("Importar case", path)
    kv.key(kv.wait_window("Importar case"), "Return")  # confirmed: read and written
    kv.query_until(f'SELECT "Case" FROM Cases WHERE Numero = {case}', [("Importado",)])


def judge(kv, menu, row, column, keys):
    register(kv, menu, 1)
    kv.wait_gone(REGISTER)
    kv.key(menu, "alt+a")
    dados = kv.wait_window(MATRIX)
    kv.click(dados, *matrix_cell(row, column))
    kv.key(dados, *keys, delay=40)


with x_display() as display, KV(build, shots, display) as kv:
    db, wal, shm = kv.database, kv.database + "-wal", kv.database + "-shm"
    sql(db, "UPDATE Cases SET \"Case\" = 'Sinais', Sintoma = 'Parada', Qtde = 5 WHERE Numero = 1")
    for i, name in enumerate(FACTORS, 1):
        sql(db, f"UPDATE Eventos SET Evento = '{name}' WHERE Numero = {i}")
    csv = os.path.join(kv.folder, "importar.csv")
    with open(csv, "w", encoding="utf-8", newline="") as f:
        f.write(CSV)

    with kv.step("SIGTERM with the matrix open: its judgements saved as Back saves them"):
        p = kv.start()
        menu = kv.wait_window("KV - Orvalis")
        judge(kv, menu, 0, 2, "5413")
        kv.shot("sinais-01-matrix-judged")
        p.send_signal(signal.SIGTERM)
        assert p.wait(20) == 0, p.returncode
        assert sql(db, ROWS.format("Eventos"))[:2] == [(0, 10, 5, 0.1, 1), (0.1, 0, 0, 0, 0)], sql(db, ROWS.format("Eventos"))

    with kv.step("an import, its -wal and -shm deleted, then SIGTERM: the import is there"):
        p = kv.start()
        import_case(kv, kv.wait_window("KV - Orvalis"), 2, csv)
        os.remove(wal)
        os.remove(shm)
        p.send_signal(signal.SIGTERM)
        assert p.wait(20) == 0, p.returncode
        assert sql(db, ROWS.format("Eventos2"))[0] == (0, 5, 5, 5, 5)

    with kv.step("the -wal and -shm deleted: KV says so at once, makes them afresh, and even SIGKILL loses nothing"):
        p = kv.start()
        import_case(kv, kv.wait_window("KV - Orvalis"), 3, csv)
        os.remove(wal)
        os.remove(shm)
        box = kv.wait_window("Arquivo de dados")
        kv.shot("sinais-02-wal-deleted")
        assert os.path.exists(wal) and os.path.exists(shm)
        kv.key(box, "Return")
        p.kill()
        p.wait(20)
        assert sql(db, ROWS.format("Eventos3"))[4] == (0.2, 0.2, 0.2, 0.2, 0)

    with kv.step("the display goes away: the judgements on screen are saved"):
        # A display of its own, next to the one the run was given, to pull from under KV.
        own_display = ":%d" % (int(display.lstrip(":").split(".")[0]) + 100)
        xvfb = subprocess.Popen(["Xvfb", own_display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(own_display, lambda: subprocess.run(["xdpyinfo", "-display", own_display], capture_output=True).returncode == 0)
        try:
            with KV(build, shots, own_display, folder=kv.folder) as own:
                p = own.start()
                judge(own, own.wait_window("KV - Orvalis"), 1, 3, "22")
                xvfb.terminate()
                xvfb.wait(20)
                wait_for("the end of KV", lambda: p.poll() is not None)
                assert sql(db, ROWS.format("Eventos"))[1] == (0.1, 0, 0.2, 0.2, 0), sql(db, ROWS.format("Eventos"))
        finally:
            xvfb.kill()
print("sinais: 4 passed, 0 failed")
