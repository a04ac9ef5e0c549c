#!/usr/bin/env python3
"""Activation and redraw benchmarks under Wine (not tests: they print figures).

Activation: the time from a real mouse chord (xdotool) to the launcher window being
mapped, median over many activations, beside the same
measure for a minimal program that shows a window on the hook library's posted message.
Redraw: the full redraw of the panels with eight path items and with eight special items,
timed inside the process.

Launch: the time from the left button's release over a panel holding a probe program to the
probe running (its first act is to log its start), beside the same measure for a minimal
program that hands the same probe to ShellExecuteA on the release, and for one that also
hides its window at once after the shell call; the three alternate.
Hook cost: the hook procedure per mouse event against a bare call on to the next hook; then
the same with a chord every 64 events, each asked of the launcher's own answer, without and
with 20 programs on the excluded list.
Footprint: the launcher's working set, private memory, kernel handles, GDI objects and
windows after start-up and after 1000 activations and hides. Idle: the hidden launcher's
CPU time and thread wake-ups over a minute. Healing: the hook removed behind the
launcher's back, then a chord every half second until one brings the window up again.
Pointer: how long injected mouse moves take to reach a probe's low-level hook that stands
behind the launcher's (installed before it): with no launcher, with the launcher idle and
while it launches panels; with eight panels on a share that never answers, while the
launcher redraws them, beside the probe alone on that desktop. Hung: with those eight
panels, chord to window shown beside the plain activation above, and the launcher's threads
at start-up and after 30 activations with wheel notches.

Every figure is printed as soon as it is measured; a part that cannot run on this machine
is skipped with a line that says why.

Usage: scripts/benchmark.py [--build build/mingw-x64] [--activations 25] [--launches 25]
                            [--idle-seconds 60] [--only launch,idle,heal,pointer,hung,...]
"""
import argparse
import os
import statistics
import subprocess
import sys
import time
import traceback

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests", "e2e"))
sys.path.insert(0, os.path.join(ROOT, "tests", "bench"))


def setup_environment(build):
    loader = "/usr/lib/wine/wine" if build.endswith("i686") else "/usr/lib/wine/wine64"
    os.environ.update(VANTREL_BIN=os.path.join(build, "bin"),
                      VANTREL_WINE_ENV=os.path.join(ROOT, "tests", "harness", "wine-env"),
                      VANTREL_WINE_ENV_DIR=os.path.join(build, "wine"), VANTREL_WINE_LOADER=loader,
                      VANTREL_ARTIFACTS=os.path.join(build, "artifacts"))


def time_activations(desktop, watch, caption, count, corner):
    """Chord, then wait for the window to be mapped. (Wine leaves the pointer where it is
    while it still counts a chord button as held, so the pointer's move onto the centre
    cell cannot be part of the measure here; the end-to-end tests check where it goes.)"""
    from desktop import wait_until
    windows = desktop.windows_named(caption)
    assert len(windows) == 1, "expected one window named %s" % caption
    window = windows[0]
    times = []
    for _ in range(count + 3):
        desktop.xdotool("mousemove", 150, 150)
        time.sleep(0.3)
        start = time.perf_counter()
        subprocess.run(["xdotool", "mousedown", "3", "mousedown", "1", "mouseup", "1", "mouseup", "3"],
                       env=desktop.env, check=True)
        deadline = start + 5
        while not watch.viewable(window):
            if time.perf_counter() > deadline:
                raise RuntimeError("%s: viewable %s, pointer %s, window at %s" % (
                    caption, watch.viewable(window), watch.pointer(), desktop.geometry(window)))
            time.sleep(0.0005)
        times.append((time.perf_counter() - start) * 1000)
        desktop.key("alt+F4")
        wait_until(lambda: not watch.viewable(window), 5)
        time.sleep(0.3)
    return times[3:]  # the first activations warm caches


def count_lines(path):
    try:
        with open(path, "rb") as f:
            return f.read().count(b"\n")
    except FileNotFoundError:
        return 0


def time_release(desktop, log):
    """Releases the left button and waits for the probe to log its start; milliseconds."""
    before = count_lines(log)
    start = time.perf_counter()
    subprocess.run(["xdotool", "mouseup", "1"], env=desktop.env, check=True)
    deadline = start + 10
    while count_lines(log) == before:
        if time.perf_counter() > deadline:
            raise RuntimeError("the probe did not start: %s" % log)
        time.sleep(0.0005)
    return (time.perf_counter() - start) * 1000


