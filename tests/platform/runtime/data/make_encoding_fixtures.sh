#!/bin/sh
# Regenerates the code-page fixtures with iconv (run from this folder); the tests compare our tables with them.
set -e
# Every printable ASCII byte and every upper byte, one line per code page, decoded by iconv.
python3 -c 'import sys; sys.stdout.buffer.write(bytes(range(0x20, 0x7F)) + bytes(range(0x80, 0x100)))' > oem_all.bin
iconv -f CP437 -t UTF-8 oem_all.bin > cp437_all.utf8
iconv -f CP850 -t UTF-8 oem_all.bin > cp850_all.utf8
# Windows-1252 leaves 0x81, 0x8D, 0x8F, 0x90 and 0x9D undefined; iconv refuses them.
python3 -c 'import sys; sys.stdout.buffer.write(bytes(b for b in range(0x20, 0x100) if b not in (0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D)))' > cp1252_defined.bin
iconv -f CP1252 -t UTF-8 cp1252_defined.bin > cp1252_defined.utf8
# One sentence in the encodings a language or table file may arrive in.
printf 'Gr\303\274\303\237e \342\202\254 \342\200\236quoted\342\200\234 \305\223uvre\r\nline 2\r\n' > sentence.utf8
iconv -f UTF-8 -t CP1252 sentence.utf8 > sentence.cp1252
iconv -f UTF-8 -t UTF-16LE sentence.utf8 | { printf '\377\376'; cat; } > sentence.utf16le_bom
iconv -f UTF-8 -t UTF-16BE sentence.utf8 | { printf '\376\377'; cat; } > sentence.utf16be_bom
{ printf '\357\273\277'; cat sentence.utf8; } > sentence.utf8_bom
