#!/usr/bin/env python3
"""Writes the reference data files that every build must read and write back byte for
byte: the file formats are the same for the 32-bit and the 64-bit program. The results are
committed; run again after changing this."""
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "e2e"))
import records  # noqa: E402

files = {
    "Launcher.lst": records.panel_set(["C:\\Program Files\\Editor\\editor.exe", None,
                                       "@EFriends@1ann@example.com;bob@example.com", None, None,
                                       "@TNotes@1C:\\Data\\Text\\2007030310040507.txt", None,
                                       "C:\\Links\\Site.url"]),
    "Launcher.con": records.connections({0: {1: 3, 3: 6, 8: 1}, 2: {4: 5}}),
    "Launcher.opt": records.options(open_in_new_browser=1, remember_location=1, window_x=-123, window_y=4567,
                                    delayed_launching=1, launch_delay_ms=1000, skip_restore_minimize=0,
                                    remove_original_shortcuts=1, use_sound=1, sound_theme=3,
                                    custom_wav_activation="D:\\Sounds\\up.wav",
                                    custom_wav_launching="D:\\Sounds\\go.wav",
                                    activate_at_mouse=1, reverse_scroll=1),
}
for name, data in files.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
