#!/usr/bin/env python3
"""The setup's starter may run with administrator rights from a temporary folder: every library
it links to at load time must be one that Windows loads only from the system folder (a known
library), since the libraries it links to are looked for before its own code can restrict the
search."""
import sys

from check_hook_library import data_directory, load, rva_to_offset, c_string
import struct

KNOWN_LIBRARIES = {"advapi32.dll", "comdlg32.dll", "gdi32.dll", "kernel32.dll", "msvcrt.dll", "ole32.dll",
                   "oleaut32.dll", "psapi.dll", "shell32.dll", "shlwapi.dll", "user32.dll"}


def imported_libraries(path):
    data, pe, sections = load(path)
    entry = rva_to_offset(sections, data_directory(data, pe, 1)[0])
    names = []
    while True:
        name_rva = struct.unpack_from("<IIIII", data, entry)[3]
        if name_rva == 0:
            return names
        names.append(c_string(data, rva_to_offset(sections, name_rva)).lower())
        entry += 20


def main(path):
    unknown = sorted(set(imported_libraries(path)) - KNOWN_LIBRARIES)
    if unknown:
        print("FAIL: %s links to libraries looked for beside it: %s" % (path, ", ".join(unknown)))
        return 1
    print("1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
