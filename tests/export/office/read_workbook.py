#!/usr/bin/python3
"""Reads a workbook and prints what the tests check as JSON: .xls with xlrd,
.xlsx with openpyxl, .ods from its content.xml.

    read_workbook.py BOOK            the workbook: BIFF version (0 unless .xls) and every sheet's cells
    read_workbook.py --xlsx OUT      writes a small real .xlsx workbook to OUT
"""
import json
import sys
import zipfile

CELL_TYPES = {0: "empty", 1: "text", 2: "number", 3: "date", 4: "bool", 5: "error", 6: "blank"}


def trimmed(rows):
    """Drops the empty rows and columns at the end, which the formats may keep."""
    rows = [list(row) for row in rows]
    while rows and all(cell["type"] == "empty" for cell in rows[-1]):
        rows.pop()
    width = max((i + 1 for row in rows for i, cell in enumerate(row) if cell["type"] != "empty"), default=0)
    return [(row + [{"type": "empty", "value": ""}] * width)[:width] for row in rows], width


def read_xlsx(path):
    import openpyxl

    book = openpyxl.load_workbook(path)
    sheets = []
    for sheet in book.worksheets:
        rows = [[{"type": "empty", "value": ""} if cell.value is None else
                 {"type": "text" if cell.data_type == "s" else "number", "value": str(cell.value)}
                 for cell in row] for row in sheet.iter_rows()]
        rows, width = trimmed(rows)
        sheets.append({"name": sheet.title, "columns": width, "rows": rows})
    return {"biff": 0, "sheets": sheets}


def read_ods(path):
    import xml.etree.ElementTree as ET

    ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
          "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
          "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}

    def attribute(element, prefix, name, default=None):
        return element.get("{%s}%s" % (ns[prefix], name), default)

    def text_of(cell):
        return "\n".join("".join(p.itertext()) for p in cell.findall("text:p", ns))

    with zipfile.ZipFile(path) as archive:
        root = ET.fromstring(archive.read("content.xml"))
    sheets = []
    for table in root.iter("{%s}table" % ns["table"]):
        rows = []
        for row in table.iter("{%s}table-row" % ns["table"]):
            cells = []
            for cell in row:
                repeat = int(attribute(cell, "table", "number-columns-repeated", "1"))
                kind = attribute(cell, "office", "value-type")
                entry = {"type": "empty", "value": ""} if kind is None else \
                    {"type": "text" if kind == "string" else "number", "value": text_of(cell)}
                cells.extend([entry] * min(repeat, 1024))
            repeat = int(attribute(row, "table", "number-rows-repeated", "1"))
            rows.extend([cells] * (min(repeat, 1024) if any(c["type"] != "empty" for c in cells) else 1))
        rows, width = trimmed(rows)
        sheets.append({"name": attribute(table, "table", "name"), "columns": width, "rows": rows})
    return {"biff": 0, "sheets": sheets}


def read(path):
    if path.lower().endswith(".xlsx"):
        return read_xlsx(path)
    if path.lower().endswith(".ods"):
        return read_ods(path)
    import xlrd

    book = xlrd.open_workbook(path)
    sheets = []
    for sheet in book.sheets():
        rows = []
        for r in range(sheet.nrows):
            rows.append([{"type": CELL_TYPES[sheet.cell_type(r, c)], "value": str(sheet.cell_value(r, c))}
                         for c in range(sheet.ncols)])
        sheets.append({"name": sheet.name, "columns": sheet.ncols, "rows": rows})
    return {"biff": book.biff_version, "sheets": sheets}


def write_xlsx(path):
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    relationships = "http://schemas.openxmlformats.org/package/2006/relationships"
    document = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    office = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    header = '<?xml version="1.0" encoding="UTF-8"?>'
    parts = {
        "[Content_Types].xml":
            header + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f'<Override PartName="/xl/workbook.xml" ContentType="{office}.sheet.main+xml"/>'
            f'<Override PartName="/xl/worksheets/sheet1.xml" ContentType="{office}.worksheet+xml"/>'
            '</Types>',
        "_rels/.rels":
            header + f'<Relationships xmlns="{relationships}">'
            f'<Relationship Id="rId1" Type="{document}/officeDocument" Target="xl/workbook.xml"/>'
            '</Relationships>',
        "xl/workbook.xml":
            header + f'<workbook xmlns="{main}" xmlns:r="{document}">'
            '<sheets><sheet name="Daten" sheetId="1" r:id="rId1"/></sheets></workbook>',
        "xl/_rels/workbook.xml.rels":
            header + f'<Relationships xmlns="{relationships}">'
            f'<Relationship Id="rId1" Type="{document}/worksheet" Target="worksheets/sheet1.xml"/>'
            '</Relationships>',
        "xl/worksheets/sheet1.xml":
            header + f'<worksheet xmlns="{main}"><sheetData><row r="1">'
            '<c r="A1" t="inlineStr"><is><t>Wert</t></is></c></row></sheetData></worksheet>',
    }
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as book:
        for name, text in parts.items():
            book.writestr(name, text)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--xlsx":
        write_xlsx(sys.argv[2])
    elif len(sys.argv) == 2:
        json.dump(read(sys.argv[1]), sys.stdout, ensure_ascii=False)
    else:
        sys.exit(__doc__)
