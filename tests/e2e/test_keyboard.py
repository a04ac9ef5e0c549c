"""The keyboard: the hotkey brings the window up at the pointer as a chord does; a release
of Shift switches the set; keys 1..8 launch that panel with its chain; Escape hides the
window."""
import time
import unittest

import records
from desktop import WineDesktop, wait_until

POINTER = (400, 300)
SHIFT_LABEL = 1087


class Keyboard(unittest.TestCase):

    def test_the_hotkey_shows_the_window_at_the_pointer_and_keys_launch_and_hide(self):
        second, third = "C:\\B\\second.exe", "C:\\C\\third.exe"
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        for path in (second, third):
            folder, name = path[3:].rsplit("\\", 1)
            self.desktop.install_probe(folder, name)
        self.desktop.seed_data({"Launcher.lst": records.panel_set([None, second, third]),
                                "Launcher.con": records.connections({0: {2: 3}}),
                                "Launcher.opt": records.options(activate_at_mouse=1),
                                "Vantrel.ini": b"[Chords]\r\nHotkey=Ctrl+Alt+Space\r\n"})
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

        self.desktop.move(*POINTER)
        self.desktop.key("ctrl+alt+space")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the hotkey did not show the window")
        self.assertEqual(self.desktop.report()["window"][:2], list(POINTER))
        # A release of Shift switches to the Shift set, whichever control the dialog manager
        # gave the focus to.
        self.desktop.key("shift")
        self.assertEqual(self.desktop.report()["text"][SHIFT_LABEL], "Shift")
        self.desktop.key("Escape")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "Escape did not hide the window")

        self.desktop.key("ctrl+alt+space")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the hotkey did not show the window again")
        self.desktop.key("2")
        # Panel 2 and, through its connection, panel 3, each once; then the window hides.
        for path in (second, third):
            self.assertTrue(wait_until(lambda: len(self.desktop.probe_starts(path)) == 1, 10), path)
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "the window stayed up")
        time.sleep(1)
        self.assertEqual(len(self.desktop.probe_starts(second)), 1)


if __name__ == "__main__":
    unittest.main()
