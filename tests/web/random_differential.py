#!/usr/bin/env python3
"""Random jobs of the window, played by two builds of cap_replay_core.

    python3 tests/web/random_differential.py [--count N] [--seed S] NATIVE -- OTHER...

Makes N random jobs over all five solvers (the corpus's own generator,
make_corpus.random_cases, with another seed), plays them through the native
cap_replay_core (NATIVE) and through another build (OTHER: `node
cap_replay_core.js`, `wine64 cap_replay_core.exe`), and compares every line
they print. A line that differs only in numbers, each within a relative
1e-12 of the other's, is counted as a last-digit difference and shown
(the window's series that diverge far from the origin); any other
difference fails the run.
"""
import argparse
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "corpus"))
import make_corpus  # noqa: E402

# A number as the window writes it, with "." or the comma locale's ",".
NUMBER = re.compile(r"-?\d+(?:[.,]\d+)?(?:[eE][+-]?\d+)?")


def play(command, given):
    run = subprocess.run(command + ["--corpus"], input=given, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    # 1: the cases print other than the empty transcripts given, as they must.
    if run.returncode not in (0, 1):
        sys.exit(f"{' '.join(command)} ended with status {run.returncode}")
    return run.stdout.split(b"\n")


def last_digit_only(a, b):
    """True when a and b differ only in numbers, each within 1e-12."""
    if NUMBER.sub("#", a) != NUMBER.sub("#", b):
        return False
    for x, y in zip(NUMBER.findall(a), NUMBER.findall(b)):
        u, v = float(x.replace(",", ".")), float(y.replace(",", "."))
        if u != v and abs(u - v) > 1e-12 * max(abs(u), abs(v)):
            return False
    return True


def far(script, locale):
    """The job's point of origin 10,000 times as far away: X and Y times 1e4."""
    lines = script.split("\n")
    first = 3 if lines[1] == "0" else 2  # after @start: KZH, or 0 and KHZ
    for i in (first, first + 1):
        value = float(lines[i].replace(",", ".")) * 1e4
        lines[i] = f"{value:.4f}".replace(".", "," if locale == "de_DE" else ".")
    return "\n".join(lines)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=2028)
    parser.add_argument("--far", action="store_true",
                        help="ZH or HZ 10,000 times as far from the origin (up to 5e8 m)")
    parser.add_argument("native")
    parser.add_argument("other", nargs="+")
    args = parser.parse_args()
    other = [word for word in args.other if word != "--"]
    lines = []
    for name, script, locale in make_corpus.random_cases(args.count, args.seed):
        if args.far:
            script = far(script, locale)
        lines.append(f"# {name} | {locale}")
        lines += ["< " + line for line in script.rstrip("\n").split("\n")]
    given = ("\n".join(lines) + "\n").encode()
    mine, theirs = play([args.native], given), play(other, given)
    if len(mine) != len(theirs):
        print(f"random jobs: {len(mine)} lines native, {len(theirs)} in the other build", file=sys.stderr)
        return 1
    printed = [(a.decode(errors="replace"), b.decode(errors="replace")) for a, b in zip(mine, theirs) if a != b]
    close = [(a, b) for a, b in printed if last_digit_only(a, b)]
    other_lines = [(a, b) for a, b in printed if not last_digit_only(a, b)]
    print(f"random jobs: {args.count} jobs, {sum(1 for line in mine if line.startswith(b'> '))} lines, "
          f"{len(close)} differing in a last digit, {len(other_lines)} otherwise")
    for a, b in (other_lines + close)[:6]:
        # The numbers that differ, not the whole of a long row.
        pairs = [(x, y) for x, y in zip(NUMBER.findall(a), NUMBER.findall(b)) if x != y]
        shown = ", ".join(f"{x} against {y}" for x, y in pairs) if pairs else f"{a[:120]} against {b[:120]}"
        print(f"  {a[2:].split(chr(9))[0].split('=')[0][:12]}: native {shown}")
    return 1 if other_lines else 0


if __name__ == "__main__":
    sys.exit(main())
