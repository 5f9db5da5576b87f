// The harness's own pieces that a page run would not catch going wrong:
// the server's paths and types, the reading of the native core's files,
// and the angle forms the polar columns are compared in.
import test from 'node:test';
import assert from 'node:assert/strict';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileFor, mimeOf, serveSite } from './lib/serve.mjs';
import { parseOutput } from './lib/native.mjs';
import { secondsOfText, sameAngle } from './lib/angles.mjs';
import { encodeGbk } from './lib/gb.mjs';

test('paths stay inside the site', () => {
  const root = '/srv/site';
  const rows = [
    ['the folder gives its index', '/', '/srv/site/index.html'],
    ['a query is not part of the name', '/app.js?v=3', '/srv/site/app.js'],
    ['dot-dot cannot climb out', '/../etc/passwd', '/srv/site/etc/passwd'],
    ['an encoded dot-dot cannot climb out', '/%2e%2e/%2e%2e/etc/passwd', '/srv/site/etc/passwd'],
    ['an encoded slash is a name, kept inside', '/a%2f..%2f..%2fx', '/srv/site/x'],
    ['a broken escape is refused', '/%E0%A4%A', null],
    ['a NUL byte is refused', '/index.html%00.js', null],
  ];
  for (const [name, url, want] of rows) assert.equal(fileFor(root, url), want, name);
});

test('types a browser insists on', () => {
  const rows = [['x.wasm', 'application/wasm'], ['capset_web.mjs', 'text/javascript; charset=utf-8'],
    ['manifest.webmanifest', 'application/manifest+json'], ['a.unknown', 'application/octet-stream'],
    ['ICON.PNG', 'image/png']];
  for (const [file, want] of rows) assert.equal(mimeOf(file), want, file);
});

test('the server answers with the type and refuses to leave the site', async () => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'capset-serve-'));
  fs.writeFileSync(path.join(dir, 'm.wasm'), Buffer.from([0, 0x61, 0x73, 0x6d]));
  const server = await serveSite(dir);
  try {
    const r = await fetch(server.url + 'm.wasm');
    assert.equal(r.headers.get('content-type'), 'application/wasm');
    assert.deepEqual([...new Uint8Array(await r.arrayBuffer())], [0, 0x61, 0x73, 0x6d]);
    assert.equal((await fetch(server.url + 'none.js')).status, 404);
    server.setDown(true);
    await assert.rejects(fetch(server.url + 'm.wasm'));
  } finally {
    await server.close();
    fs.rmSync(dir, { recursive: true });
  }
});

test("the native core's printed files read back byte for byte", () => {
  const rows = [
    ['CR LF lines and a final line feed', ['| a,b\\r', '| c\\r', '| '], Buffer.from('a,b\r\nc\r\n')],
    ['no final line feed', ['| a', '| b'], Buffer.from('a\nb')],
    ['a backslash and a raw byte', ['| x\\\\y\\xff'], Buffer.from([0x78, 0x5c, 0x79, 0xff])],
    ['Chinese stays UTF-8', ['| 桥名'], Buffer.from('桥名')],
    ['an empty file', ['| '], Buffer.alloc(0)],
  ];
  for (const [name, body, want] of rows) {
    const out = parseOutput(['FILE /f', ...body, 'Text1=', ''].join('\n'));
    assert.deepEqual(out.files.get('/f'), want, name);
  }
  const sp = parseOutput('SP\t一号桥\t3\tZ1\t1.5\t2.25\t1720.000000\t-3.000000\n');
  assert.deepEqual(sp.points[0], { bridge: '一号桥', bent: '3', name: '3-Z1', item: 'Z1', x: 1.5, y: 2.25,
    station: 1720, offset: -3, h: null });
});

test('angles compare across their forms', () => {
  const rows = [
    ['D°MM′SS.s″', '24°09′16.4″', 86956.4],
    ['packed to a tenth of a second', '24.09164', 86956.4],
    ['packed to the second', '24.0916', 86956],
    ['ASCII marks', "24°09'16.4\"", 86956.4],
    ['not an angle', 'abc', NaN],
  ];
  for (const [name, text, want] of rows) assert.equal(secondsOfText(text), want, name);
  assert.ok(sameAngle(secondsOfText('0.00000'), secondsOfText('359°59′59.9″'), 0.11), 'across 360');
  assert.ok(!sameAngle(0, 1, 0.5));
});

test('GB2312 bytes as survey software writes them', () => {
  // The bytes of these names in the GB2312 code table.
  assert.equal(encodeGbk('设计线').toString('hex'), 'c9e8bcc6cfdf');
  assert.equal(encodeGbk('<?xml a="1"?>纵断面').toString('hex'), Buffer.from('<?xml a="1"?>').toString('hex') + 'd7ddb6cfc3e6');
  assert.throws(() => encodeGbk('😀'), /no GBK code/);
});
