#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Mutation testing of Vardex's logic: how many small faults planted in the code the tests catch.

    tools/mutate.py [--mutants N | --per-folder N] [--folders F,...] [--seed S] [--build build-mutate]
                    [--jobs 2] [--list]

Each mutant changes one line of one source file of the logic (every folder of src/ but the
program's wiring, the seams and the shared widgets, and libs/; window files stay out): a relational or
arithmetic operator swapped, && and || swapped, an integer constant off by one, a condition
negated, or a statement deleted. The tool builds the mutant in a build folder of its own (-O0 with
bounds checks, Ninja: only what changed), skips it when it does not compile, runs the tests of the programs the
change rebuilt (all of them when a shared library changed), stopping at the first failure, and
restores the file. It prints the score per folder and every mutant that survived. A fixed random
sample of N mutants (seed fixed) keeps a run short; --mutants 0 tries them all; --per-folder N
draws N from each folder instead, so that a small folder is measured as well as a large one. --save FILE
keeps the sample, and --replay FILE tries that same sample again after the code has changed: each
mutant is found by its line's text (the nearest such line to where it was), and the mutants of
lines that are gone are counted apart. --resume LOG takes the outcomes a stopped run printed (its
standard output) and tries only the rest, so that a long run can be taken up again.
"""
import argparse
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FOLDERS = ["src/engine", "src/input", "src/mainwindow", "src/sequence", "src/equinox", "src/difference", "src/world",
           "src/history", "src/astronomy", "src/pages", "src/records", "src/chart", "src/cli", "libs/daybridge", "libs/skyfold", "libs/textbank"]
SKIPPED_FILES = re.compile(r"((Window|View)\.(cpp|h)$|/include/[a-z]+\.h$)")  # views; the libraries' C headers

# (name, pattern, replacement): each match on a line is one mutant.
OPERATORS = [
    ("<= to <", r"(?<![<>=!])<=(?!=)", "<"), ("< to <=", r"(?<![<>=!-])<(?![<=])", "<="),
    (">= to >", r"(?<![<>=!])>=(?!=)", ">"), ("> to >=", r"(?<![<>=!-])>(?![>=])", ">="),
    ("== to !=", r"==", "!="), ("!= to ==", r"!=", "=="),
    ("&& to ||", r"&&", "||"), ("|| to &&", r"\|\|", "&&"),
    ("+ to -", r"(?<![+\w\"'])\s\+\s(?!\+)", " - "), ("- to +", r"(?<=\w|\))\s-\s", " + "),
    ("* to /", r"(?<=\w|\))\s\*\s", " / "), ("/ to *", r"(?<=\w|\))\s/\s", " * "),
    ("constant + 1", r"(?<![\w.'])(\d+)(?![\w.'])", None), ("constant - 1", r"(?<![\w.'])([1-9]\d*)(?![\w.'])", None),
]
CONDITION = re.compile(r"\b(if|while)\s*\((.*)\)\s*(\{?)\s*$")
STATEMENT = re.compile(r"^\s+(?!return\b|break\b|continue\b|case\b|default\b|else\b|const\b|auto\b|int|uint|bool|double|QString|std::|static\b|using\b|namespace\b|template\b|typename\b|[A-Z]\w*\s+[\w&*]+\s*[=;({])[^{}]*;\s*$")


def source_files(folders):
    for folder in folders:
        for dirpath, _, names in os.walk(os.path.join(ROOT, folder)):
            for name in sorted(names):
                path = os.path.relpath(os.path.join(dirpath, name), ROOT)
                if name.endswith((".cpp", ".h", ".hpp")) and not SKIPPED_FILES.search(path):
                    yield path


def is_code(line):
    stripped = line.strip()
    return stripped and not stripped.startswith(("//", "#", "*", "/*", "static_assert")) and "static_assert" not in line


def mutants_of(path):
    lines = open(os.path.join(ROOT, path), encoding="utf-8").read().split("\n")
    in_comment = False
    for number, line in enumerate(lines, 1):
        if "/*" in line:
            in_comment = "*/" not in line
        elif in_comment:
            in_comment = "*/" not in line
            continue
        if not is_code(line):
            continue
        code, _, _ = line.partition("//")
        code = re.sub(r'"(?:[^"\\]|\\.)*"', lambda m: "\0" * len(m.group()), code)  # no string texts
        for name, pattern, replacement in OPERATORS:
            for match in re.finditer(pattern, code):
                if replacement is None:
                    value = int(match.group(1)) + (1 if name.endswith("+ 1") else -1)
                    new = line[:match.start(1)] + str(value) + line[match.end(1):]
                else:
                    new = line[:match.start()] + replacement + line[match.end():]
                yield (path, number, f"{name}: {line.strip()}", new)
        condition = CONDITION.search(code)
        if condition:
            start, end = condition.span(2)
            yield (path, number, f"negated condition: {line.strip()}",
                   line[:start] + "!(" + line[start:end] + ")" + line[end:])
        if STATEMENT.match(code):
            yield (path, number, f"deleted: {line.strip()}", "")


def drawn(mutants, count, seed):
    return random.Random(seed).sample(mutants, min(count, len(mutants)))


def saved(path, sample):
    lines = {}
    with open(path, "w", encoding="utf-8") as out:
        json.dump([{"path": p, "line": n, "change": c, "original": lines.setdefault(p, read_lines(p))[n - 1], "new": new}
                   for p, n, c, new in sample], out, indent=0)


def replayed(path):
    """The saved mutants found again in today's files, and the number of them whose line is gone."""
    found, gone, lines = [], 0, {}
    for m in json.load(open(path, encoding="utf-8")):
        text = lines.setdefault(m["path"], read_lines(m["path"]) if os.path.exists(os.path.join(ROOT, m["path"])) else [])
        places = [i for i, line in enumerate(text, 1) if line == m["original"]]
        if not places:
            gone += 1
            continue
        number = min(places, key=lambda i: abs(i - m["line"]))
        found.append((m["path"], number, m["change"], m["new"]))
    return found, gone


def resumed(log):
    """(path, line, change) -> outcome, from the lines a run printed for each mutant it tried."""
    line = re.compile(r"^\[\d+/\d+\s+\d+ s\] (killed|survived|no compile)\s+([^:]+):(\d+): (.*)$")
    found = (line.match(text.rstrip("\n")) for text in open(log, encoding="utf-8"))
    return {(m.group(2), int(m.group(3)), m.group(4)): m.group(1) for m in found if m}


def read_lines(path):
    return open(os.path.join(ROOT, path), encoding="utf-8").read().split("\n")


def run(command, cwd=ROOT, timeout=None):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)


