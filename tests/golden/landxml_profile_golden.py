#!/usr/bin/env python3
"""The LandXML profile files of the tests and their golden elevations,
computed independently of the program.

Two files are written to tests/data/landxml/:
  profile_metres.xml  a road of 1300 m from K4+800 with a 短链 (K5+200 = K5+210),
                      a ParaCurve (the textbook crest: PVI K5+030 at 427.68 m,
                      +5 % to -4 %, L = 180 m), an UnsymParaCurve, a CircCurve
                      and a plain grade break;
  profile_feet.xml    a road in US survey feet (1 ft = 1200/3937 m) with a
                      ParaCurve, an UnsymParaCurve and a grade break, every
                      number round in feet.

Elevations are computed here from the curves' textbook definitions, not from
the program's forms: a parabola as offsets from its tangents, y = i1·x +
(i2 − i1)·x²/(2L) from BVC; an asymmetric one by the middle ordinate
e = L1·L2·(i2 − i1)/(2(L1 + L2)) under the PVI and offsets e·(x/L1)² from BVC
and e·(x'/L2)² from EVC; all in exact fractions. The circle with mpmath at 50
digits: its centre found along the normal of the first grade line at the
tangent point, the elevation from the circle's own equation.

Run:  python3 tests/golden/landxml_profile_golden.py  (from the project's root)
"""
from fractions import Fraction as F
import os
import mpmath as mp

mp.mp.dps = 50
FOOT = F(1200, 3937)
HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data', 'landxml')


def mpf(v):
    return mp.mpf(v.numerator) / v.denominator if isinstance(v, F) else mp.mpf(v)


class Road:
    """Stations to distances: a start station and 短链 equations (back < ahead)."""

    def __init__(self, start, equations):
        self.start, self.equations = F(start), [(F(b), F(a)) for b, a in equations]

    def distance(self, station):
        station = F(station)
        d, at = F(0), self.start
        for back, ahead in self.equations:
            if station <= back:
                return d + station - at
            d += back - at
            at = ahead
        return d + station - at


def grades(rows):
    return [(rows[k + 1][1] - rows[k][1]) / (rows[k + 1][0] - rows[k][0]) for k in range(len(rows) - 1)]


def circle(d0, h0, i1, i2, R):
    """The circle tangent to both grade lines through the PVI (d0, h0)."""
    d0, h0, i1, i2, R = mpf(d0), mpf(h0), mpf(i1), mpf(i2), mpf(R)
    t1, t2 = mp.atan(i1), mp.atan(i2)
    delta = abs(t2 - t1)
    T = R * mp.tan(delta / 2)                   # along each grade line
    bd, bh = d0 - T * mp.cos(t1), h0 - T * mp.sin(t1)  # the tangent point on the first line
    s = 1 if i2 > i1 else -1                    # sag: centre above; crest: below
    cd, ch = bd - s * R * mp.sin(t1), bh + s * R * mp.cos(t1)
    ed = d0 + T * mp.cos(t2)
    H = lambda d: ch - s * mp.sqrt(R * R - (mpf(d) - cd) ** 2)
    G = lambda d: s * (mpf(d) - cd) / mp.sqrt(R * R - (mpf(d) - cd) ** 2)
    return bd, ed, H, G, R * delta


def profile(rows):
    """rows: (distance, elevation, curve) with curve None, ('L', L), ('U', L1, L2) or ('C', R).
    Returns H(d), G(d) and the circles' arc lengths."""
    pts = [(F(r[0]), F(r[1])) for r in rows]
    i = grades(pts)
    pieces, arcs = [], {}
    for k, r in enumerate(rows):
        c = r[2]
        if c is None:
            continue
        d0, h0, i1, i2 = pts[k][0], pts[k][1], i[k - 1], i[k]
        if c[0] in 'LU':
            l1, l2 = (F(c[1]) / 2, F(c[1]) / 2) if c[0] == 'L' else (F(c[1]), F(c[2]))
            e = l1 * l2 * (i2 - i1) / (2 * (l1 + l2))
            b, hb, en, he = d0 - l1, h0 - i1 * l1, d0 + l2, h0 + i2 * l2

            def H(d, b=b, hb=hb, en=en, he=he, i1=i1, i2=i2, l1=l1, l2=l2, e=e, d0=d0):
                if d <= d0:
                    x = d - b
                    return hb + i1 * x + e * (x / l1) ** 2
                x = en - d
                return he - i2 * x + e * (x / l2) ** 2

            def G(d, b=b, en=en, i1=i1, i2=i2, l1=l1, l2=l2, e=e, d0=d0):
                if d <= d0:
                    return i1 + 2 * e * (d - b) / (l1 * l1)
                return i2 - 2 * e * (en - d) / (l2 * l2)
            pieces.append((b, en, H, G))
        else:
            bd, ed, H, G, arc = circle(d0, h0, i1, i2, c[1])
            pieces.append((bd, ed, H, G))
            arcs[k] = arc

    def height(d):
        d = F(d)
        for b, e, H, G in pieces:
            if mpf(b) <= mpf(d) <= mpf(e):
                return H(d), G(d)
        k = max(j for j in range(len(pts) - 1) if pts[j][0] <= d)
        return pts[k][1] + i[k] * (d - pts[k][0]), i[k]
    return height, arcs


