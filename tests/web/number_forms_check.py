#!/usr/bin/env python3
"""Holds a build's number forms against Python's exact arithmetic.

    python3 tests/web/number_forms_check.py [--count N] [--seed S] COMMAND...

COMMAND is a build of number_forms (native, `node number_forms.js`, or
`wine64 number_forms.exe`). It is given every power of two, the edges of the
doubles (subnormals, integers about 2^53, 1e21 and beyond, negative zero)
and N random doubles of each kind (any bits, coordinates as typed, integers
from 2^53 to 2^70), and each of its lines is compared with the forms worked
out here: the shortest digits that read back (Python's repr), written as
std::to_chars writes them, and printf's correctly rounded %.Ng and %.3f.
Prints how many were checked and each that differs; fails when any does.
"""
import argparse
import math
import random
import struct
import subprocess
import sys


def bits_of(x):
    return struct.unpack("<Q", struct.pack("<d", x))[0]


def shortest_digits(m):
    """The shortest digits d1..dn and exponent E with m = d1.d2..dn x 10^E."""
    mantissa, _, exponent = repr(m).partition("e")
    whole, _, fraction = mantissa.partition(".")
    digits = (whole + fraction).lstrip("0")
    # The decimal point sits after `whole`; the first nonzero digit's place.
    e = int(exponent or 0) + len(whole) - 1 - (len(whole + fraction) - len((whole + fraction).lstrip("0")))
    digits = digits.rstrip("0") or "0"
    return digits, e


def fixed_of(m, digits, e):
    if m >= 2.0 ** 53:
        return str(int(m))
    if e < 0:
        return "0." + "0" * (-e - 1) + digits
    if e >= len(digits) - 1:
        return digits + "0" * (e - len(digits) + 1)
    return digits[: e + 1] + "." + digits[e + 1:]


def scientific_of(digits, e):
    text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
    return text + ("e-" if e < 0 else "e+") + f"{abs(e):02d}"


def expected(x):
    sign = "-" if math.copysign(1, x) < 0 else ""
    m = abs(x)
    if m == 0:
        shortest = fixed = sign + "0"
    else:
        digits, e = shortest_digits(m)
        f, s = fixed_of(m, digits, e), scientific_of(digits, e)
        shortest = sign + (f if len(f) <= len(s) else s)
        fixed = sign + f
    three = "%.3f" % x if abs(x) < 1e17 else "-"
    return [shortest, fixed, "%.7g" % x, "%.15g" % x, "%.17g" % x, three, f"{bits_of(x):016x}"]


def values(count, seed):
    rng = random.Random(seed)
    out = [0.0, -0.0, 0.1, 1 / 3, 5e-324, 2.2250738585072009e-308, 2.2250738585072014e-308, 1e-7, 1e16,
           1e21, 1e22, 1e23, 1.2345678901234568e20, 9007199254740991.0, 9007199254740992.0, 9007199254740994.0,
           sys.float_info.max, 123456789.12345679, -2036.772, 1033.8285]
    out += [math.ldexp(1.0, e) for e in range(-1074, 1024)]
    for _ in range(count):
        x = struct.unpack("<d", struct.pack("<Q", rng.getrandbits(64)))[0]
        if math.isfinite(x):
            out.append(x)
        typed = round(rng.uniform(-1e7, 1e7), 3)
        out += [typed, typed * 0.1 + 0.2]
        out.append(float(rng.getrandbits(53) << rng.randint(1, 17)))
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--count", type=int, default=20000)
    parser.add_argument("--seed", type=int, default=53)
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()
    xs = values(args.count, args.seed)
    given = "".join(f"{bits_of(x):016x}\n" for x in xs)
    run = subprocess.run(args.command, input=given.encode(), stdout=subprocess.PIPE, check=True)
    lines = run.stdout.decode().splitlines()
    if len(lines) != len(xs):
        print(f"number_forms: {len(lines)} lines for {len(xs)} numbers", file=sys.stderr)
        return 1
    differing = 0
    for x, line in zip(xs, lines):
        fields = line.split("\t")
        if fields[1:] != expected(x):
            differing += 1
            if differing <= 20:
                print(f"differs: {x!r}: got {fields[1:]}, expected {expected(x)}", file=sys.stderr)
    print(f"number_forms: {len(xs)} doubles, {differing} differing")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
