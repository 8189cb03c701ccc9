#!/usr/bin/python3
"""Reads an .xls workbook with xlrd and prints what the tests check as JSON.

    read_workbook.py BOOK.xls        the workbook: BIFF version and every sheet's cells
    read_workbook.py --xlsx OUT      writes a small real .xlsx workbook to OUT
"""
import json
import sys
import zipfile

CELL_TYPES = {0: "empty", 1: "text", 2: "number", 3: "date", 4: "bool", 5: "error", 6: "blank"}


def read(path):
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
