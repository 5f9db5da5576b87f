#!/usr/bin/env python3
"""The printed sheets end to end: cap_replay writes them with @print, and
poppler's tools read them back as a user's PDF viewer would.

Checks: the page counts; every point's name in the bent's text and every row
of a long station table exactly once, over pages that each repeat the
table's headings and number themselves "第 n 页 共 m 页"; every font
embedded; every word inside the page's margins at 96 dpi; the refusals as
MESSAGE lines that write nothing and leave an earlier file as it was.

Usage: print_pdf_test.py CAP_REPLAY
"""
import os
import re
import subprocess
import sys
import tempfile

JOB = """@road
start 1000 3000000 500000 30
line 120
arc 200 300 left
line 300
@end
@profile
pvi 1000 100
pvi 1300 106 3000
pvi 1620 101
@end
@template pier
grid Z 2 3 3 2.5
corners T 8 5 1.5
point S1 -2 0.5
@end
@bridge B1
bent 0 1020 dr 6 7 template pier
bent 1 1160 skew 60 dr 6 7 depth 1.2 template pier
bent 2 1200 skew 75 dr 6
@end
"""

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def run(replay, script):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    done = subprocess.run([replay], input=script, capture_output=True, text=True, env=env, timeout=300)
    return done.stdout


def pages(pdf):
    info = subprocess.run(["pdfinfo", pdf], capture_output=True, text=True).stdout
    return int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))


def text(pdf, page=None):
    args = ["pdftotext"]
    if page is not None:
        args += ["-f", str(page), "-l", str(page)]
    out = subprocess.run(args + [pdf, "-"], capture_output=True, text=True).stdout
    return out


