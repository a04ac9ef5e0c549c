"""The dialog "Chords and keys", opened from the tray menu: a program added by dragging the
target onto its window and one by its typed name, a hotkey that another program holds
reported when the dialog opens, and Apply: the file holds it all and the listed program keeps its chords."""
import time
import unittest

import records
from desktop import WineDesktop, read_lines, wait_until

CAPTION = "Chords and keys"
PROBE = (500, 500, 300, 200)
PICK_WINDOW, PROGRAM_LIST, PROGRAM_NAME, ADD_PROGRAM, HOTKEY, HOTKEY_STATUS = 1127, 1123, 1125, 1126, 1128, 1129


def read_text(path):
    with open(path) as f:
        return f.read()


class ChordsAndKeysDialog(unittest.TestCase):

    def session_tool(self, *args):
        result = self.desktop.run_program("session_tool.exe", *args)
        return result.returncode, result.stdout.decode("latin-1").replace("\r", "")

    def centre_of(self, control):
        left, top, right, bottom = (int(v) for v in self.session_tool("control-rect", CAPTION, str(control))[1].split())
        return (left + right) // 2, (top + bottom) // 2

    def listed(self):
        return [line for line in self.session_tool("list-items", CAPTION, str(PROGRAM_LIST))[1].split("\n") if line]

    def test_programs_added_by_pointing_and_by_name_and_a_taken_hotkey_reported(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        # Another program took the hotkey before the launcher started.
        self.desktop.seed_data({"Launcher.opt": records.options(), "Vantrel.ini": b"[Chords]\nHotkey=Ctrl+Alt+H\n"})
        holder = self.desktop.start_program("session_tool.exe", "hold-hotkey")
        self.assertTrue(wait_until(lambda: "READY" in read_text(self.desktop.processes_output(holder)), 30))
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up never ended")
        clicks, clicks_win = self.desktop.log_path("clicks.log")
        self.desktop.start_program("click_probe.exe", clicks_win, *[str(v) for v in PROBE])
        self.assertTrue(wait_until(lambda: read_lines(clicks), 30))

        # The tray menu's third item.
        self.desktop.open_menu_at(*self.desktop.tray_icon_center())
        left, top, _, _ = (int(v) for v in self.session_tool("menu-rect")[1].split())
        self.desktop.move(left + 40, top + 48)
        self.desktop.buttons("down 1", "up 1")
        self.assertTrue(wait_until(lambda: self.desktop.is_visible(CAPTION), 10), "the dialog did not open")
        self.assertEqual(self.session_tool("dialog-text", CAPTION, str(HOTKEY_STATUS)),
                         (0, "Another program holds this hotkey."))

        # The target dragged onto the probe's window, then a name typed.
        self.desktop.move(*self.centre_of(PICK_WINDOW))
        self.desktop.buttons("down 1")
        self.desktop.move(PROBE[0] + 100, PROBE[1] + 100)
        self.desktop.buttons("up 1")
        self.assertEqual(self.listed(), ["click_probe.exe"])
        self.session_tool("set-dialog-text", CAPTION, str(PROGRAM_NAME), "C:\\Tools\\Mstsc.exe")
        self.session_tool("press", CAPTION, str(ADD_PROGRAM))
        self.assertTrue(wait_until(lambda: self.listed() == ["click_probe.exe", "Mstsc.exe"], 5), self.listed())

        # A key alone is refused: the box keeps its hotkey and says why.
        self.desktop.move(*self.centre_of(HOTKEY))
        self.desktop.buttons("down 1", "up 1")
        self.desktop.key("k")
        refused = (0, "Needs Ctrl, Alt or Win.")
        self.assertTrue(wait_until(lambda: self.session_tool("dialog-text", CAPTION, str(HOTKEY_STATUS)) == refused, 5),
                        self.session_tool("dialog-text", CAPTION, str(HOTKEY_STATUS)))

        # A free hotkey chosen in the control: no report.
        self.desktop.move(*self.centre_of(HOTKEY))
        self.desktop.buttons("down 1", "up 1")
        self.desktop.key("ctrl+alt+j")
        self.assertEqual(self.session_tool("dialog-text", CAPTION, str(HOTKEY_STATUS)), (0, ""))
        time.sleep(0.3)
        self.desktop.window_screenshot("chords_and_keys.png", self.desktop.windows_named(CAPTION)[0])

        self.session_tool("press", CAPTION, "1")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(CAPTION), 5), "Apply did not close the dialog")
        saved = b"Hotkey=Ctrl+Alt+J\r\n\r\n[Excluded programs]\r\nProgram=click_probe.exe\r\nProgram=Mstsc.exe\r\n"
        self.assertTrue(wait_until(lambda: saved in self.desktop.read_data("Vantrel.ini"), 5),
                        self.desktop.read_data("Vantrel.ini"))
        # The probe keeps its chords now; the new hotkey brings the window up.
        before = len(read_lines(clicks))
        self.desktop.chord(PROBE[0] + 150, PROBE[1] + 100)
        time.sleep(1)
        self.assertEqual((read_lines(clicks)[before:], self.desktop.is_visible()),
                         (["RDOWN", "LDOWN", "LUP", "RUP"], False))
        self.desktop.key("ctrl+alt+j")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the new hotkey did not show the window")


if __name__ == "__main__":
    unittest.main()
