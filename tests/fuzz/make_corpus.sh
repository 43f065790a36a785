#!/bin/sh
# Writes the fuzz seeds: small documents of every type as the producer saves them (compound
# files), and the same types as flat archives of two versions, without a picture. A flat seed
# ends in one byte past the archive: the fuzz target picks the type from it (its index in the
# registry), as the program picks it from the file name.
# Usage: tests/fuzz/make_corpus.sh build/tessaly
set -e
bin=$1
out=$(dirname "$0")/corpus
mkdir -p "$out"
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
for job in "AZTEC azt" "AZTECM azt" "PDF 417" "QR qr" "C128 128" "C128M 128" "C39 C39"; do
  set -- $job
  "$bin" /symbol="$1" /message=Ab1 /xelement=10 /ysize=60 \
    /ofile="$out/$(echo "$1" | tr '[:upper:]' '[:lower:]').$2"
done
"$bin" /symbol=ZIGGUR /message=Ab1 /host=ITFB /hostmessage=1234 /symmetry=1 /barrier=1 \
  /ofile="$out/ziggur.zig"
python3 - "$out" <<'PY'
import struct, sys

def i32(v): return struct.pack('<i', v)
def text(s):
    units = s.encode('utf-16-le')
    return b'\xff\xfe\xff' + bytes([len(units) // 2]) + units

def base(version, height):
    b = text('Ab1') + text('')
    b += b''.join(i32(v) for v in (1, 100, 10, 10, 250, height, 0, 1))
    b += struct.pack('<f', 2.5) + i32(0)
    b += i32(1) + i32(1) + b'\0\0'  # no picture
    b += i32(version)
    if version >= 200: b += i32(0) + i32(-1) + i32(0)
    if version >= 300: b += i32(0) + b'\0' + i32(0) + text('')
    return b

sections = {  # extension: registry index, type section
    'azt': (0, i32(0) + i32(0) + i32(0) + i32(1) + text('')),
    '417': (2, i32(4) + i32(0) + i32(2)),
    'qr': (3, i32(0) + i32(1) + i32(1)),
    '128': (4, i32(0) + text('') + text('') + b'\0\0' + i32(1) + i32(0)),
    'C39': (5, i32(0) + i32(0)),
    'zig': (1, i32(0) + i32(0) + i32(2) + text('AB') + i32(0)),
}
for ext, (index, section) in sections.items():
    for version in (150, 301):
        body = section + base(version, 500)
        if ext == '128' and version >= 301: body += i32(1)
        body += bytes([index])
        with open(f'{sys.argv[1]}/flat{version}.{ext}', 'wb') as f: f.write(body)
PY
