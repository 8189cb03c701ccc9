#!/usr/bin/python3
"""Reads a workbook and prints what the tests check as JSON: .xls with xlrd,
.xlsx with openpyxl, .ods from its content.xml.

    read_workbook.py BOOK            the workbook: BIFF version (0 unless .xls) and every sheet's cells
    read_workbook.py --xlsx OUT      writes a small real .xlsx workbook to OUT
    read_workbook.py --odt OUT       writes a small OpenDocument text to OUT
    read_workbook.py --docx OUT      writes a small Word document to OUT
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


XML_HEADER = '<?xml version="1.0" encoding="UTF-8"?>'
OOXML_RELATIONSHIPS = "http://schemas.openxmlformats.org/package/2006/relationships"
OOXML_DOCUMENT = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"


def write_ooxml(path, main_part, main_type, parts):
    """An Office Open XML package: its content types, its main part and the other parts."""
    parts = dict(parts)
    overrides = "".join(f'<Override PartName="/{name}" ContentType="{kind}"/>'
                        for name, (kind, _) in parts.items() if kind)
    package = {
        "[Content_Types].xml":
            XML_HEADER + '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f'<Override PartName="/{main_part}" ContentType="{main_type}"/>{overrides}</Types>',
        "_rels/.rels":
            XML_HEADER + f'<Relationships xmlns="{OOXML_RELATIONSHIPS}">'
            f'<Relationship Id="rId1" Type="{OOXML_DOCUMENT}/officeDocument" Target="{main_part}"/>'
            '</Relationships>',
    }
    package.update((name, XML_HEADER + text) for name, (_, text) in parts.items())
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        for name, text in package.items():
            archive.writestr(name, text)


def write_xlsx(path):
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    office = "application/vnd.openxmlformats-officedocument.spreadsheetml"
    write_ooxml(path, "xl/workbook.xml", f"{office}.sheet.main+xml", {
        "xl/workbook.xml": (None,
                            f'<workbook xmlns="{main}" xmlns:r="{OOXML_DOCUMENT}">'
                            '<sheets><sheet name="Daten" sheetId="1" r:id="rId1"/></sheets></workbook>'),
        "xl/_rels/workbook.xml.rels": (None,
                                       f'<Relationships xmlns="{OOXML_RELATIONSHIPS}">'
                                       f'<Relationship Id="rId1" Type="{OOXML_DOCUMENT}/worksheet" '
                                       'Target="worksheets/sheet1.xml"/></Relationships>'),
        "xl/worksheets/sheet1.xml": (f"{office}.worksheet+xml",
                                     f'<worksheet xmlns="{main}"><sheetData><row r="1">'
                                     '<c r="A1" t="inlineStr"><is><t>Wert</t></is></c></row></sheetData>'
                                     '</worksheet>'),
    })


def write_docx(path):
    main = "http://schemas.openxmlformats.org/wordprocessingml/2006/main"
    write_ooxml(path, "word/document.xml",
                "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml", {
                    "word/document.xml": (None,
                                          f'<w:document xmlns:w="{main}"><w:body><w:p><w:r><w:t>Ein Brief'
                                          '</w:t></w:r></w:p></w:body></w:document>'),
                })


def write_odt(path):
    office = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
    text = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"
    manifest = "urn:oasis:names:tc:opendocument:xmlns:manifest:1.0"
    mime = "application/vnd.oasis.opendocument.text"
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as document:
        document.writestr(zipfile.ZipInfo("mimetype"), mime)  # stored, first
        document.writestr("META-INF/manifest.xml",
                          XML_HEADER + f'<manifest:manifest xmlns:manifest="{manifest}" manifest:version="1.2">'
                          f'<manifest:file-entry manifest:full-path="/" manifest:media-type="{mime}"/>'
                          '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
                          '</manifest:manifest>')
        document.writestr("content.xml",
                          XML_HEADER + f'<office:document-content xmlns:office="{office}" '
                          f'xmlns:text="{text}" office:version="1.2"><office:body><office:text>'
                          '<text:p>Ein Brief</text:p></office:text></office:body></office:document-content>')


WRITERS = {"--xlsx": write_xlsx, "--odt": write_odt, "--docx": write_docx}

if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] in WRITERS:
        WRITERS[sys.argv[1]](sys.argv[2])
    elif len(sys.argv) == 2:
        json.dump(read(sys.argv[1]), sys.stdout, ensure_ascii=False)
    else:
        sys.exit(__doc__)
