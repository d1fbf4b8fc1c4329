#!/usr/bin/env python3
"""The spreadsheet files of Export Report, read with a reader of their own. The Excel workbook: the xlsx file is a zip of
XML parts, read here with Python's zipfile and ElementTree, nothing of the program's. For a
mortgage, a lease and an investment, under en_US and de_DE, every figure is a number in the
locale's currency format, the header row is frozen, the columns fit their figures, each payment
rounds to the payment table CSV's text, the payments add up to the report's total paid, the years
are the yearly CSV's and add up to its total, and the totals are formulas whose stored results are
those sums. A plan beyond a sheet's rows writes nothing and says why. The CSV files in the
locale's style: under de_DE semicolons between fields and decimal commas, the same figures as the
plain files; under en_US the plain files byte for byte.

LibreOffice (headless) is the second reader: it imports the de_DE CSV files with German settings
as numbers, and opens the workbooks, with every stored formula result wiped, and works the totals
out again to the report's.

usage: spreadsheet_test.py SELVANE_CLI"""

import csv
import os
import re
import subprocess
import sys
import tempfile
import zipfile
import xml.etree.ElementTree as ET
from datetime import date, timedelta
from decimal import Decimal

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
CLI = sys.argv[1]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def column_of(ref):
    return re.match(r"[A-Z]+", ref).group(0)


def read_sheet(book, name, number_formats, style_formats):
    """Rows of (column -> (value, type, formula, format code)) by row number."""
    root = ET.fromstring(book.read(name))
    rows = {}
    for row in root.iter("{%s}row" % NS["m"]):
        cells = {}
        for c in row.findall("m:c", NS):
            v = c.find("m:v", NS)
            f = c.find("m:f", NS)
            text = c.find("m:is/m:t", NS)
            style = int(c.get("s", "0"))
            code = number_formats.get(style_formats[style]) if style < len(style_formats) else None
            cells[column_of(c.get("r"))] = (
                v.text if v is not None else (text.text if text is not None else None),
                c.get("t", "n"), f.text if f is not None else None, code)
        rows[int(row.get("r"))] = cells
    return root, rows


def workbook(path):
    book = zipfile.ZipFile(path)
    styles = ET.fromstring(book.read("xl/styles.xml"))
    codes = {int(n.get("numFmtId")): n.get("formatCode") for n in styles.iter("{%s}numFmt" % NS["m"])}
    xfs = [int(x.get("numFmtId", "0")) for x in styles.find("m:cellXfs", NS)]
    names = [s.get("name") for s in ET.fromstring(book.read("xl/workbook.xml")).iter("{%s}sheet" % NS["m"])]
    sheets = [read_sheet(book, "xl/worksheets/sheet%d.xml" % i, codes, xfs) for i in (1, 2)]
    return names, sheets


def run(script, env_locale, folder):
    env = dict(os.environ, LC_ALL=env_locale)
    out = subprocess.run([CLI], input=script, capture_output=True, text=True, env=env, cwd=folder)
    return out


def cents(x):
    return Decimal(x).quantize(Decimal("0.01"))


