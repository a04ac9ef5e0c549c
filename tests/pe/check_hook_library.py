#!/usr/bin/env python3
"""Reads the hook library's PE headers: exactly its exports by name and ordinal (the
original four keep their ordinals; the event count and the question at a chord came later), and the data section
.HOOKDAT marked readable, writable and shared; and the launcher's imports from it, by name."""
import struct
import sys

EXPECTED_EXPORTS = {"_install_module": 1, "_install_module_vista": 2, "_proc_module": 3, "_remove_module": 4,
                    "_seen_module": 5, "_ask_module": 6}
EXPECTED_IMPORTS = ["_ask_module", "_install_module", "_install_module_vista", "_remove_module", "_seen_module"]
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


def data_directory(data, pe, index):
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    return struct.unpack_from("<I", data, directories + 8 * index)[0], magic == 0x20B


def c_string(data, start):
    return data[start:data.index(b"\0", start)].decode("ascii")


def read_exports(data, pe, sections):
    export_rva, _ = data_directory(data, pe, 0)
    if export_rva == 0:
        return []
    directory = rva_to_offset(sections, export_rva)
    base = struct.unpack_from("<I", data, directory + 16)[0]
    name_count, _, names_rva, ordinals_rva = struct.unpack_from("<IIII", data, directory + 24)
    names_table = rva_to_offset(sections, names_rva)
    ordinals_table = rva_to_offset(sections, ordinals_rva)
    names = {}
    for i in range(name_count):
        name_rva = struct.unpack_from("<I", data, names_table + 4 * i)[0]
        index = struct.unpack_from("<H", data, ordinals_table + 2 * i)[0]
        names[c_string(data, rva_to_offset(sections, name_rva))] = base + index
    return names


def read_imports(data, pe, sections, library):
    """Names imported from library; an import by ordinal shows as '#n'."""
    import_rva, pe32_plus = data_directory(data, pe, 1)
    entry = rva_to_offset(sections, import_rva)
    thunk_size, ordinal_flag = (8, 1 << 63) if pe32_plus else (4, 1 << 31)
    while True:
        lookup_rva, _, _, name_rva, first_thunk = struct.unpack_from("<IIIII", data, entry)
        if name_rva == 0:
            return None
        if c_string(data, rva_to_offset(sections, name_rva)).lower() == library.lower():
            thunk = rva_to_offset(sections, lookup_rva or first_thunk)
            names = []
            while True:
                value = struct.unpack_from("<Q" if pe32_plus else "<I", data, thunk)[0]
                if value == 0:
                    return names
                if value & ordinal_flag:
                    names.append("#%d" % (value & 0xFFFF))
                else:
                    names.append(c_string(data, rva_to_offset(sections, value & 0x7FFFFFFF) + 2))
                thunk += thunk_size
        entry += 20


def load(path):
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise SystemExit("not a PE file: %s" % path)
    return data, pe, read_sections(data, pe)


def main(library_path, program_path):
    data, pe, sections = load(library_path)
    failures = []
    exports = read_exports(data, pe, sections)
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
    data, pe, sections = load(program_path)
    imports = read_imports(data, pe, sections, "chordhook.dll")
    if imports is None or sorted(imports) != EXPECTED_IMPORTS:
        failures.append("the launcher imports %s from chordhook.dll" % imports)
    for failure in failures:
        print("FAIL: " + failure)
    print("%d passed, %d failed" % (3 - len(failures), len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
