#!/usr/bin/env python3
"""Golden values for the profile tests, computed independently.

Parabolas with exact rationals (fractions): each curve is written from its
definition, y = H_BVC + i1·x + (g − i1)·x²/(2·L1) from BVC (g the grade at
the join under the PVI, g = i2 for a symmetric curve measured over its whole
length), with no nearer-end rewriting. The circle with mpmath at 50 digits:
the centre found from BVC along the normal of the first grade line, and the
elevation as the circle's own equation.

Run:  python3 tests/golden/profile_golden.py
"""
from fractions import Fraction as F
import mpmath as mp

mp.mp.dps = 50


def grades(rows):
    return [F(rows[k + 1][1] - rows[k][1]) / (rows[k + 1][0] - rows[k][0]) for k in range(len(rows) - 1)]


def parabola(pvi, h, i1, i2, l1, l2):
    """(elevation, grade) functions of an asymmetric or symmetric parabola by its definition."""
    L = l1 + l2
    g = (i1 * l1 + i2 * l2) / L          # the common grade at the join
    b = pvi - l1
    hb = h - i1 * l1
    hj = hb + (i1 + g) / 2 * l1          # the join, from the first half's mean grade
    def H(d):
        if d <= pvi:
            x = d - b
            return hb + i1 * x + (g - i1) * x * x / (2 * l1)
        x = d - pvi
        return hj + g * x + (i2 - g) * x * x / (2 * l2)
    def G(d):
        if d <= pvi:
            return i1 + (g - i1) * (d - b) / l1
        return g + (i2 - g) * (d - pvi) / l2
    return H, G


def show(name, pairs):
    print(name)
    for label, v in pairs:
        print("  %-12s %s" % (label, mp.nstr(mp.mpf(v.numerator) / v.denominator if isinstance(v, F) else v, 25)))


def parabola_case(name, rows, row, l1, l2, ds):
    i = grades(rows)
    pvi, h = F(rows[row][0]), F(rows[row][1])
    H, G = parabola(pvi, h, i[row - 1], i[row], F(l1), F(l2))
    out = [("E", abs(h - H(pvi))), ("BVC H", H(pvi - F(l1))), ("EVC H", H(pvi + F(l2)))]
    for d in ds:
        out += [("H(%s)" % d, H(F(d))), ("i(%s)" % d, G(F(d)))]
    show(name, out)


def circle_case(name, rows, row, R, ds):
    i1, i2 = [mp.mpf(g.numerator) / g.denominator for g in grades(rows)[row - 1:row + 1]]
    pvi, h, R = mp.mpf(rows[row][0]), mp.mpf(rows[row][1]), mp.mpf(R)
    t1, t2 = mp.atan(i1), mp.atan(i2)
    delta = abs(t2 - t1)
    T = R * mp.tan(delta / 2)
    bd, bh = pvi - T * mp.cos(t1), h - T * mp.sin(t1)
    ed, eh = pvi + T * mp.cos(t2), h + T * mp.sin(t2)
    s = 1 if i2 > i1 else -1               # sag: centre above
    cd, ch = bd - s * R * mp.sin(t1), bh + s * R * mp.cos(t1)
    H = lambda d: ch - s * mp.sqrt(R * R - (d - cd) ** 2)
    G = lambda d: s * (d - cd) / mp.sqrt(R * R - (d - cd) ** 2)
    out = [("T", T), ("arc", R * delta), ("BVC d", bd), ("BVC H", bh), ("EVC d", ed), ("EVC H", eh),
           ("EVC H circ", H(ed)), ("E", abs(h - H(pvi))), ("top d", cd), ("top H", H(cd))]
    for d in ds:
        out += [("H(%s)" % d, H(mp.mpf(d))), ("i(%s)" % d, G(mp.mpf(d)))]
    show(name, out)


# The textbook crest: K5+030.00 at 427.68, +5 %, −4 %, R 2000.
crest = [(4800, F("416.18")), (5030, F("427.68")), (5300, F("416.88"))]
parabola_case("crest R 2000", crest, 1, 90, 90, [5010, 5080, 4950, 5040, 5119])
# A sag, −2 % to +3 %, R 3000 (L 150).
sag = [(0, F(100)), (300, F(94)), (700, F(106))]
parabola_case("sag R 3000", sag, 1, 75, 75, [240, 285, 300, 330, 370])
# By length: +2 % to +1 %, L 240; its high point lies past EVC.
bylength = [(1000, F(50)), (1400, F(58)), (1800, F(62))]
parabola_case("length 240", bylength, 1, 120, 120, [1290, 1400, 1500])
# Asymmetric: +3 % to −3 %, L1 120, L2 200.
asym = [(0, F(200)), (500, F(215)), (1000, F(200))]
parabola_case("asymmetric 120 200", asym, 1, 120, 200, [400, 476, 500, 560, 690])
# A crest circle, +3 % to −2 %, R 5000.
circle_case("circle R 5000", [(0, 100), (400, 112), (800, 104)], 1, 5000, [300, 350, 400, 460, 520])
# A sag circle, −4 % to +1.5 %, R 2500.
circle_case("circle R 2500 sag", [(0, 300), (500, 280), (900, 286)], 1, 2500, [440, 500, 560])
# Two curves that touch at 300: +2 %, −2 %, +2 %, both R 5000 (T 100).
touching = [(0, F(0)), (200, F(4)), (400, F(0)), (600, F(4))]
parabola_case("touching crest", touching, 1, 100, 100, [200, 250, 300])
parabola_case("touching sag", touching, 2, 100, 100, [300, 400])
