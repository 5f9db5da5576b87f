#!/usr/bin/env python3
"""Golden values for the road tests, computed independently at 50 digits.

The clothoid is integrated with mpmath's quad (x = ∫ cos τ, y = ∫ sin τ,
τ(u) = κ0·u + c·u²/2); the curves of intersection points are rebuilt from
their definition: the circle's centre from p and q, the arc by rotation about
it, the exit spiral walked back from HZ. Nothing here shares code with the
C++ engine.

Run:  python3 tests/road/golden.py > tests/road/golden_values.h
"""
import mpmath as mp

mp.mp.dps = 50
PI = mp.pi
RAD = PI / 180


def step(k0, c, h):
    """(along, across, turn) after h on a curve κ = κ0 + c·u, across to the right."""
    k0, c, h = mp.mpf(k0), mp.mpf(c), mp.mpf(h)
    turn = k0 * h + c * h * h / 2
    n = int(max(4, abs(h) * max(abs(k0), abs(k0 + c * h)) * 8)) + 1
    nodes = [h * i / n for i in range(n + 1)]
    x = mp.quad(lambda u: mp.cos(k0 * u + c * u * u / 2), nodes)
    y = mp.quad(lambda u: mp.sin(k0 * u + c * u * u / 2), nodes)
    return x, y, turn


def advance(X, Y, heading, k0, c, h):
    x, y, turn = step(k0, c, h)
    ch, sh = mp.cos(heading), mp.sin(heading)
    return X + x * ch - y * sh, Y + x * sh + y * ch, heading + turn


def azimuth(heading):
    d = mp.fmod(heading / RAD, 360)
    return d + 360 if d < 0 else d


def d(text):
    """The double the C++ tests hold for a decimal: the engine is checked on
    the same input, so only its arithmetic is compared (a table's coordinates
    near 3.4e6 round by 2e-10 m, and a large radius amplifies that)."""
    return mp.mpf(float(text))


def f(v):
    return mp.nstr(v, 25, strip_zeros=False, min_fixed=-30, max_fixed=30)


# --- single elements from a start pose ------------------------------------
# name, X0, Y0, azimuth0 (deg), kind, length, R1, R2, side, distances
ELEMENTS = [
    ("Spiral2kmToR2000", "3355206.736", "505412.824", "289.1091666666666666666667", "spiral", 2000, None, 2000, +1,
     [250, 1000, 1750, 2000]),
    ("RampTurningThreeRadians", "1000", "2000", "45", "spiral", 300, None, 50, -1, [100, 200, 280, 300]),
    ("PartialR300ToR900", "50000", "80000", "120", "spiral", 400, 300, 900, +1, [1, 100, 250, 400]),
    ("PartialR1000ToR1000p001", "3400000", "500000", "10", "spiral", 150, 1000, "1000.001", +1, [75, 150]),
    ("ExitSpiralR600Left", "2000", "3000", "350", "spiral", 150, 600, None, -1, [50, 150]),
]


def curvatures(length, R1, R2, side):
    k0 = 0 if R1 is None else side / d(R1)
    k1 = 0 if R2 is None else side / d(R2)
    return k0, (k1 - k0) / length


def elements():
    out = []
    for name, X0, Y0, az, kind, length, R1, R2, side, ds in ELEMENTS:
        k0, c = curvatures(mp.mpf(length), R1, R2, side)
        heading = d(az) * RAD
        rows = []
        for at in ds:
            X, Y, h = advance(d(X0), d(Y0), heading, k0, c, at)
            rows.append((at, X, Y, azimuth(h)))
        out.append((name, X0, Y0, az, length, R1, R2, side, rows))
    return out