def words_of(pdf):
    """The page size, and each page's words with their boxes, in points,
    from pdftotext's bounding boxes."""
    html = subprocess.run(["pdftotext", "-bbox", pdf, "-"], capture_output=True, text=True).stdout
    page = re.search(r'<page width="([\d.]+)" height="([\d.]+)"', html)
    width, height = float(page.group(1)), float(page.group(2))
    pages = []
    for body in html.split("<page ")[1:]:
        words = []
        for m in re.finditer(r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>', body):
            words.append((float(m.group(1)), float(m.group(2)), float(m.group(3)), float(m.group(4)), m.group(5)))
        pages.append(words)
    return width, height, pages


def fonts_embedded(pdf):
    out = subprocess.run(["pdffonts", pdf], capture_output=True, text=True).stdout.splitlines()[2:]
    # emb (yes), then sub and uni: Qt writes only the glyphs used, without
    # the subset tag in the font's name.
    return out and all(re.search(r"\syes\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+$", line) for line in out)


def within_margins(pdf):
    """Every word lies on the page, 10 mm inside its edges: nothing runs off
    the paper or into the binding."""
    margin = 10 / 25.4 * 72
    width, height, pages = words_of(pdf)
    outside = [w for words in pages for w in words if w[0] < margin or w[2] > width - margin or w[1] < margin or w[3] > height - margin]
    return outside


def overlapping(pdf):
    """Words on one line that run into each other: a cell's text spilling
    over its neighbour's."""
    _, _, pages = words_of(pdf)
    lines = {}
    for number, words in enumerate(pages):
        for w in words:
            lines.setdefault((number, round(w[1] * 2)), []).append(w)
    clashes = []
    for line in lines.values():
        line.sort()
        for a, b in zip(line, line[1:]):
            if a[2] > b[0] + 0.5:
                clashes.append((a[4], b[4]))
    return clashes


def page_images(pdf, folder):
    """The pages at 96 dpi, as a user looks at them at 100 %."""
    subprocess.run(["pdftoppm", "-r", "96", "-png", pdf, os.path.join(folder, "page")], check=True)
    return sorted(f for f in os.listdir(folder) if f.startswith("page"))


def squeeze(s):
    return re.sub(r"\s+", "", s)


def main():
    replay = sys.argv[1]
    with tempfile.TemporaryDirectory() as folder:
        bent = os.path.join(folder, "bent 1.pdf".replace(" ", "_"))
        bridge = os.path.join(folder, "bridge.pdf")
        table = os.path.join(folder, "table.pdf")
        check_pdf = os.path.join(folder, "check.pdf")
        kept = os.path.join(folder, "kept.pdf")
        polar = os.path.join(folder, "polar.pdf")
        with open(kept, "w") as f:
            f.write("an earlier file")
        out = run(replay, JOB + f"""@bridgepoints B1
@print bent B1 1 {bent}
@print bridge B1 {bridge}
@print table {table} 1000 1620 5 -7 7
@check
point M1 3000050.711 500033.004
point M2 3000086.602 500043.072 100.63
@end
@print check {check_pdf}
@station S1 3000100 500050 98.5 1.5
@backsight B7 3000100 500150
@print bent B1 1 {polar}
@print bent B1 9 {kept}
@print bent B9 1 {kept}
@print bent B1 {kept}
@print bent B1 1 {os.path.join(folder, "missing", "b.pdf")}
""")
        messages = [l for l in out.splitlines() if l.startswith("MESSAGE ")]
        check(messages == [
            "MESSAGE 桥“B1”没有名为“9”的墩台。",
            "MESSAGE 没有名为“B9”的桥。",
            "MESSAGE @print 的用法：@print bent 桥名 墩台名 文件.pdf；@print bridge 桥名 文件.pdf；"
            "@print table 文件.pdf 起点 终点 间距 [偏距…]；@print check 文件.pdf。",
            "MESSAGE 未能写入“b.pdf”：No such file or directory。原有的文件未改动。",
        ], f"the refusals: {messages}")
        with open(kept) as f:
            check(f.read() == "an earlier file", "a refused @print leaves the file as it was")

        # The bent: one page, every point of bent 1 by name, the checker's line.
        names = ["1-" + l.split("\t")[3] for l in out.splitlines() if l.startswith("SP\tB1\t1\t")]
        check(len(names) == 14, f"bent 1 has 14 points: {names}")
        check(pages(bent) == 1, "the bent's sheet is one page")
        words = text(bent).split()
        for name in names:
            check(words.count(name) == 1, f"{name} appears once in the bent's sheet")
        bent_text = squeeze(text(bent))
        for needed in ["墩台放样记录", "复核人：", "日期：", "第1页共1页", "作业：未保存的作业", "北"]:
            check(needed in bent_text, f"the bent's sheet says {needed}")

        # With a station and a backsight: the polar columns, the same points.
        polar_words = text(polar).split()
        check(pages(polar) == 1, "the bent's sheet with polar data is one page")
        check(all(polar_words.count(name) == 1 for name in names), "every point once beside its polar data")
        polar_text = squeeze(text(polar))
        check(all(k in polar_text for k in ["方位角", "转角", "测站S1", "后视“B7”"]), "the polar columns and notes")

        # The bridge: each bent a row.
        bridge_text = squeeze(text(bridge))
        check(pages(bridge) == 1 and all(k in bridge_text for k in ["K1+020.000", "K1+160.000", "K1+200.000"]),
              "the bridge's summary lists its three bents")

        # The station table: a row every 5 m and the key points, three points
        # each, over several pages, each with its headings and number.
        count = pages(table)
        check(count >= 4, f"the table runs over pages: {count}")
        rows = []
        for p in range(1, count + 1):
            page_text = text(table, p)
            check("点名" in page_text, f"page {p} repeats the headings")
            check(f"第{p}页共{count}页" in squeeze(page_text), f"page {p} is numbered")
            if p > 1:
                check("逐桩坐标（续）" in squeeze(page_text), f"page {p} says the table continues")
            rows += re.findall(r"K1\+\d{3}(?:\.\d+)?-(?:C|L7|R7)\b", page_text)
        for k in range(1000, 1621, 5):
            station = f"K1+{k - 1000:03d}"
            for side in ["C", "L7", "R7"]:
                check(rows.count(f"{station}-{side}") == 1, f"{station}-{side} printed once")

        # The check: its points and the sentence of the summary.
        check_text = text(check_pdf)
        check("M1" in check_text.split() and "M2" in check_text.split(), "the check's report lists its points")

        for pdf in [bent, polar, bridge, table, check_pdf]:
            check(fonts_embedded(pdf), f"{os.path.basename(pdf)} embeds its fonts")
            check(os.path.getsize(pdf) < 400_000, f"{os.path.basename(pdf)} carries only the glyphs it uses")
            clashes = overlapping(pdf)
            check(not clashes, f"{os.path.basename(pdf)}: words run into each other: {clashes[:3]}")
            outside = within_margins(pdf)
            check(not outside, f"{os.path.basename(pdf)}: words outside the margins: {outside[:3]}")
        images = os.path.join(folder, "images")
        os.mkdir(images)
        check(len(page_images(table, images)) == count, "every page of the table drawn at 96 dpi")

    if failures:
        print(f"{len(failures)} failed")
        return 1
    print("all passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
