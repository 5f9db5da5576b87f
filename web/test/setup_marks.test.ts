import { test } from 'node:test';
import assert from 'node:assert/strict';
import { kAzimuthRay, setupOf, sightDrawing } from '../src/setup_marks';
import { cellClass } from '../src/check_tab';

const view = { left: 8, top: 8, right: 392, bottom: 292 };

const setupRows: { name: string; station: unknown; backsight: unknown; want: ReturnType<typeof setupOf> }[] = [
  { name: 'nothing set', station: null, backsight: null, want: { station: null, backsight: null } },
  {
    name: 'a station and a backsight point',
    station: { name: '2-Z1', x: 3674.2, y: 4248.7, h: 108.2, hi: 1.55 },
    backsight: { name: '1-C', x: 3600, y: 4230 },
    want: { station: { name: '2-Z1', x: 3674.2, y: 4248.7 }, backsight: { name: '1-C', x: 3600, y: 4230 } },
  },
  {
    name: 'a backsight by azimuth alone',
    station: { name: 'S', x: 1, y: 2 },
    backsight: { azimuth: 123.5, azimuthText: '123°30′00″' },
    want: { station: { name: 'S', x: 1, y: 2 }, backsight: { azimuth: 123.5, azimuthText: '123°30′00″' } },
  },
  {
    name: 'coordinates that are not numbers: left out, never drawn at 0',
    station: { name: 'S', x: '1', y: 2 },
    backsight: { name: 'B', x: null, y: 3 },
    want: { station: null, backsight: null },
  },
];
for (const row of setupRows) {
  test(`setupOf: ${row.name}`, () => {
    assert.deepEqual(setupOf(row.station, row.backsight), row.want);
  });
}

const near = (a: number[], b: number[]) => a.every((v, i) => Math.abs(v - b[i]) < 1e-9);

test('sight to a backsight in view: the whole line, the label at the point', () => {
  const s = sightDrawing([100, 200], { at: [300, 50], name: '1-C' }, view)!;
  assert.deepEqual([s.from, s.to, s.labelAt, s.pointShown, s.label], [[100, 200], [300, 50], [300, 50], true, '后视 1-C']);
});

test('sight to a backsight off the view: the line to the edge, the label where it leaves', () => {
  const s = sightDrawing([100, 150], { at: [1100, 150], name: 'CP7' }, view)!;
  assert.equal(s.pointShown, false);
  assert.ok(near(s.to, [392, 150]));
  assert.ok(near(s.labelAt, [392, 150]));
});

const azimuthRows: { name: string; azimuth: number; to: [number, number] }[] = [
  { name: 'north: straight up', azimuth: 0, to: [200, 150 - kAzimuthRay] },
  { name: 'east: to the right', azimuth: 90, to: [200 + kAzimuthRay, 150] },
  { name: 'south: down', azimuth: 180, to: [200, 150 + kAzimuthRay] },
  { name: 'west: to the left', azimuth: 270, to: [200 - kAzimuthRay, 150] },
];
for (const row of azimuthRows) {
  test(`sight by azimuth ${row.name}`, () => {
    const s = sightDrawing([200, 150], { azimuth: row.azimuth, azimuthText: 'a' }, view)!;
    assert.ok(near(s.to, row.to), `${s.to}`);
    assert.equal(s.label, '后视 a');
  });
}

test('a station and backsight both off the view draw no line', () => {
  assert.equal(sightDrawing([-500, -500], { at: [-400, -900], name: 'B' }, view), null);
});

const cellRows: { name: string; column: number; text: string; heading?: string; want: string }[] = [
  { name: 'the point name heads the card', column: 0, text: 'm1', want: 'name' },
  { name: 'a coordinate stays whole', column: 1, text: '3674.227', want: 'num' },
  { name: 'a negative offset stays whole', column: 4, text: '-0.004', want: 'num' },
  { name: 'a station stays whole', column: 3, text: 'K1+718.746', want: 'num' },
  { name: "a cap's name in words may wrap", column: 5, text: '一号桥/3', heading: '盖梁', want: 'text' },
  { name: 'the verdict comes under the name', column: 10, text: '超限', heading: '结果', want: 'verdict' },
  { name: 'the height verdict too', column: 14, text: '合格', heading: '高程结果', want: 'verdict' },
  { name: 'a design point without a height, in words', column: 11, text: '设计点无高程', want: 'text' },
];
for (const row of cellRows) {
  test(`check cells on a phone: ${row.name}`, () => {
    assert.equal(cellClass(row.column, row.text, row.heading), row.want);
  });
}