def time_launches(desktop, count, launcher_log, baseline_log, hiding_log):
    """Alternates a launch from the launcher's first panel with one from each baseline
    program's window, so that a change of load on the machine hits all three alike."""
    from desktop import wait_until
    launcher, baseline, hiding = [], [], []
    lost = 0
    client = None
    for _ in range(count + 2):
        desktop.move(150, 150)
        desktop.buttons("down 3", "down 1")
        if not wait_until(desktop.is_visible, 5):
            raise RuntimeError("the chord did not show the launcher")
        if client is None:
            client = desktop.report()["client"]
        desktop.move(client[0] + 60, client[1] + 60)
        time.sleep(0.2)
        try:
            launcher.append(time_release(desktop, launcher_log))
        except RuntimeError:
            # Now and then Wine delivers neither the move onto the panel nor the release: the
            # X server holds the pointer for the window the right button went down over.
            # Such a release is counted, not timed; the window is closed by its key.
            lost += 1
            if lost > count // 5:
                raise
            desktop.key("Escape")
        desktop.move(1100, 900)
        desktop.buttons("up 3")
        wait_until(lambda: not desktop.is_visible(), 5)

        for (x, y), log, times in (((600, 500), baseline_log, baseline), ((900, 250), hiding_log, hiding)):
            desktop.move(x, y)
            desktop.buttons("down 1")
            time.sleep(0.2)
            times.append(time_release(desktop, log))
            time.sleep(0.3)
        wait_until(lambda: desktop.windows_named("Launch Baseline Hiding", only_visible=True), 5)
    return launcher[2:], baseline[2:], hiding[2:], lost  # the first launches warm caches


def time_healing(desktop, attempts=40):
    """Removes the hook behind the launcher's back, then chords every half second; the
    seconds from the removal until a chord shows the window."""
    from desktop import wait_until
    result = desktop.run_program("session_tool.exe", "remove-hook")
    if result.returncode != 1:
        raise RuntimeError("there was no hook to remove")
    removed = time.perf_counter()
    for _ in range(attempts):
        desktop.move(150, 150)
        desktop.buttons("down 3", "down 1")
        if wait_until(desktop.is_visible, 0.5):
            healed = time.perf_counter() - removed
            desktop.buttons("up 1", "up 3")
            desktop.key("alt+F4")
            wait_until(lambda: not desktop.is_visible(), 5)
            return healed
        desktop.buttons("up 1", "up 3")
    raise RuntimeError("the hook did not come back")


def cpu_and_wakeups(pid):
    """CPU seconds used so far, and the context switches of each of the process's threads
    (thread id -> (name, switches))."""
    from desktop import thread_switches
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    ticks = os.sysconf("SC_CLK_TCK")
    return (int(fields[11]) + int(fields[12])) / ticks, thread_switches(pid)


def report_idle(title, seconds, cpu, threads_start, threads_end):
    woken = {tid: (name, switches - threads_start.get(tid, (name, 0))[1])
             for tid, (name, switches) in threads_end.items()}
    total = sum(count for _, count in woken.values())
    print("%s: %.2f s of CPU, %d thread wake-ups (%.1f a second)" % (title, cpu, total, total / seconds))
    for tid, (name, count) in sorted(woken.items()):
        if count:
            print("  wake-ups of thread %d (%s): %d" % (tid, name, count))


def memory_breakdown(pid):
    """Resident memory of the Wine process as Linux counts it, in bytes: all of it, the
    anonymous part (heap and stacks) and the part private to the process."""
    values = {}
    with open("/proc/%d/smaps_rollup" % pid) as f:
        for line in f:
            key, _, rest = line.partition(":")
            if rest.strip().endswith("kB"):
                values[key] = int(rest.split()[0]) * 1024
    return {"linux_rss": values.get("Rss", 0), "linux_anonymous": values.get("Anonymous", 0),
            "linux_private": values.get("Private_Clean", 0) + values.get("Private_Dirty", 0)}


def resources(desktop):
    out = desktop.run_program("session_tool.exe", "resources").stdout.decode().replace("\r", "")
    return dict((key, int(value)) for key, value in (line.split() for line in out.splitlines() if line.strip()))


