#!/usr/bin/env python3
# Makes the reference fixtures of the grid foundation tests from sources outside the code:
# python3's unicodedata, html.entities and datetime, iconv for the code pages and ImageMagick
# for the pictures.
import html.entities as he
import subprocess
import unicodedata
from datetime import date, datetime, timedelta

def number_categories():
    lines = ["# General category of every UTF-16 unit, as runs: first unit (hex) and category.",
             "# Made with python3 unicodedata %s." % unicodedata.unidata_version]
    prev = None
    for c in range(0x10000):
        cat = 'Cs' if 0xD800 <= c <= 0xDFFF else unicodedata.category(chr(c))
        if cat != prev:
            lines.append("%04X %s" % (c, cat))
            prev = cat
    open('number_categories.txt', 'w').write("\n".join(lines) + "\n")

def markup_entities():
    names = ("eacute egrave euml ecirc oacute ograve ouml ocirc iacute igrave iuml icirc uacute "
             "ugrave uuml ucirc aacute agrave auml acirc Eacute Egrave Euml Ecirc Oacute Ograve "
             "Ouml Ocirc Iacute Igrave Iuml Icirc Uacute Ugrave Uuml Ucirc Aacute Agrave Auml "
             "Acirc ccedil Ccedil oslash Oslash aring Aring copy reg euro laquo raquo").split()
    renderer = "amp quot sect permil reg copy para trade euro nbsp lt gt".split()
    out = ["# HTML 4 entity code points from python3 html.entities.name2codepoint.",
           "# conversion: the 51 entities of the text conversions, in their order; renderer: the renderer's."]
    out += ["conversion %s %04X" % (n, he.name2codepoint[n]) for n in names]
    out += ["renderer %s %04X" % (n, he.name2codepoint[n]) for n in renderer]
    open('markup_entities.txt', 'w').write("\n".join(out) + "\n")

def code_pages():
    oem = bytes(list(range(0x20, 0x7F)) + list(range(0x80, 0x100)))
    open('text_oem850_bytes.bin', 'wb').write(oem)
    open('text_oem850_utf8.txt', 'wb').write(
        subprocess.run(['iconv', '-f', 'CP850', '-t', 'UTF-8'], input=oem, capture_output=True, check=True).stdout)
    ansi = bytes(x for x in range(0x20, 0x100) if x not in (0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D))
    open('text_cp1252_bytes.bin', 'wb').write(ansi)
    open('text_cp1252_utf8.txt', 'wb').write(
        subprocess.run(['iconv', '-f', 'CP1252', '-t', 'UTF-8'], input=ansi, capture_output=True, check=True).stdout)

EPOCH = datetime(1899, 12, 30)

def serial(dt):
    if not isinstance(dt, datetime):
        dt = datetime(dt.year, dt.month, dt.day)
    d = (datetime(dt.year, dt.month, dt.day) - EPOCH).days
    t = (dt.hour * 3600 + dt.minute * 60 + dt.second) / 86400
    return d - t if d < 0 else d + t

