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

# The catalogue, read apart from the compiler: trees, associations, words, element index, pages.
def page_path(n):
    d = '%06d' % n
    g = int(d[:2])
    return os.path.join(disc, d[:2], d[2], d[3:]) if g in (1, 2, 4, 6, 8, 11, 12, 13) else os.path.join(disc, d[:2], d[2:])
titles = {}
for name in ('elem', 'comp', 'country', 'mineral', 'sci', 'photo', 'video', 'mol', 'history'):
    b = open(os.path.join(disc, name + '.ttl'), 'rb').read()
    expect(len(b) % 60 == 0, name + '.ttl length')
    titles[name] = [b[i:i + 60].split(b'\0')[0] for i in range(0, len(b), 60)]
kinds = {1: 'elem', 2: 'comp', 4: 'country', 6: 'mineral', 8: 'sci', 11: 'photo', 12: 'video', 13: 'mol', 74: 'history', 76: 'history', 77: 'history'}
nodes = {}
for route, stem in enumerate(('react', 'struct', 'source', 'uses', 'history', 'elemcomp', 'concept'), 1):
    b = open(os.path.join(disc, stem + '.dat'), 'rb').read()
    expect(len(b) % 112 == 0 and len(b) // 112 >= 25, stem + '.dat size')
    recs = [struct.unpack_from('<100siii', b, i) for i in range(0, len(b), 112)]
    nodes[route] = {r[3]: r for r in recs}
    for title, page, level, rid in recs:
        expect(0 <= level <= 4, '%s level' % stem)
        p = 440000 + page % 10000 if page // 10000 == 99 else page
        expect(os.path.isfile(page_path(p)), '%s page %d' % (stem, page))
    a = open(os.path.join(disc, stem + '.ass'), 'rb').read()
    for rid, asset in struct.iter_unpack('<ii', a):
        expect(rid in nodes[route], '%s association node %d' % (stem, rid))
        kind = kinds.get(asset // 10000)
        expect(kind is not None and 1 <= asset % 10000 <= len(titles[kind]), '%s asset %d' % (stem, asset))
        expect(os.path.isfile(page_path(asset)), '%s asset page %d' % (stem, asset))
expect(os.path.isfile(page_path(170070)) and os.path.isfile(os.path.join(disc, '37', '0001')), 'start pages')
w = open(os.path.join(disc, 'words.dat'), 'rb').read()
expect(len(w) % 43 == 0, 'words.dat length')
for word, rid, asset, route in struct.iter_unpack('<32siih1x', w):
    if route not in nodes or rid not in nodes[route]:
        fails.append('word %r leads nowhere' % word.split(b'\0')[0]); break
p = open(os.path.join(disc, 'ptable.ndx'), 'rb').read()
entries = [struct.unpack_from('<BI', p, i) for i in range(0, len(p) - len(p) % 5, 5)]
expect(sorted(e for e, r in entries) == list(range(1, 119)), 'ptable covers the elements')
for element, rid in entries:
    expect(nodes[6].get(rid, (0, 0))[1] == 440000 + element, 'ptable entry %d' % element)
for name in ('mainmenu', 'cm', 'struct', 'ec', 'ca', 'source', 'history', 'concepts', 'pte', 'da'):
    b = open(os.path.join(disc, 'images', name + '.bmp'), 'rb').read()
    off, = struct.unpack_from('<I', b, 10)
    hs, wd, ht, planes, bits, comp = struct.unpack_from('<IiiHHI', b, 14)
    expect(hs == 40 and bits == 24 and comp == 0 and ht > 0 and len(b) >= off + ((wd * 3 + 3) & ~3) * ht, name + '.bmp')

for f in fails: print('FAIL', f)
print('%d passed, %d failed' % (1 if not fails else 0, 1 if fails else 0))
sys.exit(1 if fails else 0)
