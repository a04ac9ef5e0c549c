"""A private Windows desktop for end-to-end tests: a copy of the test template's Wine prefix
with a virtual desktop on an Xvfb display of its own, the built programs in an install
folder named in the registry, and xdotool to drive a real mouse and keyboard."""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

CAPTION = "Vantrel - Brasmoor"
# Where the taskbar's notification area lies on the 1280 x 1024 desktop: x, y, width, height.
NOTIFICATION_AREA = (1140, 1000, 140, 24)


def _setting(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError("%s is not set; run the end-to-end tests through ctest" % name)
    return value


def windows_path(path):
    """The Wine drive Z: path of a Linux path."""
    return "Z:" + path.replace("/", "\\")


def _reg_string(text):
    return '"%s"' % text.replace("\\", "\\\\").replace('"', '\\"')


class WineDesktop:
    """One desktop; start() it, stop() it. version "winxp" makes Windows report NT 5.1,
    which gives the in-process hook; None leaves Wine's default NT 6.1 (the low-level one)."""

    def __init__(self, version=None, log_pixels=None, install_value=True, system_registry=(), user_registry=(),
                 first_run=False):
        """system_registry, user_registry: further lines for the prefix's system.reg and
        user.reg, in Wine's registry file format."""
        self.first_run = first_run
        self.system_registry = list(system_registry)
        self.user_registry = list(user_registry)
        self.version = version
        self.log_pixels = log_pixels
        self.install_value = install_value
        self.bin = _setting("VANTREL_BIN")
        self.env_dir = _setting("VANTREL_WINE_ENV_DIR")
        self.loader = _setting("VANTREL_WINE_LOADER")
        self.artifacts = os.environ.get("VANTREL_ARTIFACTS", tempfile.gettempdir())
        self.processes = []
        self.xvfb = None
        self.root = None

    # --- lifecycle -------------------------------------------------------------------
    def start(self):
        subprocess.run([_setting("VANTREL_WINE_ENV"), "template", self.env_dir, self.loader], check=True,
                       stdout=subprocess.DEVNULL)
        self.root = tempfile.mkdtemp(prefix="e2e.", dir=self.env_dir)
        self.prefix = os.path.join(self.root, "prefix")
        template = os.path.join(self.env_dir, "template")
        subprocess.run(["cp", "-al", template, self.prefix], check=True)
        for reg in glob.glob(os.path.join(template, "*.reg")):
            target = os.path.join(self.prefix, os.path.basename(reg))
            os.unlink(target)
            shutil.copy(reg, target)
        self.install_folder = os.path.join(self.root, "install")
        os.makedirs(self.install_folder)
        for name in os.listdir(self.bin):
            if name.endswith((".exe", ".dll", ".wav")):
                shutil.copy(os.path.join(self.bin, name), self.install_folder)
        self._write_registry()
        self._start_xvfb()
        self.env = dict(os.environ, WINEPREFIX=self.prefix, DISPLAY=":%s" % self.display, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d", WINELOADER=self.loader)
        if not self.first_run:
            # An empty panel file: not a first run, so start-up shows no guide.
            self.seed_data({"Launcher.lst": bytes(8224)})
        # Boot the prefix and its desktop before the programs under test start.
        subprocess.run([self.loader, "wineboot"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL, timeout=120)
        return self

    def stop_after(self, test):
        """Stops this desktop when the test ends; when the test failed, first says what the
        desktop held: its windows, the probes' logs, the programs' output, the data files."""
        def cleanup():
            if _failed(test):
                sys.stderr.write(self.describe())
            self.stop()
        test.addCleanup(cleanup)

    def describe(self):
        if self.root is None:
            return ""
        lines = ["--- what the desktop held when the test failed"]
        ids = self.xdotool("search", "--name", ".").split()
        lines.append("windows (%d):" % len(ids))
        for window in ids[:40]:
            visible = "shown" if window in self.xdotool("search", "--onlyvisible", "--name", ".").split() else "hidden"
            lines.append("  %s %s %r" % (window, visible, self.xdotool("getwindowname", window)))
        patterns = [(os.path.join(self.prefix, "drive_c", "**", "*.log"), "probe log"),
                    (os.path.join(self.prefix, "drive_c", "**", "*.created"), "probe start times"),
                    (os.path.join(self.prefix, "drive_c", "**", "*.startup"), "probe start-up information"),
                    (os.path.join(self.root, "*.out"), "program output")]
        for pattern, kind in patterns:
            for path in sorted(glob.glob(pattern, recursive=True)):
                if os.sep + "windows" + os.sep in path:
                    continue
                with open(path, "rb") as f:
                    text = f.read()[-2000:].decode("latin-1")
                lines.append("%s %s:" % (kind, path))
                lines += ["  " + line for line in text.splitlines()]
        try:
            folder = self.data_folder()
            lines.append("data folder %s:" % folder)
            for base, _, names in os.walk(folder):
                for name in sorted(names):
                    path = os.path.join(base, name)
                    lines.append("  %s %d bytes" % (os.path.relpath(path, folder), os.path.getsize(path)))
        except (IndexError, OSError) as error:
            lines.append("data folder: %s" % error)
        return "\n".join(lines) + "\n"

    def stop(self):
        if self.root is None:
            return
        subprocess.run(["/usr/lib/wine/wineserver64" if os.path.exists("/usr/lib/wine/wineserver64")
                        else "/usr/lib/wine/wineserver32", "-k"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        for process in self.processes:
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
        shutil.rmtree(self.root, ignore_errors=True)
        self.root = None

    def _write_registry(self):
        user = ["[Software\\\\Wine\\\\Explorer] 0", '"Desktop"="Default"', "",
                "[Software\\\\Wine\\\\Explorer\\\\Desktops] 0", '"Default"="1280x1024"', ""]
        if self.version:
            user += ["[Software\\\\Wine] 0", '"Version"=%s' % _reg_string(self.version), ""]
        if self.log_pixels:
            user += ["[Control Panel\\\\Desktop] 0", '"LogPixels"=dword:%08x' % self.log_pixels, ""]
        user += self.user_registry
        with open(os.path.join(self.prefix, "user.reg"), "a") as f:
            f.write("\n" + "\n".join(user) + "\n")
        system = list(self.system_registry)
        if self.install_value:
            system += ["[Software\\\\Brasmoor\\\\Vantrel] 0",
                       '"path"=%s' % _reg_string(windows_path(self.install_folder)), ""]
        with open(os.path.join(self.prefix, "system.reg"), "a") as f:
            f.write("\n" + "\n".join(system) + "\n")

    def _start_xvfb(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"], pass_fds=(write_end,), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as f:
            self.display = f.readline().strip()

    # --- programs --------------------------------------------------------------------
    def data_folder(self):
        found = glob.glob(os.path.join(self.prefix, "drive_c", "users", "*", "AppData", "Local"))
        return os.path.join(found[0], "Brasmoor", "Vantrel")

    def seed_data(self, files):
        """Writes data files (name -> bytes) into the per-user data folder before start."""
        folder = self.data_folder()
        os.makedirs(folder, exist_ok=True)
        for name, data in files.items():
            with open(os.path.join(folder, name), "wb") as f:
                f.write(data)

    def read_data(self, name):
        with open(os.path.join(self.data_folder(), name), "rb") as f:
            return f.read()

    def make_folders(self, names):
        """Folders on the prefix's drive C:, for panels to show; returns their Windows paths."""
        paths = []
        for name in names:
            os.makedirs(os.path.join(self.prefix, "drive_c", "Items", name), exist_ok=True)
            paths.append("C:\\Items\\" + name)
        return paths

    def install_probe(self, folder, name):
        """A copy of the launch probe at C:\\folder\\name on the prefix's drive; returns its
        Windows path. Its log is the same path ending in .log."""
        target = os.path.join(self.prefix, "drive_c", *folder.split("\\"))
        os.makedirs(target, exist_ok=True)
        shutil.copy(os.path.join(self.bin, "launch_probe.exe"), os.path.join(target, name))
        return "C:\\" + folder + "\\" + name

    def runs_32_bit_on_64_bit(self):
        """Whether the programs run as 32-bit ones on a 64-bit system (its desktop and shell
        are 64-bit programs)."""
        return not self.loader.endswith("64") and os.path.isdir(self.drive_c("C:\\windows\\syswow64"))

    def drive_c(self, windows_path):
        """The Linux path of a C: path of the prefix."""
        return os.path.join(self.prefix, "drive_c", *windows_path[3:].split("\\"))

    def probe_starts(self, windows_path):
        """The start lines a probe logged: lists of its arguments and, last, its folder."""
        log = self.drive_c(windows_path.rsplit(".", 1)[0] + ".log")
        return [line.split("|") for line in read_lines(log)]

    def probe_creation_times(self, windows_path):
        """When each start of a probe was created, in 100 ns units: the order of launches."""
        return [int(line) for line in read_lines(self.drive_c(windows_path.rsplit(".", 1)[0] + ".created"))]

    def probe_startup_info(self, windows_path):
        """The start-up information each start of a probe was given: flags, show, title."""
        log = self.drive_c(windows_path.rsplit(".", 1)[0] + ".startup")
        return [dict(field.split("=", 1) for field in line.split("|")) for line in read_lines(log)]

    def report(self):
        """The launcher window as the session tool sees it: place, client origin, visibility,
        and each control's text and enabled state by id."""
        # A loaded machine can fail to start a helper now and then: ask again for a while.
        deadline = time.monotonic() + 15
        while True:
            result = self.run_program("session_tool.exe", "report")
            out = result.stdout.decode("latin-1").replace("\r", "")
            report = {"text": {}, "enabled": {}}
            for line in out.splitlines():
                key, _, rest = line.partition(" ")
                if key in ("text", "enabled"):
                    control, _, value = rest.partition(" ")
                    report[key][int(control)] = value if key == "text" else value.strip() == "1"
                elif key:
                    report[key] = [int(v) for v in rest.split()]
            if "client" in report:
                return report
            if time.monotonic() >= deadline:
                raise AssertionError("no report of the launcher window (exit code %d): %r" % (result.returncode, out))
            time.sleep(0.2)

    def start_program(self, name, *args):
        with open(os.path.join(self.root, "%s.%d.out" % (name, len(self.processes))), "w") as log:
            process = subprocess.Popen([self.loader, os.path.join(self.install_folder, name)] + list(args),
                                       env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                       stdin=subprocess.DEVNULL, cwd=self.install_folder)
        self.processes.append(process)
        return process

    def linux_process(self, name="Vantrel.exe"):
        """The Linux process id of this desktop's running program of that name, or None."""
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as f:
                    command = f.read().decode("latin-1").lower()
                with open("/proc/%s/environ" % pid, "rb") as f:
                    environment = f.read().split(b"\0")
            except OSError:
                continue
            if name.lower() in command and ("WINEPREFIX=" + self.prefix).encode() in environment:
                return int(pid)
        return None

    def processes_output(self, process):
        """The file a program started with start_program writes its output to."""
        index = self.processes.index(process)
        return glob.glob(os.path.join(self.root, "*.%d.out" % index))[0]

    def start_from_shortcut(self, name, shortcut):
        """Starts an installed program as the shell does from a shortcut (its start-up title
        is the shortcut's path); returns once it is started."""
        # The started program keeps the starter's output open: it goes to a file, not a pipe.
        with open(os.path.join(self.root, "%s.%d.out" % (name, len(self.processes))), "w") as log:
            code = subprocess.run([self.loader, os.path.join(self.install_folder, "session_tool.exe"),
                                   "start-from-shortcut", windows_path(os.path.join(self.install_folder, name)),
                                   shortcut], env=self.env, stdout=log, stderr=subprocess.STDOUT,
                                  stdin=subprocess.DEVNULL, cwd=self.install_folder, timeout=30).returncode
        if code != 0:
            raise AssertionError("could not start %s from a shortcut: exit code %d" % (name, code))

    def run_program(self, name, *args, timeout=30):
        return subprocess.run([self.loader, os.path.join(self.install_folder, name)] + list(args), env=self.env,
                              stdout=subprocess.PIPE, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                              cwd=self.install_folder, timeout=timeout)

    def log_path(self, name):
        """A log file for a probe: its Linux path and the Windows path to hand the probe."""
        path = os.path.join(self.root, name)
        return path, windows_path(path)

    # --- X observation -----------------------------------------------------------------
    def xdotool(self, *args):
        result = subprocess.run(["xdotool"] + [str(a) for a in args], env=self.env, stdout=subprocess.PIPE,
                                stderr=subprocess.DEVNULL, text=True)
        return result.stdout.strip()

    def windows_named(self, name=CAPTION, only_visible=False):
        args = ["search"] + (["--onlyvisible"] if only_visible else []) + ["--name", "^%s$" % name]
        out = self.xdotool(*args)
        return [int(w) for w in out.split()] if out else []

    def is_visible(self, name=CAPTION):
        return bool(self.windows_named(name, only_visible=True))

    def geometry(self, window):
        out = subprocess.run(["xwininfo", "-id", str(window)], env=self.env, stdout=subprocess.PIPE,
                             text=True).stdout
        values = {}
        for line in out.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key] = value.strip()
        return (int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"]),
                int(values["Width"]), int(values["Height"]))

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        values = dict(line.split("=") for line in out.splitlines())
        return int(values["X"]), int(values["Y"])

    def wait_for_startup_end(self, timeout=30):
        """True once the launcher's window exists and start-up has hidden it: the window is
        shown for about three seconds after it appears (polling under load can miss that)."""
        if not wait_until(lambda: self.windows_named(), timeout):
            return False
        appeared = time.monotonic()
        wait_until(self.is_visible, 5)
        return bool(wait_until(lambda: time.monotonic() - appeared > 3.2 and not self.is_visible(), 20))

    def screenshot(self, name):
        os.makedirs(self.artifacts, exist_ok=True)
        path = os.path.join(self.artifacts, name)
        subprocess.run(["import", "-display", ":%s" % self.display, "-window", "root", path], check=True)
        return path

    def window_screenshot(self, name, window):
        """A picture of one window as it stands on the screen, for the documentation."""
        x, y, width, height = self.geometry(window)
        path = self.screenshot(name)
        subprocess.run(["convert", path, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage", path], check=True)
        return path

    def shows_icon_in_notification_area(self, picture, icon_file, size=16):
        """Whether the notification area of a screenshot shows the size x size image of an
        .ico file: nearly all of the image's opaque pixels in their colours, side by side as
        in the image, somewhere in the area."""
        frames = subprocess.run(["identify", "-format", "%w\\n", icon_file], stdout=subprocess.PIPE, text=True,
                                check=True).stdout.split()
        icon = _pixels(["%s[%d]" % (icon_file, frames.index(str(size)))])
        opaque = {place: colour[:3] for place, colour in icon.items() if colour[3] == 255}
        x, y, width, height = NOTIFICATION_AREA
        area = _pixels([picture, "-crop", "%dx%d+%d+%d" % (width, height, x, y), "+repage"])
        best = 0
        for top in range(height - size + 1):
            for left in range(width - size + 1):
                best = max(best, sum(1 for (dx, dy), colour in opaque.items()
                                     if _alike(colour, area[(left + dx, top + dy)])))
        return bool(opaque) and best >= 0.9 * len(opaque)

    def tray_icon_center(self):
        """Where the notification area shows an icon: the middle of the rightmost block of
        pixels in the taskbar's last 140 columns that differ from the taskbar itself; None
        when the area is empty."""
        left, top, width, height = NOTIFICATION_AREA
        out = subprocess.run(["import", "-display", ":%s" % self.display, "-window", "root", "-crop",
                              "%dx%d+%d+%d" % (width, height, left, top), "+repage", "txt:-"],
                             stdout=subprocess.PIPE, text=True).stdout
        points = []
        background = None
        for line in out.splitlines()[1:]:
            position, _, rest = line.partition(":")
            x, y = (int(v) for v in position.split(","))
            colour = rest.split()[1] if len(rest.split()) > 1 else rest
            if background is None:
                background = colour
            if colour != background:
                points.append((x, y))
        if not points:
            return None
        right = max(x for x, _ in points)
        block = [(x, y) for x, y in points if x > right - 20]
        xs = [x for x, _ in block]
        ys = [y for _, y in block]
        return left + (min(xs) + max(xs)) // 2, top + (min(ys) + max(ys)) // 2

    # --- input -----------------------------------------------------------------------
    def move(self, x, y):
        self.xdotool("mousemove", x, y)
        time.sleep(0.15)

    def buttons(self, *steps):
        """Steps like "down 3", "up 1": the buttons pressed and released in that order."""
        for step in steps:
            action, button = step.split()
            self.xdotool("mouse" + action, button)
            time.sleep(0.15)

    def chord(self, x=None, y=None, first=3, second=1):
        """Holds one button, presses and releases the other, then releases the first."""
        if x is not None:
            self.move(x, y)
        self.buttons("down %d" % first, "down %d" % second, "up %d" % second, "up %d" % first)

    def pointer_once_at(self, expected, timeout=5):
        """The pointer's place once it is at the expected place, or after the timeout."""
        wait_until(lambda: self.pointer() == tuple(expected), timeout)
        return self.pointer()

    def menu_open(self):
        return self.run_program("session_tool.exe", "menu-open").returncode == 0

    def foreground(self):
        """The caption of the window that takes the keyboard."""
        return self.run_program("session_tool.exe", "foreground").stdout.decode("latin-1").strip()

    def open_menu_at(self, x, y):
        """Right-clicks at a point and waits for the popup menu to be up, so that the keys
        that follow go to it however slowly it opens."""
        self.move(x, y)
        self.buttons("down 3", "up 3")
        if not wait_until(self.menu_open, 10):
            raise AssertionError("no popup menu opened at %d,%d" % (x, y))

    def choose_menu_item(self, position):
        """In the open popup menu, the item at that position (0 for the first, separators not
        counted), from the first item whatever the pointer lit on opening, then Return."""
        self.key("Home")
        for _ in range(position):
            self.key("Down")
        self.key("Return")

    def key(self, keys):
        self.xdotool("key", keys)
        time.sleep(0.2)


def _failed(test):
    """Whether the running test has failed so far (its result records failures at once)."""
    result = getattr(getattr(test, "_outcome", None), "result", None)
    if result is None:
        return False
    return any(getattr(case, "test_case", case) is test for case, _ in result.failures + result.errors)


def _pixels(source):
    """The pixels of a picture (ImageMagick's arguments naming it) by (x, y): (r, g, b) or
    (r, g, b, alpha), each 0 to 255."""
    out = subprocess.run(["convert"] + source + ["txt:-"], stdout=subprocess.PIPE, text=True, check=True).stdout
    pixels = {}
    for line in out.splitlines()[1:]:
        position, _, rest = line.partition(":")
        x, y = (int(v) for v in position.split(","))
        values = rest.strip().split(")")[0].lstrip("(").split(",")
        pixels[(x, y)] = tuple(round(float(v)) for v in values)
    return pixels


def _alike(colour, other, tolerance=8):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, other[:3]))


def wait_until(condition, timeout=10.0, interval=0.1):
    """Polls condition until it holds; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() >= deadline:
            return value
        time.sleep(interval)


def read_lines(path):
    try:
        with open(path) as f:
            return [line.strip() for line in f if line.strip()]
    except FileNotFoundError:
        return []


def thread_switches(pid):
    """The context switches so far of each thread of a Linux process: thread id -> (name,
    switches). A thread that sleeps in the kernel adds none; each wake-up adds one or more."""
    threads = {}
    for task in os.listdir("/proc/%d/task" % pid):
        switches = 0
        try:
            with open("/proc/%d/task/%s/status" % (pid, task)) as f:
                for line in f:
                    if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                        switches += int(line.split()[1])
            with open("/proc/%d/task/%s/comm" % (pid, task)) as f:
                threads[int(task)] = (f.read().strip(), switches)
        except OSError:
            continue  # a thread that ended meanwhile
    return threads
