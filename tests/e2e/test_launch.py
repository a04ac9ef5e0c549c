"""Launching from the real program: a chord, a move onto a panel with the left button held,
its release; small probe programs record how they were started."""
import getpass
import os
import time
import unittest

import records
from desktop import WineDesktop, _reg_string, wait_until
from panel_points import CENTRE, PANELS

DESKTOP_SPOT = (150, 150)
AWAY = (1100, 900)

BROWSER = "C:\\Program Files\\Probe Browser\\browser.exe"
MAILER = "C:\\Mail\\mailer.exe"
URL_OPENER = "C:\\Opener\\opener.exe"


def association(key, command):
    return ["[Software\\\\Classes\\\\%s\\\\shell\\\\open\\\\command] 0" % key.replace("\\", "\\\\"),
            "@=%s" % _reg_string(command), ""]


REGISTRY = (["[Software\\\\Classes\\\\.htm] 0", '@="htmlfile"', ""] +
            association("htmlfile", '"%s" "%%1"' % BROWSER) +
            association("mailto", '"%s" "%%1"' % MAILER) +
            ["[Software\\\\Classes\\\\.url] 0", '@="InternetShortcut"', ""] +
            association("InternetShortcut", '"%s" "%%1"' % URL_OPENER))


class Launching(unittest.TestCase):

    def start(self, items, links=None, probes=(), files=None, shortcut=None, **option_fields):
        """Starts the launcher over these panels, once the probes and files (C: path ->
        bytes) the panels name exist: the start-up redraw empties panels whose item is gone.
        With a shortcut path, the launcher is started as the shell starts it from that shortcut."""
        self.desktop = WineDesktop(system_registry=REGISTRY).start()
        self.desktop.stop_after(self)
        for path in (BROWSER, MAILER, URL_OPENER) + tuple(probes):
            folder, name = path[3:].rsplit("\\", 1)
            self.desktop.install_probe(folder, name)
        for path, content in (files or {}).items():
            os.makedirs(os.path.dirname(self.desktop.drive_c(path)), exist_ok=True)
            with open(self.desktop.drive_c(path), "wb") as f:
                f.write(content)
        fields = {"remember_location": 1, "window_x": 300, "window_y": 200}
        fields.update(option_fields)
        data = {"Launcher.lst": records.panel_set(items), "Launcher.opt": records.options(**fields)}
        if links:
            data["Launcher.con"] = records.connections({0: links})
        self.desktop.seed_data(data)
        if shortcut:
            self.desktop.start_from_shortcut("Vantrel.exe", shortcut)
        else:
            self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

    def release_over(self, point, while_shown=None):
        """Chord, move onto the point with the left button held, release it there; the right
        button is released away from the window. while_shown runs once the window is up."""
        self.desktop.move(*DESKTOP_SPOT)
        self.desktop.buttons("down 3", "down 1")
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the chord did not show the window")
        if while_shown:
            while_shown()
        client = self.desktop.report()["client"]
        self.desktop.move(client[0] + point[0], client[1] + point[1])
        self.desktop.buttons("up 1")
        time.sleep(0.5)
        self.desktop.move(*AWAY)
        self.desktop.buttons("up 3")

    def starts(self, path, count=1, timeout=10):
        wait_until(lambda: len(self.desktop.probe_starts(path)) >= count, timeout)
        return self.desktop.probe_starts(path)

    def test_a_program_starts_in_its_own_folder_and_the_window_hides(self):
        tool = "C:\\Tools\\tool.exe"
        self.start([tool], probes=[tool])
        self.release_over(PANELS[1])
        self.assertEqual(self.starts(tool), [["args=0", "cwd=C:\\Tools"]])
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "the window stayed up")

    def test_a_chain_starts_each_panel_once_and_stops_at_an_empty_panel(self):
        first, second, third = "C:\\A\\first.exe", "C:\\B\\second.exe", "C:\\C\\third.exe"
        # 1 -> 2 -> 1 loops; 3 -> 4 (empty) -> 5 is cut at the empty panel.
        self.start([first, second, third, None, third], links={1: 2, 2: 1, 3: 4, 4: 5},
                   probes=[first, second, third])
        self.release_over(PANELS[1])
        self.assertEqual(len(self.starts(first)), 1)
        self.assertEqual(len(self.starts(second)), 1)
        # Started in chain order, whichever of the two got to run first.
        self.assertTrue(wait_until(lambda: all(len(self.desktop.probe_creation_times(p)) == 1 for p in (first, second)), 10))
        self.assertLessEqual(self.desktop.probe_creation_times(first), self.desktop.probe_creation_times(second))
        time.sleep(1)
        self.assertEqual(len(self.desktop.probe_starts(first)), 1, "a loop started a panel twice")

        wait_until(lambda: not self.desktop.is_visible(), 5)
        self.release_over(PANELS[3])
        self.assertEqual(len(self.starts(third)), 1)
        time.sleep(1)
        self.assertEqual(len(self.desktop.probe_starts(third)), 1, "the chain went past the empty panel")

    def test_centre_release_and_releases_during_startup_launch_nothing(self):
        tool = "C:\\Tools\\tool.exe"
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.desktop.install_probe("Tools", "tool.exe")
        self.desktop.seed_data({"Launcher.lst": records.panel_set([tool]),
                                "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(wait_until(self.desktop.is_visible, 30))
        client = self.desktop.report()["client"]
        self.desktop.move(client[0] + PANELS[1][0], client[1] + PANELS[1][1])
        self.desktop.buttons("down 1", "up 1")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15))
        self.release_over(CENTRE)
        time.sleep(1)
        self.assertEqual(self.desktop.probe_starts(tool), [])
        self.assertTrue(self.desktop.is_visible(), "a release over the centre hid the window")

    def test_a_missing_program_is_reported_and_the_window_stays(self):
        tool = "C:\\Tools\\tool.exe"
        self.start([tool], probes=[tool])
        # Removed while the window is up: each activation's redraw empties panels whose
        # item is gone by then.
        self.release_over(PANELS[1], while_shown=lambda: os.unlink(self.desktop.drive_c(tool)))
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Error Message", only_visible=True), 5),
                        "no error message")
        text = self.desktop.run_program("session_tool.exe", "dialog-text", "Error Message", "1047").stdout
        self.assertEqual(text, b"The specified file was not found.")
        self.assertTrue(self.desktop.is_visible(), "the launcher window hid after a failed start")

    def test_an_internet_shortcut_opens_a_new_browser_with_the_address_as_one_argument(self):
        shortcut = "C:\\Links\\Site.url"
        crafted = "C:\\Links\\Crafted.url"
        self.start([shortcut, crafted], open_in_new_browser=1, files={
            shortcut: b"URL=http://before.example/\r\n[InternetShortcut]\r\nURL=http://example.com/a b\r\n",
            crafted: b'[InternetShortcut]\r\nURL=http://x.example/" --evil "y\r\n'})
        self.release_over(PANELS[1])
        self.assertEqual(self.starts(BROWSER), [["args=1", "http://example.com/a b", "cwd=C:\\"]])
        self.assertFalse(os.path.exists(os.path.join(self.desktop.data_folder(), "VantrelTemp.htm")))
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))

        self.release_over(PANELS[2])
        starts = self.starts(BROWSER, 2)
        self.assertEqual(starts[1], ["args=1", "http://x.example/%22 --evil %22y", "cwd=C:\\"])

    def test_the_browser_starts_with_start_up_information_of_its_own(self):
        # Started from its Start-menu shortcut, the launcher's own start-up information names
        # that shortcut and a show command; none of it is the browser's.
        link = "C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Vantrel.lnk"
        shortcut = "C:\\Links\\Site.url"
        self.start([shortcut], open_in_new_browser=1, shortcut=link,
                   files={shortcut: b"[InternetShortcut]\r\nURL=http://example.com/\r\n"})
        self.release_over(PANELS[1])
        self.assertEqual(self.starts(BROWSER), [["args=1", "http://example.com/", "cwd=C:\\"]])
        startup = self.desktop.probe_startup_info(BROWSER)
        self.assertEqual(len(startup), 1)
        self.assertNotEqual(startup[0]["title"], link, "the browser was given the launcher's shortcut as its title")
        self.assertEqual((startup[0]["flags"], startup[0]["show"]), ("0x0", "0"),
                         "the browser was given the launcher's start-up flags and show command")

    def test_a_long_address_opens_whole_or_goes_to_the_shell_with_the_file(self):
        longest = "http://example.com/" + "a" * (2083 - len("http://example.com/"))
        whole, too_long = "C:\\Links\\Longest.url", "C:\\Links\\TooLong.url"
        self.start([whole, too_long], open_in_new_browser=1, files={
            whole: b"[InternetShortcut]\r\nURL=" + longest.encode() + b"\r\n",
            too_long: b"[InternetShortcut]\r\nURL=" + longest.encode() + b"b\r\n"})
        self.release_over(PANELS[1])
        starts = self.starts(BROWSER)
        self.assertEqual([(start[0], len(start[1])) for start in starts], [("args=1", 2083)])
        self.assertEqual(starts[0][1], longest)
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))

        self.release_over(PANELS[2])
        opened = self.starts(URL_OPENER)
        self.assertEqual([start[1].lower() for start in opened], [too_long.lower()])
        self.assertEqual(len(self.desktop.probe_starts(BROWSER)), 1, "a part of the address went to the browser")

    def test_without_the_option_an_internet_shortcut_goes_to_the_shell(self):
        shortcut = "C:\\Links\\Site.url"
        self.start([shortcut], open_in_new_browser=0,
                   files={shortcut: b"[InternetShortcut]\r\nURL=http://example.com/\r\n"})
        self.release_over(PANELS[1])
        starts = self.starts(URL_OPENER)
        self.assertEqual(len(starts), 1)
        self.assertEqual(starts[0][1].lower(), shortcut.lower())
        self.assertEqual(self.desktop.probe_starts(BROWSER), [])

    def test_a_shortcut_dropped_again_from_the_shortcuts_folder_stays_the_same_file(self):
        # With the option on, shortcuts dropped from elsewhere move into the Shortcuts folder;
        # one that is already there is registered as it stands.
        name = "C:\\users\\%s\\AppData\\Local\\Brasmoor\\Vantrel\\Shortcuts\\Site.url" % getpass.getuser()
        self.start([name], remove_original_shortcuts=1,
                   files={name: b"[InternetShortcut]\r\nURL=http://example.com/\r\n"})
        self.assertEqual(self.desktop.run_program("session_tool.exe", "drop", "180", "60", name).returncode, 0)
        saved = lambda: records.panel_set_items(self.desktop.read_data("Launcher.lst"))
        self.assertTrue(wait_until(lambda: saved()[1] != "", 10), "the drop registered nothing")
        self.assertEqual(saved()[:2], [name, name])
        self.assertEqual(os.listdir(os.path.dirname(self.desktop.drive_c(name))), ["Site.url"])
        for count, panel in enumerate((1, 2), start=1):
            wait_until(lambda: not self.desktop.is_visible(), 5)
            self.release_over(PANELS[panel])
            self.assertEqual(len(self.starts(URL_OPENER, count)), count, "panel %d did not start" % panel)

    def test_emailer_and_text_items(self):
        text_file = "C:\\Texts\\note.txt"
        self.start(["@EFriends@1ann@example.com;bob@example.com", "@TNote@1" + text_file],
                   files={text_file: b"first line\r\n\r\nthird line"})
        self.release_over(PANELS[1])
        starts = self.starts(MAILER)
        self.assertEqual(starts[0][1], "mailto:ann@example.com;bob@example.com")
        wait_until(lambda: not self.desktop.is_visible(), 5)
        self.release_over(PANELS[2])
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))
        clipboard = self.desktop.run_program("session_tool.exe", "clipboard").stdout
        self.assertEqual(clipboard, b"first line\r\n\r\nthird line")


if __name__ == "__main__":
    unittest.main()