# --- a table of intersection points ---------------------------------------
def jd_road(bp, jds, ep):
    """Key points and curve elements of a table, from their definition."""
    pts = [tuple(map(d, bp))] + [tuple(map(d, j[:2])) for j in jds] + [tuple(map(d, ep))]
    legs = []
    for a, b in zip(pts, pts[1:]):
        dx, dy = b[0] - a[0], b[1] - a[1]
        legs.append((mp.sqrt(dx * dx + dy * dy), mp.atan2(dy, dx)))
    curves = []
    for j, (X, Y, R, Ls1, Ls2) in enumerate(jds, start=1):
        R, Ls1, Ls2 = d(R), d(Ls1), d(Ls2)
        alpha = legs[j][1] - legs[j - 1][1]
        while alpha > PI: alpha -= 2 * PI
        while alpha <= -PI: alpha += 2 * PI
        side = 1 if alpha > 0 else -1
        a = abs(alpha)

        def shift(Ls):
            if Ls == 0:
                return 0, 0, 0, 0, 0
            xh, yh, _ = step(0, 1 / (R * Ls), Ls)
            beta = Ls / (2 * R)
            return beta, yh - R * (1 - mp.cos(beta)), xh - R * mp.sin(beta), xh, yh

        b1, p1, q1, _, _ = shift(Ls1)
        b2, p2, q2, _, _ = shift(Ls2)
        T1 = (R + p1) * mp.tan(a / 2) + q1 - (p1 - p2) / mp.sin(a)
        T2 = (R + p2) * mp.tan(a / 2) + q2 + (p1 - p2) / mp.sin(a)
        Ly = R * (a - b1 - b2)
        L = Ly + Ls1 + Ls2
        hin, hout = legs[j - 1][1], legs[j][1]
        X, Y = d(X), d(Y)
        zh = (X - T1 * mp.cos(hin), Y - T1 * mp.sin(hin))
        hz = (X + T2 * mp.cos(hout), Y + T2 * mp.sin(hout))
        # The circle: q1 along the in tangent from ZH, R + p1 across it.
        centre = (zh[0] + q1 * mp.cos(hin) - side * (R + p1) * mp.sin(hin),
                  zh[1] + q1 * mp.sin(hin) + side * (R + p1) * mp.cos(hin))

        def point(d):
            """Point at distance d from ZH, by the part of the curve it is on."""
            if d <= Ls1 and Ls1 > 0:
                return advance(zh[0], zh[1], hin, 0, side / (R * Ls1), d)[:2]
            if d >= Ls1 + Ly and Ls2 > 0:
                # Walked back from HZ: the exit spiral reversed is an entry spiral.
                back = L - d
                Xb, Yb, _ = advance(hz[0], hz[1], hout + PI, 0, -side / (R * Ls2), back)
                return Xb, Yb
            ang = hin + side * (b1 + (d - Ls1) / R)  # tangent heading on the arc
            return centre[0] + side * R * mp.sin(ang), centre[1] - side * R * mp.cos(ang)

        qz = point(L / 2)
        E = mp.sqrt((qz[0] - X) ** 2 + (qz[1] - Y) ** 2)
        curves.append(dict(jd=j, alpha=alpha / RAD, T1=T1, T2=T2, L=L, Ly=Ly, E=E, J=T1 + T2 - L, p1=p1, q1=q1,
                           p2=p2, q2=q2, zh=zh, hy=point(Ls1), qz=qz, yh=point(Ls1 + Ly), hz=hz))
    return curves


# The table of a 二级公路改建工程 (see road_published_test.cpp), BP and JD1–JD5, with JD6 as EP.
DESIGN_TABLE = dict(
    bp=("3355206.7360", "505412.8240"),
    jds=[("3355419.3625", "504799.1127", "816.926", "85", "85"),
         ("3355594.4553", "504541.0977", "3329.645", "0", "0"),
         ("3355776.6199", "504321.7551", "255", "70", "70"),
         ("3356457.9837", "504176.9164", "500", "95", "95"),
         ("3357055.2748", "503607.1512", "500", "95", "95")],
    ep=("3357232.3079", "503169.2906"),
)

# An asymmetric table of unequal spirals, a tight curve, a plain arc.
ASYMMETRIC_TABLE = dict(
    bp=("40000", "60000"),
    jds=[("40800", "60350", "300", "120", "60"),
         ("41200", "59900", "150", "40", "90"),
         ("41900", "60150", "600", "0", "0"),
         ("42500", "59700", "90", "60", "60")],
    ep=("43300", "59850"),
)


def emit_table(name, table):
    print(f"// {name}: per JD α (deg), T1, T2, L, Ly, E, J, p1, q1, p2, q2, then ZH, HY, QZ, YH, HZ (X, Y).")
    print(f"inline const GoldenCurve k{name}[] = {{")
    for c in jd_road(table["bp"], table["jds"], table["ep"]):
        nums = [c[k] for k in ("alpha", "T1", "T2", "L", "Ly", "E", "J", "p1", "q1", "p2", "q2")]
        pts = [v for key in ("zh", "hy", "qz", "yh", "hz") for v in c[key]]
        print("    {" + ", ".join(f(v) for v in nums) + ",")
        print("     {" + ", ".join(f(v) for v in pts) + "}},")
    print("};")


def main():
    print("// Made by tests/road/golden.py (mpmath, 50 digits); do not edit by hand.")
    print("#pragma once\n")
    print("namespace capset::testing {\n")
    print("struct GoldenPoint { double distance, X, Y, azimuth; };")
    print("struct GoldenElement {")
    print("  const char* name;")
    print("  double X0, Y0, azimuth0, length, R1, R2;  // R 0: a straight end")
    print("  int side;")
    print("  GoldenPoint points[4];")
    print("  int count;")
    print("};\n")
    print("inline const GoldenElement kGoldenElements[] = {")
    for name, X0, Y0, az, length, R1, R2, side, rows in elements():
        r1 = "0" if R1 is None else str(R1)
        r2 = "0" if R2 is None else str(R2)
        print(f'    {{"{name}", {X0}, {Y0}, {az}, {length}, {r1}, {r2}, {side},')
        print("     {" + ", ".join("{" + ", ".join(f(v) for v in row) + "}" for row in rows) + f"}}, {len(rows)}}},")
    print("};\n")
    print("struct GoldenCurve {")
    print("  double alpha, T1, T2, L, Ly, E, J, p1, q1, p2, q2;")
    print("  double points[10];  // ZH, HY, QZ, YH, HZ as X, Y")
    print("};\n")
    emit_table("DesignTableCurves", DESIGN_TABLE)
    print()
    emit_table("AsymmetricTableCurves", ASYMMETRIC_TABLE)
    print("\n}  // namespace capset::testing")


if __name__ == "__main__":
    main()
