#!/usr/bin/env python3
"""Writes the fuzzers' seed corpus: a few well-formed, short, long and damaged files of
each kind. The results are committed; run again after changing this."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def panel_set(items):
    occupied = [1 if item else 0 for item in items]
    data = struct.pack("<8i", *occupied)
    for item in items:
        data += item.encode("ascii").ljust(1024, b"\0")
    return data


def options_record(theme=2, use_sound=1, custom=("", "", "")):
    head = struct.pack("<iiiiiIiiii", 1, 1, 890, 634, 0, 0, 1, 0, use_sound, theme)
    paths = [b"", b"", b""] + [c.encode("ascii") for c in custom]
    body = b"".join(p.ljust(1025, b"\0") for p in paths)
    return head + body + struct.pack("<ii", 0, 0)


seeds = {
    "panel_file": {
        "typical": panel_set(["C:\\Windows\\notepad.exe", "@EFriends@1ann@example.com;bob@example.com",
                              "@TNotes@1C:\\Data\\Text\\20261208.txt", "", "C:\\Links\\Site.url", "", "@Ex@1",
                              "@T"]),
        "short100": panel_set(["C:\\a-long-path-that-runs-past-the-end-of-the-short-file"] + [""] * 7)[:100],
        "empty": b"",
        "unterminated": b"\x01\x00\x00\x00" * 8 + b"@E" + b"n" * 2000,
    },
    "item_string": {
        "emailer": b"@EWork@1team@1st.example.com",
        "text": b"@TPart@1Two@1C:\\Text\\x.txt",
        "shortest": b"@Ex@1",
        "prefix_separator": b"@@1xyz",
        "path": b"C:\\Program Files\\App\\app.exe",
    },
    "connections": {
        "chain": struct.pack("<24i", 2, 1, 0, 6, 0, 0, 0, 3, *([0] * 16)) * 2,
        "short32": struct.pack("<8i", 8, 0, 0, 0, 0, 0, 0, 3),
        "damaged": struct.pack("<24i", 9, -1, 2 ** 31 - 1, -2 ** 31, 8, 1, 0, 100, *range(16)) * 2,
    },
    "options": {
        "defaults": options_record(),
        "custom": options_record(theme=3, custom=("D:\\a.wav", "", "D:\\c.wav")),
        "short": options_record()[:37],
        "unterminated": b"\x01\x00\x00\x00" * 10 + b"w" * 6158,
    },
    "url_file": {
        "typical": b"[DEFAULT]\r\nBASEURL=http://example.com/\r\n[InternetShortcut]\r\n"
                   b"URL=http://example.com/page?a=1&b=2\r\nIDList=\r\nIconIndex=0\r\n",
        "before_header": b"URL=http://before.example/\n[InternetShortcut]\nURL=http://after.example/\n",
        "quotes": b'[InternetShortcut]\r\nURL=http://x/\\" --flag "y\r\n',
        "final_backslash": b"[InternetShortcut]\r\nURL=file:///C:\\Docs\\\r\n",
        "script": b"[InternetShortcut]\nURL=JavaScript:alert(1)\n",
        "long_line": b"[InternetShortcut]\n" + b"x" * 1020 + b"URL=http://split.example/\n" + b"u" * 1100 + b"\n",
        "no_url": b"[InternetShortcut]\r\nIconIndex=0",
    },
    "chord_settings": {
        "typical": b"[Chords]\r\nFullScreenKeepsChords=1\r\nPaused=0\r\nHotkey=Ctrl+Alt+Space\r\n\r\n"
                   b"[Excluded programs]\r\nProgram=mstsc.exe\r\nProgram=blender.exe\r\n",
        "edited": b" [chords]\nPaused = yes\nHotkey=win+shift+f12\n[Excluded programs]\nProgram=C:\\Tools\\A.EXE\n",
        "damaged": b"[Chords\nPaused=1\x00Hotkey=Ctrl+\n[Excluded programs]\nProgram=\nProgram=" + b"n" * 300 + b"\n",
    },
}

for target, files in seeds.items():
    folder = os.path.join(HERE, "corpus", target)
    os.makedirs(folder, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
