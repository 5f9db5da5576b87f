#!/usr/bin/env python3
"""Writes the replay corpus: scripts for cap_replay and the output each one
gave when it was recorded.

    python3 tests/corpus/make_corpus.py path/to/cap_replay > tests/corpus/replay_corpus.txt

Every case runs with a day folder of its own and the clock standing at
NOW (the tests' time, tests/fixed_clock.h), so its rows are numbered from 1
and carry the same time on every run.

The corpus pins every text the program shows (prompts, messages, notices,
the 26 boxes, the rows of the results log) and the files it writes (exports
and job files) for worked jobs, refused and cancelled answers, unsolved
sides, batches, job files opened and refused, LandXML files read, refused
and written, the sketch's scene, the comma and the Arabic locales and a few
hundred random jobs over all five solvers.
A change that must not alter what the user sees replays it byte for byte.

Each case runs in a folder of its own; "{dir}" in a script stands for it,
and the folder's path in the output is written back as "{dir}".

File format, one line each:
    # <name> | <locale>      starts a case
    + <file name>            a file put in the case's folder before the run
    | <line>                 a line of that file (see below)
    < <script line>          a line of the script, as typed
    > <output line>          a line that cap_replay printed; after them,
                             "> FILE <name>" and "> | <line>" for every file
                             in the folder after the run, by name
A file's lines are its bytes split at each line feed, with "\\" written
"\\\\", a carriage return "\\r", and in an input file any byte "\\xHH".
"""
import os
import random
import subprocess
import sys
import tempfile

START_ZH = "@start\n{kzh}\n{x}\n{y}\n{t}\n{r}\n{a1}\n{kj}\n{b}\n{p}\n"
START_HZ = "@start\n0\n{khz}\n{x}\n{y}\n{t}\n{r}\n{a1}\n{kj}\n{b}\n{p}\n"


def zh(kzh="1000", x="1000", y="2000", t="45", r="0", a1="100", kj="1050", b="60", p="1"):
    return START_ZH.format(**locals())


def hz(khz="12500", x="1000", y="2000", t="225", r="0", a1="200", kj="12450", b="60", p="1"):
    return START_HZ.format(**locals())


def fixed_cases():
    base = zh()
    square = zh(kzh="12000", a1="200", kj="12050", b="90")
    hzc = hz()
    c = [
        # Worked jobs.
        ("worked Cmd1 base", base + "@compute\n1050\n7.5\n0.0001\n"),
        ("worked Cmd2", zh(p="-1") + "@compute\n1050\n7.5\n0.0001\n"),
        ("worked Cmd1 B 120", zh(b="120") + "@compute\n1050\n7.5\n0.0001\n"),
        ("worked Cmd3", hzc + "@compute\n12450\n6\n0.001\n"),
        ("worked Cmd3 B 120", hz(b="120") + "@compute\n12450\n6\n0.001\n"),
        ("worked Cmd4", hz(p="-1") + "@compute\n12450\n6\n0.001\n"),
        ("worked Cmd5 right", square + "@compute\n6\n0.001\n"),
        ("worked Cmd5 left", zh(kzh="12000", a1="200", kj="12050", b="90", p="-1") + "@compute\n6\n0.001\n"),
        ("worked Cmd5 DR 12.3", zh(kzh="12000", a1="200", kj="12050", b="89.5960") + "@compute\n12.3\n0.00001\n"),
        ("Cmd5 negative DR", square + "@compute\n-6\n0.001\n"),
        ("Cmd5 P 0 with B 90 refused", zh(kzh="12000", a1="200", kj="12050", b="90", p="0") + "@compute\n6\n0.001\n"),
        ("Cmd5 Kj before ZH refused", zh(kzh="12000", a1="200", kj="11950", b="90") + "@compute\n6\n0.001\n"),
        ("Cmd5 A1 0 refused", zh(kzh="12000", a1="0", kj="12050", b="90") + "@compute\n6\n0.001\n"),
        ("Cmd5 centre at ZH", zh(kzh="12000", a1="200", kj="12000", b="90") + "@compute\n6\n0.001\n"),
        ("Cmd5 any precision", square + "@compute\n6\n-5\n"),
        ("Cmd5 R anything", zh(kzh="12000", r="-7", a1="200", kj="12050", b="90") + "@compute\n6\n0.001\n"),
        # Start.
        ("start ZH station", zh(kzh="12345.678")),
        ("start HZ station", hz(khz="5123.4")),
        ("start ZH at 1E-9", zh(kzh="0.000000001")),
        ("start both stations 0", "@start\n0\n0\n300\n100\n1050\n60\n1\n@compute\n"),
        ("start echoes", "@start\n1000\n1234.50\n-0.5\n45.3\n300\n100\n1234.5678\n30.1530\n2\n"),
        ("start B 89.5960", zh(b="89.5960") + "@compute\n6\n0.001\n"),
        ("start B 90.0001", zh(b="90.0001") + "@compute\n1050\n6\n0.001\n"),
        ("start HZ then ZH keeps HZ boxes", hz(khz="5123.4", x="11", y="22", t="33", kj="5100") + zh(x="1", y="2", t="3")),
        ("start stale KHZ", hz() + zh() + "@compute\n1050\n7.5\n0.0001\n"),
        ("start negative packed angles", zh(t="-30.1530", b="-45") + "@compute\n1050\n7.5\n0.0001\n"),
        ("start angle overflow", "@start\n1000\n1000\n2000\n1e306\n45\n0\n100\n1050\n60\n1\n"),
        ("start station overflow", "@start\n1e306\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n"),
        ("start B overflow", zh(b="1e306\n60")),
        ("start P half to even", zh(p="2.5")),
        ("start P 0.4", zh(p="0.4") + "@compute\n"),
        ("start P limits", zh(p="32767") + zh(p="-32768.5")),
        ("start minutes not validated", zh(b="45.7") + "@compute\n1050\n7.5\n0.0001\n"),
        ("start cancel then complete", "@start\n0\n5000\n@cancel\n" + base + "@compute\n1050\n7.5\n0.0001\n"),
        ("start cancel keeps stored", "@start\n1000\n1010\n2020\n@cancel\n@compute\n"),
        ("start too few answers", "@start\n1000\n1000\n@compute\n"),
        ("compute after cancelled start mixes", base + "@compute\n1050\n7.5\n0.0001\n@start\n2000\n@cancel\n@compute\n1050\n7.5\n0.0001\n"),
        # Dispatch.
        ("compute before start", "@compute\n"),
        ("compute twice before start", "@compute\n@compute\n"),
        ("compute P 0 skewed", zh(p="0") + "@compute\n"),
        ("compute HZ square", hz(b="90") + "@compute\n"),
        ("compute tiny KZH square", zh(kzh="1e-9", kj="50", b="90") + "@compute\n6\n0.001\n"),
        ("script lines ignored", "1200\n@cancel\n\n@stop\n@compute\n"),
        # Refusals before any prompt.
        ("refused B 0", zh(b="0") + "@compute\n"),
        ("refused B 180", zh(b="180", p="-1") + "@compute\n"),
        ("refused B 180 HZ", hz(b="180") + "@compute\n"),
        ("refused A1 0 ZH", zh(a1="0") + "@compute\n"),
        ("refused A1 0 HZ", hz(a1="0", p="-1") + "@compute\n"),
        # Refused answers at solver prompts.
        ("bad Kp before ZH", base + "@compute\n999.99\n1050\n7.5\n0.0001\n"),
        ("bad Kp after HZ", hzc + "@compute\n12500.01\n12450\n6\n0.001\n"),
        ("bad DR 0", base + "@compute\n1050\n0\n7.5\n0.0001\n"),
        ("bad DR float zero", base + "@compute\n1050\n1e-50\n7.5\n0.0001\n"),
        ("bad DR beyond float", base + "@compute\n1050\n1e39\n7.5\n0.0001\n"),
        ("bad precision 0", base + "@compute\n1050\n7.5\n0\n0.0001\n"),
        ("bad precision negative", base + "@compute\n1050\n7.5\n-0.001\n0.0001\n"),
        ("bad square DR text", square + "@compute\nsix\n6\n0.001\n"),
        ("bad square DR float", square + "@compute\n1e39\n6\n0.001\n"),
        ("bad answers everywhere", "@start\n\nabc\n1000\n1e400\n1000\n   \n2000\n4 5\n45\n0\n100\n1050\n60\n40000\n32767.5\n1\n"
         "@compute\n\n1050\nx\n7.5\n1e-400\n0.0001\n"),
        # Cancel at solver prompts.
        ("cancel square precision", square + "@compute\n6\n0.001\n@compute\n8\n@cancel\n"),
        ("cancel skew DR", base + "@compute\n1050\n7.5\n0.0001\n@compute\n1060\n@cancel\n"),
        ("cancel skew precision", base + "@compute\n1050\n7.5\n0.0001\n@compute\n1060\n8\n@cancel\n"),
        ("cancel HZ Kp", hzc + "@compute\n12450\n6\n0.001\n@compute\n@cancel\n"),
        ("overflow in series", base + "@compute\n1050\n7.5\n0.0001\n@compute\n1e30\n7.5\n0.0001\n"),
        # Unsolved sides.
        ("unsolved inner before ZH", base + "@compute\n1050\n7.5\n0.0001\n" + zh(b="120") + "@compute\n1003\n7.5\n0.0001\n"),
        ("unsolved outer before ZH Cmd1", base + "@compute\n1050\n7.5\n0.0001\n@compute\n1003\n7.5\n0.0001\n"),
        ("unsolved outer before ZH Cmd2", zh(b="120", p="-1") + "@compute\n1003\n7.5\n0.0001\n"),
        ("unsolved inner after HZ", hzc + "@compute\n12497\n6\n0.001\n"),
        ("unsolved outer after HZ Cmd3", hz(b="120") + "@compute\n12497\n6\n0.001\n"),
        ("unsolved outer after HZ Cmd4", hz(p="-1") + "@compute\n12497\n6\n0.001\n"),
        ("runaway B 15", zh(b="15") + "@compute\n1050\n7.5\n0.0001\n"),
        ("runaway B 170", zh(b="170") + "@compute\n1050\n7.5\n0.0001\n"),
        ("bound precision 1e-40", base + "@compute\n1050\n7.5\n1e-40\n"),
        ("centre at ZH", base + "@compute\n1000\n7.5\n0.0001\n"),
        ("centre at HZ", hzc + "@compute\n12500\n6\n0.001\n"),
        ("Kp differs from Kj", base + "@compute\n1080\n7.5\n0.0001\n"),
        ("Kj before ZH skew", zh(kj="990") + "@compute\n1050\n7.5\n0.0001\n"),
        ("Kj after HZ", hz(kj="12550") + "@compute\n12450\n6\n0.001\n"),
        ("precision 1e-7", base + "@compute\n1050\n7.5\n0.0000001\n"),
        ("B 30", zh(b="30") + "@compute\n1050\n7.5\n0.0001\n"),
        ("B 150", zh(b="150") + "@compute\n1050\n7.5\n0.0001\n"),
        ("axis due east", zh(t="0", b="90.0001", kj="1000.001") + "@compute\n1000.001\n7.5\n0.0001\n"),
        ("north crossing", zh(t="96.5631", a1="353.8", kj="1070.317", b="81.5656") + "@compute\n1070.317\n11.98\n0.0001\n"),
        ("repeated computes", base + "@compute\n1050\n7.5\n0.0001\n@compute\n1060\n8\n0.001\n@compute\n1040\n5.5\n0.00001\n"),
    ]
    cases = [(n, s, "zh_CN") for n, s in c]
    de = [
        ("comma start and compute", "@start\n12345,678\n1000\n2000\n45\n0\n100\n12345,678\n60\n1\n@compute\n12350,5\n7,5\n0,0001\n"),
        ("comma point refused", "@start\n1.500\n1500\n@cancel\n"),
        ("comma echoes", "@start\n12345,678\n1234,5\n2000\n45\n0\n100\n1234,5678\n30,1530\n1\n"),
        ("comma square", "@start\n12000\n1000\n2000\n45\n0\n200\n12050\n90\n1\n@compute\n12,3\n0,001\n"),
        ("comma HZ", "@start\n0\n12500\n1000\n2000\n225\n0\n200\n12450\n60\n-1\n@compute\n12450\n6\n0,001\n"),
        ("comma bad", "@start\n1,5e400\n1000\n@cancel\n@compute\nstray\n"),
    ]
    cases += [(n, s, "de_DE") for n, s in de]
    # Cancel at every prompt of each Start chain and each solver.
    for name, chain in [("ZH", zh().split("\n")[1:-1]), ("HZ", hz().split("\n")[1:-1])]:
        for i in range(len(chain)):
            lines = chain[:i] + ["@cancel"]
            cases.append((f"cancel start {name} at {i + 1}", base + "@compute\n1050\n7.5\n0.0001\n@start\n" + "\n".join(lines) + "\n@compute\n1050\n7.5\n0.0001\n", "zh_CN"))
    return cases


