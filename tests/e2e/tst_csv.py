#!/usr/bin/env python3
"""A case out to a spreadsheet and back, on the real KV: case 1 (the worked
example) exported from the case register, one judgement changed in the file as
a spreadsheet would save it, the file imported into case 2, analysed, and the
ranking on the result screen changed as the new judgement says."""
import contextlib
import csv
import io
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from emach import emach  # noqa: E402
from kvdrive import KV, px, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
NAMES = ["Selo", "Rotor", "Vibracao", "Desgaste"]
MATRIX = [[None, 5, 0.1, 0.1], [0.2, None, 5, 1], [10, 0.2, None, 0.1], [10, 1, 10, None]]
REGISTER = "Cadastramento de Casos  (Máximo  10)"


def row(k):
    return px(300) + 25 + (k - 1) * 16


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

        with kv.step("export case 1 from the case register"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            kv.key(menu, "alt+c")
            cases = kv.wait_window(REGISTER)
            kv.click(cases, 150, row(1))
            kv.key(cases, "alt+x")
            dialog = kv.wait_window("Exportar case")
            kv.shot("csv-01-export-dialog")
            kv.key(dialog, "ctrl+a")
            kv.type(dialog, path)
            kv.key(dialog, "Return")
            kv.wait_gone("Exportar case")
            with open(path, encoding="utf-8-sig", newline="") as f:
                rows = list(csv.reader(f))
            assert rows[4] == ["", *NAMES] and rows[-1] == ["Desgaste", "21", "1.2", "5.00", "0.00", "-1.00",
                                                         "Causa Raíz ou principal FCS"], rows

        with kv.step("change one judgement as a spreadsheet saves it"):
            rows[6][3] = "0.1"  # Rotor against Vibracao: from 5 to 0.1
            rows[7][2] = ""  # its mirror left for the import to fill
            out = io.StringIO()
            csv.writer(out, lineterminator="\r\n").writerows(rows)
            with open(path, "w", encoding="utf-8", newline="") as f:
                f.write(out.getvalue())

        with kv.step("import it into case 2"):
            kv.click(cases, 150, row(2))
            kv.key(cases, "alt+i")
            dialog = kv.wait_window("Importar case")
            kv.type(dialog, path)
            kv.key(dialog, "Return")
            kv.query_until("SELECT Qtde FROM Cases WHERE Numero = 2", [(4,)])
            time.sleep(0.5)
            kv.shot("csv-02-imported")
            kv.key(kv.wait_window("Importar case"), "Return")
            kv.click(cases, 150, row(2), double=True)
            kv.key(cases, "alt+v")
            kv.wait_gone(REGISTER)

        with kv.step("analyse case 2 and see the changed ranking"):
            kv.key(menu, "alt+a")
            dados = kv.wait_window("Entrada de dados para análise")
            kv.key(dados, "alt+a")
            kv.key(dados, "alt+r")
            kv.wait_window("Resultado Emach")
            kv.shot("csv-03-result")
            MATRIX[1][2], MATRIX[2][1] = 0.1, 10
            expected = emach(MATRIX)
            kv.query_until("SELECT Evento, emach FROM Eventos2 WHERE Numero <= 4 ORDER BY Numero",
                           list(zip(NAMES, expected)))
            assert sorted(range(4), key=lambda k: -expected[k]) != [0, 2, 1, 3], expected  # case 1's order
    except Exception:
        kv.stop(keep=True)
        raise
    kv.stop()
print("csv: 1 passed, 0 failed")
