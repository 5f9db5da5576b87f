import { test } from 'node:test';
import assert from 'node:assert/strict';
import { packedDms } from '../src/packed_dms';

// Read back independently: D, then two digits of minutes, then seconds with their decimals.
function unpack(text: string): number {
  const m = /^(\d+)\.(\d\d)(\d\d)(\d*)$/.exec(text);
  assert.ok(m, text);
  const [, d, mm, ss, frac] = m!;
  assert.ok(Number(mm) < 60 && Number(ss) < 60, text);
  return Number(d) + Number(mm) / 60 + Number(`${ss}.${frac || '0'}`) / 3600;
}

const rows: { name: string; degrees: number; text: string }[] = [
  { name: 'whole degrees', degrees: 45, text: '45.0000000000' },
  { name: 'minutes and seconds', degrees: 123 + 45 / 60 + 30 / 3600, text: '123.4530000000' },
  { name: 'seconds that round up carry into the minute', degrees: 10 + 59 / 60 + 59.9999999 / 3600, text: '11.0000000000' },
  { name: 'north', degrees: 0, text: '0.0000000000' },
  { name: 'a fraction of a second', degrees: 359 + 59 / 60 + 59.123456 / 3600, text: '359.5959123456' },
];
for (const row of rows) {
  test(`packed angle: ${row.name}`, () => assert.equal(packedDms(row.degrees), row.text));
}

test('property: any azimuth comes back within a microsecond of arc', () => {
  let seed = 5;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let i = 0; i < 5000; i++) {
    const deg = rnd() * 360;
    assert.ok(Math.abs(unpack(packedDms(deg)) - deg) * 3600 <= 0.5e-6 + 1e-9, `${deg}`);
  }
});