def packed(deg):
    """A packed D.MMSS entry for decimal degrees, as a surveyor types it."""
    d = int(deg)
    rest = (deg - d) * 60
    m = int(rest)
    s = (rest - m) * 60
    return f"{d}.{m:02d}{int(s):02d}"


def num(rng, lo, hi, decimals):
    v = rng.uniform(lo, hi)
    text = f"{v:.{decimals}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def random_cases(count, seed):
    rng = random.Random(seed)
    cases = []
    solvers = ["Cmd1", "Cmd2", "Cmd3", "Cmd4", "Cmd5"]
    for i in range(count):
        solver = solvers[i % 5]
        a1 = rng.uniform(60, 500)
        a1t = f"{a1:.{rng.choice([0, 1, 3])}f}"
        a1 = float(a1t)
        origin = rng.uniform(500, 30000)
        ot = f"{origin:.3f}"
        origin = float(ot)
        x = num(rng, -5000, 50000, rng.choice([0, 3, 4]))
        y = num(rng, -5000, 50000, rng.choice([0, 3, 4]))
        t = packed(rng.uniform(0, 359.99))
        r = rng.choice(["0", num(rng, 100, 3000, 0), num(rng, 100, 3000, 3)])
        sign = rng.choice([1, -1]) if solver != "Cmd5" else 1
        p = str(rng.choice([1, 2, 5, 100]) * (1 if solver in ("Cmd1", "Cmd3", "Cmd5") else -1))
        if solver == "Cmd5":
            p = rng.choice(["1", "-1", "3", "-2"])
        b = "90" if solver == "Cmd5" else packed(rng.choice([rng.uniform(25, 85), rng.uniform(95, 155)]))
        l = rng.uniform(0.5, 1.1 * a1)
        lj = l + rng.choice([0, rng.uniform(-15, 15)])
        dr = num(rng, 1.5, 20, rng.choice([1, 2, 3]))
        prec = rng.choice(["0.0001", "0.001", "0.00001", "1e-6", "0.0005"])
        if solver in ("Cmd1", "Cmd2", "Cmd5"):
            kj = f"{origin + abs(lj):.3f}"
            kp = f"{origin + l:.4f}"
            script = START_ZH.format(kzh=ot, x=x, y=y, t=t, r=r, a1=a1t, kj=kj, b=b, p=p)
        else:
            kj = f"{origin + 20000 - abs(lj):.3f}"
            kp = f"{origin + 20000 - l:.4f}"
            script = START_HZ.format(khz=f"{origin + 20000:.3f}", x=x, y=y, t=t, r=r, a1=a1t, kj=kj, b=b, p=p)
        answers = [dr, prec] if solver == "Cmd5" else [kp, dr, prec]
        roll = rng.random()
        if roll < 0.08:
            answers.insert(rng.randrange(len(answers)), rng.choice(["", "abc", "1e400", "1,2", "--3"]))
        elif roll < 0.12:
            answers = answers[: rng.randrange(len(answers))] + ["@cancel"]
        script += "@compute\n" + "\n".join(answers) + "\n"
        if rng.random() < 0.2:
            more = [dr, prec] if solver == "Cmd5" else [f"{float(kp) + rng.uniform(-10, 10):.3f}", dr, prec]
            script += "@compute\n" + "\n".join(more) + "\n"
        locale = "de_DE" if rng.random() < 0.08 else "zh_CN"
        if locale == "de_DE":
            script = script.replace(".", ",")
        cases.append((f"random {i:03d} {solver}", script, locale))
    return cases


def batch(*fields):
    return "@batch\n" + "".join(f + "\n" for f in fields) + "@end\n"


