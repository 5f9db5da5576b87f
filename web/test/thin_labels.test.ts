import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Box, LabelRequest, clipSegment, dotBox, inside, labelBox, overlaps, placeLabels, textWidth, thinLabels } from '../src/thin_labels';

const at = (x: number, y: number, text = 'A-1', priority = 0): LabelRequest => ({ x, y, text, priority });

const rows: { name: string; labels: LabelRequest[]; kept: number[] }[] = [
  { name: 'far apart: all kept', labels: [at(0, 50), at(200, 50), at(0, 200)], kept: [0, 1, 2] },
  { name: 'on one spot: each takes one of the four places round it, a fifth none', labels: [at(50, 50), at(50, 50), at(50, 50), at(50, 50), at(50, 50)], kept: [0, 1, 2, 3] },
  { name: 'the higher priority takes the first place', labels: [at(50, 50, 'L', 0), at(50, 50, 'C', 2)], kept: [0, 1] },
  { name: 'a long name sends the short one to its right below its point', labels: [at(0, 50, '3-Z12-long-name'), at(60, 50, 'x')], kept: [0, 1] },
  { name: 'stacked lines clear of each other', labels: [at(0, 20), at(0, 40), at(0, 60)], kept: [0, 1, 2] },
  { name: 'off the view is dropped', labels: [at(-500, 50), at(50, 50)], kept: [1] },
  { name: 'at the right edge the name goes left of its point', labels: [at(395, 50, 'LONGNAME')], kept: [0] },
  { name: 'not a number is dropped, not drawn at 0', labels: [at(NaN, 10), at(10, 40)], kept: [1] },
];
for (const row of rows) {
  test(`names: ${row.name}`, () => {
    assert.deepEqual(thinLabels(row.labels, 12, { left: 0, top: 0, right: 400, bottom: 400 }).sort(), row.kept);
  });
}

test('Chinese names are measured a full em a character', () => {
  assert.equal(textWidth('墩台', 12), 24);
  assert.ok(Math.abs(textWidth('3-Z1', 12) - 4 * 7.2) < 1e-9);
});

test('property: placed names never overlap, and a dropped one had no free place', () => {
  let seed = 11;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let trial = 0; trial < 50; trial++) {
    const labels = Array.from({ length: 300 }, (_, i) => at(rnd() * 600, rnd() * 400, `${i}-Z${i % 7}`, Math.floor(rnd() * 3)));
    const placed = placeLabels(labels, 12);
    const boxes = placed.map((p) => p.box);
    for (let a = 0; a < boxes.length; a++) for (let b = a + 1; b < boxes.length; b++) assert.ok(!overlaps(boxes[a], boxes[b]));
    placed.forEach((p) => assert.ok([0, 1, 2, 3].some((k) => JSON.stringify(labelBox(labels[p.index], 12, k)) === JSON.stringify(p.box))));
    const keptSet = new Set(placed.map((p) => p.index));
    labels.forEach((l, i) => {
      if (keptSet.has(i)) return;
      for (let k = 0; k < 4; k++) assert.ok(boxes.some((b) => overlaps(labelBox(l, 12, k), b)), `label ${i} dropped with place ${k} free`);
    });
  }
});

test("a name never covers another point's dot, and its own dot never blocks it", () => {
  const labels = [at(100, 100, 'A'), at(110, 92, 'B'), at(300, 300, 'C')];
  const dots = labels.map((l) => dotBox(l.x, l.y));
  // B's dot lies where A's name would first stand: A's name goes below its point.
  const placed = placeLabels(labels, 12, undefined, dots);
  assert.deepEqual(placed.map((p) => p.index), [0, 1, 2]);
  assert.deepEqual(placed[0].box, labelBox(labels[0], 12, 1));
});

test('property: with dots as obstacles no kept name covers any dot but its own', () => {
  let seed = 19;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let trial = 0; trial < 30; trial++) {
    const labels = Array.from({ length: 200 }, (_, i) => at(rnd() * 500, rnd() * 400, `${i}-C`, 0));
    const dots = labels.map((l) => dotBox(l.x, l.y));
    for (const { index: i, box } of placeLabels(labels, 12, undefined, dots)) {
      dots.forEach((d, j) => assert.ok(j === i || !overlaps(box, d), `name ${i} covers dot ${j}`));
    }
  }
});

const view = { left: 0, top: 0, right: 400, bottom: 300 };

