#!/usr/bin/env python3
"""The replay corpus as another build of cap_replay_core wrote it, against
the corpus the desktop recorded, when the two are not the same bytes.

    python3 tests/web/corpus_compare.py EXPECTED OUT

Everything a case prints must be the same bytes, with one exception: a
LandXML file a case writes (a "> FILE name.xml" listing) holds every
coordinate with the shortest digits that read back to the same double, so
it shows the last bit of the road's arithmetic, where the target's math
library (musl's under emscripten, the C runtime's under Windows) may round
sin, cos or atan2 one unit in the last place apart from the desktop's. A
line of such a file that differs only in numbers, each within a relative
1e-15 (a few units in the last place; a nanometre is 1e-13 of a
coordinate of 1e4 m), is shown and counted; any other difference fails,
as does a corpus of another shape. Exit status 0 when every difference is
of that kind.
"""
import re
import sys

NUMBER = re.compile(rb"-?\d+(?:\.\d+)?(?:[eE][+-]?\d+)?")
MOST = 1e-15


def last_bits_only(a, b):
    if NUMBER.sub(b"#", a) != NUMBER.sub(b"#", b):
        return False
    for x, y in zip(NUMBER.findall(a), NUMBER.findall(b)):
        u, v = float(x), float(y)
        if u != v and abs(u - v) > MOST * max(abs(u), abs(v)):
            return False
    return True


def main():
    with open(sys.argv[1], "rb") as f:
        expected = f.read().split(b"\n")
    with open(sys.argv[2], "rb") as f:
        out = f.read().split(b"\n")
    if len(expected) != len(out):
        print(f"the corpus has {len(out)} lines where the desktop's has {len(expected)}", file=sys.stderr)
        return 1
    case, in_xml, shown, failed = b"", False, 0, 0
    for a, b in zip(expected, out):
        if a.startswith(b"# "):
            case = a[2:]
        if a.startswith(b"> FILE ") or not a.startswith(b"> "):
            in_xml = a.startswith(b"> FILE ") and a.lower().endswith(b".xml")
        if a == b:
            continue
        kind = "last bits" if in_xml and a.startswith(b"> | ") and last_bits_only(a, b) else "DIFFERS"
        if kind == "DIFFERS":
            failed += 1
        else:
            shown += 1
        print(f"{kind} {case.decode(errors='replace')}\n  desktop: {a.decode(errors='replace')}\n"
              f"  here:    {b.decode(errors='replace')}", file=sys.stderr)
    if failed:
        return 1
    print(f"{shown} line(s) of written LandXML files differ in the last bits of their numbers only", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