def batch_cases():
    base = zh()
    square = zh(kzh="12000", a1="200", kj="12050", b="90")
    bridge = ("dr 7.5", "precision 0.0001", "offsets -3.5 3.5",
              "station 1# K1+020", "station 2# K1+040", "station 1050", "station K1+060.5")
    c = [
        ("batch parallel names and offsets", base + batch("axis parallel", *bridge)),
        ("batch own axis", base + batch("axis own", *bridge)),
        ("batch then compute numbers on", base + batch("dr 7.5", "precision 0.0001", "station 1040") +
         "@compute\n1050\n7.5\n0.0001\n" + batch("dr 6", "precision 0.001", "station 1060")),
        ("batch square", square + batch("dr 6", "precision 0.001", "offsets 2.5", "station A K12+020",
                                        "station B 12050", "station 11990")),
        ("batch HZ", hz() + batch("dr 6", "precision 0.001", "station 12450", "station P9 K12+480",
                                  "station 12510")),
        ("batch HZ own axis left", hz(p="-1") + batch("axis own", "dr 6", "precision 0.001",
                                                      "station 12450", "station 12430")),
        ("batch rejected lines", base + batch("dr", "precision 0", "offsets 1 x 1e400",
                                              "station K1+1000.5", "station abc", "station 3# K-1+20",
                                              "station 4# K1.5+20", "station 5# K1+", "station 6# K1+x",
                                              "station 7# K1+-3", "station 8# 1e400", "station 9# 1040",
                                              "station 9# 1050", "station")),
        ("batch DR beyond float", base + batch("dr 1e39", "precision 0.0001", "station 1050")),
        ("batch DR zero", base + batch("dr 0", "precision 0.0001", "station 1050")),
        ("batch square any DR", square + batch("dr 0", "precision -1", "station 12050")),
        ("batch no solver", batch("dr 7.5", "precision 0.0001", "station 1050")),
        ("batch P 0", zh(p="0") + batch("dr 7.5", "precision 0.0001", "station 1050")),
        ("batch refused job", zh(b="0") + batch("dr 7.5", "precision 0.0001", "station 1050")),
        ("batch square Kj before ZH", zh(kzh="12000", a1="200", kj="11000", b="90") +
         batch("dr 6", "precision 0.001", "station 12050", "station 11990")),
        ("batch stations off the spiral", base + batch("dr 7.5", "precision 0.0001", "station 999",
                                                       "station 1003", "station 1050")),
        ("batch fault and warnings", zh(r="150") + batch("dr 7.5", "precision 0.0001", "station 1e8",
                                                         "station 1060", "station 1080", "station 1180")),
        ("batch unsolved sides", zh(b="15") + batch("dr 7.5", "precision 0.0001", "station 1050",
                                                    "station 1003")),
        ("batch blank lines tabs and wide blanks", base + batch("dr 7.5", "precision 0.0001", "station ",
                                                                "station 1#\tK1+020", "station 2#\u3000K1+030",
                                                                "station   ", "station \t1040\t")),
        ("batch empty list", base + batch("dr 7.5", "precision 0.0001")),
        ("batch unknown field", base + batch("dr 7.5", "precision 0.0001", "width 3", "station 1050")),
        ("batch cut short by a command", base + "@batch\ndr 7.5\nprecision 0.0001\nstation 1050\n@compute\n"),
        ("batch too many offsets", base + batch("dr 7.5", "precision 0.0001",
                                                "offsets " + " ".join(str(i) for i in range(100)),
                                                "station 1050")),
        ("batch blank answers", base + batch("dr \u3000", "precision \u00a0", "offsets \t", "station 1050")),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("batch comma", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n" +
                  batch("dr 7,5", "precision 0,0001", "offsets -3,5 3,5", "station 3# K1+040,5",
                        "station 1050,25", "station K1+060.5"), "de_DE", {}))
    return cases


OLD_JOB = (b'{\n  "format": "capset-job",\n  "version": 1,\n  "decimal": ".",\n'
           b'  "start": {"KZH": "1000", "X": "1000", "Y": "2000", "T": "45.3015", "R": "150", "A1": "100", '
           b'"Kj": "1050", "B": "60", "P": "1"},\n'
           b'  "batch": {\n    "axis": "own",\n    "DR": "7.5",\n    "precision": "0.0001",\n'
           b'    "offsets": "-3.5 3.5",\n    "stations": ["3# K1+040", "1060"]\n  }\n}\n')
GOOD_START = (b'"start": {"KZH": "1000", "X": "1000", "Y": "2000", "T": "45", "R": "0", "A1": "100", '
              b'"Kj": "1050", "B": "60", "P": "1"}')


def job_text(start=GOOD_START, head=b'"format": "capset-job", "version": 1, "decimal": "."', rest=b""):
    return b"{" + head + b", " + start + rest + b"}\n"


def field(key, value):
    """The good job with one start field's value replaced (value as JSON bytes)."""
    at = GOOD_START.index(b'"' + key.encode() + b'": ') + len(key) + 4
    end = GOOD_START.index(b'"', at + 1) + 1
    return job_text(start=GOOD_START[:at] + value + GOOD_START[end:])


