#!/usr/bin/env python3
"""Golden box texts for the window's range tests on azimuths, one job per test.

Each skewed cap and the square cap bring some azimuths into [0, 360) with
single tests (if >= 360 subtract 360, if < 0 add 360).  An azimuth used only
through its cosine and sine (a chord, an edge direction) moves by a whole
turn when a test is left out or changed, and a whole turn of the job's
degrees is 2 * 3.1415926535 radians, 1.796e-10 rad short of a true turn: the
point turns by that about its origin.  A millimetre therefore needs a lever of
some 5,000 km (a chord of the spiral, or the half-width DR).  The jobs here
are such levers: absurd as roads, accepted by the window, and each shows the
test at the millimetre.  An axis azimuth is only compared with a bearing, and
the mismatch is brought back by one turn; a test on it shows only when the
azimuth is two turns out (T typed more than a turn beyond 0..360): the side
then never meets the precision.  Those jobs are ordinary roads.

Everything is computed at 40 digits from the curve's definition:
  * the spiral point by its series, as the window lays the curve (x to l^13,
    y to l^11; the square cap's x to l^9), checked against the clothoid by
    Fresnel integrals (mpmath) and printed: with l/A1 at most 0.1 the two
    agree to far below a micrometre;
  * azimuths in the job's degrees (pi cut to 3.1415926535), as the window
    measures them; the range tests as each solver states them;
  * the edge point by solving for the foot point whose offset lies on the cap
    axis (findroot on the bearing mismatch), not by the window's rounds; the
    window stops within its precision, so its shown foot station and point lie
    within L * precision / rho of the root: the jobs take a precision that
    keeps this far below the shown millimetre.
For each job the script also computes the job with the one test changed (the
mutant the row is named for) and prints which box texts move.

Run:  python3 tests/golden/fold_golden.py          (a table of the jobs)
      python3 tests/golden/fold_golden.py --rows   (the C++ rows of fold_table_test.cpp)
"""
import math
import struct
import sys

import mpmath as mp

mp.mp.dps = 40
PI = mp.mpf('3.1415926535')
RHO = 180 / PI

NONE, HIGH, LOW, HIGH_LOW, LOW_HIGH = 'none', 'high', 'low', 'high-low', 'low-high'


def fold(a, kind):
    def high(v):
        return v - 360 if v >= 360 else v

    def low(v):
        return v + 360 if v < 0 else v
    return {NONE: a, HIGH: high(a), LOW: low(a), HIGH_LOW: low(high(a)), LOW_HIGH: high(low(a))}[kind]


# --- Inputs as the window stores them -------------------------------------

def packed(text):
    """A packed D.MMSS answer read into decimal degrees, as the window reads it (in doubles)."""
    p = float(text)
    sign = -1 if p < 0 else 1
    p = abs(p)
    d = math.trunc(p)
    h = p * 100
    t = p * 10000
    n = math.trunc(h + 1e-10)
    minutes = n - 100 * d
    seconds = t - 100 * n
    return sign * ((minutes / 60 + d) + seconds / 3600)


def f32(text):
    return struct.unpack('f', struct.pack('f', float(text)))[0]


# --- The curve -------------------------------------------------------------

def series(l, A, x_terms=4):
    x = l - l**5 / 40 / A**4 + l**9 / 3456 / A**8
    if x_terms == 4:
        x -= l**13 / 599040 / A**12
    y = l**3 / 6 / A**2 - l**7 / 336 / A**6 + l**11 / 42240 / A**10
    return x, y


def clothoid(l, A):
    """The clothoid itself: Fresnel integrals, tangent angle l^2 / (2 A^2)."""
    k = A * mp.sqrt(mp.pi)
    return k * mp.fresnelc(l / k), k * mp.fresnels(l / k)


def chord(l, A, x_terms=4):
    x, y = series(l, A, x_terms)
    return mp.sqrt(x * x + y * y), mp.atan(y / x) * RHO