def say(line):
    print(line, flush=True)


def summary(times):
    return "median %.1f ms (min %.1f, max %.1f, n %d)" % (statistics.median(times), min(times), max(times),
                                                        len(times))


class LatencyProbe:
    """The pointer latency probe: its low-level hook stands behind every hook installed after
    it, and it times its own injected moves until they reach that hook."""

    def __init__(self, desktop):
        self.process = subprocess.Popen([desktop.loader, os.path.join(desktop.install_folder, "pointer_latency.exe")],
                                        env=desktop.env, cwd=desktop.install_folder, stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        ready = self.process.stdout.readline().strip()
        if ready != "ready":
            raise RuntimeError("the latency probe did not start: %r" % ready)

    def measure(self, name, count):
        """Prints the probe's line; returns the worst latency in microseconds."""
        self.process.stdin.write("measure %s %d\n" % (name, count))
        self.process.stdin.flush()
        line = self.process.stdout.readline().strip()
        say(line)
        fields = line.split()
        return float(fields[fields.index("max_us") + 1])

    def close(self):
        try:
            self.process.stdin.write("quit\n")
            self.process.stdin.flush()
            self.process.wait(timeout=10)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()


def part(name, only, function, *args):
    """Runs one part of the benchmark; one that cannot run here is skipped with its reason."""
    if name not in only:
        return None
    try:
        return function(*args)
    except Exception as error:  # a part that cannot run must not cost the figures of the rest
        say("skipped %s: %s" % (name, error))
        traceback.print_exc(limit=2, file=sys.stdout)
        return None


def measure_activation(desktop, watch, count):
    times = time_activations(desktop, watch, "Vantrel - Brasmoor", count, (400, 300))
    say("activation, launcher: " + summary(times))
    return times


def measure_launches(desktop, count, baseline_probe, hiding_probe):
    from desktop import wait_until
    desktop.start_program("launch_baseline.exe", baseline_probe)
    desktop.start_program("launch_baseline.exe", "/hide", hiding_probe)
    wait_until(lambda: desktop.windows_named("Launch Baseline", only_visible=True), 30)
    wait_until(lambda: desktop.windows_named("Launch Baseline Hiding", only_visible=True), 30)
    launch, baseline, hiding, lost = time_launches(desktop, count, desktop.drive_c("C:\\Tools\\tool.log"),
                                                   desktop.drive_c("C:\\Base\\tool.log"),
                                                   desktop.drive_c("C:\\Hide\\tool.log"))
    say("launch, launcher: " + summary(launch))
    say("launch, baseline: " + summary(baseline))
    say("launch ratio (launcher / baseline medians): %.2f" % (statistics.median(launch) / statistics.median(baseline)))
    say("launch, baseline that also hides its window: " + summary(hiding))
    say("launch ratio (launcher / hiding baseline medians): %.2f" %
        (statistics.median(launch) / statistics.median(hiding)))
    say("launch, releases that reached no window (not timed): %d" % lost)
    return launch


def measure_footprint(desktop, pid, activations, launches):
    before = resources(desktop)
    before.update(memory_breakdown(pid))
    desktop.run_program("session_tool.exe", "cycles", "1000", timeout=600)
    after = resources(desktop)
    after.update(memory_breakdown(pid))
    # Wine reports no private bytes, handle or GUI object counts for another process; the
    # session tool counts kernel handles, GDI table entries and windows from outside, and
    # Linux gives the private memory.
    for key in ("working_set", "private_bytes", "linux_rss", "linux_anonymous", "linux_private", "handles",
                "kernel_handles", "gdi", "gdi_table", "user", "windows"):
        say("footprint %s: after start-up, %d activations and %d launches %d, after 1000 more activations "
            "and hides %d" % (key, activations, launches, before[key], after[key]))


def measure_idle(pid, seconds, title):
    time.sleep(5)
    cpu_start, threads_start = cpu_and_wakeups(pid)
    time.sleep(seconds)
    cpu_end, threads_end = cpu_and_wakeups(pid)
    report_idle(title, seconds, cpu_end - cpu_start, threads_start, threads_end)


def measure_healing(desktop):
    heal = [time_healing(desktop) for _ in range(3)]
    say("hook removed behind the launcher's back, back after: %s s (chords every 0.5 s)" %
        ", ".join("%.1f" % h for h in heal))


def measure_hook_cost(desktop):
    for bench_args in ((), ("50000", "0"), ("50000", "20")):
        out = desktop.run_program("hook_cost_bench.exe", *bench_args, timeout=300).stdout.decode().replace("\r", "")
        for line in out.splitlines():
            if line.startswith("hook_cost"):
                say(line)


def measure_pointer_under_load(desktop, probe, moves):
    """The launcher idle, then launching panel 1 again and again."""
    worst = {"idle": probe.measure("launcher-idle", moves)}
    launches = subprocess.Popen([desktop.loader, os.path.join(desktop.install_folder, "session_tool.exe"), "launches",
                                 "30"], env=desktop.env, cwd=desktop.install_folder, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
    time.sleep(0.5)
    worst["launch"] = probe.measure("launcher-launching", moves)
    launches.wait(timeout=120)
    return worst


def hung_share_desktop(args, only, plain_activation, watch_class):
    """Eight panels on a share whose server never answers (a FUSE file system that holds
    every look at it), mapped as \\\\slowserver\\share."""
    import records
    from desktop import WineDesktop, thread_switches, wait_until
    from test_reach import hanging_mount
    desktop = WineDesktop().start()
    device = None
    share = os.path.join(desktop.root, "share")
    try:
        os.makedirs(share)
        device = hanging_mount(share)
        if device is None:
            raise RuntimeError("mounting a file system is not allowed here")
        server = os.path.join(desktop.prefix, "dosdevices", "unc", "slowserver")
        os.makedirs(server)
        os.symlink(share, os.path.join(server, "share"))
        items = ["\\\\slowserver\\share\\File%d.txt" % n for n in range(1, 9)]
        desktop.seed_data({"Launcher.lst": records.panel_set(items),
                           "Launcher.opt": records.options(remember_location=1, window_x=400, window_y=300)})
        watch = watch_class(desktop.display)
        probe = None
        if "pointer" in only:
            probe = LatencyProbe(desktop)
            baseline = probe.measure("hung-desktop-no-launcher", args.moves)
        desktop.start_program("Vantrel.exe")
        if not desktop.wait_for_startup_end():
            raise RuntimeError("start-up did not end")
        pid = desktop.linux_process()
        at_start = len(thread_switches(pid))
        say("hung share: threads at start-up %d" % at_start)
        hung = time_activations(desktop, watch, "Vantrel - Brasmoor", args.activations, (400, 300))
        say("activation with eight panels on a silent share: " + summary(hung))
        if plain_activation:
            say("activation ratio (eight silent panels / plain activation medians): %.2f" %
                (statistics.median(hung) / statistics.median(plain_activation)))
        started = time.monotonic()
        kept = 0
        for cycle in range(30):
            desktop.chord(150 + (cycle % 10) * 7, 150)
            wait_until(desktop.is_visible, 5)
            desktop.xdotool("click", 5)
            desktop.key("alt+F4")
            # A window without the keyboard stays up; the next chord brings it up again all the same.
            kept += 0 if wait_until(lambda: not desktop.is_visible(), 1) else 1
        say("hung share: threads after 30 activations with wheel notches in %.0f s: %d (at start-up %d); "
            "Alt+F4 left the window up %d times" % (time.monotonic() - started, len(thread_switches(pid)), at_start,
                                                     kept))
        if probe is not None:
            cycles = subprocess.Popen([desktop.loader, os.path.join(desktop.install_folder, "session_tool.exe"),
                                       "cycles", "400"], env=desktop.env, cwd=desktop.install_folder,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
            time.sleep(0.5)
            redrawing = probe.measure("hung-desktop-launcher-redrawing", args.moves)
            cycles.wait(timeout=300)
            say("pointer latency while redrawing eight silent panels: worst %.0f us, %.0f us above the worst "
                "without the launcher" % (redrawing, redrawing - baseline))
            probe.close()
    finally:
        if device is not None:
            os.close(device)
        subprocess.run(["umount", "-l", share], stderr=subprocess.DEVNULL)
        desktop.stop()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(ROOT, "build", "mingw-x64"))
    parser.add_argument("--activations", type=int, default=25)
    parser.add_argument("--launches", type=int, default=25)
    parser.add_argument("--idle-seconds", type=int, default=60)
    parser.add_argument("--moves", type=int, default=1500, help="injected moves per pointer latency measure")
    parts = ["pointer", "activation", "launch", "footprint", "idle", "heal", "hook", "redraw", "hung", "idle-xp"]
    parser.add_argument("--only", default=",".join(parts), help="a comma-separated choice of " + ", ".join(parts))
    args = parser.parse_args()
    only = set(args.only.split(","))
    setup_environment(os.path.abspath(args.build))
    import records
    from desktop import WineDesktop, wait_until
    from xwatch import XWatch

    launcher = []
    desktop = WineDesktop().start()
    try:
        items = desktop.make_folders(["Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel"])
        probe_program = desktop.install_probe("Tools", "tool.exe")
        baseline_probe = desktop.install_probe("Base", "tool.exe")
        hiding_probe = desktop.install_probe("Hide", "tool.exe")
        items[0] = probe_program
        desktop.seed_data({"Launcher.lst": records.panel_set(items),
                           "Launcher.opt": records.options(remember_location=1, window_x=400, window_y=300)})
        watch = XWatch(desktop.display)
        # The latency probe's hook goes in first, so that the launcher's stands in front of it.
        latency_probe = part("pointer", only, LatencyProbe, desktop)
        no_launcher = part("pointer", only, lambda: latency_probe.measure("no-launcher", args.moves)) \
            if latency_probe else None
        launcher_process = desktop.start_program("Vantrel.exe")
        wait_until(desktop.is_visible, 30)
        wait_until(lambda: not desktop.is_visible(), 15)
        if latency_probe:
            worst = part("pointer", only, measure_pointer_under_load, desktop, latency_probe, args.moves)
            latency_probe.close()
            if worst and no_launcher is not None:
                for load, value in worst.items():
                    say("pointer latency, launcher %s: worst %.0f us, %.0f us above the worst without the launcher"
                        % (load, value, value - no_launcher))
        launcher = part("activation", only, measure_activation, desktop, watch, args.activations) or []
        launch = part("launch", only, measure_launches, desktop, args.launches, baseline_probe, hiding_probe) or []
        pid = desktop.linux_process()
        part("footprint", only, measure_footprint, desktop, pid, len(launcher) + 3, len(launch) + 2)
        part("idle", only, measure_idle, pid, args.idle_seconds, "idle over %d s" % args.idle_seconds)
        part("heal", only, measure_healing, desktop)
        part("hook", only, measure_hook_cost, desktop)
        # One hook per desktop: the launcher goes before the baseline takes the hook.
        launcher_process.kill()
        launcher_process.wait()
        wait_until(lambda: not desktop.windows_named(), 10)

        def activation_baseline():
            desktop.start_program("activation_baseline.exe")
            wait_until(lambda: desktop.windows_named("Activation Baseline"), 30)
            baseline = time_activations(desktop, watch, "Activation Baseline", args.activations, (400, 300))
            say("activation, baseline: " + summary(baseline))
            if launcher:
                say("activation ratio (launcher / baseline medians): %.2f" %
                    (statistics.median(launcher) / statistics.median(baseline)))
        part("activation", only, activation_baseline)

        def redraw():
            out = desktop.run_program("redraw_bench.exe", "50", timeout=120).stdout.decode().replace("\r", "")
            for line in out.splitlines():
                if line.startswith("redraw_"):
                    say(line)
        part("redraw", only, redraw)
    finally:
        desktop.stop()

    part("hung", only, hung_share_desktop, args, only, launcher, XWatch)

    # The same idle measure where Windows reports NT 5.1: the in-process hook needs no
    # hook check, so what remains is the program's own idle work.
    def idle_xp():
        desktop = WineDesktop(version="winxp").start()
        try:
            desktop.start_program("Vantrel.exe")
            if not desktop.wait_for_startup_end():
                raise RuntimeError("Vantrel did not start where Windows reports NT 5.1")
            time.sleep(2)
            measure_idle(desktop.linux_process(), args.idle_seconds,
                         "idle over %d s without the hook check (in-process hook)" % args.idle_seconds)
        finally:
            desktop.stop()
    part("idle-xp", only, idle_xp)

    for name in ("Vantrel.exe", "chordhook.dll"):
        say("size %s: %d bytes" % (name, os.path.getsize(os.path.join(args.build, "bin", name))))


if __name__ == "__main__":
    main()