def file_cases():
    base = zh()
    computed = base + "@compute\n1050\n7.5\n0.0001\n"
    open_then_compute = "@open {dir}/job.capjob\n@compute\n1050\n7.5\n0.0001\n"
    opened_over_a_cap = computed + "@open {dir}/job.capjob\n"
    refused = [
        ("job refused not JSON", b"bridge K1+050\n"),
        ("job refused empty", b""),
        ("job refused cut short", job_text()[:70]),
        ("job refused another programs JSON", b'{"name": "bridge"}\n'),
        ("job refused not an object", b"[1, 2]\n"),
        ("job refused unknown version", job_text(head=b'"format": "capset-job", "version": 4, "decimal": "."')),
        ("job refused version as text", job_text(head=b'"format": "capset-job", "version": "1", "decimal": "."')),
        ("job refused strange decimal", job_text(head=b'"format": "capset-job", "version": 1, "decimal": "x"')),
        ("job refused missing start", b'{"format": "capset-job", "version": 1, "decimal": "."}\n'),
        ("job refused missing field", job_text(start=GOOD_START.replace(b'"X": "1000", ', b""))),
        ("job refused not a number", field("X", b'"abc"')),
        ("job refused blank answer", field("Y", '"\u3000"'.encode())),
        ("job refused huge text number", field("R", b'"1e400"')),
        ("job refused huge JSON number", field("R", b"1e400")),
        ("job refused wrong type", field("A1", b"true")),
        ("job refused P beyond 16 bits", field("P", b'"40000"')),
        ("job refused azimuth overflow", field("T", b'"1e306"')),
        ("job refused duplicate key",
         job_text(head=b'"format": "capset-job", "version": 1, "version": 1, "decimal": "."')),
        ("job refused duplicate start field", field("X", b'"1000", "X": "1500"')),
        ("job refused overlong UTF-8", field("Kj", b'"1050\xc0\xaf"')),
        ("job refused encoded surrogate", field("Kj", b'"\xed\xa0\x80"')),
        ("job refused beyond U+10FFFF", field("Kj", b'"\xf4\x90\x80\x80"')),
        ("job refused lone escaped surrogate", field("Kj", b'"\\ud800"')),
        ("job refused deep nesting", job_text(rest=b', "extra": ' + b"[" * 40 + b"]" * 40)),
        ("job refused bad batch axis", job_text(rest=b', "batch": {"axis": "sideways", "DR": "7.5", '
                                                     b'"precision": "0.0001", "offsets": "", "stations": []}')),
        ("job refused stations not a list", job_text(rest=b', "batch": {"axis": "own", "DR": "7.5", '
                                                          b'"precision": "0.0001", "offsets": "", "stations": "1050"}')),
    ]
    cases = [(name, opened_over_a_cap, "zh_CN", {"job.capjob": content}) for name, content in refused]
    cases += [
        # The second Start is unsaved work: the open asks, and is told to discard it.
        ("job saved and opened", computed + "@save {dir}/job.capjob\n" + zh(kzh="2000", x="1", y="2") +
         "@open {dir}/job.capjob\n不保存\n@compute\n1050\n7.5\n0.0001\n", "zh_CN", {}),
        ("job saved with its batch", base + batch("axis own", "dr 7.5", "precision 0.0001", "offsets -3.5 3.5",
                                                 "station 3# K1+040", "station \"引号\" \\ 1060") +
         "@save {dir}/job.capjob\n@open {dir}/job.capjob\n", "zh_CN", {}),
        ("job saved HZ", hz(t="225.3015", p="-2") + "@save {dir}/hz.capjob\n@open {dir}/hz.capjob\n"
         "@compute\n12450\n6\n0.001\n", "zh_CN", {}),
        ("job saved both stations 0", "@start\n0\n0\n300\n100\n1050\n60\n1\n@save {dir}/none.capjob\n"
         "@open {dir}/none.capjob\n", "zh_CN", {}),
        ("job nothing to save", "@save {dir}/job.capjob\n@start\n1000\n@cancel\n@save {dir}/job.capjob\n",
         "zh_CN", {}),
        ("job save over an old one", base + "@save {dir}/job.capjob\n", "zh_CN", {"job.capjob": b"old\n"}),
        ("job written before opens", open_then_compute + batch("dr 7.5", "precision 0.0001", "station 1070"),
         "zh_CN", {"job.capjob": OLD_JOB}),
        ("job number fields", "@open {dir}/job.capjob\n", "zh_CN",
         {"job.capjob": field("R", b"300").replace(b'"A1": "100"', b'"A1": 1E2')}),
        ("job missing file", "@open {dir}/missing.capjob\n", "zh_CN", {}),
        ("job open without a name", "@open\n@save\n", "zh_CN", {}),
        ("job comma opened with points", "@open {dir}/job.capjob\n@compute\n1050.5\n7.5\n0.0001\n", "zh_CN",
         {"job.capjob": job_text(head=b'"format": "capset-job", "version": 1, "decimal": ","',
                                 start=GOOD_START.replace(b'"1000"', b'"1000,25"'))}),
        ("job points opened with commas", "@open {dir}/job.capjob\n@compute\n1050,5\n7,5\n0,0001\n", "de_DE",
         {"job.capjob": OLD_JOB}),
        ("job typed with commas", "@start\n1000,5\n1000\n2000,25\n45,3\n0\n100\n1050\n60\n1\n"
         "@save {dir}/job.capjob\n", "de_DE", {}),
        # A job of a road and a batch list, never started, is saved and
        # opened like any other; unsaved work is asked about before it is
        # replaced or the program quits.
        ("job road alone saved and opened", ROAD_POINTS + batch("dr 7.5", "station 3# 1200", "station 1300") +
         "@save {dir}/road.capjob\n" + ROAD_CHAINED + "@open {dir}/road.capjob\n不保存\n@keypoints\n"
         "@batch\ndr 7.5\nskew 90\ndesign 1200\nstation 3# 1200\n@end\n@save {dir}/road.capjob\n", "zh_CN", {}),
        ("job road alone opened over a Start", ROAD_POINTS + "@save {dir}/road.capjob\n" + computed +
         "@open {dir}/road.capjob\n不保存\n@at 1200\n", "zh_CN", {}),
        ("job batch list alone saved", batch("dr 7.5", "station 1# 1050") + "@save {dir}/list.capjob\n"
         "@open {dir}/list.capjob\n", "zh_CN", {}),
        ("job unsaved open cancelled", base + "@save {dir}/job.capjob\n" + zh(kzh="2000", kj="2050") +
         "@open {dir}/job.capjob\n@cancel\n@compute\n2050\n7.5\n0.0001\n", "zh_CN", {}),
        ("job unsaved open saved first", ROAD_POINTS + "@open {dir}/job.capjob\n保存\n{dir}/first\n@keypoints\n",
         "zh_CN", {"job.capjob": OLD_JOB}),
        ("job unsaved open, save asked and cancelled", ROAD_POINTS + "@open {dir}/job.capjob\n保存\n@cancel\n"
         "@keypoints\n", "zh_CN", {"job.capjob": OLD_JOB}),
        ("job refused file asks nothing", base + "@open {dir}/job.capjob\n", "zh_CN",
         {"job.capjob": field("P", b'"0.5x"')}),
        ("job without any work refused", "@open {dir}/job.capjob\n", "zh_CN",
         {"job.capjob": b'{"format": "capset-job", "version": 2, "decimal": "."}\n'}),
        ("job of version 1 without Start refused", "@open {dir}/job.capjob\n", "zh_CN",
         {"job.capjob": job_text(start=b'"batch": {"axis": "own", "DR": "7.5", "precision": "0.0001", '
                                       b'"offsets": "", "stations": ["1050"]}')}),
        ("job quit asks", base + "@quit\n@cancel\n@quit\n不保存\n@start\n", "zh_CN", {}),
        ("job quit saves first", ROAD_POINTS + "@quit\n保存\n{dir}/quit.capjob\n@keypoints\n", "zh_CN", {}),
        ("job quit saved asks nothing", base + "@save {dir}/job.capjob\n@quit\n@start\n", "zh_CN", {}),
        ("job quit with nothing", "@quit\n", "zh_CN", {}),
        ("job typed in Arabic", "@start\n1000\u066b5\n1000\n2000\n45\n0\n100\n1050\n60\n1\n"
         "@save {dir}/job.capjob\n@open {dir}/job.capjob\n", "ar_EG", {}),
    ]
    return cases


def export_cases():
    base = zh()
    computed = base + "@compute\n1050\n7.5\n0.0001\n"
    rows = computed + batch("dr 7.5", "precision 0.0001", "offsets -3.5 3.5", "station 1# K1+020",
                            "station a,\"b\" 1040", "station 桥台 1060", "station 999")
    c = [
        ("export csv", rows + "@export csv {dir}/caps.csv\n"),
        ("export dat", rows + "@export dat {dir}/caps.dat\n"),
        ("export square and HZ", zh(kzh="12000", a1="200", kj="12050", b="90") + "@compute\n6\n0.001\n" +
         hz(p="-1") + "@compute\n12497\n6\n0.001\n@export csv {dir}/caps.csv\n@export dat {dir}/caps.dat\n"),
        ("export nothing yet", "@export csv {dir}/caps.csv\n@export dat {dir}/caps.dat\n"),
        ("export without a file", computed + "@export csv\n@export xls {dir}/caps.xls\n"),
        ("export over an old file", computed + "@export csv {dir}/caps.csv\n"),
    ]
    cases = [(n, s, "zh_CN", {"caps.csv": b"old\r\n"} if n == "export over an old file" else {}) for n, s in c]
    cases.append(("export comma", "@start\n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n@compute\n1050\n7,5\n0,0001\n" +
                  batch("dr 7,5", "precision 0,0001", "offsets -3,5", "station 1040,5") +
                  "@export csv {dir}/caps.csv\n@export dat {dir}/caps.dat\n", "de_DE", {}))
    return cases


def scene_cases():
    base = zh()
    c = [
        ("scene before any cap", "@scene\n" + base + "@scene\n"),
        ("scene base", base + "@compute\n1050\n7.5\n0.0001\n@scene\n"),
        ("scene left turn", zh(p="-1") + "@compute\n1050\n7.5\n0.0001\n@scene\n"),
        ("scene HZ", hz() + "@compute\n12450\n6\n0.001\n@scene\n"),
        ("scene square", zh(kzh="12000", a1="200", kj="12050", b="90") + "@compute\n6\n0.001\n@scene\n"),
        ("scene spiral end and warnings", zh(r="150") + "@compute\n1080\n7.5\n0.0001\n@scene\n"),
        ("scene origin out of view", zh(a1="300") + "@compute\n1200\n3\n0.0001\n@scene\n"),
        ("scene unsolved side", base + "@compute\n1003\n7.5\n0.0001\n@scene\n"),
        ("scene runaway side", zh(b="15") + "@compute\n1050\n7.5\n0.0001\n@scene\n"),
        ("scene cleared by a start", base + "@compute\n1050\n7.5\n0.0001\n" + base + "@scene\n"),
        ("scene kept by a cancelled start", base + "@compute\n1050\n7.5\n0.0001\n@start\n2000\n@cancel\n@scene\n"),
        ("scene after a batch", base + "@compute\n1050\n7.5\n0.0001\n" +
         batch("dr 7.5", "precision 0.0001", "station 1060") + "@scene\n"),
        ("scene tiny cap", zh(kzh="12000", a1="200", kj="12050", b="90") + "@compute\n0.001\n0.001\n@scene\n"),
    ]
    return [(n, s, "zh_CN", {}) for n, s in c]


def script_rule_cases():
    base = zh()
    c = [
        ("command with a trailing blank at a prompt", "@start\n1000\n@compute \n1050\n7.5\n0.0001\n"),
        ("command with a trailing blank", base + "@compute \n1050\n7.5\n0.0001\n"),
        ("start with a trailing blank", "@start \n1000\n1000\n2000\n45\n0\n100\n1050\n60\n1\n"),
        ("cancel with a trailing blank", "@start\n1000\n@cancel \n@compute\n"),
        ("batch with a trailing blank", base + "@batch \ndr 7.5\nprecision 0.0001\nstation 1050\n@end \n"),
        ("scene with a trailing blank", base + "@compute\n1050\n7.5\n0.0001\n@scene \n"),
        ("command word inside an answer", base + "@compute\n@computer\n1050\n7.5\n0.0001\n"),
        ("blank answers", "@start\n\u3000\n\t\n\u00a0\n 1000 \n1000\n2000\n45\n0\n100\n1050\n60\n1\n"
         "@compute\n\u3000\n1050\n\u2003\n7.5\n0.0001\n"),
    ]
    return [(n, s, "zh_CN", {}) for n, s in c] + [
        ("Arabic start and compute", "@start\n1000\u066b5\n1000\n2000\n45\u066b3\n0\n100\n1050\n60\n1\n"
         "@compute\n1050\n7\u066b5\n0\u066b0001\n", "ar_EG", {})]


