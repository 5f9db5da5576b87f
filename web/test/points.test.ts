import { test } from 'node:test';
import assert from 'node:assert/strict';
import type { Answer, BridgePlan } from '../src/answers';
import { planDrawing, restorePolar, stationRequest } from '../src/points_tab';
import { nearestPoint, niceLength } from '../src/plan';
import { emptyState, type Ctx } from '../src/store';

function fakeCtx(bridges: Record<string, { name: string; x: number; y: number; h: number | null }[]>, log: Record<string, unknown>[] = []) {
  const call = (r: Record<string, unknown>): Answer => {
    log.push(r);
    if (r.op === 'bridge.points') {
      const points = bridges[String(r.bridge)] ?? [];
      return { ok: true, polar: false, bents: [{ name: '3', stationText: '', notice: null, points }] };
    }
    return { ok: true };
  };
  return { core: { call }, state: { ...emptyState, bridges: Object.keys(bridges) } } as unknown as Ctx;
}

test('station without an instrument height: the point by name, nothing looked up', () => {
  const log: Record<string, unknown>[] = [];
  assert.deepEqual(stationRequest(fakeCtx({ B1: [] }, log), '3-Z1', ''), { op: 'polar.station', point: '3-Z1' });
  assert.equal(log.length, 0);
});

const rows: { name: string; bridges: Record<string, { name: string; x: number; y: number; h: number | null }[]>; expect: Record<string, unknown> }[] = [
  {
    name: 'a point of one bridge goes with its exact coordinates and height',
    bridges: { B1: [{ name: '3-Z1', x: 3401100.123456789, y: 501300.5, h: 103.25 }] },
    expect: { op: 'polar.station', name: '3-Z1', x: 3401100.123456789, y: 501300.5, h: 103.25, hi: '1.55' },
  },
  {
    name: 'a point without a height goes with none, for the core to refuse the height alone',
    bridges: { B1: [{ name: '3-Z1', x: 1, y: 2, h: null }] },
    expect: { op: 'polar.station', name: '3-Z1', x: 1, y: 2, h: '', hi: '1.55' },
  },
  {
    name: 'a name two bridges share goes as a name, for the core to say which',
    bridges: { B1: [{ name: '3-Z1', x: 1, y: 2, h: 3 }], B2: [{ name: '3-Z1', x: 5, y: 6, h: 7 }] },
    expect: { op: 'polar.station', point: '3-Z1' },
  },
  { name: 'a name no bridge has goes as a name', bridges: { B1: [] }, expect: { op: 'polar.station', point: '3-Z1' } },
];
for (const row of rows) {
  test(`station with an instrument height: ${row.name}`, () => {
    assert.deepEqual(stationRequest(fakeCtx(row.bridges), '3-Z1', '1.55'), row.expect);
  });
}

test('a refused backsight puts back the station and backsight as they were: point, azimuth, none', () => {
  const cases: { station: unknown; backsight: unknown; calls: Record<string, unknown>[] }[] = [
    {
      station: { name: 'S', x: 10.5, y: 20.25, h: 100, hi: 1.5, xText: '10.500' },
      backsight: { name: 'B', x: 30, y: 40 },
      calls: [
        { op: 'polar.clear' },
        { op: 'polar.station', name: 'S', x: 10.5, y: 20.25, h: 100, hi: 1.5 },
        { op: 'polar.backsight', name: 'B', x: 30, y: 40 },
      ],
    },
    {
      station: { name: 'S', x: 1, y: 2, h: null, hi: null },
      backsight: { azimuth: 123.75833333333334, azimuthText: '123°45′30.0″' },
      calls: [
        { op: 'polar.clear' },
        { op: 'polar.station', name: 'S', x: 1, y: 2 },
        { op: 'polar.backsight', azimuth: '123.4530000000' },
      ],
    },
    { station: null, backsight: null, calls: [{ op: 'polar.clear' }] },
  ];
  for (const c of cases) {
    const log: Record<string, unknown>[] = [];
    restorePolar(fakeCtx({}, log), c.station, c.backsight);
    assert.deepEqual(log, c.calls);
  }
});

test('the plan draws every outline and grid of a bent, the chosen bent marked, and nothing for what is null', () => {
  const plan: BridgePlan = {
    centre: [[0, 0], [10, 0]],
    left: [[0, -5], [10, -5]],
    right: [[0, 5], [10, 5]],
    bents: [
      { name: '1', axis: [[5, -5], [5, 5]], outline: null, outlines: [], points: [{ name: '1-C', x: 5, y: 0, role: 'centre' }] },
      {
        name: '2',
        axis: null,
        outline: [[1, 1], [2, 2]],
        outlines: [[[1, 1], [2, 2]], [[3, 3], [4, 4]]],
        gridLines: [[[0, 0], [1, 1]]],
        points: [{ name: '2-Z1', x: 1, y: 1, role: 'Z' }],
      },
    ],
  };
  const d = planDrawing(plan, '2', [], []);
  assert.deepEqual(d.shapes.map((s) => s.cls), ['edge', 'edge', 'centre', 'axis', 'outline on', 'outline on', 'grid on']);
  assert.deepEqual(d.points.map((p) => [p.name, p.priority]), [['1-C', 3], ['2-Z1', 11]]);
});

test('without the core plan the points alone are drawn, with the road', () => {
  const bents = [{ name: '1', stationText: '', notice: null, points: [{ name: '1-C', x: 1, y: 2, role: 'centre' }] }];
  const d = planDrawing(null, '1', bents as never, [[0, 0], [5, 5]]);
  assert.deepEqual(d.shapes.map((s) => s.cls), ['centre']);
  assert.deepEqual(d.points.map((p) => p.cls), ['on centre']);
});

test('scale bar lengths are 1, 2 or 5 times a power of ten, never longer than asked', () => {
  const rows: [number, number][] = [[0.0037, 0.002], [1, 1], [1.9, 1], [2, 2], [4.99, 2], [5, 5], [73, 50], [199999, 100000]];
  for (const [asked, bar] of rows) assert.ok(Math.abs(niceLength(asked) - bar) < 1e-12, `${asked}`);
  for (const bad of [0, -3, NaN, Infinity]) assert.equal(niceLength(bad), 1);
});

test('a tap picks the nearest point within a finger, and nothing farther off', () => {
  const dots = [
    { p: { name: 'A' }, sx: 100, sy: 100 },
    { p: { name: 'B' }, sx: 110, sy: 100 },
    { p: { name: 'C' }, sx: 300, sy: 300 },
  ];
  const rows: [number, number, string][] = [[104, 100, 'A'], [106, 100, 'B'], [300, 315, 'C'], [300, 317, ''], [200, 200, '']];
  for (const [x, y, name] of rows) assert.equal(nearestPoint(dots, x, y), name, `${x},${y}`);
  assert.equal(nearestPoint([], 0, 0), '');
});