def tangent_angle(l, A):
    return l * l * 90 / A**2 / PI


def polar(p, length, azimuth):
    return (p[0] + length * mp.cos(azimuth / RHO), p[1] + length * mp.sin(azimuth / RHO))


def bearing(dx, dy):
    L = mp.sqrt(dx * dx + dy * dy)
    q = dy / L
    a = mp.atan(q / mp.sqrt(1 - q * q)) * RHO
    if dx < 0:
        a = 180 - a
    if dx > 0 and dy < 0:
        a = a + 360
    return L, a


def mismatch(a, target):
    d = a - target
    if abs(d) > 180:
        d = d + 360 if d < -180 else d - 360
    return d


# --- The skewed cap --------------------------------------------------------
# Folds by solver: axis (towards the edge right of the spiral's direction
# seen from its origin), centre chord, foot chord, edge on the right (+90),
# edge on the left (-90); the opposite axis always 'high'.

SKEW = {
    'Cmd1': dict(s=+1, end='ZH', inner=+1, axis=HIGH_LOW, centre=HIGH, foot=HIGH, right=HIGH, left=LOW),
    'Cmd2': dict(s=-1, end='ZH', inner=-1, axis=HIGH_LOW, centre=LOW, foot=NONE, right=LOW_HIGH, left=LOW),
    'Cmd3': dict(s=-1, end='HZ', inner=-1, axis=LOW, centre=LOW, foot=NONE, right=LOW_HIGH, left=HIGH_LOW),
    'Cmd4': dict(s=+1, end='HZ', inner=+1, axis=HIGH, centre=HIGH, foot=NONE, right=HIGH_LOW, left=LOW_HIGH),
}


def skew(job, rule):
    s = rule['s']
    zh = rule['end'] == 'ZH'
    O = (mp.mpf(job['X']), mp.mpf(job['Y']))
    origin = mp.mpf(job['K0'])
    T = mp.mpf(packed(job['T']))
    B = mp.mpf(packed(job['B']))
    A = mp.mpf(job['A1'])
    w = mp.mpf(f32(job['DR']))
    precision = mp.mpf(f32(job['precision']))
    dist = (lambda k: k - origin) if zh else (lambda k: origin - k)
    station = (lambda l: origin + l) if zh else (lambda l: origin - l)

    axis1 = fold(T + s * tangent_angle(abs(dist(mp.mpf(job['Kj']))), A) + B, rule['axis'])
    axis2 = fold(axis1 + 180, rule.get('axis2', HIGH))
    l = dist(mp.mpf(job['Kp']))
    c, delta = chord(l, A)
    centre = polar(O, c, fold(T + s * delta, rule['centre']))
    k = w / mp.tan(B / RHO) if B < 90 else w / mp.tan((180 - B) / RHO)

    def edge(lam, sigma):
        cl, dl = chord(lam, A)
        foot = polar(O, cl, fold(T + s * dl, rule['foot']))
        tangent = T + s * tangent_angle(lam, A)
        return polar(foot, w, fold(tangent + sigma * 90, rule['right' if sigma > 0 else 'left']))

    def side(sigma):
        target = axis1 if sigma > 0 else axis2
        start = l + (sigma if B < 90 else -sigma) * k

        def miss(lam):
            E = edge(lam, sigma)
            return mismatch(bearing(E[0] - centre[0], E[1] - centre[1])[1], target)
        # The window's rounds bring a bearing in [0, 360) to within one turn
        # of the axis: an axis two turns out is never met.
        if not any(0 <= target + t < 360 for t in (-360, 0, 360)):
            return None
        lam = mp.findroot(miss, (start, start + 1e-3 * (abs(k) + w)), solver='secant', tol=mp.mpf(10)**-30)
        E = edge(lam, sigma)
        L, _ = bearing(E[0] - centre[0], E[1] - centre[1])
        return dict(point=E, length=L, station=station(lam), lam=lam,
                    slack=L * precision / RHO)

    # The exact clothoid at the centre, to show the series is the curve here.
    xs, ys = series(l, A)
    xe, ye = clothoid(l, A)
    return dict(centre=centre, inner=side(rule['inner']), outer=side(-rule['inner']),
                series_gap=max(abs(xs - xe), abs(ys - ye)))


