import { test } from 'node:test';
import assert from 'node:assert/strict';
import { LabelRequest, labelBox, overlaps, textWidth, thinLabels } from '../src/thin_labels';

const at = (x: number, y: number, text = 'A-1', priority = 0): LabelRequest => ({ x, y, text, priority });

const rows: { name: string; labels: LabelRequest[]; kept: number[] }[] = [
  { name: 'far apart: all kept', labels: [at(0, 50), at(200, 50), at(0, 200)], kept: [0, 1, 2] },
  { name: 'on one spot: the first only', labels: [at(50, 50), at(50, 50), at(51, 52)], kept: [0] },
  { name: 'the higher priority wins the spot', labels: [at(50, 50, 'L', 0), at(52, 50, 'C', 2)], kept: [1] },
  { name: 'a long name blocks the short one to its right', labels: [at(0, 50, '3-Z12-long-name'), at(60, 50, 'x')], kept: [0] },
  { name: 'stacked lines clear of each other', labels: [at(0, 20), at(0, 40), at(0, 60)], kept: [0, 1, 2] },
  { name: 'off the view is dropped', labels: [at(-500, 50), at(50, 50)], kept: [1] },
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

test('property: kept names never overlap, and a dropped one overlaps a kept one', () => {
  let seed = 11;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let trial = 0; trial < 50; trial++) {
    const labels = Array.from({ length: 300 }, (_, i) => at(rnd() * 600, rnd() * 400, `${i}-Z${i % 7}`, Math.floor(rnd() * 3)));
    const kept = thinLabels(labels, 12);
    const boxes = kept.map((i) => labelBox(labels[i], 12));
    for (let a = 0; a < boxes.length; a++) for (let b = a + 1; b < boxes.length; b++) assert.ok(!overlaps(boxes[a], boxes[b]));
    const keptSet = new Set(kept);
    labels.forEach((l, i) => {
      if (!keptSet.has(i)) assert.ok(boxes.some((b) => overlaps(labelBox(l, 12), b)), `label ${i} dropped without a reason`);
    });
  }
});