def configure(build):
    # ccache makes the rebuild of the restored files after each mutant (and the same mutant in a
    # second copy of the tree) a cache hit.
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache", "-DCMAKE_C_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    os.environ.setdefault("CCACHE_BASEDIR", ROOT)
    # Bounds checks stop a mutant that reads past an array, as the sanitizer build of CI does:
    # without them such a read goes unnoticed whenever the byte beyond happens to do no harm.
    checks = "-O0 -fsanitize=bounds -fno-sanitize-recover=all -D_GLIBCXX_ASSERTIONS"
    run(["cmake", "-S", ".", "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug", "-DCMAKE_CXX_FLAGS_DEBUG=" + checks,
         "-DCMAKE_C_FLAGS_DEBUG=" + checks, "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=bounds",
         "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=bounds"] + launcher).check_returncode()
    result = run(["cmake", "--build", build])
    if result.returncode != 0:
        sys.exit("the unmutated tree does not build:\n" + result.stdout.decode(errors="replace")[-3000:])
    # A test that fails without a mutant would count every mutant as killed.
    result = run(["ctest", "-j", str(os.cpu_count() or 2), "--timeout", "120"], cwd=os.path.join(ROOT, build))
    if result.returncode != 0:
        sys.exit("the unmutated tree fails its tests:\n" + result.stdout.decode(errors="replace")[-3000:])


def tests_to_run(build, since):
    """ctest label regex for the programs rebuilt since `since`; None: run everything."""
    bindir = os.path.join(ROOT, build, "bin")
    rebuilt = [n for n in os.listdir(bindir) if os.path.getmtime(os.path.join(bindir, n)) >= since]
    if any(".so" in n for n in rebuilt):
        return None  # a shared library: its users are not relinked
    labels = {n for n in rebuilt if n.endswith("_test") or n in ("exhaustive_check", "window_check")}
    if "vardex-cli" in rebuilt:
        labels.add("cli_test")
    return "^(" + "|".join(sorted(labels)) + ")$" if labels else ""


