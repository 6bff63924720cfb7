#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Start-up time of vardex against an empty Qt window.

Runs vardex_startup_probe (vardex's own start-up, ending once its main window has been painted)
and bare_window (an empty QWidget program built the same way, ending the same way) several
times each, in turn, under QT_QPA_PLATFORM=offscreen, and prints the median wall-clock time of
each, process start to exit, and their ratio. Target: vardex under 1.5 x the bare program.

    python3 bench/startup.py [--bin build-release/bin] [--runs 21]

Exit status 0 when both programs ran every time (whether or not the target is met), 1 when one
of them failed.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

TARGET_RATIO = 1.5
PROGRAMS = ("vardex_startup_probe", "bare_window")


def run_once(path, env):
    start = time.perf_counter()
    result = subprocess.run([path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=False)
    elapsed = time.perf_counter() - start
    if result.returncode != 0:
        raise RuntimeError(f"{os.path.basename(path)} exited with status {result.returncode}: "
                           f"{result.stderr.decode(errors='replace').strip()}")
    return elapsed


def measure(bin_dir, runs):
    """Median seconds of each program and the ratio vardex / bare, as a dict."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    env.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp(prefix="vardex-runtime-"))
    paths = {name: os.path.join(bin_dir, name) for name in PROGRAMS}
    for path in paths.values():  # one run each first, to fill the file-system and font caches
        run_once(path, env)
    times = {name: [] for name in PROGRAMS}
    for _ in range(runs):  # alternate, so that a busy moment of the machine hits both alike
        for name, path in paths.items():
            times[name].append(run_once(path, env))
    medians = {name: statistics.median(values) for name, values in times.items()}
    return {
        "vardex": medians["vardex_startup_probe"],
        "bare": medians["bare_window"],
        "ratio": medians["vardex_startup_probe"] / medians["bare_window"],
        "runs": runs,
    }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default=os.path.join("build-release", "bin"),
                        help="folder holding vardex_startup_probe and bare_window")
    parser.add_argument("--runs", type=int, default=21, help="runs of each program (default 21)")
    args = parser.parse_args()
    try:
        m = measure(args.bin, args.runs)
    except (OSError, RuntimeError) as error:
        print(f"startup: {error}", file=sys.stderr)
        return 1
    verdict = "met" if m["ratio"] < TARGET_RATIO else "MISSED"
    print(f"vardex start-up (to the first paint of its window): {m['vardex'] * 1000:7.1f} ms")
    print(f"bare QWidget program, same build:                 {m['bare'] * 1000:7.1f} ms")
    print(f"ratio (medians of {m['runs']} runs each): {m['ratio']:.2f} (target < {TARGET_RATIO}: {verdict})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
