#!/usr/bin/env python3
"""Hostile numbers against cap_replay: random scripts, and the kept ones.

    hostile_run.py REPLAY --script FILE [--expect FILE]   judge one script
    hostile_run.py REPLAY [--seed N] [--count N] [--keep DIR] [--time-limit S]
                                                          generate and judge

The seed and the count default to the environment's CAPSET_FUZZ_SEED and
CAPSET_FUZZ_COUNT, then to 29 and 40. Every script is judged for: an exit
other than 0 (a crash, an abort), a sanitizer's report on standard error, a
run past the time limit, a number printed as nan or inf (in the answers'
numeric fields, the boxes and the log's rows), and a MESSAGE or NOTICE
whose own words hold nan or inf (what stands between “ and ” quotes the
user and is not judged). A flagged script is written to the keep folder,
cut down to the fewest commands that still show the fault, and the run
fails. An expect file holds one regular expression a line that the output
must match somewhere.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import hostile_scripts  # noqa: E402

SANITIZER_MARKS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:",
                   "UndefinedBehaviorSanitizer", "AddressSanitizer:", "terminate called")

# Numbers as C++ prints what is not one: inf, -inf, nan, -nan, and a station
# made of them (Kinf+, K-nan+).
NOT_FINITE = re.compile(r"(?i)(?<![a-z])k?[-+]?(nan|inf)(?![a-z])")
# A typed line or value quoted in a message, which may rightly hold "inf".
QUOTED = re.compile(r"“[^”]*”|\"[^\"]*\"")
# Words of the program's own sentences that name the straight end's "inf".
ALLOWED_WORDS = ("写 inf", "写作 inf", "或 inf", "inf（", "为 inf", "inf 表示", "INF")
# Tags of answer lines, with the fields that echo what was typed.
ECHOED = {"AT": (1, 2), "WHERE": (1, 2)}
NUMERIC_TAGS = ("AT", "WHERE", "KEY", "CURVE", "TABLE", "PT", "CHECK", "ROW", "BACKSIGHT", "POLAR")


def problems_in_output(text, folder):
    found = []
    for line in text.splitlines():
        if folder:
            line = line.replace(folder, "DIR")
        tag = line.split("\t", 1)[0].split(" ", 1)[0]
        if tag in ("MESSAGE", "NOTICE"):
            words = QUOTED.sub("", line)
            for allowed in ALLOWED_WORDS:
                words = words.replace(allowed, "")
            if NOT_FINITE.search(words):
                found.append("a sentence with nan or inf: " + line[:300])
        elif tag in NUMERIC_TAGS:
            fields = line.split("\t")
            echoed = ECHOED.get(tag, ())
            for i, field in enumerate(fields[1:], start=1):
                if i not in echoed and NOT_FINITE.search(field):
                    found.append("a number that is not finite: " + line[:300])
                    break
        elif re.match(r"Text\d+=", line) and NOT_FINITE.search(line.split("=", 1)[1]):
            found.append("a box that is not finite: " + line[:300])
    return found


def run_script(replay, script, time_limit, files=None):
    """(problems, output, seconds) of one script; `files` are written into its folder first."""
    folder = tempfile.mkdtemp(prefix="capset-hostile-")
    try:
        for name, contents in (files or {}).items():
            with open(os.path.join(folder, name), "w", encoding="utf-8") as f:
                f.write(contents)
        text = script.replace("@DIR@", folder)
        env = dict(os.environ)
        env["XDG_DATA_HOME"] = os.path.join(folder, "data")
        env.setdefault("QT_QPA_PLATFORM", "offscreen")
        env.setdefault("ASAN_OPTIONS", "detect_leaks=0")
        started = time.monotonic()
        try:
            done = subprocess.run([replay, "--now", "2026-03-01 09:30:00"], input=text.encode("utf-8"),
                                  capture_output=True, timeout=time_limit, env=env)
        except subprocess.TimeoutExpired:
            return ["a run past %g s" % time_limit], "", time.monotonic() - started
        seconds = time.monotonic() - started
        out = done.stdout.decode("utf-8", "replace")
        err = done.stderr.decode("utf-8", "replace")
        problems = []
        if done.returncode != 0:
            problems.append("exit %d" % done.returncode)
        for mark in SANITIZER_MARKS:
            if mark in err:
                at = err.index(mark)
                problems.append("a sanitizer report: " + err[at:at + 300].replace("\n", " | "))
                break
        problems += problems_in_output(out, folder)
        return problems, out, seconds
    finally:
        shutil.rmtree(folder, ignore_errors=True)


def kind_of(problem):
    return problem.split(":", 1)[0]


def minimise(replay, script, files, problem, time_limit):
    """The script cut down, command by command, while it still shows the same kind of fault."""
    blocks = hostile_scripts.split_commands(script)
    kind = kind_of(problem)
    i = 0
    while i < len(blocks):
        trial = blocks[:i] + blocks[i + 1:]
        problems, _, _ = run_script(replay, "".join(trial), time_limit, files)
        if any(kind_of(p) == kind for p in problems):
            blocks = trial
        else:
            i += 1
    return "".join(blocks)


def judge_one(args):
    with open(args.script, encoding="utf-8") as f:
        script = f.read()
    # Files a kept script reads lie in a folder beside it, named after it.
    files = {}
    beside = args.script + ".files"
    if os.path.isdir(beside):
        for name in os.listdir(beside):
            with open(os.path.join(beside, name), encoding="utf-8") as f:
                files[name] = f.read()
    problems, out, seconds = run_script(args.replay, script, args.time_limit, files)
    if args.expect:
        with open(args.expect, encoding="utf-8") as f:
            for pattern in (p.rstrip("\n") for p in f):
                if pattern and not re.search(pattern, out, re.M):
                    problems.append("no line matches " + pattern)
    for p in problems:
        print(os.path.basename(args.script) + ": " + p)
    if problems:
        print(out[-3000:])
    print("%s: %.2f s" % (os.path.basename(args.script), seconds))
    return 1 if problems else 0


def fuzz(args):
    seed = args.seed if args.seed is not None else int(os.environ.get("CAPSET_FUZZ_SEED", "29"))
    count = args.count if args.count is not None else int(os.environ.get("CAPSET_FUZZ_COUNT", "40"))
    failed = 0
    started = time.monotonic()
    slowest = 0.0
    for n in range(count):
        script_seed = seed * 1000003 + n
        script, files = hostile_scripts.make_script(script_seed)
        problems, _, seconds = run_script(args.replay, script, args.time_limit, files)
        slowest = max(slowest, seconds)
        if not problems:
            continue
        failed += 1
        if args.keep:
            os.makedirs(args.keep, exist_ok=True)
            small = minimise(args.replay, script, files, problems[0], args.time_limit) if args.minimise else script
            name = os.path.join(args.keep, "seed%d_%d.txt" % (seed, n))
            with open(name, "w", encoding="utf-8") as f:
                f.write(small)
            if files:
                os.makedirs(name + ".files", exist_ok=True)
                for file_name, contents in files.items():
                    with open(os.path.join(name + ".files", file_name), "w", encoding="utf-8") as f:
                        f.write(contents)
            print("kept " + name)
        for p in problems:
            print("script %d (seed %d): %s" % (n, script_seed, p))
    print("%d scripts, seed %d, %d flagged, %.1f s (slowest %.2f s)" %
          (count, seed, failed, time.monotonic() - started, slowest))
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("replay")
    parser.add_argument("--script")
    parser.add_argument("--expect")
    parser.add_argument("--seed", type=int)
    parser.add_argument("--count", type=int)
    parser.add_argument("--keep", help="folder for the flagged scripts")
    parser.add_argument("--no-minimise", dest="minimise", action="store_false")
    parser.add_argument("--time-limit", type=float,
                        default=float(os.environ.get("CAPSET_FUZZ_TIME_LIMIT", "10")))
    args = parser.parse_args()
    return judge_one(args) if args.script else fuzz(args)


if __name__ == "__main__":
    sys.exit(main())
