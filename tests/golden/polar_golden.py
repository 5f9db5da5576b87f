#!/usr/bin/env python3
"""Golden values of polar set-out data, computed independently.

The station S (X north, Y east) at grid coordinates near 3.4e6 m, its mark's
height HS and the instrument height i; each point P given by its coordinates
as the doubles the tests type. Every coordinate is taken as the exact
rational its double holds (fractions.Fraction), so the differences are exact,
and every angle is formed with mpmath at 50 digits:

- the azimuth α of S→P from north clockwise: atan2(ΔY, ΔX) brought into
  [0, 360), written here from the definition (the angle of the vector
  (ΔX, ΔY) in a plane whose first axis is north);
- the distance D = √(ΔX² + ΔY²);
- the angle to turn β = α − α0 into [0, 360), α0 the backsight's azimuth;
- dH = HP − (HS + i);
- the zenith angle Z read on the point: the angle from straight up to the
  line of sight to P, whose height over the instrument's horizon is dH less
  the earth's curvature and refraction (1 − k)·D²/(2R), k = 0.14,
  R = 6 371 000 m: Z = 90° − atan((dH − f)/D);
- each angle also as D.MMSSs, rounded once to 0.1″ (half away from zero),
  360° written as 0.

Run:  python3 tests/golden/polar_golden.py
"""
from fractions import Fraction as F
import mpmath as mp

mp.mp.dps = 50

S = (3381234.567, 512345.678)
HS, HI = 12.345, 1.52
K, R = F(14, 100), F(6371000)


def exact(x):
    return F(x)


def big(q):
    """An exact rational as a 50-digit mpf."""
    return mp.mpf(q.numerator) / q.denominator


def azimuth(frm, to):
    dx = exact(to[0]) - exact(frm[0])
    dy = exact(to[1]) - exact(frm[1])
    a = mp.degrees(mp.atan2(big(dy), big(dx)))
    if a < 0:
        a += 360
    return a, mp.sqrt(big(dx * dx + dy * dy))


def packed(deg):
    tenths = int(mp.nint(deg * 36000))  # no ties among these values
    if tenths == 360 * 36000:
        tenths = 0
    return "%d.%02d%02d%d" % (tenths // 36000, tenths // 600 % 60, tenths // 10 % 60, tenths % 10)


def zenith(d, dh):
    f = big(1 - K) * d ** 2 / big(2 * R)
    rise = dh - f
    return 90 - mp.degrees(mp.atan(rise / d))


BACKSIGHTS = {
    # a backsight point 1′ west of north, 200 m away: α0 ≈ 359°59′
    "b359_59": (S[0] + 200.0, S[1] - 0.058177641733144),
    # one in the south-east
    "bSE": (S[0] - 150.0, S[1] + 80.0),
}

POINTS = [
    ("due_north", (S[0] + 100.0, S[1]), 14.0),
    ("due_south", (S[0] - 100.0, S[1]), 10.0),
    ("due_east", (S[0], S[1] + 100.0), 13.865),
    ("due_west", (S[0], S[1] - 100.0), 13.865),
    ("first_quadrant", (S[0] + 30.0, S[1] + 40.0), 20.0),
    ("second_quadrant", (S[0] - 30.0, S[1] + 40.0), 5.0),
    ("third_quadrant", (S[0] - 30.0, S[1] - 40.0), 13.865),
    ("fourth_quadrant", (S[0] + 30.0, S[1] - 40.0), 13.0),
    ("hair_west_of_north", (S[0] + 250.0, S[1] - 0.001), 13.865),
    ("hair_east_of_north", (S[0] + 250.0, S[1] + 0.001), 13.865),
    ("on_backsight_line", (S[0] + 400.0, S[1] - 0.116355283466288), 13.865),
    ("far_below", (S[0] + 350.0, S[1] + 350.0), -2.5),
]

if __name__ == "__main__":
    for bname, b in BACKSIGHTS.items():
        a0, d0 = azimuth(S, b)
        print("backsight %s: azimuth %s (%s) distance %s" % (bname, mp.nstr(a0, 17), packed(a0), mp.nstr(d0, 15)))
        for name, p, h in POINTS:
            a, d = azimuth(S, p)
            turn = a - a0
            if turn < 0:
                turn += 360
            dh = exact(h) - (exact(HS) + exact(HI))
            z = zenith(d, big(dh))
            print("  %-20s az %-22s %s  D %-20s turn %-22s %s  dH %s  Z %s %s" % (
                name, mp.nstr(a, 17), packed(a), mp.nstr(d, 15), mp.nstr(turn, 17), packed(turn),
                mp.nstr(big(dh), 15), mp.nstr(z, 17), packed(z)))
