import { test } from 'node:test';
import assert from 'node:assert/strict';
import { wrapCall } from '../src/core';

test('the core answers through as objects', () => {
  const core = wrapCall((req) => JSON.stringify({ ok: true, echo: JSON.parse(req).op }));
  assert.deepEqual(core.call({ op: 'about' }), { ok: true, echo: 'about' });
});

const bad: { name: string; raw: (r: string) => string }[] = [
  { name: 'not JSON', raw: () => '{ok:' },
  { name: 'JSON without ok', raw: () => '{"x":1}' },
  { name: 'null', raw: () => 'null' },
];
for (const row of bad) {
  test(`an answer that cannot be read is a refusal that says so: ${row.name}`, () => {
    const a = wrapCall(row.raw).call({ op: 'state' });
    assert.equal(a.ok, false);
    assert.equal(a.fault, 'module');
    assert.equal(a.problems?.length, 1);
  });
}

test('after a trap the module is used no more: every later call is refused, none reaches it', () => {
  let calls = 0;
  const core = wrapCall(() => {
    calls++;
    throw new Error('RuntimeError: unreachable');
  });
  const first = core.call({ op: 'bridge.points' });
  const second = core.call({ op: 'job.save' });
  assert.equal(calls, 1);
  assert.equal(first.ok, false);
  assert.equal(second.ok, false);
  assert.match(second.problems![0].text, /重新载入/);
});