def verify(label, setup, locale, symbol):
    with tempfile.TemporaryDirectory() as folder:
        script = setup + "export t.csv\nexport-yearly y.csv\nexport w.xlsx\n"
        out = run(script, locale, folder)
        check(out.returncode == 0 and out.stderr == "", f"{label}: {out.stderr}")
        names, ((pay_root, pay), (year_root, years)) = workbook(os.path.join(folder, "w.xlsx"))
        check(names == ["Payments", "Yearly Summary"], f"{label}: sheets {names}")
        table = list(csv.reader(open(os.path.join(folder, "t.csv"), newline="")))
        yearly = list(csv.reader(open(os.path.join(folder, "y.csv"), newline="")))

        for root, rows, header in ((pay_root, pay, table[0]), (year_root, years, yearly[0])):
            pane = root.find("m:sheetViews/m:sheetView/m:pane", NS)
            check(pane is not None and pane.get("ySplit") == "1" and pane.get("state") == "frozen",
                  f"{label}: header row not frozen")
            check([rows[1][c][0] for c in "ABCDE"] == header, f"{label}: header {rows[1]}")
            widths = [float(c.get("width")) for c in root.find("m:cols", NS)]
            # A column fits its caption and its widest figure as the locale writes it.
            longest = [max(len(header[i]), *(len(r[i]) + (4 if i > 0 else 0) for r in
                       (table if rows is pay else yearly)[1:])) for i in range(5)]
            check(all(w >= l for w, l in zip(widths, longest)), f"{label}: widths {widths} < {longest}")
            # The payments' balance, principal and interest columns are no wider than their
            # caption or their widest figure as a negative amount in dollars (with its sign, its
            # brackets and a comma every three digits), and a margin of two.
            if rows is pay and symbol == "$":
                def shown(text):
                    return len(text) + 3 + (len(text.split(".")[0]) - 1) // 3
                widest = [max(len(header[i]), *(shown(r[i]) for r in table[1:])) + 2 for i in (2, 3, 4)]
                check(all(int(widths[i]) <= b for i, b in zip((2, 3, 4), widest)),
                      f"{label}: widths {widths} > {widest}")

        # Payments: numbers in the currency format, each rounding to the CSV's text.
        n = len(table) - 1
        paid = Decimal(0)
        for k in range(1, n + 1):
            cells = pay[k + 1]
            check(all(cells[c][1] == "n" for c in "ABCDE"), f"{label}: row {k} holds text")
            # Each section shows the figure's digits once, only the locale's signs around them.
            check(all(symbol in cells[c][3] and all(re.fullmatch(r'("[^"0-9]*")?#,##0\.00("[^"0-9]*")?', part)
                      for part in cells[c][3].split(";")) for c in "BCDE"),
                  f"{label}: row {k} format {cells['B'][3]}")
            for i, c in enumerate("BCDE", start=1):
                got = cents(cells[c][0])
                want = Decimal(table[k][i])
                check(abs(got - want) <= Decimal("0.01") and (got == want or c == "B"),
                      f"{label}: payment {k} column {c}: {cells[c][0]} for {table[k][i]}")
            paid += Decimal(cells["B"][0])
        total = pay[n + 2]
        check(total["A"][0] == "Total", f"{label}: no Total row")
        check(total["B"][2] == f"SUM(B2:B{n + 1})", f"{label}: total formula {total['B'][2]}")
        # What the payments add up to: an investment's are its deposits, a loan's or a lease's
        # the principal and interest they pay.
        total_paid = Decimal(yearly[-1][2]) + (0 if "investment" in label else Decimal(yearly[-1][3]))
        check(cents(paid) == total_paid == cents(total["B"][0]),
              f"{label}: payments add up to {paid}, stored {total['B'][0]}, report {total_paid}")
        check(cents(total["D"][0]) == Decimal(table[n][3]) and total["E"][2] == f"E{n + 1}",
              f"{label}: principal and interest totals")

        # Years: the yearly CSV's figures (the same doubles), adding up to its total to the cent.
        count = len(yearly) - 2
        sums = [Decimal(0)] * 3
        for y in range(1, count + 1):
            cells = years[y + 1]
            got = [float(cells[c][0]) for c in "ABCDE"]
            check(got == [float(v) for v in yearly[y]], f"{label}: year {y}: {got}")
            sums = [s + Decimal(cells[c][0]) for s, c in zip(sums, "BCD")]
        total = years[count + 2]
        check([total[c][2] for c in "BCD"] == [f"SUM({c}2:{c}{count + 1})" for c in "BCD"],
              f"{label}: yearly total formulas")
        check([cents(total[c][0]) for c in "BCD"] == [cents(s) for s in sums] ==
              [Decimal(v) for v in yearly[-1][1:4]], f"{label}: years add up to {sums}, total {yearly[-1]}")
        check(total["E"][2] == f"E{count + 1}" and cents(total["E"][0]) == Decimal(yearly[-1][4]),
              f"{label}: the yearly total's balance is the last year's")


PLANS = {
    "mortgage": "mode Mortgage\nclear 0\ntype 0 6.5\nclear 5\ntype 5 360\ncalculate\n",
    "lease": "mode Lease\ncalculate\n",
    "investment": "mode Investment\ncalculate\n",
}
for name, setup in PLANS.items():
    verify(f"{name}, en_US", setup, "en_US.UTF-8", "$")
    verify(f"{name}, de_DE", setup, "de_DE.UTF-8", "\u20ac")