def habit_cases():
    """Point names that name their cap, a batch run again, angles read on,
    stations typed in K form, information told as such."""
    base = zh()
    computed = base + "@compute\n1050\n7.5\n0.0001\n"
    bridge = batch("dr 7.5", "precision 0.0001", "offsets -3.5", "station 1# K1+020", "station 2# K1+040",
                   "station 1060")
    c = [
        ("names single compute", computed + "@export dat {dir}/caps.dat\n"),
        ("names two batches replaced", computed + bridge + bridge + "替换\n@export dat {dir}/caps.dat\n"),
        ("names two batches added", computed + bridge + bridge + "添加\n@export dat {dir}/caps.dat\n"
         "加序号后缀导出\n@export csv {dir}/caps.csv\n"),
        ("names shared export cancelled", computed + bridge + bridge + "添加\n@export dat {dir}/caps.dat\n@cancel\n"),
        ("names one station computed twice", computed + "@compute\n1050\n7.5\n0.0001\n@export dat {dir}/caps.dat\n"
         "加后缀\n加序号后缀导出\n"),
        ("batch again cancelled", base + bridge + bridge + "@cancel\n"),
        ("batch again for another job", base + bridge + zh(x="1500") + bridge),
        ("batch again after its rows", base + bridge + batch("dr 7.5", "precision 0.0001", "station 1070") + bridge +
         "替换\n"),
        ("packed angles read on", zh(t="45.75", b="30.7560") + "@compute\n1050\n7.5\n0.0001\n"),
        ("packed seconds read on HZ", hz(t="225.3075"),),
        ("packed angle in an opened job", "@open {dir}/job.capjob\n"),
        ("K form at the prompts", "@start\nK1+000\n1000\n1000\n2000\n45\n0\n100\nk 1+ 050\n1050\n60\n1\n"
         "@compute\nK1+050.5\n1050.5\n7.5\n0.0001\n"),
        ("K form not a station", "@start\nK1+\nK1.5+20\nKm+1\n1000\n@cancel\n"),
    ]
    cases = []
    for case in c:
        name, script = case[0], case[1]
        files = {}
        if name == "packed angle in an opened job":
            files = {"job.capjob": field("T", b'"45.75"')}
        cases.append((name, script, "zh_CN", files))
    return cases


ROAD_POINTS = ("@road\nbp 1000 3000 4000\njd 3800 4300 600 120 100\njd 4600 4200 400 0\n"
               "ep 5500 4900\n@end\n")
ROAD_ELEMENTS = ("@road\nstart 5000 3000 4000 45.3015\nline 100\nspiral 80 inf 300 right\narc 50 300 right\n"
                 "spiral 60 300 900 right\nspiral 40 900 inf right\nline 50\n@end\n")
ROAD_CHAINED = "@road\nstart 1000 0 0 0\nline 1000\nequation 1300 1280\nequation 1600 1650\n@end\n"


def road_command_cases():
    ask = "@keypoints\n@curves\n@at 1200 0\n@at K1+300 -7.5\n@at 99999\n@where 3500 4200\n@where -1e9 0\n"
    c = [
        ("road intersection points", ROAD_POINTS + ask),
        ("road elements", ROAD_ELEMENTS + "@keypoints\n@curves\n@at 5150 2.5\n@at K5+250\n@where 3100 4120\n"),
        ("road chained stations", ROAD_CHAINED + "@keypoints\n@at 1290\n@at 1290(1)\n@at K1+290(2) 3\n@at 1290(3)\n"
         "@at 1620\n@at 1650\n@where 310 -3\n@table 1270 1320 10 -7.5\n@table 1590 1660 20\n"),
        ("road bad blocks keep the road", ROAD_POINTS + "@road\nbp 0 0 0\njd 10 10 -5 0\nfoo\njd 1 2\nep 20 0\n@end\n"
         "@road\nbp 0 0 0\nline 5\n@end\n@road\nbp 0 0 0\njd 1000 0 300 0\njd 1100 100 300 0\nep 1100 2000\n@end\n"
         "@road\nstart 0 0 0 45.6\narc 10 inf left\nspiral 10 300 300 left\n@end\n@road\n@end\n"
         "@road jobs\nstart 0 0 0 0\nline 10\n@end\n@keypoints\n"),
        ("road job", "@road job\n@at 1000\n" + zh(r="150") + "@road job\n@at 1000\n@at 1100 -2\n@at 990\n" +
         ROAD_CHAINED + "@road job\n@keypoints\n"),
        ("road no road yet", "@at 1000\n@where 0 0\n@keypoints\n@curves\n@table 0 10 5\n"),
        ("road table", ROAD_POINTS + "@table 1000 1100 25 -5 5\n@table 1600 1700 20\n@table 1100 1000 10\n"
         "@table 1000 1100 0\n@table 900 1000 10\n@table 1000\n"),
        ("road table export", ROAD_CHAINED + "@export table csv {dir}/table.csv 1270 1320 10 -7.5 7.5\n"
         "@export table dat {dir}/table.dat 1270 1320 10 -7.5 7.5\n@export table xls {dir}/t.xls 1 2 3\n"),
        ("road saved and opened", zh(r="150") + ROAD_POINTS + "@save {dir}/road.capjob\n@road job\n@keypoints\n"
         "@open {dir}/road.capjob\n不保存\n@keypoints\n"),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("road comma", "@road\nbp 1000,5 3000 4000\njd 3800 4300 600,5 120 100\njd 4600 4200 400 0\n"
                  "ep 5500 4900\n@end\n@at 1200,25 -3,5\n@where 3500,5 4200\n@table 1000 1050,5 25 2,5\n",
                  "de_DE", {}))
    return cases


def check_command_cases():
    """Staked points measured back against the caps of the log."""
    base = zh(r="150")
    computed = base + "@compute\n1050\n7.5\n0.0001\n"
    bridge = batch("method window", "dr 7.5", "precision 0.0001", "offsets -3.5 3.5", "station 1# K1+020",
                   "station 2# K1+040", "station 3# 1060")
    exact = batch("method exact", "dr 6.5 8", "offsets -3 3", "station 1# K1+040", "station 2# K1+070")

    def check(*lines):
        return "@check\n" + "".join(line + "\n" for line in lines) + "@end\n"

    c = [
        ("check base cap", computed + check("point C 1033.829 2036.772", "point I 1030.545 2044.84",
                                            "point O 1037.1 2028.798", "point far 1000 2000")),
        ("check bridge with columns", base + bridge + check(
            "tolerance 0.005", "point 1-C 1014.051 2014.236", "point 2-O 1030.688 2021.212",
            "point 2-P1 1026.192 2032.261", "point 3-I 1036.334 2053.213", "point between 1021 2021.6",
            "point far off 1e6 1e6")),
        ("check exact bridge", base + exact + check(
            "point 1-C 1027.515 2029.02", "point 1-L 1030.265 2022.27", "point 2-R 1041.35 2062.63",
            "point 2-P1 1046.31 2050.447")),
        ("check HZ cap", hz() + "@compute\n12450\n6\n0.001\n" + check(
            "point C 964.28 1965.016", "point I 962.69 1971.78", "point O 965.861 1958.28")),
        ("check no road", check("point M 1 2")),
        ("check no cap", base + check("point M 1033.829 2036.772")),
        ("check empty block", computed + check("tolerance 0.01")),
        ("check negative tolerance", computed + check("tolerance -0.01", "point M 1 2")),
        ("check bad lines", computed + check("point M1 1 2", "point M2 1x 2", "point M3 2", "point", "colour red")),
        ("check closed by another command", computed + "@check\npoint C 1033.829 2036.772\n@scene\n"),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("check comma locale", base + "@compute\n1050\n7,5\n0,0001\n" + check("tolerance 0,02", "point C 1033,84 2036,772"), "de_DE", {}))
    return cases


