"""The launcher window of the real program, seeded with panel and options files: where it
comes up, where the pointer goes, hover, wheel, closing, and the remembered position."""
import itertools
import time
import unittest

import records
from desktop import WineDesktop, wait_until
from panel_points import PANELS

DESKTOP_SPOT = (150, 150)
NAMES = ["Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"]
LEFT_NAMES = ["Left" + name for name in NAMES]

NAME_LABELS = [1025, 1026, 1027, 1028, 1030, 1031, 1032, 1033]
GROUP_BOXES = [1003, 1004, 1005, 1006, 1009, 1010, 1011, 1017]
STATUS_LINE = 1079


class WindowCase:
    log_pixels = None
    centre_offset = (175, 172)
    panel1_point = PANELS[1]      # a client point in panel 1, and not in panel 1 of the
    panel2_point = PANELS[2]      # other geometry where the two differ

    def start(self, **option_fields):
        self.desktop = WineDesktop(log_pixels=self.log_pixels).start()
        self.desktop.stop_after(self)
        centre = self.desktop.make_folders(NAMES)
        left = self.desktop.make_folders(LEFT_NAMES)
        fields = {"delayed_launching": 1, "launch_delay_ms": 1000}
        fields.update(option_fields)
        self.desktop.seed_data({"Launcher.lst": records.panel_set(centre),
                                "Launcher.lft": records.panel_set(left),
                                "Launcher.opt": records.options(**fields)})
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

    def activate(self, at=DESKTOP_SPOT):
        """A chord; the window comes up after the delay, once the buttons are up, so the
        pointer can be moved (the X server holds it still while a button is down)."""
        self.desktop.chord(*at)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the chord did not show the window")
        time.sleep(0.3)
        return self.desktop.report()

    def client_point(self, report, point):
        return report["client"][0] + point[0], report["client"][1] + point[1]

    def test_remembered_place_centre_pointer_hover_wheel_and_a_saved_move(self):
        self.start(remember_location=1, window_x=100, window_y=80)
        report = self.activate()
        self.assertEqual(report["window"][:2], [100, 80])
        self.assertEqual(report["topmost"], [1])
        centre = (100 + self.centre_offset[0], 80 + self.centre_offset[1])
        self.assertEqual(self.desktop.pointer_once_at(centre), centre)
        self.assertEqual([report["text"][i] for i in NAME_LABELS], NAMES)
        self.desktop.screenshot("launcher-%d.png" % (self.log_pixels or 96))

        self.desktop.move(*self.client_point(report, self.panel1_point))
        report = self.desktop.report()
        self.assertEqual(report["text"][STATUS_LINE], "Alpha")
        self.assertTrue(report["enabled"][GROUP_BOXES[0]])
        self.assertFalse(report["enabled"][GROUP_BOXES[1]])
        self.desktop.move(*self.client_point(report, self.panel2_point))
        self.assertEqual(self.desktop.report()["text"][STATUS_LINE], "Bravo")

        self.desktop.xdotool("click", 5)  # wheel towards the user: the next section
        time.sleep(0.3)
        self.assertEqual([self.desktop.report()["text"][i] for i in NAME_LABELS], LEFT_NAMES)

        # Drag the window by its caption, close it; the new place is saved.
        self.desktop.move(100 + 60, 80 + 10)
        self.desktop.buttons("down 1")
        self.desktop.move(100 + 160, 80 + 70)
        self.desktop.buttons("up 1")
        moved = self.desktop.report()["window"][:2]
        self.assertEqual(moved, [200, 140])
        self.desktop.key("alt+F4")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))
        saved = records.read_options(self.desktop.read_data("Launcher.opt"))
        self.assertEqual((saved["window_x"], saved["window_y"]), (200, 140))
        self.assertIsNone(self.launcher.poll())


class Window96Dpi(WindowCase, unittest.TestCase):

    def test_early_chord_is_ignored_and_the_close_box_only_hides(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.desktop.seed_data({"Launcher.opt": records.options()})
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(wait_until(self.desktop.is_visible, 30))
        self.desktop.chord(*DESKTOP_SPOT)
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 10), "start-up never ended")
        time.sleep(1.5)
        self.assertFalse(self.desktop.is_visible(), "a chord during start-up brought the window up later")

        self.desktop.chord(*DESKTOP_SPOT)
        self.assertTrue(wait_until(self.desktop.is_visible, 5))
        report = self.desktop.report()
        right, top = report["window"][2], report["window"][1]
        button_width, button_height = report["caption-button"]
        frame_x, frame_y = report["frame"]
        self.desktop.move(right - frame_x - button_width // 2 - 1, top + frame_y + button_height // 2)
        self.desktop.buttons("down 1", "up 1")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "the close box did not hide")
        self.assertIsNone(self.launcher.poll(), "closing ended the program")

    def test_every_combination_of_the_placement_options_puts_the_window_where_they_say(self):
        spot, corner = (600, 500), (1275, 995)
        self.desktop = WineDesktop(log_pixels=self.log_pixels).start()
        self.desktop.stop_after(self)
        for skip, at_mouse, remember in itertools.product((0, 1), repeat=3):
            with self.subTest(skip_restore_minimize=skip, activate_at_mouse=at_mouse, remember_location=remember):
                self.desktop.seed_data({"Launcher.opt": records.options(
                    skip_restore_minimize=skip, activate_at_mouse=at_mouse, remember_location=remember,
                    window_x=200, window_y=150, delayed_launching=1, launch_delay_ms=500)})
                self.launcher = self.desktop.start_program("Vantrel.exe")
                try:
                    self.assertTrue(wait_until(self.desktop.is_visible, 30), "no start-up picture")
                    start_place = self.desktop.report()["window"][:2]
                    self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15), "start-up never ended")
                    report = self.activate(at=spot)
                    expected = list(spot) if at_mouse else [200, 150] if remember else start_place
                    self.assertEqual(report["window"][:2], expected)
                    centre = (expected[0] + self.centre_offset[0], expected[1] + self.centre_offset[1])
                    self.assertEqual(self.desktop.pointer_once_at(centre), centre)
                    if at_mouse:
                        # Near the bottom-right corner the window moves just far enough to
                        # lie inside the work area, and the pointer still lands on its centre.
                        self.desktop.key("alt+F4")
                        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))
                        report = self.activate(at=corner)
                        left, top, right, bottom = report["window"]
                        work = report["work-area"]
                        self.assertEqual([right, bottom], [work[2], work[3]], "not moved just inside")
                        centre = (left + self.centre_offset[0], top + self.centre_offset[1])
                        self.assertEqual(self.desktop.pointer_once_at(centre), centre)
                finally:
                    self.launcher.kill()
                    self.launcher.wait()


class Window120Dpi(WindowCase, unittest.TestCase):
    log_pixels = 120
    centre_offset = (205, 212)
    panel1_point = (130, 120)   # column 2 and row 2 at 96 DPI: panel 1 only in geometry B
    panel2_point = (150, 30)    # a gap at 96 DPI, panel 2 in geometry B


if __name__ == "__main__":
    unittest.main()