def try_mutant(build, jobs, mutant):
    path, number, _, new = mutant
    full = os.path.join(ROOT, path)
    original = open(full, encoding="utf-8").read()
    lines = original.split("\n")
    lines[number - 1] = new
    start = time.time()
    try:
        open(full, "w", encoding="utf-8").write("\n".join(lines))
        if run(["cmake", "--build", build]).returncode != 0:
            return "no compile"
        labels = tests_to_run(build, start - 1)
        if labels == "":
            return "survived"  # nothing that is tested was rebuilt
        command = ["ctest", "--stop-on-failure", "-j", str(jobs), "--timeout", "120"]
        if labels:
            command += ["-L", labels]
        # The window check runs once per screen; one screen is enough to see the wiring.
        command += ["-E", r"\.(800x600|1280x1024)@|@2$"]
        try:
            result = run(command, cwd=os.path.join(ROOT, build), timeout=1800)
        except subprocess.TimeoutExpired:
            return "killed"
        if b"No tests were found" in result.stdout:
            sys.exit(f"no tests carry the labels {labels}: is every test program labelled in tests/CMakeLists.txt?")
        killed = result.returncode != 0
        return "killed" if killed else "survived"
    finally:
        open(full, "w", encoding="utf-8").write(original)
        os.utime(full)  # newer than the mutant's objects, so that the next build restores them


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--mutants", type=int, default=int(os.environ.get("MUTANTS", 100)))
    parser.add_argument("--per-folder", type=int, help="N mutants from each folder instead of N in all")
    parser.add_argument("--folders", help="comma-separated folders to draw from (default: every logic folder)")
    parser.add_argument("--seed", type=int, default=int(os.environ.get("SEED", 20240305)))
    parser.add_argument("--build", default="build-mutate")
    parser.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    parser.add_argument("--list", action="store_true", help="print the sample and stop")
    parser.add_argument("--save", help="keep the sample in this file")
    parser.add_argument("--replay", help="try the sample kept in this file")
    parser.add_argument("--resume", help="the output of a stopped run: its outcomes are kept, not tried again")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))  # through the finally that restores the file

    folders = args.folders.split(",") if args.folders else FOLDERS
    unknown = [f for f in folders if f not in FOLDERS]
    if unknown:
        sys.exit(f"not a logic folder: {', '.join(unknown)} (they are {', '.join(FOLDERS)})")
    every = [m for path in source_files(folders) for m in mutants_of(path)]
    gone = 0
    if args.replay:
        sample, gone = replayed(args.replay)
    elif args.per_folder:
        sample = [m for folder in folders for m in drawn([m for m in every if m[0].startswith(folder + "/")],
                                                         args.per_folder, args.seed)]
    else:
        sample = every if args.mutants == 0 else drawn(every, args.mutants, args.seed)
    sample.sort(key=lambda m: (m[0], m[1]))
    if args.save:
        saved(args.save, sample)
    if args.list:
        for path, number, change, _ in sample:
            print(f"{path}:{number}: {change}")
        return 0
    origin = f"replayed from {args.replay}, {gone} gone with their lines" if args.replay else f"seed {args.seed}"
    print(f"{len(sample)} mutants of {len(every)}, {origin}", flush=True)
    configure(args.build)
    results = {}
    earlier = resumed(args.resume) if args.resume else {}
    began = time.time()
    for i, mutant in enumerate(sample, 1):
        outcome = earlier.get(mutant[:3]) or try_mutant(args.build, args.jobs, mutant)
        results.setdefault(outcome, []).append(mutant)
        print(f"[{i}/{len(sample)} {time.time() - began:5.0f} s] {outcome:10s} {mutant[0]}:{mutant[1]}: {mutant[2]}",
              flush=True)
    run(["cmake", "--build", args.build])

    print("\nscore by folder (killed / compiled mutants):")
    for folder in FOLDERS:
        killed = sum(1 for m in results.get("killed", []) if m[0].startswith(folder))
        survived = sum(1 for m in results.get("survived", []) if m[0].startswith(folder))
        if killed + survived:
            print(f"  {folder:18s} {killed:4d} / {killed + survived:4d}  {100 * killed / (killed + survived):5.1f} %")
    killed, survived = len(results.get("killed", [])), len(results.get("survived", []))
    if killed + survived:
        print(f"  {'all':18s} {killed:4d} / {killed + survived:4d}  {100 * killed / (killed + survived):5.1f} %"
              f"   ({len(results.get('no compile', []))} did not compile)")
    print("\nsurvivors:")
    for path, number, change, _ in results.get("survived", []):
        print(f"  {path}:{number}: {change}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
