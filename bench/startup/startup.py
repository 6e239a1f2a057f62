#!/usr/bin/python3
"""Time from process start to the first paint of the trainer's menu, and peak memory, side by
side with a bare 800 x 600 Qt window (the floor).

Usage: startup.py PROBE STAGE_DIR [RUNS]   (PROBE is the built startup_probe)
The probe runs with the staged folder as its working directory, on the platform named by
QT_QPA_PLATFORM (offscreen unless set), alternating trainer and floor runs.
"""
import os
import statistics
import subprocess
import sys
import time


def run(probe, stage, floor):
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    start = time.monotonic_ns()
    out = subprocess.run([probe] + (["--floor"] if floor else []), cwd=stage, env=env,
                         check=True, capture_output=True, text=True).stdout.split()
    painted, peak_kb = int(out[0]), int(out[1])
    return (painted - start) / 1e6, peak_kb / 1024


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    probe, stage = os.path.abspath(argv[1]), argv[2]
    runs = int(argv[3]) if len(argv) > 3 else 20
    results = {True: [], False: []}
    run(probe, stage, True)  # warm the file cache
    run(probe, stage, False)
    for _ in range(runs):
        for floor in (False, True):
            results[floor].append(run(probe, stage, floor))
    for floor, name in ((False, "trainer"), (True, "floor")):
        times = [t for t, _ in results[floor]]
        peak = max(m for _, m in results[floor])
        print(f"{name:8s} start to first paint: median {statistics.median(times):7.1f} ms "
              f"(min {min(times):.1f}, max {max(times):.1f}); peak memory {peak:.1f} MB")
    ratio = statistics.median(t for t, _ in results[False]) / statistics.median(
        t for t, _ in results[True])
    print(f"ratio trainer / floor: {ratio:.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
