#!/usr/bin/env python3
"""Golden values for the heights of a skewed cap's points, computed independently.

The road: start K0+000 at X 1000, Y 2000, azimuth 30°; a straight of 100 m,
an arc of 300 m, R 500 to the right, a straight of 100 m. The bridge's caps
at K0+180, K0+200 and K0+230 on the arc, each axis at B = 60° to its own
tangent, half-widths 6 m, points at −3 and +3 m along the axis, 1.5 m below
the deck.

Everything here is written from the geometry, not from the program's way:
- the cap's edge points are where the axis line meets the circles of radius
  R + 6 (left, outside the bend) and R − 6 (right) about the arc's centre,
  a quadratic solved with mpmath at 50 digits;
- each point's foot on the arc is the arc point on the ray from the centre
  through it: station = 100 + R·(angle swept), offset = R − |Q − C|;
- the profile's parabola from its definition in exact rationals: PVIs
  (0, 100), (200, 104, R 3000), (500, 101); y = H_BVC + i1·x + (i2 − i1)·x²/(2L);
- the section at full superelevation (4 %, inner side right, about the
  centreline): the outer (left) side rises at +4 % outward, the inner (right)
  falls at −4 %: the rise at offset o is −0.04·o on both sides.

Prints each point's station, offset and height (to 9 decimals) as the
tests keep them. Run:  python3 tests/golden/point_heights_golden.py
"""
from fractions import Fraction as F
import mpmath as mp

mp.mp.dps = 50

X0, Y0, T = mp.mpf(1000), mp.mpf(2000), mp.radians(30)
R = mp.mpf(500)
ARC_FROM = mp.mpf(100)
B = mp.radians(60)
HALF = mp.mpf(6)
ALONG = [mp.mpf(-3), mp.mpf(3)]
DEPTH = F(3, 2)


def direction(az):
    return mp.matrix([mp.cos(az), mp.sin(az)])


A = mp.matrix([X0, Y0]) + ARC_FROM * direction(T)
C = A + R * direction(T + mp.pi / 2)   # a right turn: the centre on the right


def on_arc(s):
    """Point and heading at distance s on the arc."""
    sweep = (s - ARC_FROM) / R
    return C + R * direction(T - mp.pi / 2 + sweep), T + sweep


def foot(q):
    d = q - C
    phi = mp.atan2(d[1], d[0])
    sweep = phi - (T - mp.pi / 2)
    return ARC_FROM + R * sweep, R - mp.sqrt(d[0] ** 2 + d[1] ** 2)


def meet(p, u, radius, sign):
    """The root t of |p + t·u − C| = radius on the side `sign` of the centre."""
    w = p - C
    b = w[0] * u[0] + w[1] * u[1]
    c = w[0] ** 2 + w[1] ** 2 - radius ** 2
    disc = mp.sqrt(b * b - c)
    roots = [-b + disc, -b - disc]
    return min((t for t in roots if t * sign > 0), key=abs)


def profile(d):
    """Exact rational elevation of the profile at distance d (a Fraction)."""
    i1, i2 = F(4, 200), F(-3, 300)
    L = 3000 * abs(i2 - i1)
    bvc, evc = 200 - L / 2, 200 + L / 2
    if d <= bvc:
        return 100 + i1 * d
    if d >= evc:
        return 104 + i2 * (d - 200)
    x = d - bvc
    return 100 + i1 * bvc + i1 * x + (i2 - i1) * x * x / (2 * L)


def height(station, offset):
    # the profile in rationals at the 40-digit foot; the section's rise is linear
    d = F(mp.nstr(station, 40))
    o = F(mp.nstr(offset, 40))
    return profile(d) - F(4, 100) * o - DEPTH


for kp in (180, 200, 230):
    p, heading = on_arc(mp.mpf(kp))
    u = direction(heading + B)
    points = [("C", p)]
    points.append(("L", p + meet(p, u, R + HALF, -1) * u))
    points.append(("R", p + meet(p, u, R - HALF, +1) * u))
    for n, t in enumerate(ALONG, 1):
        points.append(("P%d" % n, p + t * u))
    for name, q in points:
        s, o = foot(q)
        h = height(s, o)
        print("%d %-2s X %s Y %s station %s offset %s H %s" % (
            kp, name, mp.nstr(q[0], 15), mp.nstr(q[1], 15), mp.nstr(s, 15), mp.nstr(o, 12),
            mp.nstr(mp.mpf(h.numerator) / h.denominator, 15)))


# The station table's H: the finished surface (no depth) at K0+080 (in the
# transition, TS 60 → FS 100: the outer, left side turns from −2 % to +4 %
# linearly; the inner, right side keeps −2 % until the outer reaches +2 %),
# at K0+150 (before BVC), K0+200 (the PVI) and K0+250 (after EVC), at full
# superelevation, on the centreline and 6 m either side.
def slopes(d):
    """(left, right) cross slopes in percent, from the transition's definition."""
    if d <= 60:
        return F(-2), F(-2)
    if d < 100:
        outer = F(-2) + (F(4) - F(-2)) * (d - 60) / (100 - 60)
        return outer, (F(-2) if outer < 2 else -outer)
    return F(4), F(-4)


def surface(d, o):
    left, right = slopes(F(d))
    slope = left if o < 0 else right
    return profile(F(d)) + slope / 100 * abs(F(o))


for d in (80, 150, 200, 250):
    for o in (0, -6, 6):
        h = surface(d, o)
        print("table %d %+d H %s" % (d, o, mp.nstr(mp.mpf(h.numerator) / h.denominator, 15)))