# CSV files in the locale's style, against the plain ones of the same plan.
for name, setup in PLANS.items():
    for locale, comma in (("de_DE.UTF-8", True), ("en_US.UTF-8", False), ("fr_FR.UTF-8", True)):
        with tempfile.TemporaryDirectory() as folder:
            out = run(setup + "export t.csv\nexport-yearly y.csv\ncsv locale\nexport lt.csv\n"
                      "export-yearly ly.csv\n", locale, folder)
            check(out.returncode == 0, f"{name}, {locale}: {out.stderr}")
            for plain, styled in (("t.csv", "lt.csv"), ("y.csv", "ly.csv")):
                p = open(os.path.join(folder, plain), "rb").read().decode()
                s = open(os.path.join(folder, styled), "rb").read().decode()
                if not comma:
                    check(s == p, f"{name}, {locale}: {styled} is not the plain file")
                    continue
                header, _, rows = p.partition("\r\n")
                want = header.replace(",", ";") + "\r\n" + rows.translate(str.maketrans(",.", ";,"))
                check(s == want, f"{name}, {locale}: {styled} is not {plain} with ; and decimal commas")
                # Read as such a spreadsheet reads it: every figure a number.
                for row in list(csv.reader(s.splitlines(), delimiter=";"))[1:]:
                    check(all(re.fullmatch(r"-?\d+(,\d\d)?|Total", v) for v in row),
                          f"{name}, {locale}: {row}")

# LibreOffice, with a profile of its own that works every formula out again on loading.
XCU = """<?xml version="1.0" encoding="UTF-8"?>
<oor:items xmlns:oor="http://openoffice.org/2001/registry"
 xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
<item oor:path="/org.openoffice.Office.Calc/Formula/Load">
<prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>
</oor:items>
"""


def libreoffice(folder, *args):
    profile = os.path.join(folder, "profile")
    os.makedirs(os.path.join(profile, "user"), exist_ok=True)
    open(os.path.join(profile, "user", "registrymodifications.xcu"), "w").write(XCU)
    out = subprocess.run(["soffice", "-env:UserInstallation=file://" + profile, "--headless",
                          *args], cwd=folder, capture_output=True, text=True, timeout=300)
    check(out.returncode == 0, f"soffice {args}: {out.stderr}")


def without_results(path):
    """The workbook with every formula's stored result set to 0."""
    book = zipfile.ZipFile(path)
    parts = {i.filename: book.read(i.filename) for i in book.infolist()}
    book.close()
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as out:
        for name, data in parts.items():
            if name.startswith("xl/worksheets/"):
                data = re.sub(rb"(</f><v>)[^<]*", rb"\g<1>0", data)
            out.writestr(name, data)


for name, setup in PLANS.items():
    with tempfile.TemporaryDirectory() as folder:
        run(setup + "export t.csv\nexport-yearly y.csv\nexport w.xlsx\ncsv locale\n"
            "export de.csv\nexport-yearly dey.csv\n", "de_DE.UTF-8", folder)
        yearly = list(csv.reader(open(os.path.join(folder, "y.csv"), newline="")))
        without_results(os.path.join(folder, "w.xlsx"))
        libreoffice(folder, "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,"
                    "false,true,false,false,false,-1", "--outdir", "lo", "w.xlsx")
        payments = list(csv.reader(open(os.path.join(folder, "lo", "w-Payments.csv"))))
        years = list(csv.reader(open(os.path.join(folder, "lo", "w-Yearly Summary.csv"))))
        paid = Decimal(yearly[-1][2]) + (0 if name == "investment" else Decimal(yearly[-1][3]))
        check(payments[-1][0] == "Total" and cents(payments[-1][1]) == paid,
              f"{name}: LibreOffice's total of the payments {payments[-1]}, report {paid}")
        check([cents(v) for v in years[-1][2:4]] == [Decimal(v) for v in yearly[-1][2:4]] and
              years[-1][1] == yearly[-1][1], f"{name}: LibreOffice's yearly total {years[-1]}")
        # The decimal-comma files, imported as a German spreadsheet user imports them: every
        # figure a number, the plain file's.
        for styled, plain in (("de.csv", "t.csv"), ("dey.csv", "y.csv")):
            libreoffice(folder, "--infilter=CSV:59,34,76,1,,1031", "--convert-to", "xlsx",
                        "--outdir", "de", styled)
            _, rows = read_sheet(zipfile.ZipFile(os.path.join(folder, "de", styled[:-3] + "xlsx")),
                                 "xl/worksheets/sheet1.xml", {}, [])
            want = list(csv.reader(open(os.path.join(folder, plain), newline="")))[1:]
            got = [[rows[r][c] for c in "ABCDE"] for r in sorted(rows) if r > 1]
            check(len(got) == len(want), f"{name}: {styled}: {len(got)} rows for {len(want)}")
            for g, w in zip(got, want):
                numbers = [(cell, text) for cell, text in zip(g, w) if text != "Total"]
                check(all(cell[1] == "n" and float(cell[0]) == float(text) for cell, text in numbers),
                      f"{name}: {styled} row {w}: LibreOffice read {g}")

