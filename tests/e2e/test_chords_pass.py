"""Chords that stay with the program they were made over: a full-screen program with the
focus, a program on the excluded list, and every program while chords are paused. The
program sees both presses and the launcher stays hidden; otherwise the launcher comes up."""
import os
import time
import unittest

import records
from desktop import WineDesktop, read_lines, wait_until

WINDOW_ICON = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "launcher", "resources", "art",
                           "window.ico")
NORMAL = (300, 300, 400, 300)
FULL_SCREEN = (0, 0, 1280, 1024)
# Right held, left pressed and released, right released.
CHORD_KEPT = ["RDOWN", "LDOWN", "LUP", "RUP"]
CHORD_TAKEN = ["RDOWN", "LUP", "RUP"]


class ChordsPass(unittest.TestCase):
    version = None

    def start(self, settings, probe):
        self.desktop = WineDesktop(version=self.version).start()
        self.desktop.stop_after(self)
        self.desktop.seed_data({"Launcher.opt": records.options(), "Vantrel.ini": settings.encode("ascii")})
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up never ended")
        self.clicks, clicks_win = self.desktop.log_path("clicks.log")
        self.desktop.start_program("click_probe.exe", clicks_win, *[str(v) for v in probe])
        self.assertTrue(wait_until(lambda: read_lines(self.clicks), 30), "the probe did not start")
        # A click gives the probe the focus, as the user's own click would.
        x, y, width, height = probe
        self.desktop.move(x + width // 2, y + height // 2)
        self.desktop.buttons("down 1", "up 1")
        time.sleep(0.7)

    def tray_tips(self):
        result = self.desktop.run_program("session_tool.exe", "tray-tip")
        self.assertEqual(result.returncode, 0, "the tips could not be read")
        return [tip for tip in result.stdout.decode("latin-1").replace("\r", "").split("\n") if tip]

    def chord_seen_by_probe(self):
        """Makes a chord over the probe; returns what the probe received of it and whether
        the launcher came up."""
        before = len(read_lines(self.clicks))
        self.desktop.chord()
        shown = bool(wait_until(self.desktop.is_visible, 3))
        time.sleep(0.5)
        return read_lines(self.clicks)[before:], shown

    def test_the_program_keeps_the_chord_or_the_launcher_takes_it(self):
        cases = [
            ("a full-screen program with the focus", "", FULL_SCREEN, CHORD_KEPT, False),
            ("a listed program in a normal window", "[Excluded programs]\r\nProgram=CLICK_PROBE.EXE\r\n", NORMAL,
             CHORD_KEPT, False),
            ("a full-screen program with the switch off", "[Chords]\r\nFullScreenKeepsChords=0\r\n", FULL_SCREEN,
             CHORD_TAKEN, True),
            ("an unlisted program in a normal window", "[Excluded programs]\r\nProgram=mstsc.exe\r\n", NORMAL,
             CHORD_TAKEN, True),
        ]
        for why, settings, probe, seen, shown in cases:
            with self.subTest(why):
                self.start(settings, probe)
                self.assertEqual(self.chord_seen_by_probe(), (seen, shown))
                self.desktop.stop()

    def test_paused_chords_pass_everywhere_until_the_tray_menu_lets_them_work_again(self):
        self.start("[Chords]\r\nPaused=1\r\n", NORMAL)
        self.assertEqual(self.chord_seen_by_probe(), (CHORD_KEPT, False))
        self.assertEqual(self.tray_tips(), ["Vantrel (paused)"])
        icon = self.desktop.tray_icon_center()
        shot = self.desktop.screenshot("tray-paused.png")
        self.assertFalse(self.desktop.shows_icon_in_notification_area(shot, WINDOW_ICON),
                         "the paused icon looks like the working one")

        # The tray menu's second item, "Pause chords", checked: chosen, chords work again.
        self.desktop.open_menu_at(*icon)
        out = self.desktop.run_program("session_tool.exe", "menu-rect").stdout.decode()
        left, top, _, _ = (int(v) for v in out.split())
        self.desktop.move(left + 40, top + 30)
        self.desktop.buttons("down 1", "up 1")
        self.assertTrue(wait_until(lambda: b"Paused=0" in self.desktop.read_data("Vantrel.ini"), 5),
                        "the pause was not saved")
        self.assertEqual(self.tray_tips(), ["Vantrel"])
        self.desktop.move(NORMAL[0] + 50, NORMAL[1] + 50)
        self.assertEqual(self.chord_seen_by_probe(), (CHORD_TAKEN, True))


class InProcessChordsPass(ChordsPass):
    """Old Windows: the hook runs inside the program under the pointer and decides there, from
    the rules the launcher published."""
    version = "winxp"
    # The pause and the tray are the same whichever hook runs.
    test_paused_chords_pass_everywhere_until_the_tray_menu_lets_them_work_again = None

    def start(self, settings, probe):
        super().start(settings, probe)
        # A 32-bit library never gets into the 64-bit desktop of a 64-bit system.
        if self.desktop.runs_32_bit_on_64_bit():
            self.skipTest("a 32-bit build on a 64-bit prefix: the desktop is a 64-bit program")


if __name__ == "__main__":
    unittest.main()