def num(v, digits):
    return mp.nstr(mpf(v), digits + 8, strip_zeros=True) if digits is None else ('%.' + str(digits) + 'f') % float(mpf(v))


def write_file(name, unit, start, equations, length, rows, arcs, plan):
    """rows: (station as printed, elevation, curve) in the file's unit."""
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">',
           '  <Units><%s linearUnit="%s"/></Units>' % ('Imperial' if unit != 'meter' else 'Metric', unit),
           '  <Alignments>',
           '    <Alignment name="纵断面试验线" length="%s" staStart="%s">' % (length, start),
           '      <CoordGeom>',
           '        <Line length="%s"><Start>%s</Start><End>%s</End></Line>' % (length, plan[0], plan[1]),
           '      </CoordGeom>']
    for back, ahead in equations:
        out.append('      <StaEquation staBack="%s" staAhead="%s"/>' % (back, ahead))
    out += ['      <Profile name="纵断面">',
            '        <ProfSurf name="地面线"><PntList2D>%s 0 %s 0</PntList2D></ProfSurf>' % (start, start),
            '        <ProfAlign name="设计线">']
    for k, (sta, h, c) in enumerate(rows):
        at = '%s %s' % (sta, h)
        if c is None:
            out.append('          <PVI>%s</PVI>' % at)
        elif c[0] == 'L':
            out.append('          <ParaCurve length="%s">%s</ParaCurve>' % (c[1], at))
        elif c[0] == 'U':
            out.append('          <UnsymParaCurve lengthIn="%s" lengthOut="%s">%s</UnsymParaCurve>' % (c[1], c[2], at))
        else:
            out.append('          <CircCurve length="%s" radius="%s">%s</CircCurve>' % (num(arcs[k], 6), c[1], at))
    out += ['        </ProfAlign>', '      </Profile>', '    </Alignment>', '  </Alignments>', '</LandXML>', '']
    with open(os.path.join(DATA, name), 'w', encoding='utf-8') as f:
        f.write('\n'.join(out))


def case(name, unit, start, equations, length, rows, plan, stations):
    scale = FOOT if unit == 'USSurveyFoot' else F(1)
    road = Road(F(start) * scale, [(F(b) * scale, F(a) * scale) for b, a in equations])
    metric = [(road.distance(F(s) * scale), F(h) * scale, None if c is None else
               (c[0],) + tuple(F(v) * scale for v in c[1:])) for s, h, c in rows]
    height, arcs = profile(metric)
    write_file(name, unit, start, equations, length, rows, {k: a / mpf(scale) for k, a in arcs.items()}, plan)
    print(name)
    for s in stations:
        d = road.distance(F(s) * scale)
        H, G = height(d)
        print('    {"At%s", %s, %s, %s},' % (s, s, num(H, 12), num(G, 15)))


case('profile_metres.xml', 'meter', 4800, [(5200, 5210)], 1300,
     [(4800, '416.18', None),
      (5030, '427.68', ('L', 180)),
      (5400, '413.28', ('U', 80, 120)),
      (5700, '417.78', ('C', 5000)),
      (5900, '413.78', None),
      (6100, '414.78', None)],
     ('3000 4000', '4300 4000'),
     [4800, 4850, 4940, 5010, 5030, 5080, 5120, 5250, 5330, 5400, 5450, 5520, 5650, 5700, 5760, 5900, 6000, 6100])

case('profile_feet.xml', 'USSurveyFoot', 1000, [], 4000,
     [(1000, '500', None),
      (2000, '520', ('L', 400)),
      (3000, '505', ('U', 300, 500)),
      (4000, '512', None)],
     ('10000 20000', '14000 20000'),
     [1000, 1500, 1800, 1900, 2000, 2100, 2200, 2500, 2700, 2850, 3000, 3250, 3500, 3750, 4000])
