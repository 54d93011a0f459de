#!/usr/bin/env python3
"""Whole-process figures of the Settings program beside its anchors.

Run under Xvfb + openbox, for example
    tools/with-desktop.sh --size 1280x1024 bench/desktop/measure.py --build build

Measures, with the runs of the program and of its anchor interleaved (the
order alternating from round to round, so drift in the machine's load falls on
both alike):
  - start-up: process start to its end right after the first complete paint
    (Settings with SETTINGS_EXIT_AT_FIRST_IDLE set, which ends it at the first
    idle moment; the anchor quits after its first paint), wall and CPU time;
  - peak RSS of those runs (/usr/bin/time -v);
  - pointer enter -> popup painted on the X server, the first time in a fresh
    process and later times (xprobe moves the real pointer and reads the
    screen back until the popup's pixels are there).
Prints median and min-max of each, and each figure's ratio to its anchor.
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

HELP_TITLE = "Instructions for Settings utility"
MAIN_TITLE = "Setup"
RING_POPUP_TITLE = "USB Connector"
# The USB ring and a bare spot of the board, in the board's own coordinates.
BOARD_SIZE = (600, 718)
RING_CENTRE = (226 + 84 // 2, 600 + 114 // 2)
BARE_BOARD = (150, 500)
# The popup anchor's spot and bare spot, in its client coordinates.
ANCHOR_SPOT_CENTRE = (200 + 42, 200 + 57)
ANCHOR_BARE = (100, 100)


def run(cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kw).stdout


def find_window(title, timeout=15):
    out = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + re.escape(title) + "$"],
              timeout=timeout)
    return out.split()[0]


def client_rect(wid):
    info = run(["xwininfo", "-id", wid])
    get = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
    return get("Absolute upper-left X"), get("Absolute upper-left Y"), get("Width"), get("Height")


def frame_extents(wid):
    out = run(["xprop", "-id", wid, "_NET_FRAME_EXTENTS"])
    nums = [int(n) for n in re.findall(r"\d+", out.split("=", 1)[1])] if "=" in out else [0, 0, 0, 0]
    return nums  # left, right, top, bottom


def mouse(x, y):
    run(["xdotool", "mousemove", str(x), str(y)])


def stop(proc):
    proc.terminate()
    try:
        proc.wait(timeout=10)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()


class Program:
    """One program under measurement: how to start it and where its spots lie."""

    def __init__(self, name, path, startup_env, ready_title, popup_title):
        self.name, self.path = name, path
        self.startup_env = startup_env
        self.ready_title, self.popup_title = ready_title, popup_title
        self.away = self.spot = self.rect = None
        self.reference = None

    def spots(self):
        raise NotImplementedError

    def calibrate(self, probe, workdir, env):
        """Finds the spots and records what the popup looks like once shown."""
        proc = subprocess.Popen([self.path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            find_window(self.ready_title)
            self.away, self.spot = self.spots()
            mouse(*self.away)
            time.sleep(0.3)
            mouse(*self.spot)
            self.rect = client_rect(find_window(self.popup_title))
            self.reference = os.path.join(workdir, self.name + ".ref")
            run([probe, "capture", *map(str, self.rect), self.reference], timeout=30)
            mouse(*self.away)
        finally:
            stop(proc)

    def hover(self, probe, env, later):
        mouse(*self.away)
        proc = subprocess.Popen([self.path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            find_window(self.ready_title)
            out = run([probe, "hover", *map(str, self.away), *map(str, self.spot), *map(str, self.rect),
                       self.reference, str(later)], timeout=120)
        finally:
            stop(proc)
        times = [float(t) for t in out.split()]
        return times[0], times[1:]


class Settings(Program):
    def spots(self):
        wid = find_window(MAIN_TITLE)
        x, y, w, h = client_rect(wid)
        left, right, top, bottom = frame_extents(wid)
        # The board centres itself on the window's whole outer size (frame,
        # caption and menu bar included), in client coordinates below the
        # menu bar.
        bx = x + (w + left + right - BOARD_SIZE[0]) // 2
        by = y + self.menu_height + (h + top + bottom - BOARD_SIZE[1]) // 2
        return (bx + BARE_BOARD[0], by + BARE_BOARD[1]), (bx + RING_CENTRE[0], by + RING_CENTRE[1])

    menu_height = 19


class PopupAnchor(Program):
    def spots(self):
        x, y, _, _ = client_rect(find_window(self.ready_title))
        return (x + ANCHOR_BARE[0], y + ANCHOR_BARE[1]), (x + ANCHOR_SPOT_CENTRE[0], y + ANCHOR_SPOT_CENTRE[1])


def startup_run(path, env):
    """Wall and CPU time (ms) and peak RSS (MiB) of one whole process."""
    err = tempfile.TemporaryFile(mode="w+")
    start = time.perf_counter()
    proc = subprocess.Popen(["/usr/bin/time", "-v", path], env=env, stdout=subprocess.DEVNULL, stderr=err)
    # wait4 reports the CPU time of the process time ran, to the microsecond.
    _, status, usage = os.wait4(proc.pid, 0)
    wall = (time.perf_counter() - start) * 1000
    proc.returncode = os.waitstatus_to_exitcode(status)
    err.seek(0)
    report = err.read()
    if proc.returncode != 0:
        sys.exit(f"{path} ended with code {proc.returncode}:\n{report}")
    rss = int(re.search(r"Maximum resident set size \(kbytes\): (\d+)", report).group(1)) / 1024
    cpu = (usage.ru_utime + usage.ru_stime) * 1000
    return wall, cpu, rss


def summary(values):
    return {"median": statistics.median(values), "min": min(values), "max": max(values), "n": len(values)}


def machine():
    model = "unknown CPU"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores, Linux {os.uname().release}"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=15, help="start-up rounds (each runs both programs)")
    parser.add_argument("--hover-runs", type=int, default=7, help="hover rounds (a fresh process each)")
    parser.add_argument("--later", type=int, default=10, help="later popups per hover run")
    parser.add_argument("--json", help="also write the figures to this file")
    args = parser.parse_args()
    if not os.environ.get("DISPLAY"):
        sys.exit("measure.py: no DISPLAY; run it under tools/with-desktop.sh")

    build = os.path.abspath(args.build)
    # Written by the build (bench/desktop/CMakeLists.txt): the programs' real paths.
    with open(os.path.join(build, "bench", "desktop", "programs.json")) as f:
        programs = json.load(f)
    settings_bin = programs["settings"]
    startup_anchor = programs["startup_anchor"]
    popup_anchor = programs["popup_anchor"]
    probe = programs["xprobe"]
    for path in (settings_bin, startup_anchor, popup_anchor, probe):
        if not path or not os.access(path, os.X_OK):
            sys.exit(f"measure.py: {path or 'xprobe'} is not built (cmake --build {args.build})")

    workdir = tempfile.mkdtemp(prefix="settings-measure-")
    runtime = os.path.join(workdir, "runtime")
    os.mkdir(runtime, 0o700)
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime)
    env.pop("QT_QPA_PLATFORM", None)

    # Start-up and RSS, interleaved; one unmeasured run each first warms the
    # file cache for both alike.
    startup_env = dict(env, SETTINGS_EXIT_AT_FIRST_IDLE="1")
    startup_runs = {"settings": [], "anchor": []}
    pair = [("settings", settings_bin, startup_env), ("anchor", startup_anchor, env)]
    for _, path, e in pair:
        startup_run(path, e)
    for i in range(args.runs):
        for key, path, e in (pair if i % 2 == 0 else pair[::-1]):
            startup_runs[key].append(startup_run(path, e))

    # Pointer enter -> popup on the X server.
    settings = Settings("settings", settings_bin, None, HELP_TITLE, RING_POPUP_TITLE)
    anchor = PopupAnchor("anchor", popup_anchor, None, "Popup anchor", "Anchor popup")
    for program in (settings, anchor):
        program.calibrate(probe, workdir, env)
    hover = {"settings": ([], []), "anchor": ([], [])}
    for i in range(args.hover_runs):
        for key, program in ((("settings", settings), ("anchor", anchor)) if i % 2 == 0
                             else (("anchor", anchor), ("settings", settings))):
            first, later = program.hover(probe, env, args.later)
            hover[key][0].append(first)
            hover[key][1].extend(later)

    figures = {"machine": machine()}
    for key in ("settings", "anchor"):
        runs = startup_runs[key]
        figures[key] = {
            "startup_wall_ms": summary([r[0] for r in runs]),
            "startup_cpu_ms": summary([r[1] for r in runs]),
            "peak_rss_mib": summary([r[2] for r in runs]),
            "popup_first_ms": summary(hover[key][0]),
            "popup_later_ms": summary(hover[key][1]),
        }

    print(f"Machine: {figures['machine']}")
    print(f"Start-up rounds: {args.runs}; hover rounds: {args.hover_runs} x (1 first + {args.later} later)\n")
    print("| What | Settings: median (min-max) | Anchor: median (min-max) | Ratio of medians |")
    print("|---|---|---|---|")
    rows = [("start-up to first complete paint, wall", "startup_wall_ms", "ms"),
            ("start-up to first complete paint, CPU", "startup_cpu_ms", "ms"),
            ("peak RSS", "peak_rss_mib", "MiB"),
            ("pointer enter -> popup on the X server, first time", "popup_first_ms", "ms"),
            ("pointer enter -> popup on the X server, later times", "popup_later_ms", "ms")]
    for label, key, unit in rows:
        s, a = figures["settings"][key], figures["anchor"][key]
        fmt = lambda v: f"{v['median']:.1f} {unit} ({v['min']:.1f}-{v['max']:.1f})"
        extra = f", +{s['median'] - a['median']:.1f} MiB" if unit == "MiB" else ""
        print(f"| {label} | {fmt(s)} | {fmt(a)} | {s['median'] / a['median']:.2f}x{extra} |")
    if args.json:
        with open(args.json, "w") as f:
            json.dump(figures, f, indent=2)


if __name__ == "__main__":
    main()
