"""The real program under long use and a hostile data folder: many chord, launch and hide
cycles with the hook removed behind its back; the data folder read-only, full or removed
while it runs; damaged data files at start.

VANTREL_CYCLES sets the number of cycles (20 in the test command; scripts/soak.sh runs
1000)."""
import os
import random
import subprocess
import time
import unittest

import records
from desktop import WineDesktop, wait_until
from panel_points import PANELS

CYCLES = int(os.environ.get("VANTREL_CYCLES", "20"))
SPOT = (150, 150)
AWAY = (1100, 900)
PANEL1, PANEL2 = PANELS[1], PANELS[2]
TOOL = "C:\\Tools\\tool.exe"
DATA_NAMES = ("Launcher.lst", "Launcher.lft", "Launcher.rgt", "Launcher.lst_shift", "Launcher.lft_shift",
              "Launcher.rgt_shift", "Launcher.con", "Launcher.con_shift", "Launcher.opt")


def privileged(*command):
    """Runs a mount command as root (directly or through password-less sudo); False when
    this user may not."""
    prefix = [] if os.geteuid() == 0 else ["sudo", "-n"]
    return subprocess.run(prefix + list(command), stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


class LauncherUnderStress(unittest.TestCase):

    def start(self, folder_mount=None):
        """A desktop with the launcher over panels whose first panel is the probe program;
        folder_mount: tmpfs size for a file system of its own under the data folder."""
        self.desktop = WineDesktop().start()
        self.desktop.stop_after(self)
        self.desktop.install_probe("Tools", "tool.exe")
        if folder_mount:
            folder = self.desktop.data_folder()
            if not privileged("mount", "-t", "tmpfs", "-o", "size=%s,mode=0777" % folder_mount, "tmpfs", folder):
                self.skipTest("this user may not mount a file system")
            self.addCleanup(privileged, "umount", "-l", folder)
        items = [TOOL] + self.desktop.make_folders(["Bravo", "Charlie"])
        self.seeds = {"Launcher.lst": records.panel_set(items),
                      "Launcher.lft": records.panel_set(self.desktop.make_folders(["Left"])),
                      "Launcher.con": records.connections({0: {2: 3}, 1: {1: 2}}),
                      "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)}
        self.desktop.seed_data(self.seeds)
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")
        self.client = None
        self.launches = 0

    def data_files(self):
        folder = self.desktop.data_folder()
        files = {}
        for name in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
            path = os.path.join(folder, name)
            if os.path.isfile(path):
                with open(path, "rb") as f:
                    files[name] = f.read()
        return files

    def assert_seeds_kept(self):
        files = self.data_files()
        for name, data in self.seeds.items():
            self.assertEqual(files.get(name), data, "%s changed" % name)
        self.assertEqual([name for name in files if name.endswith(".tmp")], [], "a temporary file was left")

    def show(self, hook_lost=False):
        """A chord that shows the window. After the hook was lost, chords are tried again
        (buttons released in between) until the launcher's hook check has put it back."""
        deadline = time.monotonic() + (30 if hook_lost else 0)
        while True:
            self.desktop.move(*SPOT)
            self.desktop.buttons("down 3", "down 1")
            if wait_until(self.desktop.is_visible, 5) or time.monotonic() >= deadline:
                break
            self.desktop.buttons("up 1", "up 3")
        self.assertTrue(self.desktop.is_visible(), "the chord did not show the window")
        if self.client is None:
            self.client = self.desktop.report()["client"]

    def cycle(self, hook_lost=False):
        """Chord, release the left button over panel 1, then the right one away: the probe
        starts once more and the window hides."""
        self.show(hook_lost)
        self.desktop.move(self.client[0] + PANEL1[0], self.client[1] + PANEL1[1])
        self.desktop.buttons("up 1")
        self.launches += 1
        self.assertTrue(wait_until(lambda: len(self.desktop.probe_starts(TOOL)) >= self.launches, 10),
                        "launch %d did not start the probe" % self.launches)
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "the window stayed up")
        self.desktop.move(*AWAY)
        self.desktop.buttons("up 3")
        self.assertEqual(len(self.desktop.probe_starts(TOOL)), self.launches, "a launch started the probe twice")

    def objects(self):
        """Kernel handles, GDI objects and windows of the launcher, counted from outside."""
        time.sleep(1)
        out = self.desktop.run_program("session_tool.exe", "resources").stdout.decode().replace("\r", "")
        values = dict(line.split() for line in out.splitlines() if line.strip())
        return {key: int(values[key]) for key in ("kernel_handles", "gdi_table", "windows")}

    def change_what_is_saved(self):
        """What a user does that writes the data files: empties panel 2 from its menu, and
        moves the window by its caption and closes it (its place is kept)."""
        self.show()
        self.desktop.move(*AWAY)
        self.desktop.buttons("up 1", "up 3")
        self.desktop.open_menu_at(self.client[0] + PANEL2[0], self.client[1] + PANEL2[1])
        self.desktop.choose_menu_item(0)
        self.assertTrue(wait_until(lambda: self.desktop.report()["text"][1026] == "", 10), "panel 2 stayed")
        window = self.desktop.report()["window"]
        self.desktop.move(window[0] + 60, window[1] + 10)
        self.desktop.buttons("down 1")
        self.desktop.move(window[0] + 160, window[1] + 70)
        self.desktop.buttons("up 1")
        self.desktop.key("alt+F4")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5))
        self.client = None

    # --- long use ------------------------------------------------------------------------
    def test_cycles_launch_every_time_with_no_growth_and_unchanged_files(self):
        self.start()
        for _ in range(3):
            self.cycle()
        files = self.data_files()
        before = self.objects()
        removals = {CYCLES // 2} | set(range(125, CYCLES, 250))
        for number in range(CYCLES):
            if number in removals:
                # The hook dropped behind the launcher's back comes back by itself.
                result = self.desktop.run_program("session_tool.exe", "remove-hook")
                self.assertEqual(result.returncode, 1, "there was no hook to remove")
                time.sleep(6)
            self.cycle(hook_lost=number in removals)
        after = self.objects()
        self.assertIsNone(self.launcher.poll(), "the launcher ended")
        self.assertEqual(self.data_files(), files, "data files changed")
        self.assertEqual(self.data_files()["Launcher.opt"], self.seeds["Launcher.opt"])
        print("objects after 3 cycles %s, after %d more %s" % (before, CYCLES, after))
        for key in before:
            self.assertLessEqual(after[key], before[key], "%s grew over %d cycles" % (key, CYCLES))

    # --- a hostile data folder -------------------------------------------------------------
    def check_folder_unusable(self):
        """With the data folder unusable, the launcher keeps running, shows its window,
        launches, and the files saved before are kept as they were."""
        self.change_what_is_saved()
        self.cycle()
        self.cycle()
        self.assertIsNone(self.launcher.poll(), "the launcher ended")
        self.assert_seeds_kept()

    def test_a_read_only_data_folder(self):
        self.start(folder_mount="1m")
        self.assertTrue(privileged("mount", "-o", "remount,ro", self.desktop.data_folder()))
        self.check_folder_unusable()

    def test_a_full_data_folder(self):
        self.start(folder_mount="64k")
        with open(os.path.join(self.desktop.data_folder(), "filler"), "wb", buffering=0) as f:
            try:
                while True:
                    f.write(b"\0" * 1024)
            except OSError:
                pass
        self.seeds["filler"] = self.data_files()["filler"]
        self.check_folder_unusable()

    def test_a_removed_data_folder_is_written_back_from_memory(self):
        self.start()
        subprocess.run(["rm", "-rf", self.desktop.data_folder()], check=True)
        self.cycle()
        self.assertIsNone(self.launcher.poll(), "the launcher ended")
        self.assert_seeds_kept()
        files = self.data_files()
        self.assertEqual(set(files), set(DATA_NAMES), "not every data file was written back")
        self.assertEqual(files["Launcher.rgt"], bytes(8224))


def damaged_files():
    """Data files damaged in each way their readers must survive: empty, cut short, too
    long, strings without their end, values out of range, item strings that are malformed,
    and noise."""
    noise = random.Random(9)
    good = {"Launcher.lst": records.panel_set([TOOL]), "Launcher.con": records.connections({0: {1: 2}}),
            "Launcher.opt": records.options(remember_location=1, window_x=300, window_y=200)}
    every = lambda make: {name: make(name) for name in DATA_NAMES}
    size = lambda name: len(good.get(name, good["Launcher.lst"] if name.startswith("Launcher.l") or
                                     name.startswith("Launcher.r") else good["Launcher.con"]))
    unterminated = b"".join([bytes([1, 0, 0, 0]) * 8, b"A" * 8192])
    wild = list(good["Launcher.opt"])
    for offset in range(0, 40, 4):
        wild[offset:offset + 4] = (0xFFFFFF00 + offset).to_bytes(4, "little")
    wild[16:24] = (1).to_bytes(4, "little") + (0xFFFFFFFF).to_bytes(4, "little")  # delayed by 49 days
    wild[40:40 + 6 * 1025] = b"B" * (6 * 1025)
    return {
        "empty": every(lambda name: b""),
        "short": every(lambda name: good.get(name, unterminated)[:size(name) // 3]),
        "long": every(lambda name: good.get(name, unterminated) + b"\xff" * 5000),
        "unterminated and out of range": dict(every(lambda name: unterminated), **{
            "Launcher.con": records.connections({0: {1: 99, 2: -5, 3: 0x7fffffff}, 2: {8: 9}}),
            "Launcher.con_shift": b"\xff" * 96, "Launcher.opt": bytes(wild)}),
        "malformed items": dict(every(lambda name: records.panel_set(
            ["@E", "@T", "@@1", "@Ename@1", "@T@1C:\\missing\\x.txt", "Z:\\nowhere\\x.exe", "@1", "@"])),
            **{"Launcher.con": good["Launcher.con"], "Launcher.opt": good["Launcher.opt"]}),
        "noise": every(lambda name: bytes(noise.getrandbits(8) for _ in range(size(name)))),
    }


class DamagedDataFiles(unittest.TestCase):

    def test_the_program_starts_shows_and_hides_on_every_kind_of_damage(self):
        desktop = WineDesktop().start()
        desktop.stop_after(self)
        desktop.install_probe("Tools", "tool.exe")
        for kind, files in damaged_files().items():
            with self.subTest(kind=kind):
                for name in DATA_NAMES:
                    path = os.path.join(desktop.data_folder(), name)
                    if os.path.exists(path):
                        os.unlink(path)
                desktop.seed_data(files)
                launcher = desktop.start_program("Vantrel.exe")
                try:
                    self.assertTrue(desktop.wait_for_startup_end(), "start-up did not end")
                    desktop.chord(*SPOT)
                    self.assertTrue(wait_until(desktop.is_visible, 5), "the chord did not show the window")
                    report = desktop.report()
                    self.assertEqual(report["visible"], [1])
                    desktop.move(report["client"][0] + PANEL2[0], report["client"][1] + PANEL2[1])
                    desktop.key("alt+F4")
                    self.assertTrue(wait_until(lambda: not desktop.is_visible(), 5), "the window stayed up")
                    self.assertIsNone(launcher.poll(), "the launcher ended")
                finally:
                    launcher.kill()
                    launcher.wait()
                    wait_until(lambda: not desktop.windows_named(), 10)


if __name__ == "__main__":
    unittest.main()
