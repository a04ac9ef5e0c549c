"""The notification-area icon of the real program in Wine's desktop with its taskbar: it is
there, a double click brings the window up, its menu activates, opens the options, and
shuts the program down."""
import os
import time
import unittest

import records
from desktop import WineDesktop, wait_until

# The program's icon, which the notification area shows in its small size.
WINDOW_ICON = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "launcher", "resources", "art",
                           "window.ico")


class Tray(unittest.TestCase):

    def setUp(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.desktop.seed_data({"Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})
        self.assertIsNone(self.desktop.tray_icon_center(), "the notification area is not empty before start")
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(wait_until(self.desktop.is_visible, 60), "the program did not start")
        self.icon = wait_until(self.desktop.tray_icon_center, 10)
        self.assertIsNotNone(self.icon, "no icon in the notification area")

    # Where the tray menu's items stand below its top edge, in Wine's menu metrics: Activate,
    # Pause chords, Chords and keys, Options, Open Data Folder, (separator) Shutdown Vantrel,
    # (separator) Manual, Visit.
    ITEM_CENTRES = [12, 30, 48, 66, 84, 108, 132, 150]

    def menu_command(self, downs):
        """Clicks the menu's item (keys sent to a menu opened from the notification area may
        go astray once a window of the program has closed)."""
        self.desktop.open_menu_at(*self.icon)
        out = self.desktop.run_program("session_tool.exe", "menu-rect").stdout.decode()
        left, top, _, _ = (int(v) for v in out.split())
        self.desktop.move(left + 40, top + self.ITEM_CENTRES[downs - 1])
        self.desktop.buttons("down 1", "up 1")

    def test_activate_works_during_startup_and_a_double_click_shows_the_window(self):
        # During start-up: the menu's Activate shows the window and puts the pointer on it.
        self.menu_command(1)
        x, y, _, _ = self.desktop.geometry(self.desktop.windows_named()[0])
        self.assertEqual(self.desktop.pointer_once_at((x + 175, y + 172)), (x + 175, y + 172))
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15), "start-up never ended")

        self.desktop.move(*self.icon)
        self.desktop.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "a double click did not show the window")

    def test_options_dialog_opens_from_the_menu(self):
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15), "start-up never ended")
        self.menu_command(4)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Options", only_visible=True), 10),
                        "the menu's Options did not open the dialog")
        time.sleep(0.5)
        shot = self.desktop.screenshot("options.png")
        self.desktop.window_screenshot("options_dialog.png", self.desktop.windows_named("Options")[0])
        self.assertTrue(self.desktop.shows_icon_in_notification_area(shot, WINDOW_ICON),
                        "the picture does not show the program's icon in the notification area")
        # Its Cancel button closes it.
        self.assertEqual(self.desktop.run_program("session_tool.exe", "press", "Options", "2").returncode, 0)
        self.assertTrue(wait_until(lambda: not self.desktop.windows_named("Options", only_visible=True), 10),
                        "Cancel did not close the dialog")

    def test_shutdown_ends_the_program_and_removes_the_icon(self):
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15), "start-up never ended")
        self.menu_command(6)
        self.assertEqual(self.launcher.wait(timeout=10), 0)
        self.assertTrue(wait_until(lambda: self.desktop.tray_icon_center() is None, 5), "the icon stayed")

    def test_the_icon_comes_back_when_the_shell_restarts(self):
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15))
        icon = self.desktop.tray_icon_center()
        self.assertIsNotNone(icon, "no icon before the restart")
        # The restarted shell's notification area is empty and says so with its broadcast.
        self.assertEqual(self.desktop.run_program("session_tool.exe", "shell-restart").returncode, 0)
        self.assertEqual(wait_until(self.desktop.tray_icon_center, 10), icon, "the icon did not come back")
        self.desktop.move(*icon)
        self.desktop.xdotool("click", "--repeat", 2, "--delay", 80, 1)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the new icon does not answer a double click")


if __name__ == "__main__":
    unittest.main()
