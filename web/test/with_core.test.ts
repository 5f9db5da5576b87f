// The page's own logic against the real core, the module scripts/web builds:
// a pasted table's refusals named by the typed row, the station set from a
// bridge point with an instrument height, and a refused backsight leaving the
// station and backsight as they were. CAPSET_WEB_MODULE names the module's
// folder; scripts/web sets it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { wrapCall, type Core } from '../src/core';
import { readRoadText } from '../src/jd_table';
import { restorePolar, stationRequest } from '../src/points_tab';
import { emptyState, mappedProblems, problemText, readState, type Ctx } from '../src/store';

const dir = process.env.CAPSET_WEB_MODULE ? resolve(process.env.CAPSET_WEB_MODULE) : '';
const present = dir !== '' && existsSync(join(dir, 'capset_web.mjs'));

async function loadCore(): Promise<Core> {
  // The module's node branch wants these; a page never does.
  const g = globalThis as Record<string, unknown>;
  g.require = createRequire(import.meta.url);
  g.__dirname = dir;
  const { default: create } = await import(pathToFileURL(join(dir, 'capset_web.mjs')).href);
  const m = await create({ wasmBinary: readFileSync(join(dir, 'capset_web.wasm')) });
  return wrapCall(m.cwrap('capset_call', 'string', ['string']));
}

const road = ['K0+000\t3000\t5000', '', 'JD1\t3400\t5600\t800\t120\t120', '3900\t5600'];

test('with the core', { skip: present ? false : 'CAPSET_WEB_MODULE does not name a built module' }, async (t) => {
  const core = await loadCore();

  await t.test("a pasted table's bad curve is named by the row the user typed", () => {
    const bad = readRoadText([...road.slice(0, 2), 'JD1\t3400\t5600\t-800\t120\t120', road[3]].join('\n'));
    assert.equal(bad.kind, 'table');
    if (bad.kind !== 'table') return;
    const answer = core.call({ op: 'road.set', lines: bad.sent.lines });
    assert.equal(answer.ok, false);
    const shown = mappedProblems(answer, bad.sent).map(problemText);
    assert.equal(shown.length, 1);
    assert.match(shown[0], /第 3 行/);
    assert.match(shown[0], /-800/);
    assert.equal(readState(core).road, null);
  });

  const good = readRoadText(road.join('\n'));
  assert.ok(good.kind === 'table');
  assert.equal(core.call({ op: 'road.set', lines: good.sent.lines }).ok, true);
  assert.equal(core.call({ op: 'profile.set', lines: ['pvi 0 100', 'pvi 400 106 8000', 'pvi 1100 101'] }).ok, true);
  assert.equal(core.call({ op: 'bridge.set', name: 'B1', lines: ['bent 1 K0+100 dr 6 6', 'bent 2 K0+130 dr 6 6'] }).ok, true);
  const ctx = { core, state: readState(core) } as unknown as Ctx;

  await t.test('a station from a bridge point with an instrument height takes the point and its height', () => {
    const answer = core.call(stationRequest(ctx, '1-L', '1.5'));
    assert.equal(answer.ok, true, JSON.stringify(answer.problems));
    const s = readState(core).station as { name: string; h: number; hi: number; x: number };
    const p = (core.call({ op: 'bridge.points', bridge: 'B1', bent: '1' }) as unknown as { bents: { points: { name: string; x: number; h: number }[] }[] }).bents[0].points.find((q) => q.name === '1-L')!;
    assert.deepEqual([s.name, s.x, s.h, s.hi], ['1-L', p.x, p.h, 1.5]);
  });

  await t.test('a refused backsight: station and backsight as they were, to the last digit', () => {
    assert.equal(core.call({ op: 'polar.backsight', azimuth: '123.4530' }).ok, true);
    const before = readState(core);
    // A new station, then a backsight on it (no direction): the page puts both back.
    assert.equal(core.call({ op: 'polar.station', point: '2-R' }).ok, true);
    const refused = core.call({ op: 'polar.backsight', point: '2-R' });
    assert.equal(refused.ok, false);
    restorePolar({ ...ctx, state: before } as Ctx, before.station, before.backsight);
    const after = readState(core);
    assert.deepEqual([after.station, after.backsight], [before.station, before.backsight]);
  });

  await t.test('the state without a road is the empty one', () => {
    assert.deepEqual(Object.keys(emptyState).every((k) => k in readState(core)), true);
  });
});
