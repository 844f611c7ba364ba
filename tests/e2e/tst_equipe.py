#!/usr/bin/env python3
"""A team on the real KV: three members' cases exported from the register, combined in the team window through its
file dialog, written into a fourth case, which the matrix screen then analyses like any other."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, cases_row, sql, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]
REGISTER, TEAM, MATRIX = "Cadastramento de Casos  (Máximo  10)", "Julgamento em equipe", "Entrada de dados para análise"
FACTORS = ["Temperatura", "Pressão", "Vibração", "Desgaste"]
# The worked example's upper triangle; the third member judges (Pressão, Vibração) 0.2 instead of 5.
EXAMPLE = {(1, 2): 5, (1, 3): 0.1, (1, 4): 0.1, (2, 3): 5, (2, 4): 1, (3, 4): 0.1}
FLIPPED = {**EXAMPLE, (2, 3): 0.2}
# The median of 5, 5 and 0.2 is 5: the team's matrix is the worked example, ranked 4.00, 0.40, 0.00, -1.00.
RANKED = [("Temperatura", 4.0), ("Vibração", 0.4), ("Pressão", 0.0), ("Desgaste", -1.0)]


def seed(database, case, table, judged):
    sql(database, f'UPDATE Cases SET "Case" = \'Membro {case}\', Sintoma = \'Vazamento\', Qtde = 4 WHERE Numero = {case}')
    for r in range(1, 5):
        cells = {f"N0{c}": judged.get((r, c)) or (1 / judged[(c, r)] if (c, r) in judged else None) for c in range(1, 5)}
        sets = ", ".join(f"{k} = {'NULL' if v is None else v}" for k, v in cells.items())
        sql(database, f"UPDATE {table} SET Evento = '{FACTORS[r - 1]}', {sets} WHERE Numero = {r}")


with x_display() as display, KV(build, shots, display) as kv:
    for case, table, judged in ((1, "Eventos", EXAMPLE), (2, "Eventos2", EXAMPLE), (3, "Eventos3", FLIPPED)):
        seed(kv.database, case, table, judged)
    members = [os.path.join(kv.folder, f"membro{k}.csv") for k in (1, 2, 3)]

    with kv.step("case register: each member's case out to a file"):
        kv.start()
        menu = kv.wait_window("KV - Orvalis")
        kv.key(menu, "alt+c")
        cases = kv.wait_window(REGISTER)
        for k, path in enumerate(members, 1):
            kv.click(cases, 150, cases_row(k))
            kv.key(cases, "alt+x")
            kv.file_dialog("Exportar case", path)
            kv.wait_gone("Exportar case")
        assert all(os.path.exists(p) for p in members), members

    with kv.step("team window: the three files added, the team matrix written into case 4"):
        kv.click(cases, 150, cases_row(4))
        kv.key(cases, "alt+q")
        team = kv.wait_window(TEAM)
        for path in members:
            kv.key(team, "alt+a")
            kv.file_dialog("Adicionar membros", path)
            kv.wait_gone("Adicionar membros")
        kv.shot("team-01-three-members")
        kv.key(team, "alt+g")
        kv.key(kv.wait_window("Gravar no case"), "Return")  # says what it wrote
        kv.query_until("SELECT Qtde FROM Cases WHERE Numero = 4", [(4,)])
        kv.key(team, "alt+v")
        kv.wait_gone(TEAM)
        kv.click(cases, 150, cases_row(4), double=True)  # now in use: current
        kv.click_twips(cases, 150, 4650, 1140, 915)  # Voltar
        kv.wait_gone(REGISTER)

    with kv.step("case 4 analysed: the team's ranking"):
        kv.key(menu, "alt+a")
        dados = kv.wait_window(MATRIX)
        kv.click_twips(dados, 720, 345, 1140, 840)  # Analisar
        kv.query_until("SELECT Evento, emach FROM Eventos4 WHERE Numero <= 4 ORDER BY -emach", RANKED)
        kv.shot("team-02-case-analysed")
print("team: 1 passed, 0 failed")
