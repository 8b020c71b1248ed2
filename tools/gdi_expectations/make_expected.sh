#!/bin/sh
# Regenerates tests/platform/graphics/data/gdi_expected.txt: runs cases.txt through GDI as an
# independent implementation does it (wine), as a black box. Needs Debian's wine and
# gcc-mingw-w64-x86-64 (apt-get install wine64 wine gcc-mingw-w64-x86-64), which CI does not:
# the file it writes is kept in the repository. Run from anywhere; rerun after editing cases.txt.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
x86_64-w64-mingw32-gcc -O1 -Wall -o "$work/gdi_expectations.exe" "$here/gdi_expectations.c" -lgdi32 -luser32
cp "$here/cases.txt" "$work/cases.txt"
export WINEPREFIX="$work/prefix" WINEDEBUG=-all
cd "$work"
wine "$work/gdi_expectations.exe" cases.txt expected.txt
cp "$work/expected.txt" "$root/tests/platform/graphics/data/gdi_expected.txt"
echo "written: tests/platform/graphics/data/gdi_expected.txt"
