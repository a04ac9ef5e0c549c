"""The installer, silently, in a fresh desktop: files, registry value, log-on entry and
uninstaller entry, nothing started unless asked for with /Run; an install over the running
program; then a silent uninstall that ends the program and removes what was installed and
nothing else (the user's data, a file of the user's own)."""
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

    def run_setup(self, *switches):
        return subprocess.run([self.desktop.loader, os.environ["VANTREL_SETUP"]] + list(switches), env=self.desktop.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=120)

    def test_silent_install_then_silent_uninstall(self):
        self.desktop = WineDesktop(install_value=False).start()
        self.desktop.stop_after(self)
        program_files = "C:\\Program Files\\Brasmoor\\Vantrel"
        folder = self.desktop.drive_c(program_files)

        setup = self.run_setup("/S")
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

        # Silent means silent: nothing is started without /Run, and no log-off is offered.
        time.sleep(3)
        self.assertEqual(self.vantrel_processes(), {}, "a silent install started the program without /Run")
        data = self.desktop.data_folder()

        # The user starts it; a silent install over the running copy with /Run ends it first
        # through its Shutdown command and starts exactly one new copy, without the offer.
        subprocess.Popen([self.desktop.loader, os.path.join(folder, "Vantrel.exe")], env=self.desktop.env,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        self.assertTrue(self.desktop.wait_for_startup_end(), "the installed program did not start")
        self.assertTrue(os.path.isdir(data))
        first = set(self.vantrel_processes())
        setup = self.run_setup("/S", "/Run")
        self.assertEqual(setup.returncode, 0)
        self.assertTrue(wait_until(lambda: set(self.vantrel_processes()) - first, 30), "no new copy was started")
        self.assertTrue(self.desktop.wait_for_startup_end(), "the new copy did not start")
        running = self.vantrel_processes()
        self.assertEqual(len(running), 1, running)
        self.assertFalse(set(running) & first, "the old copy kept running")
        self.assertNotIn("/reboot", list(running.values())[0])
        self.assertFalse(self.desktop.windows_named("Vantrel", only_visible=True), "a log-off was offered")

        # A file of the user's own in the install folder is not the uninstaller's to remove.
        with open(os.path.join(folder, "other.wav"), "wb") as f:
            f.write(b"RIFF")
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
        self.assertTrue(wait_until(lambda: os.listdir(folder) == ["other.wav"], 10),
                        "the uninstaller left its files or took the user's: %s" % os.listdir(folder))


if __name__ == "__main__":
    unittest.main()
