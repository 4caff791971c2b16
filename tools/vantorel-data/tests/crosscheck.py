#!/usr/bin/env python3
"""Reads a built data folder with struct alone, apart from the compiler, and compares it with the sources."""
import csv, os, struct, sys

disc, src = sys.argv[1], sys.argv[2]
fails = []
def expect(cond, msg):
    if not cond: fails.append(msg)

def rows(name):
    with open(os.path.join(src, name), encoding='utf-8') as f:
        lines = [l.rstrip('\n') for l in f if l.strip() and not l.startswith('#')]
    return [l.split('\t') for l in lines]

el = open(os.path.join(disc, 'element.dat'), 'rb').read()
expect(len(el) == 118 * 120, 'element.dat length %d' % len(el))
REC = struct.Struct('<20s4sdd14f12h')
assert REC.size == 120
by = {}
for i in range(len(el) // 120):
    f = REC.unpack_from(el, i * 120)
    by[i + 1] = f
    name = f[0].split(b'\0')[0].decode('cp1253')
    expect(0 <= f[19] <= 8, 'category of %d' % (i + 1))
    expect(0 <= f[20] <= 17 and f[21] in (0, 1, 2, 3, 4, 5, 6, 8, 9), 'cell of %d' % (i + 1))
src_rows = rows('elements.tsv')
head = src_rows[0]
for r in src_rows[1:]:
    z = int(r[0]); f = by[z]
    expect(f[0].split(b'\0')[0].decode('cp1253') == r[head.index('name')], 'name of %d' % z)
    expect(f[1].split(b'\0')[0].decode('ascii') == r[head.index('symbol')], 'symbol of %d' % z)
    expect(abs(f[2] - float(r[head.index('atomicMass')])) < 1e-9, 'mass of %d' % z)
    mp = r[head.index('meltingPoint')]
    if mp:
        v = float(mp); expect(f[22] == int(v + (0.5 if v >= 0 else -0.5)), 'melting point of %d' % z)
    else:
        expect(f[22] < -999, 'unknown melting point of %d' % z)
expect(abs(by[8][2] - 15.999) < 1e-9, 'oxygen 15,999')
expect(abs(by[26][3] - 7.874) < 1e-9, 'iron density 7,874')
expect(by[80][22] in (-38, -39), 'mercury melting point')

for base, n in (('dacomp', 14), ('dacount', 6), ('daenum', 5), ('daelem', 83), ('damin', 22), ('daplanet', 14), ('dasci', 8)):
    ndx = open(os.path.join(disc, base + '.ndx'), 'rb').read()
    dat = open(os.path.join(disc, base + '.dat'), 'rb').read()
    fields, records = struct.unpack_from('<Hi', ndx, 0)
    offsets = struct.unpack_from('<%di' % (n + 1), ndx, 6)
    expect(fields == n, base + ' field count')
    expect(len(ndx) == 6 + 4 * (n + 1) + 2 * n, base + ' index length')
    expect(offsets[0] == 0 and offsets[-1] == len(dat), base + ' offsets')
    srows = rows(base + '.tsv')
    expect(records == len(srows) - 1, base + ' record count')
    for k in range(n):
        values = dat[offsets[k]:offsets[k + 1]].split(b'\0')
        expect(values[-1] == b'' and len(values) == records + 1, '%s column %d' % (base, k))
        for r, v in enumerate(values[:-1]):
            if v.decode('cp1253') != srows[r + 1][k]:
                fails.append('%s record %d field %d' % (base, r, k)); break

for f in fails: print('FAIL', f)
print('%d passed, %d failed' % (1 if not fails else 0, 1 if fails else 0))
sys.exit(1 if fails else 0)
