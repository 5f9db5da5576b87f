#!/usr/bin/env python3
"""Where the end tangents of one element meet, at 50 digits, for
tests/road/road_forms_test.cpp (kMeetings).

Each element is laid from its start pose as golden.py lays it (the clothoid
by mpmath's quad); its end tangent is met with the start tangent by exact
line intersection. Nothing here shares code with the C++ engine.

Run:  python3 tests/road/tangents_golden.py
"""
import mpmath as mp

from golden import RAD, advance, d

mp.mp.dps = 50

# name, X0, Y0, azimuth (deg), length, R1, R2 (None: straight end), side
MEETINGS = [
    ("ArcQuarterTurnRight", "1000", "2000", "30", "471.2388980384689674", "300", "300", +1),
    ("EntrySpiralOnTheGrid", "3400000", "500000", "61.5", "60", None, "300", +1),
    ("ExitSpiralLeftOnAZonePrefixedEasting", "3355206.736", "38505412.824", "289.1", "150", "600", None, -1),
    ("PartialSpiralR600ToR300", "50000", "80000", "120", "100", "600", "300", +1),
    ("ArcTurningTwoMicroradians", "3400000", "500000", "10", "0.2", "100000", "100000", +1),
]


def meeting(X0, Y0, az, length, R1, R2, side):
    L = d(length)
    k0 = 0 if R1 is None else side / d(R1)
    k1 = 0 if R2 is None else side / d(R2)
    h0 = d(az) * RAD
    if R1 == R2:  # an arc
        k1 = k0
    X1, Y1, h1 = advance(d(X0), d(Y0), h0, k0, (k1 - k0) / L, L)
    # a + T1·ta = b − T2·tb, solved for T1 by Cramer's rule.
    tax, tay, tbx, tby = mp.cos(h0), mp.sin(h0), mp.cos(h1), mp.sin(h1)
    s = tax * tby - tay * tbx
    T1 = ((X1 - d(X0)) * tby - (Y1 - d(Y0)) * tbx) / s
    return d(X0) + T1 * tax, d(Y0) + T1 * tay


def main():
    for name, X0, Y0, az, length, R1, R2, side in MEETINGS:
        X, Y = meeting(X0, Y0, az, length, R1, R2, side)
        print(f'    {{"{name}", {mp.nstr(X, 22)}, {mp.nstr(Y, 22)}}},')


if __name__ == "__main__":
    main()
