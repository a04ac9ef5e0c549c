"""The setup program, silently, on one fresh desktop: just for the user and for all users,
an upgrade over the running program and an uninstall while it runs. Each test leaves the
desktop without Vantrel installed. And a check of the script itself: nothing it starts for
the user runs with the setup program's rights."""
import ctypes
import os
import re
import shutil
import struct
import subprocess
import time
import unittest

import records
from desktop import WineDesktop, wait_until

SCRIPT = os.path.join(os.path.dirname(__file__), "..", "..", "installer", "vantrel.nsi")
SETUP = os.environ.get("VANTREL_SETUP", "")
PROGRAM_FILES = ["Vantrel.exe", "chordhook.dll", "Uninstall.exe"]
SOUNDS = ["%s-%s.wav" % (theme, kind) for theme in ("basic", "echo", "pinball")
          for kind in ("activation", "changing", "launching")] + \
    ["balloon-common.wav", "clock-common.wav", "clock-launching.wav"]
INSTALL_KEY = "SOFTWARE\\Brasmoor\\Vantrel"
UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vantrel"
RUN_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Run"
EXIT_OTHER_MODE = 3
EXIT_FOLDER_REFUSED = 5
UNINSTALL_CAPTION = "Vantrel Uninstall"
REMOVE_DATA_BOX = "Also remove my panels and settings"
# What Vantrel writes in its data folder, and a file of the user's own beside it.
VANTREL_DATA = ["Launcher.lst", "Launcher.opt", "Launcher.con", "Vantrel.ini", "Shortcuts/a.lnk", "Text/1.txt"]


class FileOpens:
    """The names of files opened (or with IN_CREATE, made) in a folder from now on (inotify)."""
    IN_OPEN = 0x20
    IN_CREATE = 0x100

    def __init__(self, folder, events=IN_OPEN):
        self.libc = ctypes.CDLL(None, use_errno=True)
        self.fd = self.libc.inotify_init1(os.O_NONBLOCK)
        self.libc.inotify_add_watch(self.fd, folder.encode(), events)
        self.seen = set()

    def names(self):
        try:
            data = os.read(self.fd, 65536)
        except BlockingIOError:
            return self.seen
        offset = 0
        while offset < len(data):
            _, _, _, length = struct.unpack_from("iIII", data, offset)
            self.seen.add(data[offset + 16:offset + 16 + length].rstrip(b"\0").decode())
            offset += 16 + length
        return self.seen

    def close(self):
        os.close(self.fd)