# --- The square cap --------------------------------------------------------

SQUARE = dict(alpha=HIGH_LOW, out=LOW_HIGH, inn=HIGH)


def square(job, rule):
    O = (mp.mpf(job['X']), mp.mpf(job['Y']))
    T = mp.mpf(packed(job['T']))
    A = mp.mpf(job['A1'])
    w = mp.mpf(f32(job['DR']))
    l = abs(mp.mpf(job['K0']) - mp.mpf(job['Kj']))
    c, delta = chord(l, A, 3)
    beta = tangent_angle(l, A)
    right = int(job['P']) > 0
    alpha = T + delta if right else T - delta
    out = (T + beta) - 90 if right else (T - beta) + 90
    centre = polar(O, c, fold(alpha, rule['alpha']))
    out = fold(out, rule['out'])
    inn = fold(out + 180, rule['inn'])
    xs, _ = series(l, A, 3)
    xe, _ = clothoid(l, A)
    return dict(centre=centre, outer=dict(point=polar(centre, w, out)), inner=dict(point=polar(centre, w, inn)),
                series_gap=abs(xs - xe))


# --- Box texts -------------------------------------------------------------

def round3(v):
    return mp.nint(v * 1000) / 1000


def number_text(v):
    """Rounded to 3 decimals, no trailing zeros (the value is never near a half here)."""
    r = round3(v)
    text = mp.nstr(r, 20, min_fixed=-30, max_fixed=30)
    if '.' in text:
        text = text.rstrip('0').rstrip('.')
    return '0' if text in ('-0', '') else text


def signed(text):
    return text if text.startswith('-') else ' ' + text


def station_text(value, prefix):
    km = mp.floor(value / 1000)
    m = round3(value - km * 1000)
    return prefix + signed(number_text(km)) + '+' + signed(number_text(m))


def margin(v):
    """How far, in millimetres, the value is from a rounding boundary of its shown millimetre."""
    f = (v * 1000) % 1
    return float(abs(f - mp.mpf(0.5)))


def boxes(solver, job, result):
    out = {23: result['centre'][0], 24: result['centre'][1]}
    texts = {}
    for side, xb, yb, lb, sb, prefix in (('inner', 17, 18, 19, 21, 'k' if solver in ('Cmd1', 'Cmd3', 'Cmd4') else 'K'),
                                         ('outer', 14, 15, 16, 20, 'K')):
        r = result[side]
        if r is None:
            texts[sb] = texts[xb] = texts[yb] = texts[lb] = '(not solved)'
            continue
        out[xb], out[yb] = r['point']
        if 'length' in r:
            out[lb] = r['length']
            texts[sb] = station_text(r['station'], prefix)
    for b, v in out.items():
        texts[b] = number_text(v)
    return texts, out


# --- The jobs --------------------------------------------------------------
# A far job: the spiral 30,000 km long at A1 = 3e8 (l / A1 = 0.1), the cap
# at its far end, B = 80, DR 20,000 km; T chosen so the row's test fires.

def far(solver, T, B='80', P='1'):
    if solver in ('Cmd3', 'Cmd4'):
        return dict(K0='30001000', X='1000', Y='2000', T=T, A1='300000000', Kj='1000', B=B, Kp='1000',
                    DR='20000000', precision='0.00000000001', P=P)
    return dict(K0='1000', X='1000', Y='2000', T=T, A1='300000000', Kj='30001000', B=B, Kp='30001000',
                DR='20000000', precision='0.00000000001', P=P)


