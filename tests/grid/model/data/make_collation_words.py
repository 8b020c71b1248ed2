#!/usr/bin/env python3
"""Writes collation_words.txt: the words the locale comparison is checked on against ICU.

The letters-only words of column 2 of calc_rows.csv (accented, Greek, mixed case), each also in
lower, upper, title and swapped case, and a few French and German words that differ only by
accents and case. Punctuation is left out: its order is the platform's own, not a collation's.
"""
import csv
import os

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "calc_rows.csv"), encoding="utf-8", newline="") as f:
    words = {r[2] for r in csv.reader(f) if r[2].isalpha()}
out = set()
for w in words:
    out |= {w, w.lower(), w.upper(), w.title(), w.swapcase()}
out |= {"peach", "Péché", "péché", "pêche", "pêché", "Peach", "cote", "côte", "coté", "côté", "Cote",
        "resume", "résumé", "Resume", "Zebra", "zebra", "apple", "Äpfel", "apfel", "Öl", "ol", "öl",
        "naïve", "naive", "Naive", "école", "Ecole", "eclair", "éclair", "Ángel", "angel", "Zürich",
        "zurich", "Zurich", "Éclair", "ANGEL"}
with open(os.path.join(here, "collation_words.txt"), "w", encoding="utf-8", newline="\n") as f:
    f.write("\n".join(sorted(out)) + "\n")
