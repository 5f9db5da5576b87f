#!/usr/bin/env python3
"""Exact values for one bent on an arc, kept in tests/bridge/bridge_golden_test.cpp.

The road: start station 1000 at X 3355206.736, Y 505412.824, azimuth 61.5°
(decimal), a straight of 300 m, then an arc of 400 m, R 250, turning right.
The bent: station 1450 (150 m into the arc), B 75° clockwise from the forward
tangent at its own station. Its template: grid Z 2 3 3.2 2.4 0.5 -0.3 and
corners T 8.4 5.4.

Closed forms, at 50 digits, independent of the program:
  heading θ(s) = θ0 + s/R on the arc (s from its start); the arc's centre
  O = P1 + R·n(θ0), n(θ) = (−sin θ, cos θ) the right normal in (X north,
  Y east); the centreline P(s) = O + R·(sin θ, −cos θ).
  axis ψ = θ + B; û = (cos ψ, sin ψ); v̂ = (sin ψ, −cos ψ).
  a point's foot on the arc: ρ = |Q − O|, offset R − ρ (right positive: the
  arc turns right, towards O); its heading θ = atan2(Qy − Oy, Qx − Ox) + π/2,
  its station 1300 + R·(θ − θ0).
Run: python3 tests/golden/bridge_golden.py
"""
from mpmath import mp, mpf, cos, sin, atan2, sqrt, pi

mp.dps = 50
X0, Y0 = mpf('3355206.736'), mpf('505412.824')
th0 = mpf('61.5') * pi / 180
R = mpf(250)
P1 = (X0 + 300 * cos(th0), Y0 + 300 * sin(th0))
O = (P1[0] - R * sin(th0), P1[1] + R * cos(th0))


def centre_at(s):
    th = th0 + s / R
    return (O[0] + R * sin(th), O[1] - R * cos(th)), th


C, th = centre_at(mpf(150))
psi = th + mpf(75) * pi / 180
u_hat = (cos(psi), sin(psi))
v_hat = (sin(psi), -cos(psi))

points = []
# grid Z 2 3 3.2 2.4 centred on (0.5, -0.3): row by row from the smaller stations, each from its left-hand end
for r in range(2):
    for c in range(3):
        u = mpf('0.5') + (2 * c - 2) * mpf('3.2') / 2
        v = mpf('-0.3') + (2 * r - 1) * mpf('2.4') / 2
        points.append(('Z%d' % (r * 3 + c + 1), u, v))
L, W = mpf('8.4') / 2, mpf('5.4') / 2
for k, (u, v) in enumerate([(-L, -W), (L, -W), (L, W), (-L, W)]):
    points.append(('T%d' % (k + 1), u, v))


def foot(Q):
    rho = sqrt((Q[0] - O[0]) ** 2 + (Q[1] - O[1]) ** 2)
    t = atan2(Q[1] - O[1], Q[0] - O[0]) + pi / 2
    return 1300 + R * (t - th0), R - rho


print('centre %s %s' % (mp.nstr(C[0], 20), mp.nstr(C[1], 20)))
az = psi * 180 / pi
print('axis azimuth %s' % mp.nstr(az - 360 * mp.floor(az / 360), 20))
for name, u, v in points:
    Q = (C[0] + u * u_hat[0] + v * v_hat[0], C[1] + u * u_hat[1] + v * v_hat[1])
    station, offset = foot(Q)
    print('{"%s", %s, %s, %s, %s},' % (name, mp.nstr(Q[0], 20), mp.nstr(Q[1], 20), mp.nstr(station, 17),
                                         mp.nstr(offset, 17)))
