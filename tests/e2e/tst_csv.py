#!/usr/bin/env python3
"""A case out to a spreadsheet and back on the real KV: case 1 (the worked
example) exported from the case register, one judgement changed as a
spreadsheet would save it, imported into case 2 and analysed there."""
import contextlib
import csv
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from emach import emach  # noqa: E402
from kvdrive import KV, cases_row, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
NAMES = ["Selo", "Rotor", "Vibracao", "Desgaste"]
MATRIX = [[None, 5, 0.1, 0.1], [0.2, None, 5, 1], [10, 0.2, None, 0.1], [10, 1, 10, None]]
REGISTER = "Cadastramento de Casos  (Máximo  10)"


def file_dialog(kv, window, keys, title, path):
    kv.key(window, keys)
    dialog = kv.wait_window(title)
    kv.key(dialog, "ctrl+a")
    kv.type(dialog, path)
    kv.key(dialog, "Return")


with x_display() as display:
    kv = KV(build, shots, display)
    path = os.path.join(kv.folder, "caso1.csv")
    try:
        with contextlib.closing(kv.db()) as db:
            db.execute('UPDATE Cases SET "Case" = ?, Sintoma = ?, Qtde = 4 WHERE Numero = 1', ("Bomba", "Vazamento"))
            for i, (name, cells, e) in enumerate(zip(NAMES, MATRIX, emach(MATRIX))):
                db.execute("UPDATE Eventos SET Evento = ?, N01 = ?, N02 = ?, N03 = ?, N04 = ?, emach = ? WHERE Numero = ?",
                           (name, *cells, e, i + 1))
            db.commit()

        with kv.step("export case 1, change a judgement, import it into case 2"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            kv.key(menu, "alt+c")
            cases = kv.wait_window(REGISTER)
            kv.click(cases, 150, cases_row(1))
            file_dialog(kv, cases, "alt+x", "Exportar case", path)
            kv.wait_gone("Exportar case")
            with open(path, encoding="utf-8-sig", newline="") as f:
                rows = list(csv.reader(f))
            assert rows[-1] == ["Desgaste", "21", "1.2", "5.00", "0.00", "-1.00", "Causa Raíz ou principal FCS"], rows
            rows[6][3], rows[7][2] = "0.1", ""  # Rotor against Vibracao, its mirror left to the import
            with open(path, "w", encoding="utf-8", newline="") as f:
                csv.writer(f, lineterminator="\r\n").writerows(rows)
            kv.click(cases, 150, cases_row(2))
            file_dialog(kv, cases, "alt+i", "Importar case", path)
            kv.query_until("SELECT Qtde FROM Cases WHERE Numero = 2", [(4,)])
            kv.key(kv.wait_window("Importar case"), "Return")  # the message of what was read
            kv.click(cases, 150, cases_row(2), double=True)
            kv.key(cases, "alt+v")
            kv.wait_gone(REGISTER)

        with kv.step("analyse case 2: the changed ranking"):
            kv.key(menu, "alt+a")
            dados = kv.wait_window("Entrada de dados para análise")
            kv.key(dados, "alt+a", "alt+r")
            kv.wait_window("Resultado Emach")
            kv.shot("csv-result-of-the-imported-case")
            MATRIX[1][2], MATRIX[2][1] = 0.1, 10
            kv.query_until("SELECT Evento, emach FROM Eventos2 WHERE Numero <= 4 ORDER BY -emach",
                           [("Rotor", 2.89), ("Selo", 1.51), ("Vibracao", -0.59), ("Desgaste", -1.0)])
            assert emach(MATRIX) == [1.51, 2.89, -0.59, -1.0]
    except Exception:
        kv.stop(keep=True)
        raise
    kv.stop()
print("csv: 1 passed, 0 failed")