def date_values():
    L = ["# Date-time values of cell texts, computed with python3 datetime (days since 1899-12-30;",
         "# before that day the time still counts forward: -1.25 is 29 Dec 1899 06:00).",
         "# parse|short date format|date separator|text|expected   (ParseDateTimeText, true)",
         "# eu|text|expected and us|text|expected                   (ParseShortDateEU / US)",
         "# inc|year step,month step,day step,full step|date|expected (IncrementDate)"]
    parse = [("dd/mm/yyyy", "/", "31/12/2023 23:59:58", datetime(2023, 12, 31, 23, 59, 58)),
             ("dd/mm/yyyy", "/", "31/12/2023 12:30", datetime(2023, 12, 31, 12, 30)),
             ("dd/mm/yyyy", "/", "1/2/24", datetime(24, 2, 1)),
             ("dd/mm/yyyy", "/", "29/02/2024", datetime(2024, 2, 29)),
             ("dd/mm/yyyy", "/", " 1/1/1900 ", datetime(1900, 1, 1)),
             ("dd/mm/yyyy", "/", "29/12/1899 06:00", datetime(1899, 12, 29, 6)),
             ("dd/mm/yyyy", "/", "1/1/0001", datetime(1, 1, 1)),
             ("dd/mm/yyyy", "/", "31/12/9999 23:59:59", datetime(9999, 12, 31, 23, 59, 59)),
             ("mm/dd/yyyy", "/", "12/31/2023", datetime(2023, 12, 31)),
             ("MM/dd/yy", "/", "2/29/2000 0:0:1", datetime(2000, 2, 29, 0, 0, 1)),
             ("yyyy-mm-dd", "-", "2023-12-31 08:15:30", datetime(2023, 12, 31, 8, 15, 30)),
             ("d.m.yyyy", ".", "15.8.1969 07:05", datetime(1969, 8, 15, 7, 5))]
    L += ["parse|%s|%s|%s|%r" % (f, s, t, serial(e)) for f, s, t, e in parse]
    eu = [("31.12.99", date(1999, 12, 31)), ("1-2-25", date(2025, 2, 1)), ("1/1/26", date(1926, 1, 1)),
          ("26/1/1", date(2001, 1, 26)), ("31.12.2023", date(2023, 12, 31)), ("1/1/8100", date(8100, 1, 1)),
          ("5.6.0026", date(26, 6, 5)), ("29.2.2024", date(2024, 2, 29)), ("1.1.0", date(2000, 1, 1))]
    L += ["eu|%s|%r" % (t, serial(e)) for t, e in eu]
    us = [("12/31/99", date(1999, 12, 31)), ("2/29/2024", date(2024, 2, 29)),
          ("12/31/2023", date(2023, 12, 31)), ("7-4-1776", date(1776, 7, 4))]
    L += ["us|%s|%r" % (t, serial(e)) for t, e in us]
    full = 400
    inc = [((0, 0, -1), datetime(2024, 3, 1), datetime(2024, 2, 29)),
           ((0, 0, 7), datetime(2023, 12, 28, 10, 30), datetime(2024, 1, 4, 10, 30)),
           ((0, -1, 0), datetime(2024, 1, 15), datetime(2023, 12, 15)),
           ((0, 1, 0), datetime(2024, 12, 15), datetime(2025, 1, 15)),
           ((0, 11, 0), datetime(2024, 12, 15), datetime(2025, 11, 15)),
           ((0, 2, 0), datetime(2024, 1, 31, 6), datetime(2024, 3, 31, 6)),
           ((1, 0, 0), datetime(2023, 2, 28), datetime(2024, 2, 28)),
           ((-5, 0, 0), datetime(2024, 6, 1), datetime(2019, 6, 1)),
           ((1, 1, 0), datetime(2024, 1, 1), datetime(2024, 1, 1) + timedelta(days=full)),
           ((0, 0, 0), datetime(2024, 1, 1), datetime(2024, 1, 1) + timedelta(days=full))]
    L += ["inc|%d,%d,%d,%d|%r|%r" % (y, m, d, full, serial(a), serial(e)) for (y, m, d), a, e in inc]
    open('date_values.txt', 'w').write("\n".join(L) + "\n")

CONVERT = 'convert-im6.q16'  # ImageMagick itself (a plain "convert" may be another program)

def pictures():
    # An animation of three frames of different sizes, places, delays and disposals, and a copy
    # with the application extension moved before the first graphic control extension (the
    # order most other programs write); a one-frame GIF89a; a GIF87a without extensions; a JPEG.
    subprocess.run([CONVERT, '-delay', '10', '-dispose', 'None', '-page', '8x6+0+0', '-size', '8x6', 'xc:red',
                    '-delay', '25', '-dispose', 'Background', '-page', '8x6+2+1', '-size', '3x2', 'xc:blue',
                    '-delay', '5', '-dispose', 'Previous', '-page', '8x6+4+2', '-size', '4x4', 'xc:lime',
                    '-loop', '0', 'frames.gif'], check=True)
    data = open('frames.gif', 'rb').read()
    control = data.index(b'\x21\xf9\x04')
    app = data.index(b'\x21\xff\x0bNETSCAPE2.0')
    app_end = app + 3 + 11 + 1 + data[app + 14] + 1
    assert control < app and data[app_end - 1] == 0
    open('frames_app_first.gif', 'wb').write(data[:control] + data[app:app_end] + data[control:app] + data[app_end:])
    subprocess.run([CONVERT, '-delay', '30', '-size', '10x7', 'xc:yellow', '-fill', 'black', '-draw', 'point 1,1',
                    'single.gif'], check=True)
    subprocess.run([CONVERT, '-size', '5x3', 'xc:navy', 'gif87:plain87.gif'], check=True)
    subprocess.run([CONVERT, '-size', '24x16', 'gradient:red-blue', '-quality', '85', 'photo.jpg'], check=True)

if __name__ == '__main__':
    number_categories()
    markup_entities()
    code_pages()
    date_values()
    pictures()
