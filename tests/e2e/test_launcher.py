"""The real Vantrel.exe in a desktop of its own: start-up, a chord bringing the window up,
closing hides it, one instance per desktop, and the hook surviving its removal."""
import time
import unittest

from desktop import CAPTION, WineDesktop, thread_switches, wait_until

# Somewhere on the desktop, away from where the window stands.
DESKTOP_SPOT = (150, 150)


class LauncherCase:
    version = None

    def setUp(self):
        self.desktop = WineDesktop(version=self.version).start()
        self.desktop.stop_after(self)
        self.started = time.monotonic()
        self.launcher = self.desktop.start_program("Vantrel.exe")

    def wait_for_startup_end(self):
        self.assertTrue(self.desktop.wait_for_startup_end(), "start-up did not end")

    def chord_shows_window(self, timeout=5):
        # A few pixels elsewhere each time, as a hand would: the hook check tells mouse input
        # from keys by the pointer having moved.
        self.spot = 0 if getattr(self, "spot", 0) >= 20 else getattr(self, "spot", 0) + 5
        self.desktop.chord(DESKTOP_SPOT[0] + self.spot, DESKTOP_SPOT[1])
        return wait_until(self.desktop.is_visible, timeout)

    def test_startup_picture_then_hidden_and_a_chord_brings_it_up(self):
        self.assertTrue(wait_until(self.desktop.is_visible, 30), "the window was not shown at start")
        shown_at = time.monotonic()
        self.desktop.screenshot("startup-%s.png" % (self.version or "default"))
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 10), "the window never hid")
        self.assertGreater(time.monotonic() - shown_at, 2.0, "hidden before the start-up time")

        self.assertTrue(self.chord_shows_window(), "a chord did not show the window")
        self.assertEqual(len(self.desktop.windows_named()), 1)

        # The close command only hides; the program keeps running and comes up again.
        self.desktop.key("alt+F4")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "Alt+F4 did not hide the window")
        self.assertIsNone(self.launcher.poll())
        self.assertTrue(self.chord_shows_window(), "no second activation")

    def test_second_start_shows_the_first_window_and_ends(self):
        self.wait_for_startup_end()
        second = self.desktop.start_program("Vantrel.exe")
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the running window was not shown")
        windows = self.desktop.windows_named()
        self.assertEqual(len(windows), 1)
        x, y, _, _ = self.desktop.geometry(windows[0])
        self.assertEqual(self.desktop.pointer_once_at((x + 205, y + 212)), (x + 205, y + 212))
        self.assertIsNone(self.launcher.poll(), "the first instance ended")

    def test_two_starts_at_the_same_moment_leave_one_launcher(self):
        self.wait_for_startup_end()
        self.launcher.kill()
        self.launcher.wait()
        self.assertTrue(wait_until(lambda: not self.desktop.windows_named(), 10))
        for attempt in range(3):
            starts = [self.desktop.start_program("Vantrel.exe") for _ in range(3)]
            self.assertTrue(wait_until(lambda: len([p for p in starts if p.poll() is None]) == 1, 15),
                            "round %d: not exactly one launcher remained" % attempt)
            time.sleep(1)
            self.assertEqual(len(self.desktop.windows_named()), 1)
            self.assertEqual(len([p for p in starts if p.poll() is None]), 1)
            for process in starts:
                if process.poll() is None:
                    process.kill()
                    process.wait()
            self.assertTrue(wait_until(lambda: not self.desktop.windows_named(), 10))

    def chords_work(self, timeout=5):
        """Two chords in a row, each bringing the window up. (Under Wine the first press
        after a hook is removed may still reach it, so one chord alone proves little.)"""
        for attempt in range(2):
            if not self.chord_shows_window(timeout):
                return False
            self.desktop.key("alt+F4")
            if not wait_until(lambda: not self.desktop.is_visible(), 5):
                return False
        return True


class LowLevelHookLauncher(LauncherCase, unittest.TestCase):
    version = None

    def test_an_idle_launcher_sleeps_and_a_dropped_hook_comes_back_by_itself(self):
        self.wait_for_startup_end()
        # Idle: once the check has seen a quiet spell it needs no timer; nothing wakes the
        # program until the user does something.
        time.sleep(6)
        pid = self.desktop.linux_process()
        before = thread_switches(pid)
        time.sleep(8)
        woken = {tid: count - before.get(tid, (name, 0))[1] for tid, (name, count) in thread_switches(pid).items()}
        self.assertLessEqual(sum(woken.values()), 2, "an idle launcher woke up: %s" % woken)
        # Dropped while idle, then again right after use: the check finds it soon after the
        # first input, without the user doing anything but go on.
        for moment in ("while idle", "right after use"):
            self.assertEqual(self.desktop.run_program("session_tool.exe", "remove-hook").returncode, 1, moment)
            dropped = time.monotonic()
            self.assertTrue(wait_until(lambda: self.chords_work(1), 20, interval=0.2), "chords did not come back " + moment)
            self.assertLess(time.monotonic() - dropped, 8, "the hook came back late " + moment)


    def test_a_window_of_another_program_with_the_same_caption_does_not_block_start_up(self):
        self.wait_for_startup_end()
        self.launcher.kill()
        self.launcher.wait()
        decoy = self.desktop.start_program("session_tool.exe", "decoy")
        out = self.desktop.processes_output(decoy)
        self.assertTrue(wait_until(lambda: "READY" in open(out).read(), 30), "the decoy did not start")
        self.launcher = self.desktop.start_program("Vantrel.exe")
        self.assertTrue(wait_until(self.desktop.is_visible, 30), "the launcher did not start")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 15), "start-up never ended")
        self.assertIsNone(self.launcher.poll(), "the launcher took the other window for itself and ended")
        # A second start still finds the real launcher, not the other program's window.
        second = self.desktop.start_program("Vantrel.exe")
        self.assertEqual(second.wait(timeout=30), 0)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "the running launcher was not shown")
        self.assertIsNone(decoy.poll())


class InProcessHookLauncher(LauncherCase, unittest.TestCase):
    version = "winxp"

    def setUp(self):
        super().setUp()
        # The in-process hook runs inside the program under the pointer: a 32-bit library
        # never gets into the 64-bit desktop of a 64-bit system. Windows XP itself is 32-bit.
        if self.desktop.runs_32_bit_on_64_bit():
            self.skipTest("a 32-bit build on a 64-bit prefix: the desktop is a 64-bit program")

    def test_a_cancelled_logoff_puts_the_hook_back(self):
        # Only the in-process hook stays removed until something installs it again; the
        # low-level one is also put back by the periodic check.
        self.wait_for_startup_end()
        self.assertEqual(self.desktop.run_program("session_tool.exe", "query-end").returncode, 1)
        self.assertEqual(self.desktop.run_program("session_tool.exe", "remove-hook").returncode, 0,
                         "the hook should be gone while the session ends")
        self.assertEqual(self.desktop.run_program("session_tool.exe", "end-cancelled").returncode, 0)
        self.assertTrue(self.chords_work(), "chords did not come back")


if __name__ == "__main__":
    unittest.main()