# An ordinary job with T two turns out (or more): the base ZH or HZ job.
def turned(solver, T, B='60'):
    if solver in ('Cmd3', 'Cmd4'):
        return dict(K0='12500', X='1000', Y='2000', T=T, A1='200', Kj='12450', B=B, Kp='12450', DR='6',
                    precision='0.0001', P='1')
    return dict(K0='1000', X='1000', Y='2000', T=T, A1='100', Kj='1050', B=B, Kp='1050', DR='7.5',
                precision='0.0001', P='1')


# (row name, solver, job, mutant: (entry, folds to put there))
ROWS = [
    # Cmd1: ZH, curve to the right.
    ('Cmd1AxisHighTestTwoTurnsOut', 'Cmd1', turned('Cmd1', '760'), ('axis', NONE)),
    ('Cmd1AxisLowTestTwoTurnsOut', 'Cmd1', turned('Cmd1', '-760'), ('axis', HIGH)),
    ('Cmd1OppositeAxisHighTest', 'Cmd1', turned('Cmd1', '940'), ('axis2', NONE)),
    ('Cmd1CentreChordHighTest', 'Cmd1', far('Cmd1', '359.58'), ('centre', LOW)),
    ('Cmd1FootChordHighTest', 'Cmd1', far('Cmd1', '359.58'), ('foot', LOW)),
    ('Cmd1RightEdgeHighTest', 'Cmd1', far('Cmd1', '359.58'), ('right', LOW)),
    ('Cmd1LeftEdgeLowTest', 'Cmd1', far('Cmd1', '44'), ('left', HIGH)),
    # Cmd2: ZH, curve to the left.
    ('Cmd2AxisHighTestTwoTurnsOut', 'Cmd2', turned('Cmd2', '800'), ('axis', LOW)),
    ('Cmd2AxisLowTestTwoTurnsOut', 'Cmd2', turned('Cmd2', '-760'), ('axis', HIGH)),
    ('Cmd2CentreChordLowTest', 'Cmd2', far('Cmd2', '0.03'), ('centre', HIGH)),
    ('Cmd2FootChordNoTest', 'Cmd2', far('Cmd2', '0.03'), ('foot', LOW)),
    ('Cmd2LeftEdgeLowTest', 'Cmd2', far('Cmd2', '0.03'), ('left', HIGH)),
    ('Cmd2RightEdgeHighTest', 'Cmd2', far('Cmd2', '300'), ('right', LOW)),
    ('Cmd2RightEdgeLowTest', 'Cmd2', far('Cmd2', '-120'), ('right', HIGH)),
    # Cmd3: HZ, curve to the right.
    ('Cmd3AxisLowTestTwoTurnsOut', 'Cmd3', turned('Cmd3', '-760'), ('axis', HIGH)),
    ('Cmd3OppositeAxisHighTest', 'Cmd3', turned('Cmd3', '560'), ('axis2', LOW)),
    ('Cmd3CentreChordLowTest', 'Cmd3', far('Cmd3', '0.03'), ('centre', HIGH)),
    ('Cmd3FootChordNoTest', 'Cmd3', far('Cmd3', '0.03'), ('foot', LOW)),
    ('Cmd3LeftEdgeLowTest', 'Cmd3', far('Cmd3', '0.03'), ('left', HIGH)),
    ('Cmd3LeftEdgeHighTest', 'Cmd3', far('Cmd3', '460'), ('left', LOW)),
    ('Cmd3RightEdgeHighTest', 'Cmd3', far('Cmd3', '300'), ('right', LOW)),
    ('Cmd3RightEdgeLowTest', 'Cmd3', far('Cmd3', '-120'), ('right', HIGH)),
    # Cmd4: HZ, curve to the left.
    ('Cmd4AxisHighTestTwoTurnsOut', 'Cmd4', turned('Cmd4', '760'), ('axis', LOW)),
    ('Cmd4CentreChordHighTest', 'Cmd4', far('Cmd4', '359.57'), ('centre', LOW)),
    ('Cmd4FootChordNoTest', 'Cmd4', far('Cmd4', '359.57'), ('foot', HIGH)),
    ('Cmd4RightEdgeHighTest', 'Cmd4', far('Cmd4', '359.57'), ('right', LOW)),
    ('Cmd4RightEdgeLowTest', 'Cmd4', far('Cmd4', '-120'), ('right', HIGH)),
    ('Cmd4LeftEdgeLowTest', 'Cmd4', far('Cmd4', '44'), ('left', HIGH)),
    ('Cmd4LeftEdgeHighTest', 'Cmd4', far('Cmd4', '460'), ('left', LOW)),
    # Cmd5: the square cap (the chord of the centre, then the outer and inner directions).
    ('Cmd5ChordHighTest', 'Cmd5', dict(far('Cmd1', '359.57', '90'), P='1'), ('alpha', LOW)),
    ('Cmd5ChordLowTest', 'Cmd5', dict(far('Cmd1', '0.03', '90'), P='-1'), ('alpha', HIGH)),
    ('Cmd5OuterLowTest', 'Cmd5', dict(far('Cmd1', '45', '90'), P='1'), ('out', HIGH)),
    ('Cmd5OuterHighTest', 'Cmd5', dict(far('Cmd1', '300', '90'), P='-1'), ('out', LOW)),
    ('Cmd5InnerHighTest', 'Cmd5', dict(far('Cmd1', '300', '90'), P='1'), ('inn', LOW)),
]


