#!/usr/bin/env python3
"""Writes calc_rows.expected: the column figures the calculation tests check, computed by Python.

calc_rows.csv holds 300 rows of the benchmark generator (gen_grid_csv.py --rows 300, seed fixed
there). For columns 0, 1, 5 and 6: sum in row order, statistics.fmean, statistics.pstdev, min and
max of the values; for column 2 the number of different case-folded texts. Floats are written
with repr, so they read back exactly.
"""
import csv
import os
import statistics

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "calc_rows.csv"), encoding="utf-8", newline="") as f:
    rows = list(csv.reader(f))

with open(os.path.join(here, "calc_rows.expected"), "w", encoding="utf-8", newline="\n") as out:
    out.write("rows %d\n" % len(rows))
    for col in (0, 1, 5, 6):
        values = [float(r[col]) for r in rows]
        total = 0.0
        for v in values:
            total += v
        out.write("column %d sum %r avg %r stddev %r min %r max %r\n" % (
            col, total, statistics.fmean(values), statistics.pstdev(values), min(values), max(values)))
    out.write("distinct 2 %d\n" % len({r[2].casefold() for r in rows}))
