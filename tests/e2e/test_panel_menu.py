"""Panel menus in the real program: a right click on a panel opens its menu, driven here
with the keyboard as a user may."""
import os
import time
import unittest

import records
from desktop import WineDesktop, wait_until
from panel_points import PANELS

PANEL1, PANEL2 = PANELS[1], PANELS[2]


class PanelMenu(unittest.TestCase):

    def setUp(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        items = self.desktop.make_folders(["Alpha"])
        self.desktop.seed_data({"Launcher.lst": records.panel_set(items),
                                "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")
        self.desktop.chord(150, 150)
        self.assertTrue(wait_until(self.desktop.is_visible, 5))
        self.client = self.desktop.report()["client"]

    def right_click(self, point):
        self.desktop.open_menu_at(self.client[0] + point[0], self.client[1] + point[1])


    def test_empty_from_an_occupied_panels_menu_empties_it_on_disk(self):
        self.assertEqual(records.panel_set_items(self.desktop.read_data("Launcher.lst"))[0], "C:\\Items\\Alpha")
        self.right_click(PANEL1)
        self.desktop.choose_menu_item(0)
        self.assertTrue(wait_until(
            lambda: records.panel_set_items(self.desktop.read_data("Launcher.lst"))[0] == "", 5),
            "panel 1 was not emptied on disk")
        self.assertEqual(self.desktop.report()["text"][1025], "")

    def test_an_empty_panels_menu_offers_the_two_add_commands(self):
        self.right_click(PANEL2)
        self.desktop.choose_menu_item(0)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Emailer"), 5), "no Add Emailer")
        self.desktop.key("Escape")
        self.assertTrue(wait_until(lambda: not self.desktop.windows_named("Emailer", only_visible=True), 5))
        time.sleep(0.4)  # commands are taken again after 300 ms
        self.right_click(PANEL2)
        self.desktop.choose_menu_item(1)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Text Clipboard"), 5),
                        "no Add Text Clipboard")
        self.desktop.key("Escape")


class TextEditOnAReadOnlyFile(unittest.TestCase):
    """A Text Clipboard edit whose file cannot be written keeps the old text, says why, and
    leaves its dialog open."""

    def test_the_old_text_stays_and_an_error_says_why(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        text_folder = os.path.join(self.desktop.data_folder(), "Text")
        os.makedirs(text_folder)
        notes = os.path.join(text_folder, "notes.txt")
        with open(notes, "wb") as f:
            f.write(b"old text\r\n")
        os.chmod(notes, 0o444)
        windows_notes = "C:\\" + os.path.relpath(notes, os.path.join(self.desktop.prefix, "drive_c")).replace("/", "\\")
        self.desktop.seed_data({"Launcher.lst": records.panel_set(["@TNotes@1" + windows_notes]),
                                "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")
        self.desktop.chord(150, 150)
        self.assertTrue(wait_until(self.desktop.is_visible, 5))
        client = self.desktop.report()["client"]
        self.desktop.open_menu_at(client[0] + PANEL1[0], client[1] + PANEL1[1])
        self.desktop.choose_menu_item(4)  # Properties
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Text Clipboard"), 10), "no Properties")
        tool = lambda *args: self.desktop.run_program("session_tool.exe", *args).returncode
        self.assertEqual(tool("set-dialog-text", "Text Clipboard", "1094", "new text"), 0)
        self.assertEqual(tool("press", "Text Clipboard", "1"), 0)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Error Message"), 10), "no error shown")
        said = self.desktop.run_program("session_tool.exe", "dialog-text", "Error Message", "1047").stdout.decode()
        self.assertIn("could not save the text", said)
        with open(notes, "rb") as f:
            self.assertEqual(f.read(), b"old text\r\n")
        self.assertEqual(tool("press", "Error Message", "1"), 0)
        self.assertTrue(wait_until(lambda: not self.desktop.windows_named("Error Message"), 10))
        self.assertTrue(self.desktop.windows_named("Text Clipboard"), "the dialog closed as if all went well")


if __name__ == "__main__":
    unittest.main()
