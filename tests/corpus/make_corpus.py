#!/usr/bin/env python3
"""Writes the replay corpus: scripts for cap_replay and the output each one
gave when it was recorded.

    python3 tests/corpus/make_corpus.py path/to/cap_replay > tests/corpus/replay_corpus.txt

The corpus pins every text the program shows (prompts, messages, the 26
boxes) for worked jobs, refused and cancelled answers, unsolved sides, the
comma locale and a few hundred random jobs over all five solvers. A change
that must not alter what the user sees replays it byte for byte.

File format, one line each:
    # <name> | <locale>      starts a case
    < <script line>          a line of the script, as typed
    > <output line>          a line that cap_replay printed
"""
import random
import subprocess
import sys

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


def main():
    replay = sys.argv[1]
    out = sys.stdout
    for name, script, locale in fixed_cases() + random_cases(300, 20261208):
        result = subprocess.run([replay, "--locale", locale], input=script.encode(), capture_output=True, check=True)
        out.write(f"# {name} | {locale}\n")
        for line in script.split("\n")[:-1] if script.endswith("\n") else script.split("\n"):
            out.write(f"< {line}\n")
        for line in result.stdout.decode().split("\n")[:-1]:
            out.write(f"> {line}\n")


if __name__ == "__main__":
    main()
