// The site as the build makes it: every file the worker keeps, a version that
// follows the files, an installable manifest with real icons, nothing that
// points off the device.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, writeFileSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { inflateSync } from 'node:zlib';

const build = fileURLToPath(new URL('../build.mjs', import.meta.url));
const scratch = mkdtempSync(join(tmpdir(), 'capset-site-'));

function site(wasm: string): string {
  const module = join(scratch, `module-${wasm}`);
  mkdirSync(module, { recursive: true });
  writeFileSync(join(module, 'capset_web.mjs'), 'export default async () => ({});\n');
  writeFileSync(join(module, 'capset_web.wasm'), wasm);
  const out = join(scratch, `site-${wasm}-${Math.random().toString(36).slice(2)}`);
  execFileSync(process.execPath, [build, '--out', out, '--module', module], { stdio: 'pipe' });
  return out;
}

function worker(dir: string): { version: string; files: string[] } {
  const sw = readFileSync(join(dir, 'sw.js'), 'utf8');
  return {
    version: /const CACHE = 'capset-([0-9a-f]+)'/.exec(sw)![1],
    files: JSON.parse(/const FILES = (\[.*\]);/.exec(sw)![1]),
  };
}

const a1 = site('a');

test('the worker keeps every file of the site and the site itself', () => {
  const files = readdirSync(a1).filter((f) => f !== 'sw.js').sort();
  assert.deepEqual(worker(a1).files, ['./', ...files]);
  for (const f of ['index.html', 'app.js', 'app.css', 'capset_web.mjs', 'capset_web.wasm', 'manifest.webmanifest', 'icon-192.png', 'icon-512.png']) {
    assert.ok(files.includes(f), f);
  }
});

test('the version follows the files: the same build the same, another module another', () => {
  assert.equal(worker(site('a')).version, worker(a1).version);
  assert.notEqual(worker(site('b')).version, worker(a1).version);
});

test('the manifest installs the page by its Chinese name, with icons that are what they say', () => {
  const m = JSON.parse(readFileSync(join(a1, 'manifest.webmanifest'), 'utf8'));
  assert.equal(m.name, '盖梁放样');
  assert.equal(m.display, 'standalone');
  for (const icon of m.icons) {
    const png = readFileSync(join(a1, icon.src));
    assert.deepEqual([...png.subarray(0, 8)], [0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
    const w = png.readUInt32BE(16);
    const h = png.readUInt32BE(20);
    assert.equal(`${w}x${h}`, icon.sizes);
    // One IDAT: the rows, each a filter byte then RGBA.
    const idat = png.indexOf('IDAT');
    const raw = inflateSync(png.subarray(idat + 4, idat + 4 + png.readUInt32BE(idat - 4)));
    assert.equal(raw.length, (w * 4 + 1) * h);
    const alpha = (x: number, y: number) => raw[y * (w * 4 + 1) + 1 + x * 4 + 3];
    assert.equal(alpha(0, 0), 0, 'rounded corner is clear');
    assert.equal(alpha(w >> 1, h >> 1), 255, 'the middle is solid');
  }
});

test('nothing on the page points off the device', () => {
  const html = readFileSync(join(a1, 'index.html'), 'utf8');
  assert.match(html, /connect-src 'self'/);
  assert.doesNotMatch(html, /https?:\/\//);
  assert.doesNotMatch(html, /stand_in/);
  const js = readFileSync(join(a1, 'app.js'), 'utf8');
  // The only addresses in the bundle are XML namespaces, which are names, not fetches.
  const urls = (js.match(/https?:\/\/[^"'`\s)]*/g) ?? []).filter((u) => !u.startsWith('http://www.w3.org/'));
  assert.deepEqual(urls, []);
});
