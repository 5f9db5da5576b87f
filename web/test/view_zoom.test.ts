import { test } from 'node:test';
import assert from 'node:assert/strict';
import { View, boundsOf, fitView, kMaxScale, kMinScale, panBy, pinch, toScreen, toWorld, wheelFactor, zoomAbout } from '../src/view_zoom';

const near = (a: number, b: number, tol: number) => assert.ok(Math.abs(a - b) <= tol, `${a} is not ${b}`);

test('east is right and north is up', () => {
  const v: View = { scale: 2, e0: 100, n0: 500 };
  assert.deepEqual(toScreen(v, 110, 500), [20, 0]);
  assert.deepEqual(toScreen(v, 100, 490), [0, 20]);
});

const fits: { name: string; points: [number, number][]; w: number; h: number }[] = [
  { name: 'a road far from the origin (Gauss-Krüger northings)', points: [[3456789.123, 512345.678], [3457789.5, 513000.25]], w: 360, h: 400 },
  { name: 'a tall narrow bridge on a wide screen', points: [[0, 0], [1000, 5]], w: 1200, h: 600 },
  { name: 'one point alone', points: [[10, 20]], w: 300, h: 300 },
];
for (const row of fits) {
  test(`fit: ${row.name}: everything on the screen, centred`, () => {
    const b = boundsOf(row.points)!;
    const v = fitView(b, row.w, row.h, 16);
    for (const [x, y] of row.points) {
      const [sx, sy] = toScreen(v, y, x);
      assert.ok(sx >= 15.999 && sx <= row.w - 15.999 && sy >= 15.999 && sy <= row.h - 15.999, `${sx},${sy}`);
    }
    const [cx, cy] = toScreen(v, (b.minE + b.maxE) / 2, (b.minN + b.maxN) / 2);
    near(cx, row.w / 2, 1e-6);
    near(cy, row.h / 2, 1e-6);
  });
}

test('bounds skip what is not a number', () => {
  assert.deepEqual(boundsOf([[1, 2], [NaN, 5], [3, Infinity], [-1, 4]]), { minE: 2, maxE: 4, minN: -1, maxN: 1 });
  assert.equal(boundsOf([]), null);
});

test('property: a zoom keeps the point under the cursor, and zooming back restores the view', () => {
  let seed = 3;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let i = 0; i < 500; i++) {
    const v: View = { scale: 0.01 + rnd() * 50, e0: 5e5 + rnd() * 1e4, n0: 3.4e6 + rnd() * 1e4 };
    const sx = rnd() * 1366, sy = rnd() * 768, f = 0.2 + rnd() * 5;
    const before = toWorld(v, sx, sy);
    const z = zoomAbout(v, f, sx, sy);
    const after = toWorld(z, sx, sy);
    near(after[0], before[0], 1e-6);
    near(after[1], before[1], 1e-6);
    const back = zoomAbout(z, 1 / f, sx, sy);
    near(back.scale, v.scale, 1e-9 * v.scale);
    near(back.e0, v.e0, 1e-6);
    near(back.n0, v.n0, 1e-6);
  }
});

test('zoom stays within its limits and ignores a factor that is not one', () => {
  const v: View = { scale: 1, e0: 0, n0: 0 };
  assert.equal(zoomAbout(v, 1e12, 0, 0).scale, kMaxScale);
  assert.equal(zoomAbout(v, 1e-12, 0, 0).scale, kMinScale);
  for (const f of [0, -2, NaN, Infinity]) assert.deepEqual(zoomAbout(v, f, 5, 5), v);
});

test('a drag moves the world with the finger', () => {
  const v: View = { scale: 4, e0: 100, n0: 200 };
  const p = panBy(v, 40, -20);
  assert.deepEqual(toScreen(p, ...toWorld(v, 10, 10)), [50, -10]);
});

test('pinch: fingers spread twice as far zoom 2x about their midpoint, which follows them', () => {
  const v: View = { scale: 1, e0: 0, n0: 0 };
  const under = toWorld(v, 150, 100);
  const p = pinch(v, [100, 100], [200, 100], [60, 120], [260, 120]);
  near(p.scale, 2, 1e-12);
  const [sx, sy] = toScreen(p, under[0], under[1]);
  near(sx, 160, 1e-9);
  near(sy, 120, 1e-9);
});

test('pinch from fingers together only pans', () => {
  const v: View = { scale: 3, e0: 0, n0: 0 };
  assert.equal(pinch(v, [10, 10], [10, 10], [0, 0], [50, 50]).scale, 3);
});

test('wheel: one notch in zooms 1.2x, one out undoes it, lines and pages count as pixels', () => {
  near(wheelFactor(-100, 0), 1.2, 1e-12);
  near(wheelFactor(100, 0) * wheelFactor(-100, 0), 1, 1e-12);
  near(wheelFactor(-3, 1), Math.pow(1.2, 0.99), 1e-12);
  assert.ok(wheelFactor(1, 2) < 1);
});
