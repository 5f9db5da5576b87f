// The page's module against the native build: the same request sequences
// sent to build/webapi/capset_web_cli (one request a line) and to the
// WebAssembly module in node, and every answer compared byte for byte.
// Texts must be equal byte for byte; a number may differ in its last bits
// (the two builds' maths libraries), which is counted and shown.
// Fixed sequences over every op, then random roads and bridges (seeded,
// so a failure can be played again with --seed).
//
//   node tests/web/webapi_differential.mjs NATIVE_CLI MODULE.mjs [--seed N] [--count N]

import { spawnSync } from 'node:child_process';
import { pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';
import path from 'node:path';
import { readFileSync } from 'node:fs';

const args = process.argv.slice(2);
if (args.length < 2) {
  console.error('usage: webapi_differential.mjs NATIVE_CLI MODULE.mjs [--seed N] [--count N]');
  process.exit(2);
}
const [native, modulePath] = args;
const option = (name, fallback) => {
  const at = args.indexOf(name);
  return at >= 0 ? Number(args[at + 1]) : fallback;
};
const seed = option('--seed', 28);
const count = option('--count', 40);

// A small seeded generator (mulberry32): the same sequences on every run.
function generator(s) {
  let a = s >>> 0;
  return () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}
const random = generator(seed);
const uniform = (lo, hi) => lo + (hi - lo) * random();
const pick = (list) => list[Math.floor(random() * list.length)];
const fixed = (v, d = 3) => v.toFixed(d);

// A JD road of a few curves near grid coordinates, or near the origin.
function randomJdRoad() {
  const far = random() < 0.5;
  let x = far ? uniform(3.3e6, 3.5e6) : uniform(-1000, 1000);
  let y = far ? uniform(4e5, 6e5) : uniform(-1000, 1000);
  let azimuth = uniform(0, 2 * Math.PI);
  const lines = [`bp ${fixed(uniform(0, 20000))} ${fixed(x)} ${fixed(y)}`];
  const jds = 1 + Math.floor(random() * 4);
  for (let i = 0; i < jds; ++i) {
    const step = uniform(400, 1200);
    x += step * Math.cos(azimuth);
    y += step * Math.sin(azimuth);
    azimuth += uniform(-0.9, 0.9);
    const R = pick([150, 250, 400, 800, 1500, uniform(100, 3000)]);
    const ls1 = pick([0, 40, 60, 100, uniform(10, 120)]);
    const ls2 = random() < 0.3 ? ` ${fixed(uniform(10, 120))}` : '';
    lines.push(`jd ${fixed(x)} ${fixed(y)} ${fixed(R)} ${fixed(ls1)}${ls2}`);
  }
  const step = uniform(400, 1200);
  lines.push(`ep ${fixed(x + step * Math.cos(azimuth))} ${fixed(y + step * Math.sin(azimuth))}`);
  // Now and then a field that no road has.
  if (random() < 0.15) {
    const at = 1 + Math.floor(random() * (lines.length - 1));
    const words = lines[at].split(' ');
    words[1 + Math.floor(random() * (words.length - 1))] = pick(['x', '-5', '1e400', '0', 'nan', '']);
    lines[at] = words.join(' ');
  }
  return lines;
}

function randomElementRoad() {
  const lines = [`start ${fixed(uniform(0, 5000))} ${fixed(uniform(-1e5, 1e5))} ${fixed(uniform(-1e5, 1e5))} ` +
    `${Math.floor(uniform(0, 359))}.${String(Math.floor(uniform(0, 59))).padStart(2, '0')}${String(Math.floor(uniform(0, 59))).padStart(2, '0')}`];
  const n = 2 + Math.floor(random() * 5);
  for (let i = 0; i < n; ++i) {
    const side = pick(['left', 'right']);
    const R = fixed(uniform(150, 2000));
    lines.push(pick([`line ${fixed(uniform(20, 500))}`, `arc ${fixed(uniform(20, 300))} ${R} ${side}`,
      `spiral ${fixed(uniform(20, 120))} inf ${R} ${side}`]));
  }
  return lines;
}

function randomBridge(length) {
  const bents = [];
  const count = 1 + Math.floor(random() * 8);
  let station = uniform(0, Math.max(10, length - 300));
  for (let i = 0; i < count; ++i) {
    let line = `bent ${i} ${fixed(station)}`;
    if (random() < 0.4) line += ` skew ${Math.floor(uniform(50, 130))}.${String(Math.floor(uniform(0, 59))).padStart(2, '0')}`;
    if (random() < 0.8) line += ` dr ${fixed(uniform(4, 9))}${random() < 0.3 ? ' ' + fixed(uniform(4, 9)) : ''}`;
    if (random() < 0.3) line += ` depth ${fixed(uniform(0, 3))}`;
    if (random() < 0.7) line += ` template ${pick(['two-columns', 'three-columns', 'pile-cap-2x3', 'abutment-start', 'piers'])}`;
    bents.push(line);
    station += uniform(20, 40);
  }
  return bents;
}

const sequences = [];
// Every op of the interface, and requests it cannot read.
sequences.push([
  { op: 'about' }, { op: 'state' }, { op: 'templates.list' }, { op: 'bridges.list' }, { op: 'job.save' },
  { op: 'road.set', lines: ['bp K0+000 1000 1000', 'jd 1500 1500 300 60', 'jd 1600 2300 400 80 70', 'ep 1300 3000'] },
  { op: 'template.set', name: 'piers', lines: ['copy pile-cap-2x3', 'point S1 -4 0.5 0.2'] },
  { op: 'bridge.set', name: 'B1', lines: ['bent 1 K0+400 dr 6 template piers', 'bent 2 K0+430 skew 80 dr 6.5 6 depth 1.5'] },
  { op: 'bridge.points', bridge: 'B1' }, { op: 'bridge.points', bridge: 'B1', bent: '2' },
  { op: 'road.at', station: 'K0+500', offset: '3.5' },
  { op: 'station.table', from: 'K0+000', to: 'K0+200', step: '20', offsets: ['-6', '6'] },
  { op: 'profile.set', lines: ['pvi 0 100', 'pvi 1000 110 8000', 'pvi 2261 104'] },
  { op: 'section.set', lines: ['crown 2', 'width 6 6'] },
  { op: 'bridge.points', bridge: 'B1' },
  { op: 'bridge.plan', bridge: 'B1' },
  { op: 'polar.station', point: '1-C' }, { op: 'polar.backsight', point: '2-C' },
  { op: 'bridge.points', bridge: 'B1' },
  { op: 'check.run', text: 'P1 1304.05 1304.06 100.5\nP2 1300 1300' },
  { op: 'export', format: 'csv' }, { op: 'export', format: 'dat' }, { op: 'export', format: 'gsi' },
  { op: 'export', format: 'pnezd' },
  { op: 'job.text' }, { op: 'job.save' }, { op: 'state' },
  { op: 'road.landxml', name: '线路.xml', text: '<?xml version="1.0" encoding="GB2312"?>\n<LandXML version="1.2">' +
    '<Units><Metric linearUnit="meter"/></Units><Alignments><Alignment name="主线" length="100" staStart="0">' +
    '<CoordGeom><Line length="100"><Start>0 0</Start><End>100 0</End></Line></CoordGeom></Alignment></Alignments></LandXML>' },
  { op: 'road.landxml', name: 'bad.xml', text: '<LandXML><!DOCTYPE x>' },
  { op: 'road.set', lines: ['bp 0 0 0', 'jd 100 x 50 0', 'ep 300 100'] },
  { op: 'nope' }, 'not json', '{"op": 5}', '[' .repeat(100) + ']'.repeat(100),
]);
for (let i = 0; i < count; ++i) {
  const lines = random() < 0.6 ? randomJdRoad() : randomElementRoad();
  const sequence = [{ op: 'road.set', lines }];
  if (random() < 0.5) sequence.push({ op: 'template.set', name: 'piers', lines: ['copy three-columns', 'corners T 10 2'] });
  sequence.push({ op: 'bridge.set', name: `B${i}`, lines: randomBridge(1500) });
  sequence.push({ op: 'bridge.points', bridge: `B${i}` });
  sequence.push({ op: 'job.save' });
  sequence.push({ op: 'state' });
  sequences.push(sequence);
}

// This emscripten's ES module for node still reaches for CommonJS's
// require and __dirname; they are given to it here, as a page never needs
// them (the module's browser branch fetches its .wasm beside itself).
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = path.dirname(path.resolve(modulePath));
const wasmBinary = readFileSync(path.join(path.dirname(path.resolve(modulePath)), 'capset_web.wasm'));
const { default: createCapset } = await import(pathToFileURL(path.resolve(modulePath)).href);
let requests = 0;
let failed = 0;
let lastBits = 0;

// Null when the answers differ in more than numbers within 1e-12 of each
// other (relative, or absolute near zero); else the first such pair.
function lastBitsOnly(a, b) {
  let first = null;
  const same = (x, y) => {
    if (typeof x === 'number' && typeof y === 'number') {
      if (x === y) return true;
      if (Math.abs(x - y) <= 1e-12 * Math.max(1, Math.abs(x), Math.abs(y))) {
        first ??= `${y} / ${x}`;
        return true;
      }
      return false;
    }
    if (Array.isArray(x) && Array.isArray(y)) return x.length === y.length && x.every((v, i) => same(v, y[i]));
    if (x && y && typeof x === 'object' && typeof y === 'object') {
      const keys = Object.keys(x);
      return keys.join() === Object.keys(y).join() && keys.every((k) => same(x[k], y[k]));
    }
    return x === y;
  };
  try {
    return same(JSON.parse(a), JSON.parse(b ?? '')) ? first : null;
  } catch {
    return null;
  }
}
for (const sequence of sequences) {
  const texts = sequence.map((r) => (typeof r === 'string' ? r : JSON.stringify(r)));
  const run = spawnSync(native, [], { input: texts.join('\n') + '\n', maxBuffer: 1 << 30 });
  if (run.status !== 0) {
    console.error(`native ${native} ended with ${run.status}: ${run.stderr}`);
    process.exit(1);
  }
  const nativeAnswers = run.stdout.toString('utf8').split('\n').slice(0, -1);
  // A fresh module for each sequence, as the native program is fresh.
  const module = await createCapset({ wasmBinary });
  // Each module adds its own handlers to node's process; many modules in
  // one run are meant, not a leak.
  process.setMaxListeners(0);
  const call = module.cwrap('capset_call', 'string', ['string']);
  texts.forEach((text, i) => {
    ++requests;
    const answer = call(text);
    if (answer === nativeAnswers[i]) return;
    // The two maths libraries may round a sine or an arctangent apart in
    // its last bit; such a number is counted and shown, anything else fails.
    const ulps = lastBitsOnly(answer, nativeAnswers[i]);
    if (ulps !== null) {
      ++lastBits;
      if (lastBits <= 3) console.log(`last bits: ${text.slice(0, 120)}: ${ulps}`);
    } else {
      ++failed;
      if (failed <= 5) {
        const theirs = nativeAnswers[i] ?? '';
        let at = 0;
        while (at < answer.length && answer[at] === theirs[at]) ++at;
        const from = Math.max(0, at - 120);
        console.error(`differs: ${text.slice(0, 200)}\n  native: …${theirs.slice(from, at + 80)}\n  wasm:   …${answer.slice(from, at + 80)}`);
      }
    }
  });
}
console.log(`webapi differential: ${requests} requests in ${sequences.length} sequences (seed ${seed}): ` +
  `${requests - lastBits - failed} byte for byte, ${lastBits} apart only in a number's last bits, ${failed} differ`);
process.exit(failed === 0 ? 0 : 1);
