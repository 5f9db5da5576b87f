#!/usr/bin/env python3
"""Writes the LandXML files of the tests: roads laid out here with 40-digit
integrals (mpmath), independent of the program's own clothoid, so that a
test that reads them checks the program against the file's own points.

    python3 make_files.py      (in this folder)
"""
import mpmath as mp

mp.mp.dps = 40
PI = mp.pi


def lay(start, azimuth_deg, elements):
    """elements: (kind, length, R1, R2, side) with R None for a straight end,
    side +1 right (cw), -1 left (ccw). Returns each element with its start
    and end points and the end heading."""
    x, y = mp.mpf(start[0]), mp.mpf(start[1])
    th = mp.mpf(azimuth_deg) * PI / 180
    out = []
    for kind, L, R1, R2, side in elements:
        L = mp.mpf(L)
        k0 = 0 if R1 is None else side / mp.mpf(R1)
        k1 = 0 if R2 is None else side / mp.mpf(R2)
        if kind == 'line':
            k0 = k1 = 0
        if kind == 'arc':
            k1 = k0
        c = (k1 - k0) / L
        th0 = th
        head = lambda u: th0 + k0 * u + c * u * u / 2
        dx = mp.quad(lambda u: mp.cos(head(u)), [0, L / 2, L])
        dy = mp.quad(lambda u: mp.sin(head(u)), [0, L / 2, L])
        a = (x, y)
        x, y = x + dx, y + dy
        th = head(L)
        out.append(dict(kind=kind, L=L, R1=R1, R2=R2, side=side, a=a, b=(x, y), th0=th0, th1=th, k0=k0))
    return out


def num(v, digits=6):
    return mp.nstr(mp.mpf(v), 20, strip_zeros=False) if digits is None else ('%.' + str(digits) + 'f') % float(v)


def pt(p, digits):
    return '%s %s' % (num(p[0], digits), num(p[1], digits))


def element_xml(e, digits):
    rot = 'cw' if e['side'] > 0 else 'ccw'
    a, b = e['a'], e['b']
    if e['kind'] == 'line':
        return ('<Line length="%s" dir="123.456"><Start>%s</Start><End>%s</End></Line>'
                % (num(e['L'], digits), pt(a, digits), pt(b, digits)))
    if e['kind'] == 'arc':
        R = mp.mpf(e['R1'])
        cx = a[0] - e['side'] * R * mp.sin(e['th0'])
        cy = a[1] + e['side'] * R * mp.cos(e['th0'])
        return ('<Curve rot="%s" crvType="arc" radius="%s" length="%s" dirStart="0" dirEnd="0">'
                '<Start>%s</Start><Center>%s</Center><End>%s</End></Curve>'
                % (rot, num(R, digits), num(e['L'], digits), pt(a, digits), pt((cx, cy), digits), pt(b, digits)))
    r = lambda R: 'INF' if R is None else num(R, digits)
    return ('<Spiral length="%s" radiusStart="%s" radiusEnd="%s" rot="%s" spiType="clothoid">'
            '<Start>%s</Start><PI>0 0</PI><End>%s</End></Spiral>'
            % (num(e['L'], digits), r(e['R1']), r(e['R2']), rot, pt(a, digits), pt(b, digits)))


def alignment_xml(name, sta, laid, digits, equations=()):
    total = sum(e['L'] for e in laid)
    body = '\n      '.join(element_xml(e, digits) for e in laid)
    eqs = ''.join('\n    <StaEquation staBack="%s" staAhead="%s"/>' % q for q in equations)
    return ('  <Alignment name="%s" length="%s" staStart="%s">\n    <CoordGeom>\n      %s\n    </CoordGeom>%s\n'
            '    <Profile name="p"><ProfSurf name="ground"><PntList2D>0 100 50 101</PntList2D></ProfSurf></Profile>\n  </Alignment>\n'
            % (name, num(total, digits), sta, body, eqs))


HEAD = ('<?xml version="1.0" encoding="UTF-8"?>\n'
        '<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2" date="2026-03-01" time="09:30:00">\n'
        ' <Units><Metric linearUnit="meter" areaUnit="squareMeter" volumeUnit="cubicMeter" angularUnit="decimal degrees"'
        ' directionUnit="decimal degrees"/></Units>\n'
        ' <Project name="测试"/>\n')
SURFACE = (' <Surfaces><Surface name="地面"><Definition surfType="TIN"><Pnts>\n'
           + ''.join('  <P id="%d">%d.5 %d.25 %d.1</P>\n' % (i, 3400000 + i, 500000 + i, 100 + i) for i in range(1, 40))
           + ' </Pnts><Faces><F>1 2 3</F></Faces></Definition></Surface></Surfaces>\n'
           ' <CgPoints><CgPoint name="BM1">3400000 500000 100</CgPoint></CgPoints>\n')

# Two curves, right then left, each an arc between two spirals; a station equation.
MAIN = lay((3401000.25, 501200.75), 38.5, [
    ('line', 180, None, None, 1),
    ('spiral', 120, None, 600, 1), ('arc', 260.5, 600, 600, 1), ('spiral', 100, 600, None, 1),
    ('line', 140, None, None, 1),
    ('spiral', 80, None, 400, -1), ('arc', 190, 400, 400, -1), ('spiral', 80, 400, None, -1),
    ('line', 220, None, None, 1)])
# An egg curve: a partial spiral joins two arcs of the same turn.
EGG = lay((2500.0, 1800.0), 300.125, [
    ('line', 100, None, None, 1),
    ('spiral', 90, None, 800, 1), ('arc', 150, 800, 800, 1), ('spiral', 60, 800, 400, 1),
    ('arc', 120, 400, 400, 1), ('spiral', 70, 400, None, 1),
    ('line', 130, None, None, 1)])
# A ramp: spirals between arcs turning the same way, with no straight between.
RAMP = lay((3401100.0, 501300.0), 120.0, [
    ('spiral', 50, None, 120, -1), ('arc', 90, 120, 120, -1), ('spiral', 40, 120, None, -1),
    ('line', 60, None, None, 1)])

if __name__ == '__main__':
    with open('two_curves.xml', 'w', encoding='utf-8') as f:
        f.write(HEAD + SURFACE + ' <Alignments name="路线">\n' +
                alignment_xml('主线', '12000', MAIN, 6, [('12500', '12480.5')]) + ' </Alignments>\n</LandXML>\n')
    with open('egg_curve.xml', 'w', encoding='utf-8') as f:
        f.write(HEAD + ' <Alignments>\n' + alignment_xml('卵形曲线', '300', EGG, 9) + ' </Alignments>\n</LandXML>\n')
    with open('two_alignments.xml', 'w', encoding='utf-8') as f:
        f.write(HEAD + ' <Alignments>\n' + alignment_xml('主线', '12000', MAIN, 6) +
                alignment_xml('A 匝道', '0', RAMP, 6) + ' </Alignments>\n' + SURFACE + '</LandXML>\n')
