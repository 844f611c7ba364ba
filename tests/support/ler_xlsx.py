#!/usr/bin/env python3
"""The cells of the first sheet of an .xlsx file, one a line: reference, type (s text, n number), value."""
import sys
import xml.etree.ElementTree as ET
import zipfile

M = "{http://schemas.openxmlformats.org/spreadsheetml/2006/main}"


def texto(no):
    return "".join(t.text or "" for t in no.iter(M + "t"))


with zipfile.ZipFile(sys.argv[1]) as z:
    nomes = z.namelist()
    partilhados = [texto(si) for si in ET.fromstring(z.read("xl/sharedStrings.xml")).iter(M + "si")] \
        if "xl/sharedStrings.xml" in nomes else []
    for c in ET.fromstring(z.read("xl/worksheets/sheet1.xml")).iter(M + "c"):
        tipo, v = c.get("t", "n"), c.find(M + "v")
        valor = partilhados[int(v.text)] if tipo == "s" else texto(c) if tipo == "inlineStr" else v.text
        print(c.get("r"), "s" if tipo in ("s", "inlineStr", "str") else tipo, valor.replace("\n", "\\n"), sep="\t")
