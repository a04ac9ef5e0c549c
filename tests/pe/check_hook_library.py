#!/usr/bin/env python3
"""Reads the hook library's PE headers: exactly the four exports by name, and the data
section .HOOKDAT marked readable, writable and shared."""
import struct
import sys

EXPECTED_EXPORTS = ["_install_module", "_install_module_vista", "_proc_module", "_remove_module"]
SCN_MEM_SHARED, SCN_MEM_READ, SCN_MEM_WRITE = 0x10000000, 0x40000000, 0x80000000


def read_sections(data, pe):
    count = struct.unpack_from("<H", data, pe + 6)[0]
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    table = pe + 24 + optional_size
    sections = []
    for i in range(count):
        entry = table + 40 * i
        name = data[entry:entry + 8].rstrip(b"\0").decode("ascii")
        vsize, vaddr, rsize, raddr = struct.unpack_from("<IIII", data, entry + 8)
        flags = struct.unpack_from("<I", data, entry + 36)[0]
        sections.append((name, vaddr, max(vsize, rsize), raddr, flags))
    return sections


def rva_to_offset(sections, rva):
    for _, vaddr, size, raddr, _ in sections:
        if vaddr <= rva < vaddr + size:
            return rva - vaddr + raddr
    raise ValueError("address %#x lies in no section" % rva)


def read_exports(data, pe, sections):
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    export_rva = struct.unpack_from("<I", data, directories)[0]
    if export_rva == 0:
        return []
    directory = rva_to_offset(sections, export_rva)
    name_count, _, names_rva = struct.unpack_from("<III", data, directory + 24)
    names_table = rva_to_offset(sections, names_rva)
    names = []
    for i in range(name_count):
        name_rva = struct.unpack_from("<I", data, names_table + 4 * i)[0]
        start = rva_to_offset(sections, name_rva)
        names.append(data[start:data.index(b"\0", start)].decode("ascii"))
    return names


def main(path):
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        print("not a PE file: %s" % path)
        return 1
    sections = read_sections(data, pe)
    failures = []
    exports = sorted(read_exports(data, pe, sections))
    if exports != EXPECTED_EXPORTS:
        failures.append("exports are %s, expected %s" % (exports, EXPECTED_EXPORTS))
    shared = [s for s in sections if s[0] == ".HOOKDAT"]
    if len(shared) != 1:
        failures.append("no single .HOOKDAT section among %s" % [s[0] for s in sections])
    else:
        flags = shared[0][4]
        wanted = SCN_MEM_SHARED | SCN_MEM_READ | SCN_MEM_WRITE
        if flags & wanted != wanted:
            failures.append(".HOOKDAT flags %#x lack read, write or shared" % flags)
    for failure in failures:
        print("FAIL: " + failure)
    print("%d passed, %d failed" % (2 - min(2, len(failures)), min(2, len(failures))))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
