"""The hook library in a real desktop: real button presses from the X server reach it
through Wine, for both hook variants. A counter program installs the hook for a window of
its own; a probe window records the button messages that get through."""
import unittest

from desktop import WineDesktop, read_lines, wait_until

PROBE = (300, 300, 400, 300)
INSIDE = (500, 450)


class ChordHookCase:
    version = None
    variant = None

    def setUp(self):
        self.desktop = WineDesktop(version=self.version).start()
        self.desktop.stop_after(self)
        self.chords, chords_win = self.desktop.log_path("chords.log")
        self.clicks, clicks_win = self.desktop.log_path("clicks.log")
        self.desktop.start_program("chord_counter.exe", chords_win, self.variant)
        self.desktop.start_program("click_probe.exe", clicks_win, *[str(v) for v in PROBE])
        self.assertTrue(wait_until(lambda: read_lines(self.chords) and read_lines(self.clicks), 30),
                        "the probes did not start")
        self.assertEqual(read_lines(self.chords), ["READY"])
        self.desktop.move(*INSIDE)

    def sequence(self, *steps):
        self.desktop.buttons(*steps)
        # Longer than the double-click time, so the next press is a press of its own.
        wait_until(lambda: False, 0.7)

    def test_chords_are_reported_once_and_their_press_is_swallowed(self):
        self.sequence("down 3", "down 1", "up 1", "up 3")   # right held, left pressed
        self.sequence("down 1", "down 3", "up 3", "up 1")   # left held, right pressed
        self.sequence("down 1", "up 1")                     # a plain click
        self.sequence("down 1", "up 1", "down 3", "up 3")   # a release in between: no chord
        self.sequence("down 3", "down 1", "up 1", "down 1", "up 1", "up 3")  # right kept down

        expected_clicks = ["READY",
                           "RDOWN", "LUP", "RUP",
                           "LDOWN", "RUP", "LUP",
                           "LDOWN", "LUP",
                           "LDOWN", "LUP", "RDOWN", "RUP",
                           "RDOWN", "LUP", "LDOWN", "LUP", "RUP"]
        wait_until(lambda: len(read_lines(self.clicks)) >= len(expected_clicks), 5)
        self.assertEqual(read_lines(self.clicks), expected_clicks)
        self.assertEqual(read_lines(self.chords), ["READY", "CHORD", "CHORD", "CHORD"])


class LowLevelHook(ChordHookCase, unittest.TestCase):
    version = None
    variant = "lowlevel"

    def test_another_process_writing_the_shared_section_changes_nothing(self):
        # Any process may load the library and write its shared section: the low-level
        # hook keeps its state to itself, so chords still reach its window, once each.
        spoiled, spoiled_win = self.desktop.log_path("spoiled.log")
        self.desktop.start_program("chord_counter.exe", spoiled_win, "spoil")
        self.assertTrue(wait_until(lambda: read_lines(spoiled), 30), "the spoiler did not start")
        self.assertEqual(read_lines(spoiled), ["READY"])
        self.sequence("down 3", "down 1", "up 1", "up 3")
        self.sequence("down 1", "down 3", "up 3", "up 1")
        wait_until(lambda: len(read_lines(self.chords)) >= 3, 5)
        self.assertEqual(read_lines(self.chords), ["READY", "CHORD", "CHORD"])
        self.assertEqual(read_lines(spoiled), ["READY"], "chords went to the process that wrote the section")


class InProcessHook(ChordHookCase, unittest.TestCase):
    version = "winxp"
    variant = "inprocess"


if __name__ == "__main__":
    unittest.main()