# With dates: the payments' sheet has the CSV's Date column as real dates (days since 30 December
# 1899, shown as yyyy-mm-dd), its figures and totals a column on; the years are calendar years.
with tempfile.TemporaryDirectory() as folder:
    out = run(PLANS["mortgage"] + "start 2026-01-31\nexport t.csv\nexport-yearly y.csv\n"
              "export w.xlsx\n", "en_US.UTF-8", folder)
    check(out.returncode == 0 and out.stderr == "", f"dated: {out.stderr}")
    names, ((pay_root, pay), (year_root, years)) = workbook(os.path.join(folder, "w.xlsx"))
    table = list(csv.reader(open(os.path.join(folder, "t.csv"), newline="")))
    yearly = list(csv.reader(open(os.path.join(folder, "y.csv"), newline="")))
    check([pay[1][c][0] for c in "ABCDEF"] == table[0] and table[0][1] == "Date",
          f"dated: header {pay[1]}")
    epoch = date(1899, 12, 30)
    n = len(table) - 1
    for k in range(1, n + 1):
        cells = pay[k + 1]
        check(cells["B"][3] == "yyyy-mm-dd" and
              str(epoch + timedelta(days=int(float(cells["B"][0])))) == table[k][1],
              f"dated: payment {k} date {cells['B']} for {table[k][1]}")
        check(all(abs(cents(cells[c][0]) - Decimal(table[k][i])) <= Decimal("0.01")
                  for i, c in enumerate("CDEF", start=2)), f"dated: payment {k} figures")
    total = pay[n + 2]
    check(total["C"][2] == f"SUM(C2:C{n + 1})" and total["F"][2] == f"F{n + 1}",
          f"dated: total formulas {total}")
    check([years[y + 1]["A"][0] for y in range(1, len(yearly) - 1)] ==
          [row[0] for row in yearly[1:-1]] and yearly[1][0] == "2026", "dated: calendar years")

# As many payments as a sheet has rows below its header and above its Total: the Total is on
# the sheet's last row. One more: nothing is written, and the line says why.
with tempfile.TemporaryDirectory() as folder:
    out = run("clear 0\ntype 0 0.001\nclear 5\ntype 5 1048574\ncalculate\nexport w.xlsx\n",
              "en_US.UTF-8", folder)
    sheet = zipfile.ZipFile(os.path.join(folder, "w.xlsx")).open("xl/worksheets/sheet1.xml")
    check(out.returncode == 0 and out.stderr == "" and b'<dimension ref="A1:E1048576"/>'
          in sheet.read(400), f"the most payments a sheet holds: {out.stderr}")
with tempfile.TemporaryDirectory() as folder:
    open(os.path.join(folder, "w.xlsx"), "w").write("before")
    out = run("clear 0\ntype 0 0.001\nclear 5\ntype 5 1048575\ncalculate\nexport w.xlsx\n",
              "en_US.UTF-8", folder)
    check(out.returncode == 0 and "could not write w.xlsx: a workbook's sheet holds at most"
          in out.stderr, f"too many payments: {out.stderr}")
    check(open(os.path.join(folder, "w.xlsx"), "rb").read() == b"before",
          "too many payments: file changed")

for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