const clipRows: { name: string; a: [number, number]; b: [number, number]; want: [[number, number], [number, number]] | null }[] = [
  { name: 'wholly inside: unchanged', a: [10, 10], b: [100, 50], want: [[10, 10], [100, 50]] },
  { name: 'crossing the whole view: cut at both edges', a: [-100, 150], b: [500, 150], want: [[0, 150], [400, 150]] },
  { name: 'leaving by the top: cut there', a: [200, 100], b: [200, -100], want: [[200, 100], [200, 0]] },
  { name: 'beside the view: missed', a: [-50, -10], b: [-10, 400], want: null },
  { name: 'a diagonal past a corner: missed', a: [380, -40], b: [440, 20], want: null },
  { name: 'a point inside', a: [5, 5], b: [5, 5], want: [[5, 5], [5, 5]] },
  { name: 'not a number: missed, never drawn at 0', a: [NaN, 10], b: [50, 50], want: null },
];
for (const row of clipRows) {
  test(`clipSegment: ${row.name}`, () => {
    assert.deepEqual(clipSegment(row.a, row.b, view), row.want);
  });
}

test('property: a clipped segment lies in the box and on the segment', () => {
  let seed = 5;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648) * 800 - 200;
  for (let i = 0; i < 2000; i++) {
    const a: [number, number] = [rnd(), rnd()];
    const b: [number, number] = [rnd(), rnd()];
    const got = clipSegment(a, b, view);
    if (!got) continue;
    for (const [x, y] of got) {
      assert.ok(x >= -1e-9 && x <= 400 + 1e-9 && y >= -1e-9 && y <= 300 + 1e-9, `${x} ${y} outside`);
      // On the line through a and b: the cross product vanishes.
      const cross = (b[0] - a[0]) * (y - a[1]) - (b[1] - a[1]) * (x - a[0]);
      assert.ok(Math.abs(cross) < 1e-6 * (1 + Math.hypot(b[0] - a[0], b[1] - a[1]) ** 2));
    }
  }
});

test('a name is kept only wholly within the view: one cut at the edge reads as another name', () => {
  // At the top edge the places above the point are cut; a place below it is taken.
  const placed = placeLabels([at(50, 5, 'K-1')], 12, view);
  assert.equal(placed.length, 1);
  assert.ok(inside(placed[0].box, view));
  assert.deepEqual(placed[0].box, labelBox(at(50, 5, 'K-1'), 12, 1));
  // A name longer than the view is wide has no place at all.
  assert.deepEqual(thinLabels([at(200, 100, 'X'.repeat(100))], 12, view), []);
});

test('a name keeps clear of a road line where it can; a point on the line still finds a side free of it', () => {
  // A steep edge through the point, as at a cap's end on the road's edge: up and to the right.
  const edge: [number, number][] = [[100, 200], [140, 40]];
  const label = at(120, 120, '3-R');
  const placed = placeLabels([label], 12, view, [], [edge]);
  assert.equal(placed.length, 1);
  assert.equal(clipSegment(edge[0], edge[1], placed[0].box), null);
  // Lines close by on both sides: the name goes over one, in its first free place, rather than nowhere.
  const cage: [number, number][][] = [[[110, 100], [110, 140]], [[130, 100], [130, 140]]];
  assert.deepEqual(placeLabels([label], 12, view, [], cage), [{ index: 0, box: labelBox(label, 12, 0) }]);
});

test('property: a kept name crosses a line only where each of its places crosses one or is taken', () => {
  let seed = 23;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  const crosses = (lines: [number, number][][], box: Box) =>
    lines.some((line) => line.some((p, k) => k > 0 && clipSegment(line[k - 1], p, box) !== null));
  for (let trial = 0; trial < 20; trial++) {
    const lines: [number, number][][] = Array.from({ length: 4 }, () =>
      Array.from({ length: 6 }, () => [rnd() * 500 - 50, rnd() * 400 - 50] as [number, number]));
    const labels = Array.from({ length: 150 }, (_, i) => at(rnd() * 400, rnd() * 300, `${i}-Z`, 0));
    const placed = placeLabels(labels, 12, view, [], lines);
    const boxes = placed.map((p) => p.box);
    for (const { index, box } of placed) {
      if (!crosses(lines, box)) continue;
      for (let k = 0; k < 4; k++) {
        const other = labelBox(labels[index], 12, k);
        assert.ok(crosses(lines, other) || !inside(other, view) || boxes.some((b) => b !== box && overlaps(b, other)),
          `name ${index} crosses a line with place ${k} clear`);
      }
    }
  }
});

test('a name that must be shown tries farther out when every near place is taken', () => {
  // Four dots hem the station in on all sides close by.
  const dots = [dotBox(120, 92), dotBox(120, 108), dotBox(80, 92), dotBox(80, 108)];
  const station = { ...at(100, 100, '测站 2-Z1', 1000), gap: 10 };
  assert.deepEqual(thinLabels([station], 12, view, dots), []);
  const placed = placeLabels([{ ...station, fartherGaps: [24] }], 12, view, dots);
  assert.deepEqual(placed, [{ index: 0, box: labelBox(station, 12, 0, 24) }]);
});

test("a bigger mark's name keeps its gap from the point", () => {
  const box = labelBox({ ...at(100, 100, 'S'), gap: 10 }, 12, 0);
  assert.equal(box.left, 110);
  assert.equal(box.bottom, 95);
  assert.ok(!overlaps(box, dotBox(100, 100, 8)));
});
