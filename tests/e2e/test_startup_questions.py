"""What the real program asks at the end of start-up: the relogin offer after an
installation on NT 6 and later, the first-run guide otherwise when there is no panel file."""
import time
import unittest

from desktop import WineDesktop, wait_until

GUIDE = "Vantrel - First time running"


class StartupQuestions(unittest.TestCase):

    def start(self, version, first_run, *args):
        self.desktop = WineDesktop(version=version, first_run=first_run).start()
        self.desktop.stop_after(self)
        self.launcher = self.desktop.start_program("Vantrel.exe", *args)
        self.assertTrue(wait_until(self.desktop.is_visible, 30))

    def test_reboot_on_xp_gives_no_offer_but_the_guide_when_there_are_no_panels(self):
        self.start("winxp", True, "/reboot")
        self.assertTrue(wait_until(lambda: self.desktop.windows_named(GUIDE, only_visible=True), 10), "no guide")
        self.assertEqual(self.desktop.windows_named("Vantrel", only_visible=True), [])
        self.assertTrue(self.desktop.is_visible(), "start-up waits for the guide")
        self.desktop.key("Escape")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "start-up did not end")

    def test_reboot_on_nt6_offers_relogin_only_and_no_gives_one_more_box(self):
        self.start(None, True, "/reboot")
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Vantrel", only_visible=True), 10),
                        "no relogin offer")
        self.assertEqual(self.desktop.windows_named(GUIDE), [])
        self.desktop.key("n")
        time.sleep(0.5)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Vantrel", only_visible=True), 5))
        self.desktop.key("Return")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 5), "start-up did not end")
        time.sleep(0.5)
        self.assertEqual(self.desktop.windows_named("Vantrel", only_visible=True), [])
        self.assertEqual(self.desktop.windows_named(GUIDE), [], "the guide came in the same run")
        self.assertIsNone(self.launcher.poll())


if __name__ == "__main__":
    unittest.main()
