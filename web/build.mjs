// Builds the page into a folder of static files: app.js and app.css by
// esbuild, index.html, the core's module, the manifest, the icons and a
// service worker whose cache is named by a hash of every file it keeps.
//
//   node build.mjs [--out DIR] [--module DIR] [--stand-in]   the site
//   node build.mjs --tests                                    the unit tests into build-test/
//
// --stand-in puts a small stand-in of the core on the page for work on the
// page without the WebAssembly build; a site built so is never the one shipped.

import { build } from 'esbuild';
import { createHash } from 'node:crypto';
import { copyFileSync, existsSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { drawIcon } from './tools/icon.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const option = (name, fallback) => {
  const i = args.indexOf(name);
  return i >= 0 && args[i + 1] ? resolve(args[i + 1]) : fallback;
};

const common = {
  bundle: true,
  jsx: 'automatic',
  jsxImportSource: 'preact',
  target: 'es2020',
  logLevel: 'warning',
  legalComments: 'none',
};

if (args.includes('--tests')) {
  const out = join(here, 'build-test');
  rmSync(out, { recursive: true, force: true });
  const entries = readdirSync(join(here, 'test')).filter((f) => f.endsWith('.test.ts')).map((f) => join(here, 'test', f));
  await build({ ...common, entryPoints: entries, outdir: out, platform: 'node', format: 'esm', outExtension: { '.js': '.mjs' } });
  process.exit(0);
}

const out = option('--out', resolve(here, '../build-web/site'));
const moduleDir = option('--module', resolve(here, '../build-web/webapi'));
const standIn = args.includes('--stand-in');

rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });

await build({
  ...common,
  entryPoints: [join(here, 'src/main.tsx')],
  outfile: join(out, 'app.js'),
  format: 'esm',
  minify: true,
  sourcemap: false,
});
await build({ ...common, entryPoints: [join(here, 'src/app.css')], outfile: join(out, 'app.css'), minify: true });

let html = readFileSync(join(here, 'index.html'), 'utf8');
if (standIn) {
  await build({ ...common, entryPoints: [join(here, 'dev/stand_in.ts')], outfile: join(out, 'stand_in.js'), format: 'esm' });
  html = html.replace('<script type="module" src="app.js">', '<script type="module" src="stand_in.js"></script>\n<script type="module" src="app.js">');
} else {
  for (const f of ['capset_web.mjs', 'capset_web.wasm']) {
    const from = join(moduleDir, f);
    if (!existsSync(from)) {
      console.error(`web page: the core's module ${from} is missing: build it first (scripts/web-module)`);
      process.exit(1);
    }
    copyFileSync(from, join(out, f));
  }
}
writeFileSync(join(out, 'index.html'), html);

for (const size of [192, 512]) writeFileSync(join(out, `icon-${size}.png`), drawIcon(size));
const manifest = {
  name: '盖梁放样',
  short_name: '盖梁放样',
  description: '桥梁盖梁与墩台的放样坐标：路线、纵横断面、墩台点位、极坐标放样与实测检核。',
  lang: 'zh-CN',
  start_url: './',
  scope: './',
  display: 'standalone',
  background_color: '#f3f5f8',
  theme_color: '#1f4e79',
  icons: [
    { src: 'icon-192.png', sizes: '192x192', type: 'image/png', purpose: 'any' },
    { src: 'icon-512.png', sizes: '512x512', type: 'image/png', purpose: 'any' },
  ],
};
writeFileSync(join(out, 'manifest.webmanifest'), `${JSON.stringify(manifest, null, 2)}\n`);

// The worker keeps every file of the site; its cache's name changes with any of them,
// so a new build replaces the old files whole and never mixes the two.
const files = readdirSync(out).filter((f) => f !== 'sw.js').sort();
const hash = createHash('sha256');
for (const f of files) hash.update(f).update('\0').update(readFileSync(join(out, f))).update('\0');
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(join(here, 'src/sw.js'), 'utf8')
  .replace('__VERSION__', version)
  .replace('__FILES__', JSON.stringify(['./', ...files]));
writeFileSync(join(out, 'sw.js'), worker);
console.log(`web page: built ${out} (${files.length + 1} files, version ${version}${standIn ? ', with the stand-in core' : ''})`);