@unittest.skipUnless(SETUP and os.path.exists(SETUP), "no setup program was built (makensis missing)")
class Setup(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.desktop = WineDesktop(install_value=False).start()

    @classmethod
    def tearDownClass(cls):
        cls.desktop.stop()

    def setUp(self):
        local = os.path.dirname(os.path.dirname(self.desktop.data_folder()))
        self.just_for_me = os.path.join(local, "Programs", "Vantrel")
        # The 32-bit setup program installs for everyone under the 32-bit Program Files.
        program_files = "Program Files (x86)" if self.desktop.runs_32_bit_on_64_bit() else "Program Files"
        self.all_users = self.desktop.drive_c("C:\\%s\\Brasmoor\\Vantrel" % program_files)
        self.addCleanup(self.uninstall_everything)

    def uninstall_everything(self):
        for folder in (self.just_for_me, self.all_users):
            if os.path.exists(os.path.join(folder, "Uninstall.exe")):
                self.uninstall(folder)
        for pid in self.vantrel_processes():
            os.kill(pid, 9)
        for folder in (self.just_for_me, self.all_users, self.desktop.data_folder()):
            shutil.rmtree(folder, ignore_errors=True)
        self.desktop.seed_data({"Launcher.lst": records.panel_set([])})  # no first-run guide

    # --- helpers -------------------------------------------------------------------------
    def start_and_wait(self, program, *switches, env=None):
        return subprocess.run([self.desktop.loader, program] + list(switches), env=env or self.desktop.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                              timeout=180).returncode

    def uninstall(self, folder, env=None):
        """Runs the uninstaller silently; it goes on in a copy of itself, so wait for its end."""
        code = self.start_and_wait(os.path.join(folder, "Uninstall.exe"), "/S", env=env)
        self.assertEqual(code, 0, "left in the folder: %s" % (os.listdir(folder) if os.path.isdir(folder) else None))
        self.assertTrue(wait_until(lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")), 60),
                        "the uninstaller did not finish")

    def click(self, caption, text, timeout=60):
        """Clicks a button of a shown setup window once it is there."""
        self.assertTrue(wait_until(lambda: self.desktop.run_program("session_tool.exe", "click", caption,
                                                                    text).returncode == 0, timeout),
                        "no button %r in a window %r" % (text, caption))

    def uninstall_removing_data(self, folder, *switches, env=None, expect_notice=False):
        """The uninstaller's wizard with the box ticked, as a user goes through it."""
        wizard = subprocess.Popen([self.desktop.loader, os.path.join(folder, "Uninstall.exe")] + list(switches),
                                  env=env or self.desktop.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(wizard.kill)
        self.click(UNINSTALL_CAPTION, REMOVE_DATA_BOX)
        self.click(UNINSTALL_CAPTION, "&Uninstall")
        if expect_notice:
            self.click(UNINSTALL_CAPTION, "OK")
        self.click(UNINSTALL_CAPTION, "&Close")
        self.assertTrue(wait_until(lambda: not os.path.exists(os.path.join(folder, "Uninstall.exe")), 60),
                        "the uninstaller did not finish")
        self.assertTrue(wait_until(lambda: self.desktop.run_program("session_tool.exe", "click", UNINSTALL_CAPTION,
                                                                    "&Close").returncode == 101, 60),
                        "the uninstaller's window stayed")

    @staticmethod
    def write_files(folder, names):
        for name in names:
            path = os.path.join(folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(b"kept")

    @staticmethod
    def files_under(folder):
        return sorted(os.path.relpath(os.path.join(root, name), folder)
                      for root, _, names in os.walk(folder) for name in names)

    def windows_path(self, path):
        return "C:\\" + os.path.relpath(path, self.desktop.drive_c("C:\\")).replace("/", "\\")

    def setup(self, *switches, env=None):
        return self.start_and_wait(SETUP, *switches, env=env)

    def setup_into(self, folder, *switches, env=None):
        """The setup program with /D= last and unquoted, as a user types it (the command
        interpreter passes the line on as it stands)."""
        line = "Z:%s %s /D=%s" % (os.path.abspath(SETUP).replace("/", "\\"), " ".join(switches), folder)
        return self.start_and_wait("cmd", "/c", line, env=env)

    def vantrel_processes(self):
        """Linux process ids of this desktop's running Vantrel.exe."""
        found = []
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    command = f.read().lower()
                with open("/proc/%s/environ" % pid, "rb") as f:
                    environment = f.read().split(b"\0")
            except OSError:
                continue
            if b"vantrel.exe" in command and ("WINEPREFIX=" + self.desktop.prefix).encode() in environment:
                found.append(int(pid))
        return found

    def parent_program(self):
        result = self.desktop.run_program("session_tool.exe", "parent", "Vantrel.exe")
        return result.stdout.decode("latin-1").strip().lower()

    def reg(self, key, value):
        """The registry value's data, or None."""
        result = subprocess.run([self.desktop.loader, "reg", "query", key, "/v", value], env=self.desktop.env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
                                timeout=60)
        if result.returncode != 0:
            return None
        for line in result.stdout.decode("latin-1").splitlines():
            parts = line.strip().split(None, 2)
            if len(parts) == 3 and parts[0].lower() == value.lower():
                return parts[2]
        return None

    def assert_installed(self, folder, hive, other_hive, start_menu):
        for name in PROGRAM_FILES + SOUNDS:
            self.assertTrue(os.path.exists(os.path.join(folder, name)), name)
        self.assertEqual(self.reg(hive + "\\" + INSTALL_KEY, "path"), self.windows_path(folder))
        self.assertIn(self.windows_path(folder) + "\\Vantrel.exe", self.reg(hive + "\\" + RUN_KEY, "Vantrel") or "")
        for value in ("DisplayName", "DisplayVersion", "Publisher", "EstimatedSize", "DisplayIcon",
                      "UninstallString", "QuietUninstallString"):
            self.assertIsNotNone(self.reg(hive + "\\" + UNINSTALL_KEY, value), value)
        for key, value in ((INSTALL_KEY, "path"), (RUN_KEY, "Vantrel"), (UNINSTALL_KEY, "DisplayName")):
            self.assertIsNone(self.reg(other_hive + "\\" + key, value), "%s\\%s %s" % (other_hive, key, value))
        self.assertTrue(os.path.exists(os.path.join(start_menu, "Vantrel", "Vantrel.lnk")), start_menu)

    def start_menu(self, profile):
        found = [os.path.join(root, "Programs") for root, dirs, _ in os.walk(profile)
                 if root.endswith("Start Menu") and "Programs" in dirs]
        return found[0]

    def wait_for_one_copy(self, old=()):
        self.assertTrue(wait_until(lambda: len(self.vantrel_processes()) == 1 and
                                   not set(self.vantrel_processes()) & set(old), 30),
                        "not exactly one new copy runs: %s (old %s)" % (self.vantrel_processes(), old))
        self.assertTrue(self.desktop.wait_for_startup_end(), "the program did not finish starting")
        return self.vantrel_processes()[0]

    # --- the tests -----------------------------------------------------------------------
    def test_just_for_me_silently_then_started_as_the_desktops_user_with_its_sounds(self):
        # A silent install into a folder it cannot write (a folder in the way of a file)
        # says so in its exit code and records nothing.
        blocked = self.desktop.drive_c("C:\\Blocked")
        os.makedirs(os.path.join(blocked, "chordhook.dll"))
        self.addCleanup(shutil.rmtree, blocked)
        self.assertNotIn(self.setup("/S", "/D=C:\\Blocked"), (0, EXIT_OTHER_MODE))
        self.assertIsNone(self.reg("HKCU\\" + INSTALL_KEY, "path"))

        self.assertEqual(self.setup("/S"), 0)
        self.assert_installed(self.just_for_me, "HKCU", "HKLM",
                              self.start_menu(os.path.dirname(os.path.dirname(os.path.dirname(self.desktop.data_folder())))))
        time.sleep(3)
        self.assertEqual(self.vantrel_processes(), [], "a silent install started the program without /Run")

        # With /Run it starts through the desktop's shell (an Explorer window stands for the
        # shell of a Windows session), without the log-off offer, and plays its sounds from
        # the install folder wherever it was started from.
        self.desktop.seed_data({"Launcher.opt": records.options(use_sound=1)})
        shell = subprocess.Popen([self.desktop.loader, "explorer.exe", "C:\\"], env=self.desktop.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(shell.kill)
        time.sleep(3)
        opens = FileOpens(self.just_for_me)
        self.addCleanup(opens.close)
        self.assertEqual(self.setup("/S", "/Run"), 0)
        self.wait_for_one_copy()
        self.assertEqual(self.parent_program(), "explorer.exe")
        self.assertFalse(self.desktop.windows_named("Vantrel", only_visible=True), "a log-off was offered")
        self.desktop.chord(300, 300)
        self.assertTrue(wait_until(self.desktop.is_visible, 5), "no window after the chord")
        self.assertTrue(wait_until(lambda: any(n.endswith("-activation.wav") for n in opens.names()), 5),
                        "no activation sound was opened from the install folder: %s" % opens.names())

    def test_for_all_users_silently_from_a_standard_users_setup(self):
        # The setup program asks for administrator rights through a second copy of itself. That
        # copy unpacks its plug-ins and the starter (used here for /Run) in a new folder under
        # Program Files, never in the user's temporary folder, and the folder goes at its end.
        standard_user = dict(self.desktop.env, VANTREL_SETUP_STANDARD_USER="1")
        program_files = os.path.dirname(os.path.dirname(self.all_users))
        made = FileOpens(program_files, FileOpens.IN_CREATE)
        self.addCleanup(made.close)
        self.assertEqual(self.setup("/S", "/AllUsers", "/Run", env=standard_user), 0)
        worked_in = [name for name in made.names() if name.lower().startswith("ns")]
        self.assertEqual(len(worked_in), 1, "the elevated copy's working folders: %s" % made.names())
        self.assertFalse(os.path.exists(os.path.join(program_files, worked_in[0])), "its working folder stayed")
        self.wait_for_one_copy()
        self.assert_installed(self.all_users, "HKLM", "HKCU", self.start_menu(self.desktop.drive_c("C:\\ProgramData")))
        self.assertIn("/AllUsers", self.reg("HKLM\\" + UNINSTALL_KEY, "UninstallString"))

        # One copy per machine: a just-for-me install over it says so and stops.
        self.assertEqual(self.setup("/S"), EXIT_OTHER_MODE)
        self.assertFalse(os.path.exists(os.path.join(self.just_for_me, "Vantrel.exe")))

        self.uninstall(self.all_users, env=standard_user)
        self.assertTrue(wait_until(lambda: not os.path.exists(self.all_users), 30), "the install folder stayed")
        self.assertIsNone(self.reg("HKLM\\" + INSTALL_KEY, "path"))
        self.assertIsNone(self.reg("HKLM\\" + UNINSTALL_KEY, "DisplayName"))

        # All users means a folder under Program Files: any other is refused before anything
        # is written, also one that names Program Files only on its way out of it.
        for refused in ("C:\\Tools\\Vantrel", "C:\\Program Files\\..\\Tools\\Vantrel"):
            for env in (standard_user, None):
                self.assertEqual(self.setup_into(refused, "/S", "/AllUsers", env=env), EXIT_FOLDER_REFUSED, refused)
                self.assertFalse(os.path.exists(self.desktop.drive_c("C:\\Tools")), refused)
                self.assertIsNone(self.reg("HKLM\\" + INSTALL_KEY, "path"), refused)
                self.assertIsNone(self.reg("HKLM\\" + RUN_KEY, "Vantrel"), refused)

        # A folder given with /D= stays the folder across the hand-over to the second copy.
        chosen = self.desktop.drive_c("C:\\Program Files\\Tools\\Vantrel")
        self.addCleanup(shutil.rmtree, os.path.dirname(chosen), True)
        self.assertEqual(self.setup_into("C:\\Program Files\\Tools\\Vantrel", "/S", "/AllUsers", env=standard_user), 0)
        self.assertEqual(self.reg("HKLM\\" + INSTALL_KEY, "path"), "C:\\Program Files\\Tools\\Vantrel")
        self.assertTrue(os.path.exists(os.path.join(chosen, "Vantrel.exe")), "not installed in the chosen folder")
        self.uninstall(chosen, env=standard_user)

    def test_an_upgrade_over_the_running_program_replaces_it_and_starts_it_again(self):
        data = {"Launcher.opt": records.options(window_x=123), "Launcher.lst": records.panel_set(["C:\\"])}
        self.desktop.seed_data(data)
        self.assertEqual(self.setup("/S", "/Run"), 0)
        old = self.wait_for_one_copy()
        sound = os.path.join(self.just_for_me, "basic-changing.wav")
        with open(sound, "ab") as f:
            f.write(b"an older version")
        shipped = os.path.getsize(sound) - len(b"an older version")

        self.assertEqual(self.setup("/S"), 0, "Vantrel processes after the upgrade: %s (the old one %d)" %
                         (self.vantrel_processes(), old))
        self.wait_for_one_copy(old=[old])
        self.assertEqual(os.path.getsize(sound), shipped, "the files were not replaced")
        for name, content in data.items():
            self.assertEqual(self.desktop.read_data(name), content, name)

    def test_an_uninstall_while_running_ends_it_and_removes_only_what_was_installed(self):
        self.assertEqual(self.setup("/S", "/Run"), 0)
        self.wait_for_one_copy()
        with open(os.path.join(self.just_for_me, "other.wav"), "wb") as f:
            f.write(b"RIFF")
        self.uninstall(self.just_for_me)
        self.assertTrue(wait_until(lambda: os.listdir(self.just_for_me) == ["other.wav"], 30),
                        "the uninstaller left its files or took the user's: %s (Vantrel processes: %s)" %
                        (os.listdir(self.just_for_me), self.vantrel_processes()))
        self.assertEqual(self.vantrel_processes(), [])
        self.assertTrue(os.path.isdir(self.desktop.data_folder()), "a silent uninstall keeps the user's data")
        for key, value in ((INSTALL_KEY, "path"), (RUN_KEY, "Vantrel"), (UNINSTALL_KEY, "DisplayName")):
            self.assertIsNone(self.reg("HKCU\\" + key, value), key)


    def test_removing_the_data_removes_what_vantrel_wrote_and_never_follows_a_link(self):
        data = self.desktop.data_folder()
        elsewhere = self.desktop.drive_c("C:\\Elsewhere")
        self.addCleanup(shutil.rmtree, elsewhere, True)
        own = "My notes.txt"
        cases = [
            # A data folder that is a link to a folder of other files: the link goes, the files stay.
            ("the data folder is a link", True, VANTREL_DATA + [own], [], False),
            # Vantrel's files go; the user's own file stays, with the folder, and the user is told.
            ("a file of the user's own", False, VANTREL_DATA + [own], [own], True),
            ("only Vantrel's files", False, VANTREL_DATA, None, False),
        ]
        for why, linked, written, left, notice in cases:
            with self.subTest(why):
                self.assertEqual(self.setup("/S"), 0)
                if os.path.islink(data):
                    os.unlink(data)
                shutil.rmtree(data, ignore_errors=True)
                shutil.rmtree(elsewhere, ignore_errors=True)
                if linked:
                    self.write_files(elsewhere, written)
                    os.symlink(elsewhere, data)
                else:
                    self.write_files(data, written)
                self.uninstall_removing_data(self.just_for_me, expect_notice=notice)
                if linked:
                    # (Wine removes a Unix symbolic link to a folder neither as a folder nor as a
                    # file, so the link may stay here; Windows removes a junction as a folder.)
                    self.assertTrue(not os.path.lexists(data) or os.path.islink(data), "the link became a folder")
                    self.assertEqual(self.files_under(elsewhere), sorted(written), "files behind the link went")
                elif left is None:
                    self.assertFalse(os.path.exists(data), "the emptied data folder stayed")
                else:
                    self.assertEqual(self.files_under(data), left)

    def test_an_all_users_uninstall_removes_no_folder_named_on_its_command_line(self):
        standard_user = dict(self.desktop.env, VANTREL_SETUP_STANDARD_USER="1")
        self.assertEqual(self.setup("/S", "/AllUsers", env=standard_user), 0)
        data = self.desktop.data_folder()
        other = self.desktop.drive_c("C:\\Other\\Brasmoor\\Vantrel")
        self.addCleanup(shutil.rmtree, self.desktop.drive_c("C:\\Other"), True)
        self.write_files(other, VANTREL_DATA)
        self.write_files(data, VANTREL_DATA)
        self.uninstall_removing_data(self.all_users, "/AllUsers", "/UserData=C:\\Other\\Brasmoor\\Vantrel",
                                     env=standard_user)
        self.assertFalse(os.path.exists(self.all_users), "the program stayed")
        self.assertEqual(self.files_under(other), sorted(VANTREL_DATA), "a folder from the command line was touched")
        self.assertFalse(os.path.exists(data), "the user's own data stayed")


class Script(unittest.TestCase):

    def test_nothing_is_started_with_the_setup_programs_rights(self):
        """Every start goes through the starter: "user" for what the user gets, "elevated"
        only for the setup program's own second copy."""
        with open(SCRIPT) as f:
            lines = [line.split(";")[0].strip() for line in f]
        starts = [line for line in lines if re.match(r"(Exec|ExecWait|ExecShell|ExecShellWait|nsExec::)", line)]
        self.assertTrue(starts)
        for line in starts:
            self.assertTrue(re.match(r'ExecWait \'"\$PLUGINSDIR\\starter\.exe" user ', line) or
                            re.match(r'ExecWait \'"\$PLUGINSDIR\\starter\.exe" elevated "\$EXEPATH" ', line), line)
        for line in lines:
            self.assertNotRegex(line, r"(?i)System::Call.*(CreateProcess|ShellExecute|WinExec)", line)
            self.assertNotRegex(line, r"(?i)RequestExecutionLevel (admin|highest)", line)
        self.assertIn("!define MULTIUSER_EXECUTIONLEVEL Standard", lines)
        # Without these the finish page would start Vantrel and the guide itself, elevated.
        for own_start in ("MUI_FINISHPAGE_RUN_FUNCTION", "MUI_FINISHPAGE_SHOWREADME_FUNCTION"):
            self.assertTrue(any(line.startswith("!define %s " % own_start) for line in lines), own_start)


if __name__ == "__main__":
    unittest.main()
