#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs every Vardex benchmark and the start-up measurement, and prints one table.

    python3 bench/run_benchmarks.py [--bin build-release/bin] [--repetitions 10]

Each benchmark program runs with repetitions in random interleaving (so that a busy moment of a
shared machine does not land on one benchmark only); the table shows the median and the best
repetition. The timing targets are judged on the best repetitions, and shown on the medians as
well: other work on the machine only ever adds time, so the best repetition is the closest
measure of the code's own cost. The start-up target is judged on the medians of its runs.
Exit status 0 when every program ran (targets met or not), 1 when one failed or reported an
error.
"""
import argparse
import json
import os
import statistics
import subprocess
import sys

sys.dont_write_bytecode = True  # keep bench/ free of __pycache__
import startup  # noqa: E402  (after the line above)

# Program, minimum time per repetition (seconds).
PROGRAMS = (
    ("conversion_bench", 0.1),
    ("window_bench", 0.1),
    ("sequence_bench", 0.05),
    ("equinox_bench", 0.05),
    ("chart_bench", 0.5),
    ("astronomy_bench", 0.1),
    ("pages_bench", 0.2),
    ("gedcom_bench", 0.5),
    ("records_bench", 0.1),
)

PROGRAM_ORDER = {name: i for i, (name, _) in enumerate(PROGRAMS)}

UNIT_SCALE = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}


def format_seconds(seconds):
    for unit, scale in (("s", 1.0), ("ms", 1e-3), ("us", 1e-6), ("ns", 1e-9)):
        if seconds >= scale:
            return f"{seconds / scale:8.2f} {unit:2s}"
    return f"{seconds / 1e-9:8.2f} ns"


def run_program(path, repetitions, min_time):
    """{benchmark name: [seconds of each repetition]} of one program; seconds of one conversion
    for the conversion benchmarks (their per_date counter), of one iteration otherwise."""
    command = [path, "--benchmark_format=json", f"--benchmark_repetitions={repetitions}",
               f"--benchmark_min_time={min_time}", "--benchmark_enable_random_interleaving=true"]
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=False)
    if result.returncode != 0:
        raise RuntimeError(f"{os.path.basename(path)} exited with status {result.returncode}:\n"
                           f"{result.stderr.decode(errors='replace')}")
    runs = {}
    for b in json.loads(result.stdout)["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        if b.get("error_occurred"):
            raise RuntimeError(f"{b['run_name']}: {b.get('error_message')}")
        seconds = b["per_date"] if "per_date" in b else b["cpu_time"] * UNIT_SCALE[b["time_unit"]]
        runs.setdefault(b["run_name"], []).append(seconds)
    return runs


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", default=os.path.join("build-release", "bin"), help="folder of the programs")
    parser.add_argument("--repetitions", type=int, default=20)
    parser.add_argument("--startup-runs", type=int, default=21)
    args = parser.parse_args()

    medians, bests, lines = {}, {}, []
    try:
        for program, min_time in PROGRAMS:
            path = os.path.join(args.bin, program)
            if not os.path.exists(path):
                print(f"run_benchmarks: {path} is missing", file=sys.stderr)
                return 1
            print(f"running {program} ...", file=sys.stderr, flush=True)
            for name, runs in run_program(path, args.repetitions, min_time).items():
                medians[name] = statistics.median(runs)
                bests[name] = min(runs)
                lines.append((program, name, medians[name], bests[name]))
        print("running the start-up measurement ...", file=sys.stderr, flush=True)
        start = startup.measure(args.bin, args.startup_runs)
    except (OSError, RuntimeError, ValueError) as error:
        print(f"run_benchmarks: {error}", file=sys.stderr)
        return 1

    print()
    print(f"{'program':18s} {'benchmark':34s} {'median':>11s} {'best':>11s}   (conversions: per date)")
    print("-" * 80)
    for program, name, median, best in sorted(lines, key=lambda line: (PROGRAM_ORDER[line[0]], line[1])):
        print(f"{program:18s} {name:34s} {format_seconds(median)} {format_seconds(best)}")
    print(f"{'startup.py':18s} {'vardex to its first paint':34s} {format_seconds(start['vardex'])}")
    print(f"{'startup.py':18s} {'bare QWidget program':34s} {format_seconds(start['bare'])}")

    def ratio(a, b):
        return (bests[a] / bests[b], medians[a] / medians[b])

    def against_chrono(side, direction):
        label = "date -> JDN" if direction == "DateToJDN" else "JDN -> date"
        value = ratio(f"{side.capitalize()}_Gregorian_{direction}", f"Chrono_Gregorian_{direction}")
        return (f"Gregorian {label}, {side} / std::chrono", value, 1.2)

    def dee_against_gregorian(direction):
        label = "date -> JDN" if direction == "DateToJDN" else "JDN -> date"
        value = ratio(f"Engine_Dee_{direction}", f"Engine_Gregorian_{direction}")
        return (f"Dee / Gregorian {label}, engine", value, 1.0)

    calculations = [name for name in medians if name.startswith("Calculate_")]
    slowest = max(calculations, key=lambda name: medians[name])
    targets = [
        against_chrono("engine", "DateToJDN"),
        against_chrono("engine", "JDNToDate"),
        against_chrono("library", "DateToJDN"),
        against_chrono("library", "JDNToDate"),
        dee_against_gregorian("DateToJDN"),
        dee_against_gregorian("JDNToDate"),
        (f"whole calculation in us, slowest ({slowest})", (bests[slowest] * 1e6, medians[slowest] * 1e6),
         20.0),
        ("Equinox chart in ms, Draw to the view drawn (4000 years)",
         (bests["DrawToImage"] * 1e3, medians["DrawToImage"] * 1e3), 200.0),
        ("the four seasons of a year in ms",
         (bests["FourSeasonPointsOfAYear"] * 1e3, medians["FourSeasonPointsOfAYear"] * 1e3), 1.0),
        ("the Moon's phases of a year in ms",
         (bests["MoonPhasesOfAYear"] * 1e3, medians["MoonPhasesOfAYear"] * 1e3), 1.0),
        ("a calendar month page computed, every mark, in ms",
         (bests["MonthPageComputed"] * 1e3, medians["MonthPageComputed"] * 1e3), 1.0),
        ("a calendar year page computed, every mark, in ms",
         (bests["YearPageComputed"] * 1e3, medians["YearPageComputed"] * 1e3), 10.0),
        ("a calendar year page drawn to PDF in ms",
         (bests["YearPageToPdf"] * 1e3, medians["YearPageToPdf"] * 1e3), 1000.0),
        # gedcom_bench reads a tree of 20 MB: five times that is the 100 MB of the target (50 MB/s).
        ("a 100 MB family tree through the GEDCOM readers in s",
         (bests["Records"] * 5, medians["Records"] * 5), 2.0),
        # A million dates a second: one date in at most a microsecond, at England (the slower).
        ("a date read as written at England in us",
         (bests["ReadRecordDateAtEngland"] * 1e6, medians["ReadRecordDateAtEngland"] * 1e6), 1.0),
    ]
    print()
    print(f"{'target':58s} {'best':>6s} {'median':>7s} {'limit':>6s}")
    print("-" * 100)
    for label, (best, median), limit in targets:
        verdict = "met" if best <= limit else f"MISSED by {(best / limit - 1) * 100:.0f}%"
        print(f"{label:58s} {best:6.2f} {median:7.2f} {limit:6.2f}  {verdict}")
    limit = startup.TARGET_RATIO
    verdict = "met" if start["ratio"] < limit else f"MISSED by {(start['ratio'] / limit - 1) * 100:.0f}%"
    label = "start-up, vardex / bare QWidget program (medians)"
    print(f"{label:58s} {'':6s} {start['ratio']:7.2f} {limit:6.2f}  {verdict}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
