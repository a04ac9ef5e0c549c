"""Panels whose target is only out of reach (a drive letter gone, as when a USB drive is
pulled out) against panels whose target was deleted: the first are kept with their
connections through activations, a section change, a save and a Shutdown, and show as before
once the drive is back; the second are emptied as always."""
import os
import subprocess
import time
import unittest

import records
from desktop import WineDesktop, thread_switches, wait_until
from fuse_share import Share, answer, hanging_mount
from panel_points import PANELS

PANEL1, PANEL2, PANEL3 = PANELS[1], PANELS[2], PANELS[3]
NAME_LABELS = [1025, 1026, 1027, 1028, 1030, 1031, 1032, 1033]
STATUS_LINE = 1079
ON_THE_DRIVE = "Q:\\Reports\\Report.txt"
DELETED = "C:\\Gone\\gone.txt"


def status_over(desktop, report, point):
    """The status line with the pointer over the panel at point."""
    desktop.move(report["client"][0] + point[0], report["client"][1] + point[1])
    wait_until(lambda: desktop.report()["text"][STATUS_LINE] != "", 5)
    return desktop.report()["text"][STATUS_LINE]


class OutOfReach(unittest.TestCase):

    def setUp(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.usb = os.path.join(self.desktop.root, "usb")
        os.makedirs(os.path.join(self.usb, "Reports"))
        with open(os.path.join(self.usb, "Reports", "Report.txt"), "w") as f:
            f.write("report")
        self.link = os.path.join(self.desktop.prefix, "dosdevices", "q:")
        os.symlink(self.usb, self.link)
        os.makedirs(self.desktop.drive_c("C:\\Gone"))
        with open(self.desktop.drive_c(DELETED), "w") as f:
            f.write("gone")
        kept = self.desktop.make_folders(["Kept"])[0]
        self.desktop.seed_data({
            "Launcher.lst": records.panel_set([ON_THE_DRIVE, DELETED, kept]),
            "Launcher.con": records.connections({0: {1: 3, 2: 3}}),
            "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})

    def start_launcher(self):
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

    def show(self):
        self.desktop.chord(150, 150)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the chord did not show the window")
        return self.desktop.report()

    def status_over(self, report, point):
        return status_over(self.desktop, report, point)

    def test_a_pulled_drive_keeps_its_panels_and_a_deleted_file_empties_its_own(self):
        self.start_launcher()
        os.unlink(self.link)
        os.unlink(self.desktop.drive_c(DELETED))

        report = self.show()
        self.assertEqual(report["text"][NAME_LABELS[0]], "Report.txt")
        self.assertEqual(report["text"][NAME_LABELS[1]], "", "the deleted file's panel was kept")
        self.assertEqual(self.status_over(report, PANEL1), "Report.txt (not reachable)")
        # A section change and back, then a save of the panel file (panel 3 emptied from its
        # menu) and Shutdown: what is on disk is what memory held.
        self.desktop.xdotool("click", 5)
        self.desktop.xdotool("click", 4)
        self.assertEqual(self.desktop.report()["text"][NAME_LABELS[0]], "Report.txt")
        self.desktop.open_menu_at(report["client"][0] + PANEL3[0], report["client"][1] + PANEL3[1])
        self.desktop.choose_menu_item(0)
        self.assertTrue(wait_until(
            lambda: records.panel_set_items(self.desktop.read_data("Launcher.lst"))[2] == "", 10), "no save")
        time.sleep(0.4)  # commands are taken again 300 ms after the last one
        self.assertEqual(self.desktop.run_program("session_tool.exe", "shutdown").returncode, 0)
        self.assertEqual(self.launcher.wait(timeout=15), 0)
        items = records.panel_set_items(self.desktop.read_data("Launcher.lst"))
        self.assertEqual(items[:2], [ON_THE_DRIVE, ""])
        links = records.read_connections(self.desktop.read_data("Launcher.con"))
        self.assertEqual(links[0][:2], [3, 0], "panel 1 lost its connection, or panel 2 kept one")

        # The drive is back: the panel shows as before.
        os.symlink(self.usb, self.link)
        self.start_launcher()
        report = self.show()
        self.assertNotEqual(report["text"][NAME_LABELS[0]], "")
        self.assertNotIn("not reachable", self.status_over(report, PANEL1))


class HangingServer(unittest.TestCase):
    """A network share and a network drive whose server takes its time (here: forever) never
    freeze the window, however many panels name them, and never cost more than one worker
    each however often the window comes up."""

    def setUp(self):
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.share = os.path.join(self.desktop.root, "share")
        os.makedirs(self.share)
        self.device = hanging_mount(self.share)
        if self.device is None:
            self.skipTest("mounting a file system is not allowed here")
        # Closing the descriptor ends every wait on the share; then it goes.
        self.addCleanup(subprocess.run, ["umount", "-l", self.share])
        self.addCleanup(self.server_answers)
        server = os.path.join(self.desktop.prefix, "dosdevices", "unc", "slowserver")
        os.makedirs(server)
        os.symlink(self.share, os.path.join(server, "share"))
        self.names = ["Report.txt", "Kept", "Budget.txt", "Minutes.txt", "Plan.txt", "Notes.txt", "Draft.txt",
                      "Q.txt"]
        items = ["\\\\slowserver\\share\\" + name for name in self.names]
        items[1] = self.desktop.make_folders(["Kept"])[0]
        items[7] = "Q:\\Reports\\Q.txt"
        self.desktop.seed_data({"Launcher.lst": records.panel_set(items),
                                "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)})

    def server_answers(self):
        if self.device is not None:
            os.close(self.device)
            self.device = None

    def threads(self):
        return len(thread_switches(self.desktop.linux_process()))

    def test_the_window_comes_up_at_once_with_the_panels_kept(self):
        self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")
        at_start = self.threads()
        # Drive Q: leads to the silent server from now on (not before: a Wine program waits
        # for such a drive as it starts, and so would the session tool).
        drive = os.path.join(self.desktop.prefix, "dosdevices", "q:")
        os.symlink(self.share, drive)
        for attempt in range(2):
            if attempt:
                self.desktop.key("alt+F4")
                self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))
            self.desktop.chord(150, 150)
            chorded = time.monotonic()
            self.assertTrue(wait_until(self.desktop.is_visible, 5), "the window did not come up")
            # The silent panels' questions are out: the window does not wait for them again.
            self.assertLess(time.monotonic() - chorded, 1.0, "the window waited for the server")
        # Chords, wheel notches, moves and hides: one worker for each silent root, no more.
        for cycle in range(8):
            self.desktop.key("alt+F4")
            self.desktop.chord(150 + cycle * 10, 150)
            self.assertTrue(wait_until(self.desktop.is_visible, 5), "the window did not come up")
            self.desktop.xdotool("click", 5)
            self.desktop.xdotool("click", 4)
        self.assertLessEqual(self.threads(), at_start + 2, "workers piled up on the silent server")
        os.unlink(drive)
        report = self.desktop.report()
        self.assertEqual([report["text"][label] for label in NAME_LABELS], self.names)

        # The server answers again: the questions that were out come back, and the panels on
        # the share draw as before.
        answer(self.device, Share({"": {name: b"text" for name in self.names[:7] if name.endswith(".txt")},
                                   "Reports": {"Q.txt": b"text"}}))

        def share_reached():
            self.desktop.key("alt+F4")
            self.desktop.chord(150, 150)
            if not wait_until(self.desktop.is_visible, 5):
                return False
            report = self.desktop.report()
            return all("not reachable" not in status_over(self.desktop, report, PANELS[panel]) for panel in (1, 3))

        self.assertTrue(wait_until(share_reached, 20), "the share's panels still show as not reachable")
        report = self.desktop.report()
        self.assertEqual([report["text"][label] for label in NAME_LABELS], self.names)


if __name__ == "__main__":
    unittest.main()
