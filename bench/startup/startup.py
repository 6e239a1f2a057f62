#!/usr/bin/python3
"""Time from process start to the first paint of the trainer's menu, and peak memory, side by
side with a bare 800 x 600 Qt window (the floor) and with that window showing one line of text
("text": the floor plus what starting the font system costs).

Usage: startup.py [--xcb] [--scale S] PROBE STAGE_DIR [RUNS]   (PROBE is the built startup_probe)
The probe runs with the staged folder as its working directory, alternating trainer and floor
runs, on the platform named by QT_QPA_PLATFORM (offscreen unless set), or with --xcb in real
windows on an X server of its own (Xvfb): the measure to go by, since the offscreen platform
paints almost nothing. --scale S runs every program at the device pixel ratio S
(QT_SCALE_FACTOR), as on a high-density screen; the X server's screen is made large enough.
"""
import os
import random
import statistics
import subprocess
import sys
import time


def run(probe, stage, mode):
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    start = time.monotonic_ns()
    out = subprocess.run([probe] + ([mode] if mode else []), cwd=stage, env=env,
                         check=True, capture_output=True, text=True).stdout.split()
    painted, peak_kb = int(out[0]), int(out[1])
    return (painted - start) / 1e6, peak_kb / 1024


def start_x_server(scale):
    """Starts Xvfb on a free display and points the runs at it; returns the process."""
    display = f":{random.randint(100, 199)}"
    screen = f"{int(1024 * scale)}x{int(768 * scale)}x24"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", screen, "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if subprocess.run(["xdpyinfo", "-display", display], capture_output=True).returncode == 0:
            break
        time.sleep(0.05)
    os.environ["DISPLAY"] = display
    os.environ["QT_QPA_PLATFORM"] = "xcb"
    return server


def main(argv):
    server = None
    xcb = len(argv) > 1 and argv[1] == "--xcb"
    if xcb:
        argv = argv[:1] + argv[2:]
    scale = 1.0
    if len(argv) > 2 and argv[1] == "--scale":
        scale = float(argv[2])
        os.environ["QT_SCALE_FACTOR"] = argv[2]
        argv = argv[:1] + argv[3:]
    if xcb:
        server = start_x_server(scale)
    try:
        return measure(argv)
    finally:
        if server is not None:
            server.terminate()


def measure(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    probe, stage = os.path.abspath(argv[1]), argv[2]
    runs = int(argv[3]) if len(argv) > 3 else 20
    modes = {"trainer": "", "floor": "--floor", "text": "--floor-text"}
    results = {name: [] for name in modes}
    for mode in modes.values():  # warm the file cache
        run(probe, stage, mode)
    for _ in range(runs):
        for name, mode in modes.items():
            results[name].append(run(probe, stage, mode))
    medians = {}
    for name in modes:
        times = [t for t, _ in results[name]]
        medians[name] = statistics.median(times)
        peak = max(m for _, m in results[name])
        print(f"{name:8s} start to first paint: median {medians[name]:7.1f} ms "
              f"(min {min(times):.1f}, max {max(times):.1f}); peak memory {peak:.1f} MB")
    print(f"ratio trainer / floor: {medians['trainer'] / medians['floor']:.2f}")
    print(f"ratio trainer / floor with one line of text: "
          f"{medians['trainer'] / medians['text']:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
