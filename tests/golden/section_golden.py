#!/usr/bin/env python3
"""Golden values for the cross-section tests, computed independently.

Exact rationals (fractions) throughout. The profile is the textbook crest
(K5+030.00 at 427.68 m, +5 %, -4 %, R 2000), written from the parabola's
definition from BVC. The section is worked from the elevations of its three
points (inner edge, centreline, outer edge), each axis as its wording says:
  centre      the outer side's slope runs linearly from -ig to +e; the inner
              side keeps -ig until the outer side reaches +ig, then lies in
              one plane with it; the centreline stays.
  inner edge  the inner edge keeps its normal elevation; outer edge minus
              inner edge runs linearly from its normal to its full value;
              while the outer slope would be below +ig only the outer side
              turns about the centreline; then one plane through the inner edge.
  outer edge  the outer edge keeps its normal elevation; the same difference
              runs linearly; while the outer slope is below +ig the outer side
              turns about the outer edge and the inner side keeps -ig hanging
              from the centreline; then one plane through the outer edge.
A point's elevation is its side's line through the centreline, continued
beyond the edge. The profile's elevation is the design line's in the normal
section. The table of cross slopes: both slopes linear between rows, the
normal crown outside.

Run:  python3 tests/golden/section_golden.py > tests/road/section_golden_values.h
"""
from fractions import Fraction as F

# The profile: textbook crest.
PVI_D, PVI_H, I1, I2, R = F(5030), F("427.68"), F("0.05"), F("-0.04"), F(2000)
L = R * abs(I2 - I1)
BVC = PVI_D - L / 2


def profile(d):
    if d <= BVC:
        return PVI_H + I1 * (d - PVI_D)
    if d >= PVI_D + L / 2:
        return PVI_H + I2 * (d - PVI_D)
    x = d - BVC
    return PVI_H - I1 * L / 2 + I1 * x + (I2 - I1) * x * x / (2 * L)


IG = F(2)
WIDTH = {"left": F("4.5"), "right": F(6)}
DESIGN = F("-4.5")
TS, FS, FE, TE, E = F(4900), F(4960), F(5060), F(5120), F(6)
OFFSETS = [F(-7), F("-4.5"), F(-2), F(0), F(3), F(6), F(8)]
STATIONS = [(4900, "TS"), (4910, "rising"), (4920, "rising"), (4935, "rising"), (4960, "FS"), (5010, "full"),
            (5060, "FE"), (5075, "falling"), (5100, "falling"), (5120, "TE")]


def phase(d):
    if d <= TS or d >= TE:
        return F(0)
    if d < FS:
        return (d - TS) / (FS - TS)
    if d <= FE:
        return F(1)
    return (TE - d) / (TE - FE)


def section(axis, inner, d):
    """(centreline elevation, slope by side) at d, from the elevations of the edges."""
    outer = "left" if inner == "right" else "right"
    wi, wo = WIDTH[inner], WIDTH[outer]
    zc0 = profile(d) + IG * abs(DESIGN) / 100          # the normal centreline
    t = phase(d)
    if axis == "centre":
        so = -IG + t * (E + IG)
        si = -IG if so <= IG else -so
        return zc0, {outer: so, inner: si}
    normal_diff = (zc0 - IG * wo / 100) - (zc0 - IG * wi / 100)
    full_diff = E * (wi + wo) / 100
    diff = normal_diff + t * (full_diff - normal_diff)   # outer edge minus inner edge
    if axis == "inner":
        zi = zc0 - IG * wi / 100
        zo = zi + diff
        so = (zo - zc0) * 100 / wo                        # the outer side about the centreline
        if so < IG:
            return zc0, {outer: so, inner: -IG}
        p = (zo - zi) * 100 / (wi + wo)
        return zi + p * wi / 100, {outer: p, inner: -p}
    zo = zc0 - IG * wo / 100
    zi = zo - diff
    zc = zi + IG * wi / 100                               # the inner side hangs at -ig from the centre
    so = (zo - zc) * 100 / wo
    if so < IG:
        return zc, {outer: so, inner: -IG}
    p = (zo - zi) * 100 / (wi + wo)
    return zo - p * wo / 100, {outer: p, inner: -p}


def elevation(zc, slopes, o):
    side = "left" if o < 0 else "right"
    return zc + slopes[side] * abs(o) / 100


def num(v):
    v = F(v)
    s = repr(v.numerator / v.denominator)
    # The nearest double: exact to well below 1e-12 m, and the tests allow 1e-9.
    assert abs(F(s) - v) < F(1, 10 ** 12), (s, v)
    return s


SLOPE_ROWS = [(F(4900), F(-2), F(-2)), (F(4950), F(1), F(-3)), (F(5000), F(4), F("-4.5")), (F(5100), F(-2), F(-2))]
SLOPE_STATIONS = [(4880, "before"), (4900, "first_row"), (4925, "between"), (4950, "row"), (4990, "between"),
                  (5000, "row"), (5060, "between"), (5100, "last_row"), (5150, "after")]


def table(d):
    if d < SLOPE_ROWS[0][0] or d > SLOPE_ROWS[-1][0]:
        return {"left": -IG, "right": -IG}
    for (a, la, ra), (b, lb, rb) in zip(SLOPE_ROWS, SLOPE_ROWS[1:]):
        if a <= d <= b:
            f = (d - a) / (b - a)
            return {"left": la + f * (lb - la), "right": ra + f * (rb - ra)}


def main():
    print("// Made by tests/golden/section_golden.py (exact rationals); do not edit by hand.")
    print("#pragma once\n\nnamespace capset::testing {\n")
    print("constexpr double kGoldenOffsets[] = {%s};\n" % ", ".join(num(o) for o in OFFSETS))
    print("struct GoldenSection {\n  const char* name;\n  SuperAxis axis;\n  SectionSide inner;\n"
          "  double distance;\n  double elevations[7];  // at kGoldenOffsets\n  double left, right;\n};\n")
    print("inline const GoldenSection kGoldenTransitions[] = {")
    axes = {"centre": "SuperAxis::kCentre", "inner": "SuperAxis::kInnerEdge", "outer": "SuperAxis::kOuterEdge"}
    for axis in ["centre", "inner", "outer"]:
        for inner in ["right", "left"]:
            for d, label in STATIONS:
                zc, slopes = section(axis, inner, F(d))
                hs = ", ".join(num(elevation(zc, slopes, o)) for o in OFFSETS)
                side = "SectionSide::kRight" if inner == "right" else "SectionSide::kLeft"
                print('    {"%s_inner_%s_%s_%d", %s, %s, %d, {%s}, %s, %s},' %
                      (axis, inner, label, d, axes[axis], side, d, hs, num(slopes["left"]), num(slopes["right"])))
    print("};\n")
    print("inline const GoldenSection kGoldenSlopes[] = {")
    for d, label in SLOPE_STATIONS:
        slopes = table(F(d))
        zc = profile(F(d)) + IG * abs(DESIGN) / 100
        hs = ", ".join(num(elevation(zc, slopes, o)) for o in OFFSETS)
        print('    {"slopes_%s_%d", SuperAxis::kCentre, SectionSide::kRight, %d, {%s}, %s, %s},' %
              (label, d, d, hs, num(slopes["left"]), num(slopes["right"])))
    print("};\n\n}  // namespace capset::testing")


main()