def road_cap_cases():
    """Caps on the road: the real bridge of R 600 and A 300 with five of its
    eight bents on the arc, by the window's formulas and exactly; the six
    bents of R 150 and A 100 whose window rows lie past the spiral's end;
    left and right half-widths, a skew and a design station of the batch's
    own, the HZ end, a road with no Start, the fields refused, the points
    and the files of exact rows."""
    bents = ["station %d# K35+%03d" % (i + 1, 20 + 30 * i) for i in range(8)]
    real = zh(kzh="34950", r="600", a1="300", kj="35020")
    six = zh(r="150")
    six_bents = ["station %d# K1+%03d" % (i + 1, 20 + 20 * i) for i in range(6)]
    c = [
        ("road caps real bridge window", real + batch("method window", "dr 7.5", "precision 0.0001",
                                                      "offsets -3.5 3.5", *bents) + "@points\n"),
        ("road caps real bridge exact", real + batch("method exact", "dr 7.5", "offsets -3.5 3.5", *bents) +
         "@points\n@export csv {dir}/caps.csv\n@export dat {dir}/caps.dat\n"),
        ("road caps six bents window counted apart", six + batch("method window", "dr 7.5", "precision 0.0001",
                                                                 *six_bents) +
         "@export dat {dir}/caps.dat\n仍然导出\n@export csv {dir}/caps.csv\n@cancel\n"),
        ("road caps six bents exact", six + batch("dr 7.5", *six_bents) + "@points\n"),
        ("road caps left and right", zh(r="150") + batch("dr 6.25 9.5", "offsets -2 2", "station 1030",
                                                         "station K1+090") + "@points\n"),
        ("road caps own axis skew and design", zh(r="300", a1="150") +
         batch("axis own", "dr 7.5", "skew 120.3015", "station 1020", "station 1100", "station 1200") +
         batch("axis parallel", "dr 7.5", "skew 45", "design K1+100", "station 1020", "station 1100")),
        ("road caps HZ end", hz(r="400") + batch("dr 6", "offsets 3", "station 12300", "station 12450",
                                                 "station 12520") + "@points\n"),
        ("road caps left turn square", zh(r="200", p="-1", b="90") + batch("dr 7.5", "station 990", "station 1080")),
        ("road caps no road", batch("skew 60", "design 1050", "dr 7.5", "station 1050")),
        ("road caps no Start defaults", batch("dr 7.5", "station 1050")),
        ("road caps P 0 makes no road", zh(p="0") + batch("dr 7.5", "station 1050")),
        ("road caps fields refused", zh(r="150") +
         batch("dr 0 x", "offsets 1 y", "skew 180", "design K1+", "station 1050") +
         batch("dr -1", "skew 45.75", "station 1050") +
         batch("dr 7.5", "skew 0", "design 1e9", "station 1050") +
         batch("method window", "dr 7.5 8", "precision 0.0001", "skew abc", "station 1050")),
        ("road caps station past the road", zh(r="150") + batch("dr 7.5", "station -20000", "station 1050")),
        ("road caps tight curve edge folds", zh(r="8", a1="10", b="90") + batch("dr 9", "station 1030")),
        ("road caps run again", zh(r="150") + batch("dr 7.5", "station 1050") + batch("dr 7.5", "station 1050") +
         "添加\n" + batch("method window", "dr 7.5", "precision 0.0001", "station 1050")),
        ("road caps job saved and opened", zh(r="150") +
         batch("dr 6.25 9.5", "skew 75", "design 1040", "offsets -3", "station 1# 1050") +
         "@save {dir}/bridge.capjob\n@open {dir}/bridge.capjob\n" + batch("dr 7.5", "station 1060")),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    # An old job keeps its batch by the window's formulas when saved again.
    cases.append(("road caps old job with offsets", "@open {dir}/old.capjob\n@save {dir}/again.capjob\n",
                  "zh_CN", {"old.capjob": OLD_JOB}))
    cases.append(("road caps comma", "@start\n1000\n1000\n2000\n45\n150\n100\n1050\n60\n1\n" +
                  batch("dr 7,5 8,25", "offsets -3,5", "skew 60,3", "station 3# K1+040,5"), "de_DE", {}))
    return cases


def bridge_cases():
    """Bridges: templates typed, copied and refused, bents on a curve with
    their piles, columns and corners, a bridge typed before its road, bents
    in a 长链 and off the road, and the comma locale."""
    pier = ("@template pier\ngrid Z 2 3 3 2.5\ncorners T 8.4 5.4 1.5\npoint S1 -2 0.6 0.3\n@end\n")
    bents = ("@bridge B1\nbent 0 K1+020 template abutment-start\nbent 1 1200 skew 60.3015 dr 6.5 8 depth 1.6 "
             "template pier\nbent 2 1230 skew 60.3015 axis parallel 1200 dr 7.5 template two-columns\n"
             "bent 3 K1+260 dr 7.5 template pile-cap-2x3\n@end\n")
    c = [
        ("bridge on a curve", ROAD_POINTS + pier + bents + "@bridgepoints\n@templates\n"),
        ("bridge refused blocks keep it", ROAD_POINTS + pier + bents +
         "@template pier\ngrid Z 0 3 3 2.5\npoint C 0 0\npoint Z-1 1 1\n@end\n@template two-columns\npoint A 0 0\n@end\n"
         "@bridge B1\nbent 1 1200 skew 200\nbent 1 1230\nbent 4 9000\nbent 5 1300 template none\nwall 1\n@end\n"
         "@bridge B1\nbent 1 1200\nbent 1 1230\nbent 4 9000\nbent 5 1300 template none\n@end\n"
         "@bridgepoints B1\n@bridgepoints B2\n"),
        ("bridge copied template", ROAD_POINTS + "@template mine\ncopy pile-cap-2x3\ngrid Z 3 3 2.8 2.8\n"
         "point C1 0 0 2.5\n@end\n@bridge B\nbent 1 1400 skew 75 template mine\n@end\n@bridgepoints\n"),
        ("bridge before its road", "@bridgepoints\n@bridge B\nbent 1 1290(2) dr 6\nbent 2 1700\n@end\n"
         "@bridgepoints\n" + ROAD_CHAINED + "@bridgepoints\n"),
    ]
    # The bridges' points to files and the check against them.
    profile = "@profile\npvi 1000 50\npvi 1250 53 3000\npvi 1600 51\n@end\n"
    measured = ("@check\npoint M1 3185.574831 4067.435377 48.5\npoint M2 3187.547754 4068.155746\n"
                "point M3 3018.726584 4007.022469 50.2\npoint far 3300 4300\n@end\n")
    c += [
        ("bridge export", ROAD_POINTS + pier + bents + "@export bridge csv {dir}/b.csv\n"
         "@export bridge dat {dir}/b1.dat B1 3 1\n@export bridge dat {dir}/x.dat B1 9 1\n@export bridge dat {dir}/y.dat B9\n"
         "@export bridge pdf {dir}/z.pdf\n@export bridge\n"),
        ("bridge export heights and left out", pier + bents + "@bridge B2\nbent 0 K1+020 dr 7\nbent 9 K9+000\n@end\n" +
         ROAD_POINTS + profile + "@export bridge csv {dir}/all.csv\n"
         "@export bridge dat {dir}/all.dat\n@export bridge dat {dir}/b2.dat B2\n@export bridge dat {dir}/b9.dat B2 9\n"),
        ("bridge export refused", "@export bridge csv {dir}/a.csv\n" + pier + bents + "@export bridge csv {dir}/a.csv\n"),
        ("bridge check", ROAD_POINTS + profile + pier + bents + "@bridgepoints B1\n" + measured),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("bridge comma", ROAD_POINTS + "@template pier\ngrid Z 2 2 2,5 3,5 0,5 -0,25 1,75\n@end\n"
                  "@bridge B\nbent 1 1200,5 skew 60,3 dr 6,5 7,25 depth 0,8 template pier\n@end\n@bridgepoints\n",
                  "de_DE", {}))
    return cases


def polar_cases():
    """Polar set-out data: a bridge on a curve seen from a station with its
    height and a backsight point, the backsight by azimuth at 359°59′, a
    station on a bridge point, the log's caps without a bridge, the job file
    saved and opened, every refusal, and the comma locale."""
    profile = "@profile\npvi 1000 100\npvi 1500 104 8000\npvi 2000 101\n@end\n"
    bents = ("@bridge B1\nbent 1 1200 skew 60.3015 dr 6.5 8 depth 1.6 template pile-cap-2x3\n"
             "bent 2 1230 skew 60.3015 axis parallel 1200 dr 7.5 template two-columns\n@end\n")
    c = [
        ("polar bridge on a curve", ROAD_POINTS + profile + bents +
         "@station D7 3620.512 4150.338 99.862 1.562\n@backsight D6 3500.117 4020.905\n@polar\n"
         "@backsight azimuth 359.59\n@polar B1\n"),
        ("polar from a bridge point", ROAD_POINTS + bents + "@station 1-C\n@backsight 2-C\n@polar\n"
         "@station S1 3600 4100\n@polar\n"),
        ("polar log caps", ROAD_POINTS + batch("skew 90", "axis own", "dr 7.5", "station 3# 1200",
                                               "station 4# 1230") +
         "@station S1 3600 4100 100 1.5\n@backsight azimuth 0\n@polar\n"),
        ("polar saved and opened", ROAD_POINTS + bents + "@station D7 3620.512 4150.338 99.862 1.562\n"
         "@backsight azimuth 123.4530\n@save {dir}/polar.capjob\n@station S9 1 2\n"
         "@open {dir}/polar.capjob\n不保存\n@polar\n"),
        ("polar refused lines keep them", ROAD_POINTS + bents +
         "@polar\n@station S1 3600 4100 99 1.5\n@polar\n@backsight B 3600.0001 4100\n@backsight azimuth 45.75\n"
         "@backsight azimuth 400\n@backsight azimuth x\n@backsight 9-C\n@backsight B 1\n"
         "@backsight azimuth 90\n@station S2 1e9 1\n@station S2 1 2 3\n@station S2 1 2 3 -1\n"
         "@station S2 1 2 abc 1\n@station 7-Z1\n@station\n@polar B7\n@polar B1 B2\n@polar B1\n"),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("polar comma", ROAD_POINTS + bents + "@station D7 3620,512 4150,338 99,862 1,562\n"
                  "@backsight azimuth 359,5930\n@polar\n", "de_DE", {}))
    return cases


def window_method_cases(cases):
    """Every case with a batch, its batches by the window's formulas: the
    texts those batches gave before batches computed on the road."""
    out = []
    for name, script, locale, files in cases:
        if "@batch" not in script:
            continue
        played = script.replace("@batch\n", "@batch\nmethod window\n").replace("@batch \n", "@batch \nmethod window\n")
        out.append((name + " window", played, locale, files))
    return out


TEXTBOOK = "@profile\npvi K4+800 416.18\npvi K5+030 427.68 2000\npvi K5+300 416.88\n@end\n"
ROAD_STRAIGHT = "@road\nstart K4+000 0 0 0\nline 2000\n@end\n"


def heights_cases():
    """The profile and the cross-section: the textbook crest asked and
    listed, the curves by length, both lengths and circle, blocks refused,
    a 长链, the road changed under the profile, a job saved and opened."""
    c = [
        ("heights textbook", ROAD_STRAIGHT + TEXTBOOK + "@vcurves\n@z K5+010\n@z 5080\n@z 4700\n@z K5+300.5\n"
         "@xsec\ncrown 1.5\nwidth 7.5 7.5\n@end\n@z 5030 -7.5\n@z 5030 7.5\n"),
        ("heights no road", TEXTBOOK + "@z 5010\n@z 5010(2)\n@vcurves\n"),
        ("heights no profile", "@z 100\n@vcurves\n@profile x\n@end\n@xsec y\n@end\n"),
        ("heights curve kinds", "@profile\npvi 0 100\npvi 200 104 lengths 60 100\npvi 500 98 length 120\n"
         "pvi 800 103 circle 5000\npvi 1000 102 0\npvi 1200 101\n@end\n@vcurves\n@z 230\n@z 500\n@z 790\n@z 1000\n"),
        ("heights bad blocks keep the profile", ROAD_STRAIGHT + TEXTBOOK +
         "@profile\npvi 4800 416.18\npvi 5030 42x.68\nvpi 1 2\npvi 5300 1 length\n@end\n"
         "@profile\npvi 4000 100\npvi 5000 120 2000\npvi 5100 110 2000\npvi 6000 100\n@end\n"
         "@profile\npvi 4800 0\npvi 4801 2\n@end\n@profile\npvi 4800 1 -3\npvi 4900 2\n@end\n"
         "@profile\npvi 4800 1\npvi 6000(2) 2\n@end\n@profile\n@end\n"
         "@xsec\ncrown 2%\nwidth 7.5\ncrown 3\nsuper J3 4\nsuper 5000 5050 5100 5150 6 up\nfoo\n@end\n@z K5+010 3\n"),
        ("heights long chain", "@road\nstart K4+000 0 0 0\nline 2000\nequation 5100 5050\n@end\n"
         "@profile\npvi K4+800 100\npvi K5+080 103.2 1000\npvi K5+200 104.5\n@end\n"
         "@profile\npvi K4+800 100\npvi K5+080(2) 103.2 1000\npvi K5+200 104.5\n@end\n@vcurves\n"
         "@z K5+070(1)\n@z K5+070(2) 2\n@z K5+070\n@z K5+070(3)\n"),
        ("heights road changed", ROAD_STRAIGHT + TEXTBOOK + "@road\nstart K4+000 0 0 0\nline 2000\nequation 5000 5100\n@end\n"
         "@z K5+010\n@vcurves\n" + ROAD_STRAIGHT + "@z K5+010\n"),
        ("heights saved and opened", ROAD_STRAIGHT + TEXTBOOK + "@xsec\ncrown 1.5\nwidth 6.25 9.5\ndesign -6.25\n@end\n"
         "@save {dir}/heights.capjob\n@profile\npvi 4000 1\npvi 6000 2\n@end\n@open {dir}/heights.capjob\n不保存\n"
         "@z K5+010 -6.25\n"),
    ]
    cases = [(n, s, "zh_CN", {}) for n, s in c]
    cases.append(("heights comma", ROAD_STRAIGHT + "@profile\npvi K4+800 416,18\npvi K5+030 427,68 2000\n"
                  "pvi K5+300 416,88\n@end\n@z K5+010,5 -3,75\n@vcurves\n", "de_DE", {}))
    return cases


def instrument_cases():
    """The instruments' own files: a bridge's points and the log's caps as
    GSI-16 and PNEZD, read back into the check; the files the check reads
    (GSI-16, GSI-8, PNEZD, CASS, a file its ending decides) and their bad
    lines; the exports refused."""
    pier = "@template pier\ngrid Z 2 3 3 2.5\ncorners T 8.4 5.4 1.5\n@end\n"
    bents = ("@bridge B1\nbent 0 K1+020 template abutment-start\nbent 1 1200 skew 60.3015 dr 6.5 8 depth 1.6 "
             "template pier\n@end\n")
    profile = "@profile\npvi 1000 100\npvi 1500 110\n@end\n"
    gsi = (b"*410001+0000000000000013 42....+00000000000TREES \r\n"
           b"*110002+000000000000M1-C 81..10+0000000004070225 82..10+0000000003187266 83..10+0000000000101400 \r\n"
           b"*110003+00000000000M1-Z1 81..16+0000000040674554 82..16+0000000031855648 \r\n")
    bad_gsi = gsi + b"*110004+00000000000M1-Z2 81..11+0000000004070225 82..10+0000000003187266 \r\n"
    c = [
        ("instrument bridge files", ROAD_POINTS + profile + pier + bents +
         "@export gsi {dir}/b.gsi\n@export pnezd {dir}/b.csv\n@check\nfile {dir}/b.gsi\nfile {dir}/b.csv\n@end\n", {}),
        ("instrument log files", ROAD_POINTS + batch("dr 7.5", "skew 90", "axis own", "offsets -3 3",
                                                     "station 3# 1200", "station 1230") +
         "@export gsi {dir}/c.gsi\n@export pnezd {dir}/c.txt\n@check\nfile {dir}/c.gsi\n@end\n"
         "@check\nfile {dir}/c.txt\n@end\n", {}),
        ("instrument check reads files", ROAD_POINTS + "@check\nfile {dir}/m.gsi\nfile {dir}/m8.gsi\n"
         "file {dir}/m.csv\nfile {dir}/m.txt\nfile {dir}/m.dat\npoint T1 3187.3 4070.2\n@end\n",
         {"m.gsi": gsi, "m8.gsi": b"110001+00000M8C 21.324+35959570 81..00+04070225 82..00+03187266\r\n",
          "m.csv": b"P,N,E,Z,D\r\nM2,3187.266,4070.225,101.4,\"1, C\"\r\n",
          "m.txt": b"M3,3187.266,4070.225,101.4,7\n", "m.dat": b"M4,,4070.225,3187.266,101.4\r\n"}),
        ("instrument check bad files", ROAD_POINTS + "@check\nfile {dir}/bad.gsi\nfile {dir}/none.gsi\n"
         "file {dir}/bad.csv\n@end\n",
         {"bad.gsi": bad_gsi, "bad.csv": b"M1,3187.266,4070.225,,a\nM2,3187.266\nM3,31x7,4070,1,b\n"}),
        ("instrument exports refused", "@export gsi {dir}/x.gsi\n@export pnezd {dir}/x.csv\n" + pier + bents +
         "@export gsi {dir}/x.gsi\n" + ROAD_POINTS + "@bridge B2\nbent 1 1300\n@end\n@export pnezd {dir}/x.csv\n", {}),
        ("instrument one bridge at a time", ROAD_POINTS + "@bridge L\nbent 3 1200 dr 7\nbent 4 1230 dr 7\n@end\n"
         "@bridge R\nbent 3 1205\nbent 4 1235\n@end\n@export gsi {dir}/all.gsi\n@export gsi {dir}/l.gsi L\n"
         "@export pnezd {dir}/r4.csv R 4\n@export pnezd {dir}/x.csv X\n@export pnezd {dir}/y.csv R 9\n", {}),
        ("instrument names GSI cannot carry", ROAD_POINTS + "@bridge B3\nbent ABUTMENTWESTEND 1250\nbent 01 1260\n@end\n"
         "@export gsi {dir}/x.gsi\n@bridge B3\nbent 01 1260\n@end\n@export gsi {dir}/x.gsi\n"
         "@export pnezd {dir}/x.csv\n", {}),
    ]
    return [(n, s, "zh_CN", f) for n, s, f in c]


LANDXML_DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data", "landxml")


def landxml_file(name):
    with open(os.path.join(LANDXML_DATA, name), "rb") as f:
        return f.read()


LANDXML_HEAD = (b'<?xml version="1.0" encoding="UTF-8"?>\n'
                b'<LandXML xmlns="http://www.landxml.org/schema/LandXML-1.2" version="1.2">\n')
LANDXML_LINE = (b'<Alignments><Alignment name="A" staStart="0"><CoordGeom>\n'
                b'<Line length="100"><Start>0 0</Start><End>100 0</End></Line>\n')


def landxml_cases():
    """LandXML written from typed roads and profiles (JD and element roads,
    spirals, a 长链, every kind of vertical curve) and read: the files a
    design office sends, one alignment of two chosen by name, the road read
    then written again, an import over unsaved work, and the files refused
    (a DTD, an entity, another root, an unknown element, a file cut short,
    one not there), each naming the file and why."""
    profile = ("@profile\npvi 5000 100\npvi 5080 103 lengths 30 40\npvi 5160 101 length 40\n"
               "pvi 5260 104 circle 1000\npvi 5330 102 2500\npvi 5380 101.5\n@end\n")
    chain = ("@road\nstart K4+000 3000 4000 30\nline 400\nspiral 100 inf 1500 left\narc 500 1500 left\n"
             "spiral 100 1500 inf left\nline 300\nequation 4700 4690.5\nequation 5100 5130\n@end\n")
    hostile = {
        "dtd.xml": b'<?xml version="1.0"?>\n<!DOCTYPE LandXML SYSTEM "http://example.invalid/x.dtd">\n<LandXML/>\n',
        "entity.xml": LANDXML_HEAD + b'<Alignments><Alignment name="&x;"/></Alignments></LandXML>\n',
        "html.xml": b"<html><body>not a road</body></html>\n",
        "unknown.xml": LANDXML_HEAD + LANDXML_LINE + b'<Chain length="5"/></CoordGeom></Alignment></Alignments></LandXML>\n',
        "cut.xml": LANDXML_HEAD + LANDXML_LINE,
    }
    c = [
        ("landxml export JD road", ROAD_POINTS + "@export landxml {dir}/jd.xml\n", {}),
        ("landxml export element road with every vertical curve", ROAD_ELEMENTS + profile +
         "@export landxml {dir}/elements.xml\n", {}),
        ("landxml export long and short chain", chain + "@profile\npvi 4000 10\npvi 4650 12 4000\n"
         "pvi 5200 11 length 120\npvi 5300 9\n@end\n@export landxml {dir}/chain.xml\n", {}),
        ("landxml export without a road", "@export landxml {dir}/none.xml\n", {}),
        ("landxml read and written again", "@landxml {dir}/two_curves.xml\n@keypoints\n@curves\n"
         "@export landxml {dir}/again.xml\n@landxml {dir}/again.xml\n不保存\n@keypoints\n",
         {"two_curves.xml": landxml_file("two_curves.xml")}),
        ("landxml profile in metres and in feet", "@landxml {dir}/metres.xml\n@vcurves\n@z K5+050\n"
         "@landxml {dir}/feet.xml\n不保存\n@vcurves\n@z K5+050\n@z 1000\n@export landxml {dir}/back.xml\n",
         {"metres.xml": landxml_file("profile_metres.xml"), "feet.xml": landxml_file("profile_feet.xml")}),
        ("landxml egg curve", "@landxml {dir}/egg.xml\n@keypoints\n@at 400\n", {"egg.xml": landxml_file("egg_curve.xml")}),
        ("landxml one alignment of two", "@landxml {dir}/two.xml\n@landxml {dir}/two.xml 支线\n"
         "@landxml {dir}/two.xml A 匝道\n@keypoints\n", {"two.xml": landxml_file("two_alignments.xml")}),
        ("landxml over unsaved work", ROAD_POINTS + batch("dr 7.5", "skew 90", "design 1200", "station 1200") +
         "@landxml {dir}/two_curves.xml\n@cancel\n@landxml {dir}/two_curves.xml\n不保存\n@keypoints\n",
         {"two_curves.xml": landxml_file("two_curves.xml")}),
        ("landxml files refused", ROAD_POINTS + "".join(f"@landxml {{dir}}/{n}\n" for n in sorted(hostile)) +
         "@landxml {dir}/missing.xml\n@keypoints\n", hostile),
    ]
    return [(n, s, "zh_CN", f) for n, s, f in c]


def all_cases():
    plain = [(n, s, l, {}) for n, s, l in fixed_cases() + random_cases(300, 20261208)]
    batched = (batch_cases() + export_cases() + file_cases() + scene_cases() + script_rule_cases() +
               habit_cases())
    return (plain + batched + window_method_cases(batched) + road_command_cases() + road_cap_cases() +
            check_command_cases() + heights_cases() + bridge_cases() + polar_cases() + instrument_cases() +
            landxml_cases())


def escaped(data):
    return data.replace(b"\\", b"\\\\").replace(b"\r", b"\\r")


def file_lines(data):
    return escaped(data).split(b"\n")


def input_lines(data):
    out = bytearray()
    for byte in data:
        if byte == 0x5C:
            out += b"\\\\"
        elif byte == 0x0D:
            out += b"\\r"
        elif byte >= 0x80 or (byte < 0x20 and byte != 0x0A and byte != 0x09):
            out += b"\\x%02X" % byte
        else:
            out.append(byte)
    return bytes(out).split(b"\n")


NOW = "2026-03-01 09:30:00"


def main():
    replay = sys.argv[1]
    out = sys.stdout.buffer
    for name, script, locale, files in all_cases():
        with tempfile.TemporaryDirectory() as data_home:
            env = dict(os.environ, XDG_DATA_HOME=data_home)
            with tempfile.TemporaryDirectory() as folder:
                for file_name, content in files.items():
                    with open(os.path.join(folder, file_name), "wb") as f:
                        f.write(content)
                played = script.replace("{dir}", folder)
                result = subprocess.run([replay, "--locale", locale, "--now", NOW], input=played.encode(),
                                        capture_output=True, check=True, env=env)
                out.write(f"# {name} | {locale}\n".encode())
                for file_name, content in sorted(files.items()):
                    out.write(b"+ " + file_name.encode() + b"\n")
                    for line in input_lines(content):
                        out.write(b"| " + line + b"\n")
                for line in script.split("\n")[:-1] if script.endswith("\n") else script.split("\n"):
                    out.write(b"< " + line.encode() + b"\n")
                transcript = result.stdout.replace(folder.encode(), b"{dir}")
                for line in transcript.split(b"\n")[:-1]:
                    out.write(b"> " + line + b"\n")
                for file_name in sorted(os.listdir(folder)):
                    with open(os.path.join(folder, file_name), "rb") as f:
                        data = f.read()
                    out.write(b"> FILE " + file_name.encode() + b"\n")
                    for line in file_lines(data):
                        out.write(b"> | " + line + b"\n")


if __name__ == "__main__":
    main()
