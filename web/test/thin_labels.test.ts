import { test } from 'node:test';
import assert from 'node:assert/strict';
import { LabelRequest, dotBox, labelBox, overlaps, placeLabels, textWidth, thinLabels } from '../src/thin_labels';

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
