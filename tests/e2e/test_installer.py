"""The installer, silently, in a fresh desktop: files, registry value, log-on entry and
uninstaller entry, the program started with "/reboot"; then a silent uninstall that ends
the program and removes everything but the user's data."""
import os
import subprocess
import time
import unittest

from desktop import WineDesktop, read_lines, wait_until

INSTALLED = ["Vantrel.exe", "chordhook.dll", "Uninstall.exe", "basic-activation.wav", "echo-launching.wav",
             "balloon-common.wav", "clock-launching.wav"]


@unittest.skipUnless(os.environ.get("VANTREL_SETUP") and os.path.exists(os.environ.get("VANTREL_SETUP", "")),
                     "no installer was built (makensis missing)")
class Installer(unittest.TestCase):

    def vantrel_processes(self):
        """Process ids and command lines of the Vantrel.exe processes of this desktop's
        prefix (Wine shows a program's Windows command line as its process arguments)."""
        found = {}
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    command = f.read().replace(b"\0", b" ").decode("latin-1").strip()
                with open("/proc/%s/environ" % pid, "rb") as f:
                    environment = f.read().split(b"\0")
            except OSError:
                continue
            if "vantrel.exe" in command.lower() and \
                    ("WINEPREFIX=" + self.desktop.prefix).encode() in environment:
                found[int(pid)] = command
        return found

    def reg_query(self, key, value=None):
        args = [self.desktop.loader, "reg", "query", key] + (["/v", value] if value else [])
        result = subprocess.run(args, env=self.desktop.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                stdin=subprocess.DEVNULL, timeout=60)
        return result.returncode, result.stdout.decode("latin-1")

    def test_silent_install_then_silent_uninstall(self):
        self.desktop = WineDesktop(install_value=False).start()
        self.desktop.stop_after(self)
        program_files = "C:\\Program Files\\Brasmoor\\Vantrel"
        folder = self.desktop.drive_c(program_files)

        setup = subprocess.run([self.desktop.loader, os.environ["VANTREL_SETUP"], "/S"], env=self.desktop.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        self.assertEqual(setup.returncode, 0)
        for name in INSTALLED:
            self.assertTrue(os.path.exists(os.path.join(folder, name)), name)
        self.assertEqual(len([n for n in os.listdir(folder) if n.endswith(".wav")]), 12)
        code, out = self.reg_query("HKLM\\SOFTWARE\\Brasmoor\\Vantrel", "path")
        self.assertEqual(code, 0)
        self.assertIn(program_files, out)
        code, out = self.reg_query("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Vantrel")
        self.assertIn("Vantrel.exe", out)
        code, out = self.reg_query("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantrel")
        for value in ("DisplayName", "DisplayVersion", "Publisher", "EstimatedSize", "DisplayIcon",
                      "UninstallString"):
            self.assertIn(value, out)
        self.assertTrue(os.path.exists(self.desktop.drive_c("C:\\users")))

        # Started with "/reboot": on this NT 6 system it offers a relogin first.
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Vantrel", only_visible=True), 30),
                        "the installed program did not start with /reboot")
        self.desktop.key("n")
        time.sleep(0.5)
        self.desktop.key("Return")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 10))
        self.assertTrue(self.desktop.windows_named(), "the program is not running")
        running = self.vantrel_processes()
        self.assertEqual(len(running), 1, running)
        self.assertIn("/reboot", list(running.values())[0])
        data = self.desktop.data_folder()
        self.assertTrue(os.path.isdir(data))

        # Installing over the running copy ends it first through its Shutdown command.
        first = set(self.vantrel_processes())
        setup = subprocess.run([self.desktop.loader, os.environ["VANTREL_SETUP"], "/S"], env=self.desktop.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        self.assertEqual(setup.returncode, 0)
        self.assertTrue(wait_until(lambda: self.desktop.windows_named("Vantrel", only_visible=True), 30))
        now = set(self.vantrel_processes())
        self.assertEqual(len(now), 1, now)
        self.assertFalse(now & first, "the old copy kept running")
        self.desktop.key("n")
        time.sleep(0.5)
        self.desktop.key("Return")
        self.assertTrue(wait_until(lambda: not self.desktop.is_visible(), 10))

        subprocess.run([self.desktop.loader, os.path.join(folder, "Uninstall.exe"), "/S"], env=self.desktop.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)
        self.assertTrue(wait_until(lambda: not os.path.exists(os.path.join(folder, "Vantrel.exe")), 30),
                        "the program files stayed")
        self.assertTrue(wait_until(lambda: not self.vantrel_processes(), 10), "the program still runs")
        self.assertEqual(self.reg_query("HKLM\\SOFTWARE\\Brasmoor\\Vantrel", "path")[0] != 0, True)
        self.assertNotIn("Vantrel", self.reg_query("HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Run")[1])
        self.assertNotEqual(
            self.reg_query("HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantrel")[0], 0)
        self.assertTrue(os.path.isdir(data), "a silent uninstall keeps the user's data")


if __name__ == "__main__":
    unittest.main()
