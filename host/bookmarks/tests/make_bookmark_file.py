#!/usr/bin/env python3
"""Writes a bookmark file from the file format alone: every record kind, a UTF-16 name, a long
name and a repeated class, so that the program's reader can be checked against an outside writer.

usage: make_bookmark_file.py OUT_FILE
"""
import struct
import sys


class Archive:
    def __init__(self):
        self.out = bytearray()
        self.next_index = 1          # per-file indexes count from 1
        self.class_index = {}

    def u8(self, v): self.out += struct.pack('<B', v)
    def u16(self, v): self.out += struct.pack('<H', v)
    def i16(self, v): self.out += struct.pack('<h', v)
    def u32(self, v): self.out += struct.pack('<I', v)
    def i32(self, v): self.out += struct.pack('<i', v)

    def length(self, n):
        if n < 0xFF:
            self.u8(n)
        elif n < 0xFFFE:
            self.u8(0xFF)
            self.u16(n)
        else:
            self.u8(0xFF)
            self.u16(0xFFFF)
            self.u32(n)

    def text(self, s):
        data = s.encode('cp1253')
        self.length(len(data))
        self.out += data

    def text_utf16(self, s):
        units = s.encode('utf-16-le')
        self.u8(0xFF)
        self.u16(0xFFFE)
        self.length(len(units) // 2)
        self.out += units

    def tag(self, name):
        if name not in self.class_index:
            self.u16(0xFFFF)
            self.u16(1)
            self.u16(len(name))
            self.out += name.encode('ascii')
            self.class_index[name] = self.next_index
            self.next_index += 1
        else:
            k = self.class_index[name]
            if k < 0x7FFF:
                self.u16(0x8000 | k)
            else:
                self.u16(0x7FFF)
                self.u32(0x80000000 | k)
        self.next_index += 1     # the record's own index


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    records = []

    def folder(a, name, utf16=False):
        a.tag('CBMFolder')
        (a.text_utf16 if utf16 else a.text)(name)

    def browse(a, name, tree, obj, section):
        a.tag('CBMBrowse')
        a.i32(tree)
        a.i32(obj)
        a.i16(section)
        a.text(name)

    def periodic(a, name, mode, extra):
        a.tag('CBMPeriodic')
        a.i32(mode)
        a.i32(extra)
        a.text(name)

    def data_analyser(a, name, table, fields, widths, filter_block, filter_num):
        a.tag('CBMDataAn')
        a.text(name)
        a.i16(table)         # table
        a.i16(1)             # displayMode
        a.i32(1)             # showLabels
        a.i16(2)             # graphType
        a.i32(0)             # axis
        a.i32(0x00020001)    # graphFields
        a.i16(1)             # sortColumn
        a.i32(len(filter_block))
        a.i16(filter_num)
        a.out += filter_block
        a.i32(len(fields) + 1)
        for f in fields:
            a.i32(f)
        for w in widths:
            a.i32(w)

    body = Archive()
    folder(body, 'Οι σελιδοδείκτες μου')
    browse(body, 'Δομές - Μέταλλα', 20001, 0, 2)
    browse(body, 'Ενώσεις και στοιχεία - Χαλκός', 60000, 120005, 6)
    periodic(body, 'Periodic Table - 1', 2, 300)
    folder(body, 'Πίνακες', utf16=True)
    data_analyser(body, 'Data Analyser - 1', 3, [0, 4, 7], [108, 150, 60], b'\x01\x02\x03\x04\x05\x06', 1)
    periodic(body, 'Ε' * 300, 0, 0)    # a name of more than 254 bytes
    count = 7

    head = Archive()
    head.u32(1)
    head.u32(count)
    head.u16(count)
    with open(sys.argv[1], 'wb') as f:
        f.write(bytes(head.out) + bytes(body.out))


if __name__ == '__main__':
    main()