# Compute picks Cmd2 and Cmd4 for a curve to the left: P below 0.
ROWS = [(name, solver, dict(job, P='-1') if solver in ('Cmd2', 'Cmd4') else job, mutant)
        for name, solver, job, mutant in ROWS]


def solve(solver, job, override=None):
    if solver == 'Cmd5':
        rule = dict(SQUARE)
        if override:
            rule[override[0]] = override[1]
        return square(job, rule)
    rule = dict(SKEW[solver])
    if override:
        rule[override[0]] = override[1]
    return skew(job, rule)


def main():
    rows = '--rows' in sys.argv
    for name, solver, job, mutant in ROWS:
        result = solve(solver, job)
        texts, values = boxes(solver, job, result)
        mtexts, _ = boxes(solver, job, solve(solver, job, mutant))
        moved = sorted(b for b in texts if texts[b] != mtexts.get(b))
        low = min(margin(v) for v in values.values())
        slack = max([float(result[s]['slack']) for s in ('inner', 'outer') if result[s] and 'slack' in result[s]] + [0])
        if rows:
            hz = solver in ('Cmd3', 'Cmd4')
            start = (f'.KZH = "0", .KHZ = "{job["K0"]}"' if hz else f'.KZH = "{job["K0"]}"') + \
                f', .T = "{job["T"]}", .A1 = "{job["A1"]}", .Kj = "{job["Kj"]}", .B = "{job["B"]}", .P = "{job["P"]}"'
            compute = ('' if solver == 'Cmd5' else f'.Kp = "{job["Kp"]}", ') + \
                f'.DR = "{job["DR"]}", .Precision = "{job["precision"]}"'
            shown = ', '.join(f'{{{b}, "{texts[b]}"}}' for b in sorted(texts))
            print(f'    FoldRow{{"{name}", {{{start}}},\n            {{{compute}}},\n            {{{shown}}}}},')
        else:
            print(f'{name:32s} {solver} T={job["T"]:>7s} mutant {mutant[0]}={mutant[1]:9s} moves {moved}'
                  f'  margin {low:.3f} mm  slack {slack * 1000:.1e} mm  series-clothoid {float(result["series_gap"]):.1e} m')
            if not moved:
                print('   !! the mutant moves no box')
            if low < 0.02:
                print('   !! a value within 0.02 mm of a rounding boundary')


if __name__ == '__main__':
    main()
