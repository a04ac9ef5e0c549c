"""The keyboard: the hotkey brings the window up at the pointer as a chord does; Page Up and
Page Down or Ctrl with the left and right arrows change the section; a release of Shift
switches the set; keys 1..8 launch that panel with its chain; the arrows move the light and
Enter launches the lit panel; Escape hides the window."""
import time
import unittest

import records
from desktop import WineDesktop, wait_until

POINTER = (400, 300)
SHIFT_LABEL = 1087
FIRST_NAME_LABEL = 1025


class Keyboard(unittest.TestCase):

    def test_the_hotkey_shows_the_window_at_the_pointer_and_keys_launch_and_hide(self):
        second, third, left = "C:\\B\\second.exe", "C:\\C\\third.exe", "C:\\L\\left.exe"
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        for path in (second, third, left):
            folder, name = path[3:].rsplit("\\", 1)
            self.desktop.install_probe(folder, name)
        self.desktop.seed_data({"Launcher.lst": records.panel_set([None, second, third]),
                                "Launcher.lft": records.panel_set([left]),
                                "Launcher.con": records.connections({0: {2: 3}}),
                                "Launcher.opt": records.options(activate_at_mouse=1),
                                "Vantrel.ini": b"[Chords]\r\nHotkey=Ctrl+Alt+Space\r\n"})
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

        self.desktop.move(*POINTER)
        self.desktop.key("ctrl+alt+space")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the hotkey did not show the window")
        self.assertEqual(self.desktop.report()["window"][:2], list(POINTER))
        # The section keys step as the wheel does: the next section holds left.exe in panel 1.
        for key, shows_left in (("Next", True), ("Prior", False), ("ctrl+Right", True), ("ctrl+Left", False)):
            self.desktop.key(key)
            self.assertEqual("left" in self.desktop.report()["text"][FIRST_NAME_LABEL], shows_left, key)
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

        # From the centre, up lights panel 2 and right panel 3; Enter launches panel 3 alone.
        self.desktop.key("ctrl+alt+space")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the hotkey did not show the window a third time")
        for key in ("Up", "Right", "Return"):
            self.desktop.key(key)
        self.assertTrue(wait_until(lambda: len(self.desktop.probe_starts(third)) == 2, 10), "Enter started nothing")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "the window stayed up after Enter")
        self.assertEqual(len(self.desktop.probe_starts(second)), 1)


if __name__ == "__main__":
    unittest.main()
