"""Random cap_replay scripts over every command of the road and the caps.

make_script(seed) gives one script: mostly sound roads, batches, checks and
files, with some of their numbers swapped for hostile ones (0, negative,
subnormal, 1e308, 1e160, inf, nan, empty fields) and now and then a huge
count. The same seed gives the same script. Files the script reads are
written by the script itself first (@export landxml, @save) or named under
@DIR@, the run's own folder; LandXML files made here are written into the
script with @file lines that the runner turns into files before the run.
"""

import math
import random

HOSTILE = ["0", "-0", "-1", "-7.5", "1e-320", "4.9e-324", "2e-308", "1e-7", "1e-3", "0.0009",
           "1e308", "-1e308", "1.7976931348623157e308", "1e160", "-1e160", "1e16", "1e9", "100000001",
           "-100000001", "99999999", "9999.9999", "10000.1", "inf", "-inf", "nan", "", "1e-310"]

# Names never hold "inf" or "nan": a name is echoed in the rows.
NAMES = ["1#", "2#", "3#", "P4", "桥5", "A", "K", "左幅"]


class Maker:
    def __init__(self, seed):
        self.r = random.Random(seed)
        self.rate = self.r.choice([0.0, 0.02, 0.05, 0.1, 0.25])
        self.files = {}
        self.road_length = 1000.0
        self.start_station = 0.0

    def num(self, value, fmt="%.6f"):
        """A sound number as text, or now and then a hostile one."""
        if self.r.random() < self.rate:
            return self.r.choice(HOSTILE)
        return fmt % value if isinstance(value, float) else str(value)

    def station(self):
        s = self.start_station + self.r.uniform(-50, self.road_length + 50)
        if self.r.random() < 0.3:
            km, m = divmod(max(s, 0.0), 1000)
            return self.num("K%d+%.3f" % (km, m)) if self.r.random() < 0.8 else self.r.choice(HOSTILE)
        return self.num(s)

    def packed(self, degrees):
        d = int(degrees)
        minutes = (degrees - d) * 60
        m = int(minutes)
        s = (minutes - m) * 60
        return self.num("%d.%02d%02d" % (d, m, min(int(s), 59)))

    # The road.
    def jd_road(self):
        r = self.r
        n = r.choice([1, 2, 3, 4, 6]) if r.random() > 0.02 else r.choice([300, 1000])
        x, y = r.uniform(-1e3, 4e6), r.uniform(-1e3, 5e5)
        az = r.uniform(0, 2 * math.pi)
        k = r.choice([0.0, 1000.0, 12345.678, -20.0])
        self.start_station = k
        lines = ["@road", "bp %s %s %s" % (self.num(k), self.num(x), self.num(y))]
        total = 0.0
        prev_t = 0.0
        for _ in range(n):
            R = r.choice([150.0, 300.0, 800.0, 2000.0, 60.0])
            Ls1 = r.choice([0.0, 40.0, 80.0, 120.0])
            Ls2 = r.choice([Ls1, 0.0, 60.0])
            turn = r.uniform(0.1, 1.2) * r.choice([-1, 1])
            t = R * math.tan(abs(turn) / 2) + max(Ls1, Ls2)
            leg = prev_t + t + r.uniform(20, 400)
            x += leg * math.cos(az)
            y += leg * math.sin(az)
            total += leg
            az += turn
            prev_t = t
            fields = [self.num(x), self.num(y), self.num(R), self.num(Ls1)]
            if Ls2 != Ls1 or r.random() < 0.3:
                fields.append(self.num(Ls2))
            lines.append("jd " + " ".join(fields))
        leg = prev_t + r.uniform(20, 400)
        x += leg * math.cos(az)
        y += leg * math.sin(az)
        total += leg
        lines.append("ep %s %s" % (self.num(x), self.num(y)))
        self.road_length = total
        lines += self.equations()
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def elements(self):
        """A chain of (kind, length, R1, R2, side) with curvature that mostly runs on."""
        r = self.r
        n = r.choice([1, 2, 3, 5, 8])
        out = []
        for _ in range(n):
            kind = r.choice(["line", "arc", "spiral", "spiral"])
            L = r.choice([50.0, 100.0, 250.0, 12.5, 400.0])
            R = r.choice([100.0, 300.0, 1000.0, 45.0])
            side = r.choice(["left", "right"])
            if kind == "line":
                out.append(("line", L, math.inf, math.inf, side))
            elif kind == "arc":
                out.append(("arc", L, R, R, side))
            else:
                R1, R2 = r.choice([(math.inf, R), (R, math.inf), (R, R * 2)])
                out.append(("spiral", L, R1, R2, side))
        return out

    def radius_text(self, R):
        return self.num("inf") if math.isinf(R) else self.num(R)

    def element_road(self):
        r = self.r
        k = r.choice([0.0, 500.0, 2345.5])
        self.start_station = k
        x, y = r.uniform(-1e3, 4e6), r.uniform(-1e3, 5e5)
        lines = ["@road", "start %s %s %s %s" % (self.num(k), self.num(x), self.num(y), self.packed(r.uniform(0, 359.9)))]
        total = 0.0
        for kind, L, R1, R2, side in self.elements():
            total += L
            if kind == "line":
                lines.append("line %s" % self.num(L))
            elif kind == "arc":
                lines.append("arc %s %s %s" % (self.num(L), self.num(R1), side))
            else:
                lines.append("spiral %s %s %s %s" % (self.num(L), self.radius_text(R1), self.radius_text(R2), side))
        self.road_length = total
        lines += self.equations()
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def equations(self):
        out = []
        for _ in range(self.r.choice([0, 0, 0, 1, 2])):
            back = self.start_station + self.r.uniform(0, self.road_length)
            ahead = back + self.r.choice([-30.0, 25.0, 0.5, -0.001])
            out.append("equation %s %s" % (self.num(back), self.num(ahead)))
        return out

    # The window's job.
    def start(self):
        r = self.r
        answers = [self.num(r.choice([1000.0, 0.0, 500.0])), self.num(r.uniform(0, 4e6)), self.num(r.uniform(0, 5e5)),
                   self.packed(r.uniform(0, 359)), self.num(r.choice([150.0, 0.0, 600.0])),
                   self.num(r.choice([100.0, 250.0])), self.num(r.choice([1050.0, 1000.0, 1100.0])),
                   self.packed(r.choice([60.0, 90.0, 120.5])), self.num(r.choice([1, -1, 2]))]
        if r.random() < 0.1:
            answers = answers[:r.randrange(len(answers))]
        script = "@start\n" + "".join(a + "\n" for a in answers)
        if r.random() < 0.5:
            script += "@compute\n%s\n%s\n%s\n" % (self.num(r.uniform(1000, 1100)), self.num(r.choice([7.5, 12.0])),
                                                 self.num(r.choice([0.0001, 1e-6])))
        return script

    # Asking the road.
    def offsets(self, most=4):
        n = self.r.randrange(most + 1) if self.r.random() > 0.03 else 150
        return " ".join(self.num(self.r.uniform(-20, 20)) for _ in range(n))

    def at(self):
        off = " " + self.num(self.r.uniform(-30, 30)) if self.r.random() < 0.6 else ""
        return "@at %s%s\n" % (self.station(), off)

    def where(self):
        # Near the road's box, far from it, or hostile.
        return "@where %s %s\n" % (self.num(self.r.uniform(-1e3, 4e6)), self.num(self.r.uniform(-1e3, 5e5)))

    def table(self):
        step = self.r.choice([20.0, 5.0, 100.0, 0.01]) if self.r.random() > 0.05 else 1e-9
        start = self.station()
        # A fine step over a short stretch: many rows, not a run of minutes.
        end = self.num(self.start_station + self.r.uniform(0, 20)) if step < 1 else self.station()
        args = "%s %s %s" % (start, end, self.num(step))
        off = self.offsets(3)
        if self.r.random() < 0.3:
            fmt = self.r.choice(["csv", "dat"])
            return "@export table %s @DIR@/table.%s %s %s\n" % (fmt, fmt, args, off)
        return ("@table %s %s\n" % (args, off)).replace(" \n", "\n")

    # The caps.
    def batch(self):
        r = self.r
        lines = ["@batch"]
        if r.random() < 0.8:
            lines.append("method " + r.choice(["exact", "exact", "window"]))
        if r.random() < 0.5:
            lines.append("axis " + r.choice(["parallel", "own"]))
        if r.random() < 0.5:
            lines.append("dr %s %s" % (self.num(r.choice([7.5, 6.25, 12.0])), self.num(r.choice([7.5, 9.5]))))
        else:
            lines.append("dr %s" % self.num(r.choice([7.5, 6.25, 12.0])))
        if r.random() < 0.8:
            lines.append("skew %s" % self.packed(r.choice([90.0, 60.0, 45.5, 120.0, 179.0])))
        if r.random() < 0.7:
            lines.append("design %s" % self.station())
        if r.random() < 0.5:
            lines.append("precision %s" % self.num(r.choice([0.0001, 1e-6])))
        if r.random() < 0.5:
            lines.append("offsets %s" % self.offsets())
        n = r.choice([1, 2, 3, 5, 8]) if r.random() > 0.02 else r.choice([2000, 10001])
        for i in range(n):
            name = r.choice(NAMES) + str(i) + " " if r.random() < 0.5 else ""
            lines.append("station %s%s" % (name, self.station()))
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def check(self):
        r = self.r
        lines = ["@check"]
        if r.random() < 0.5:
            lines.append("tolerance %s" % self.num(r.choice([0.01, 0.002, 0.05])))
        n = r.choice([1, 3, 6]) if r.random() > 0.02 else 5000
        for i in range(n):
            lines.append("point M%d %s %s" % (i, self.num(r.uniform(-1e3, 4e6)), self.num(r.uniform(-1e3, 5e5))))
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def template(self):
        r = self.r
        lines = ["@template " + r.choice(["pier", "pier", "two-columns", "t2"])]
        if r.random() < 0.3:
            lines.append("copy " + r.choice(["pile-cap-2x3", "pier", "three-columns"]))
        for i in range(r.choice([1, 2, 3])):
            kind = r.choice(["point", "grid", "corners"])
            name = r.choice(["Z", "C", "S", "T", "Z1", "W"]) + str(i)
            depth = " " + self.num(r.choice([1.5, 0.3])) if r.random() < 0.4 else ""
            if kind == "point":
                lines.append("point %s %s %s%s" % (name, self.num(r.uniform(-8, 8)), self.num(r.uniform(-3, 3)), depth))
            elif kind == "corners":
                lines.append("corners %s %s %s%s" % (name, self.num(r.uniform(1, 20)), self.num(r.uniform(1, 8)), depth))
            else:
                rows = self.num(r.choice([1, 2, 3]) if r.random() > 0.02 else r.choice([100, 1000]))
                cols = self.num(r.choice([1, 2, 4, 6]) if r.random() > 0.02 else 100)
                centre = " %s %s" % (self.num(r.uniform(-2, 2)), self.num(r.uniform(-2, 2))) if r.random() < 0.4 else ""
                lines.append("grid %s %s %s %s %s%s%s" % (name, rows, cols, self.num(r.choice([2.5, 3.0, 1.8])),
                                                        self.num(r.choice([2.5, 3.2])), centre, depth))
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def bridge(self):
        r = self.r
        lines = ["@bridge " + r.choice(["B1", "B1", "桥2"])]
        n = r.choice([1, 2, 3, 5]) if r.random() > 0.02 else r.choice([1000, 1001])
        for i in range(n):
            # Mostly on the road, so that the bridge is kept and its points solved.
            at = self.num(self.start_station + r.uniform(0, self.road_length)) if r.random() < 0.9 else self.station()
            line = "bent %d %s" % (i, at)
            if r.random() < 0.6:
                line += " skew " + self.packed(r.choice([90.0, 60.0, 45.5, 120.0, 179.0]))
            if r.random() < 0.3:
                design = self.num(self.start_station + r.uniform(0, self.road_length))
                line += " axis " + (r.choice(["own", "parallel " + design]))
            if r.random() < 0.6:
                line += " dr " + self.num(r.choice([7.5, 6.25])) + (" " + self.num(9.5) if r.random() < 0.5 else "")
            if r.random() < 0.4:
                line += " depth " + self.num(r.choice([1.6, 0.0, 2.4]))
            if r.random() < 0.7:
                # Mostly a ready one: a template of the script's own may not be there yet.
                line += " template " + r.choices(["two-columns", "pile-cap-2x3", "abutment-end", "pier", "t2"],
                                                 weights=[5, 5, 3, 2, 1])[0]
            lines.append(line)
        lines.append("@end")
        return "\n".join(lines) + "\n"

    def bridge_export(self):
        r = self.r
        fmt = r.choice(["csv", "dat"])
        which = r.choice(["", " B1", " 桥2", " B1 0 2", " B1 1 x", " B9"])
        return "@export bridge %s @DIR@/bridge.%s%s\n" % (fmt, fmt, which)
    def polar(self):
        """A station (typed, or a bridge point by name), a backsight (a point,
        a bridge point or an azimuth) and the polar data."""
        r = self.r
        lines = []
        if r.random() < 0.8:
            if r.random() < 0.2:
                lines.append("@station %d-%s" % (r.choice([0, 1, 2]), r.choice(["C", "L", "Z1", "C1"])))
            else:
                heights = " %s %s" % (self.num(r.uniform(-50, 500)), self.num(r.uniform(0, 2))) if r.random() < 0.5 else ""
                lines.append("@station S%d %s %s%s" % (r.randint(1, 9), self.num(r.uniform(-1e3, 4e6)),
                                                       self.num(r.uniform(-1e3, 5e5)), heights))
        if r.random() < 0.8:
            which = r.random()
            if which < 0.4:
                lines.append("@backsight azimuth " + self.packed(r.uniform(0, 360)))
            elif which < 0.6:
                lines.append("@backsight %d-%s" % (r.choice([0, 1, 2]), r.choice(["C", "R", "Z2"])))
            else:
                lines.append("@backsight B%d %s %s" % (r.randint(1, 9), self.num(r.uniform(-1e3, 4e6)),
                                                       self.num(r.uniform(-1e3, 5e5))))
        lines.append("@polar" + (" " + r.choice(["B1", "桥2", "B9"]) if r.random() < 0.3 else ""))
        return "\n".join(lines) + "\n"

    def files_round_trip(self):
        r = self.r
        which = r.random()
        if which < 0.3:
            return "@save @DIR@/job.capjob\n@open @DIR@/job.capjob\n"
        if which < 0.5:
            return "@export landxml @DIR@/road.xml\n@landxml @DIR@/road.xml\n"
        if which < 0.55:
            return "@export %s @DIR@/rows.%s\n" % (("csv",) * 2 if r.random() < 0.5 else ("dat",) * 2)
        if which < 0.6:
            # The instruments' files, written and read back into the check.
            kind, ending = ("gsi", "gsi") if r.random() < 0.5 else ("pnezd", "csv")
            return "@export %s @DIR@/points.%s\n@check\nfile @DIR@/points.%s\n@end\n" % (kind, ending, ending)
        if which < 0.7:
            return "@open @DIR@/missing.capjob\n"
        name = "made%d.xml" % len(self.files)
        self.files[name] = self.landxml()
        return "@landxml @DIR@/%s\n" % name

    # A LandXML file of a random element chain, with its points computed
    # here (a clothoid by Simpson's rule), some numbers made hostile and
    # its lengths now and then in feet.
    def landxml(self):
        r = self.r
        unit, per_metre = r.choice([("meter", 1.0), ("meter", 1.0), ("USSurveyFoot", 3937 / 1200),
                                    ("foot", 1 / 0.3048), ("furlong", 1 / 201.168)])
        system = "Imperial" if unit != "meter" else "Metric"
        x, y = r.uniform(0, 4e6), r.uniform(0, 5e5)
        az = r.uniform(0, 2 * math.pi)
        sta = r.choice([0.0, 1000.0])
        parts = []
        total = 0.0

        def pt(px, py):
            return "%s %s" % (self.num(px * per_metre, "%.9f"), self.num(py * per_metre, "%.9f"))

        def ln(value):
            return self.num(value * per_metre, "%.9f")

        for kind, L, R1, R2, side in self.elements():
            s = 1 if side == "right" else -1
            k1 = 0 if math.isinf(R1) else s / R1
            k2 = 0 if math.isinf(R2) else s / R2
            steps = 64

            def heading(t):
                return az + k1 * t + (k2 - k1) * t * t / (2 * L)

            h = L / steps
            sx = sy = 0.0
            for i in range(steps + 1):
                w = 1 if i in (0, steps) else (4 if i % 2 else 2)
                a = heading(i * h)
                sx += w * math.cos(a)
                sy += w * math.sin(a)
            ex, ey = x + sx * h / 3, y + sy * h / 3
            rot = "cw" if s > 0 else "ccw"
            if kind == "line":
                parts.append('<Line length="%s"><Start>%s</Start><End>%s</End></Line>' % (ln(L), pt(x, y), pt(ex, ey)))
            elif kind == "arc":
                cx, cy = x + R1 * math.cos(az + s * math.pi / 2), y + R1 * math.sin(az + s * math.pi / 2)
                parts.append('<Curve rot="%s" crvType="arc" radius="%s" length="%s"><Start>%s</Start><Center>%s</Center>'
                             '<End>%s</End></Curve>' % (rot, ln(R1), ln(L), pt(x, y), pt(cx, cy), pt(ex, ey)))
            else:
                rs = "INF" if math.isinf(R1) else ln(R1)
                re_ = "INF" if math.isinf(R2) else ln(R2)
                parts.append('<Spiral length="%s" radiusStart="%s" radiusEnd="%s" rot="%s" spiType="clothoid">'
                             '<Start>%s</Start><PI>0 0</PI><End>%s</End></Spiral>' % (ln(L), rs, re_, rot, pt(x, y), pt(ex, ey)))
            x, y, az = ex, ey, heading(L)
            total += L
        return ('<?xml version="1.0" encoding="UTF-8"?>\n'
                '<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">\n'
                ' <Units><%s linearUnit="%s"/></Units>\n'
                ' <Alignments><Alignment name="A" length="%s" staStart="%s"><CoordGeom>\n  %s\n'
                ' </CoordGeom></Alignment></Alignments>\n</LandXML>\n'
                % (system, unit, ln(total), ln(sta), "\n  ".join(parts)))

    def command(self):
        r = self.r
        return r.choices(
            [self.jd_road, self.element_road, lambda: "@road job\n", self.start, self.at, self.where,
             lambda: "@keypoints\n", lambda: "@curves\n", self.table, self.batch, lambda: "@points\n",
             self.check, self.files_round_trip, self.template, self.bridge, lambda: "@bridgepoints\n",
             self.bridge_export, self.polar],
            weights=[8, 6, 2, 4, 8, 6, 3, 3, 4, 8, 3, 5, 5, 3, 4, 4, 3, 4])[0]()


def make_script(seed):
    """(script text, {file name: contents}) for `seed`."""
    m = Maker(seed)
    parts = []
    # Most scripts begin with a road or a Start, so that the rest has one to ask.
    parts.append(m.r.choice([m.jd_road, m.element_road, m.start])())
    for _ in range(m.r.randint(3, 12)):
        parts.append(m.command())
    return "".join(parts), m.files


def split_commands(script):
    """The script's commands, each with its block or answers, as texts that join back into it."""
    blocks = []
    for line in script.splitlines(keepends=True):
        if line.startswith("@") and not line.startswith("@end") or not blocks:
            blocks.append(line)
        else:
            blocks[-1] += line
    return blocks
