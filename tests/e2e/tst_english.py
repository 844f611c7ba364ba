#!/usr/bin/env python3
"""The first steps of the road in English, after switching the language on
the information screen: the captions of the next windows are English."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from kvdrive import KV, x_display  # noqa: E402

build, shots = sys.argv[1], sys.argv[2]

# Middles of the English menu items "Cases" and "Events" in the menu bar,
# measured from the main window's screenshot (the English items carry no
# access key, so a user clicks them).
MENU_CASES = (24, 11)
MENU_EVENTS = (70, 11)
CASES_ROW_3 = 20 + 25 + 2 * 16

with x_display() as display:
    kv = KV(build, shots, display)
    try:
        with kv.step("switch to English on the information screen"):
            kv.start()
            menu = kv.wait_window("KV - Orvalis")
            kv.key(menu, "alt+i")
            info = kv.wait_window("Informações Gerais")
            kv.shot("english-01-information")
            kv.click_twips(info, 4905 + 225, 2685 + 375, 1095, 255)  # English
            kv.click_twips(info, 7065, 3375, 990, 765)  # Voltar
            kv.wait_gone("Informações Gerais")
            kv.query_until("SELECT Idioma FROM Parametro", [(1,)])
            kv.shot("english-02-main-window")

        with kv.step("cases in English"):
            kv.click(menu, *MENU_CASES)
            cases = kv.wait_window("Registration of Cases (Maximum 10)")
            kv.click(cases, 150, CASES_ROW_3, double=True)
            kv.click_twips(cases, 2400, 3450, 5500, 315)
            kv.type(cases, "Pump failure")
            kv.click_twips(cases, 2400, 4590, 540, 315)
            kv.key(cases, "ctrl+a")
            kv.type(cases, "4")
            kv.key(cases, "Tab")
            kv.click_twips(cases, 8325, 4575, 1290, 990)  # Write
            kv.query_until('SELECT "Case", Qtde FROM Cases WHERE Numero = 3', [("Pump failure", 4)])
            kv.click(cases, 150, CASES_ROW_3, double=True)
            kv.shot("english-03-cases")
            kv.click_twips(cases, 150, 4650, 1140, 915)  # Return
            kv.wait_gone("Registration of Cases (Maximum 10)")

        with kv.step("events in English"):
            kv.click(menu, *MENU_EVENTS)
            events = kv.wait_window("Registration of events")
            kv.shot("english-04-events")
            kv.click_twips(events, 300, 4500, 1455, 960)  # Write and Return
            kv.wait_gone("Registration of events")
    except Exception:
        kv.stop(keep=True)
        raise
    kv.stop()

print("english: 1 passed, 0 failed")
