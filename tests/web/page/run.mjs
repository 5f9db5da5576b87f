// The field page in Debian's Chromium: the whole job at a phone's size
// (360×740, touch) and a laptop's (1366×768), the page offline, the tables
// at 1280, 1024 and 800 wide, the phone's switch to the plan, and the figures
// (ready time, module size, a 100-bent bridge), with screenshots of every
// step for a person to look at.
//
//   node tests/web/page/run.mjs [--site build-web/site] [--replay build/replay/cap_replay_core]
//                               [--shots build-web/shots] [--sizes phone,laptop] [--verbose]
//
// Exits 1 when a check fails (the list says which and why), 2 when the run
// cannot start (no site, no Chromium, no native core).
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serveSite } from './lib/serve.mjs';
import { openContext, SIZES } from './lib/browser.mjs';
import { Checks, Shots, fmt } from './lib/checks.mjs';
import { wholeJob } from './scenarios/whole_job.mjs';
import { nativeJob } from './scenarios/native_job.mjs';
import { offline } from './scenarios/offline.mjs';
import { widths, phoneJump } from './scenarios/widths.mjs';
import { moduleSize, readyTimes, bridgeTiming } from './scenarios/figures.mjs';

const repoRoot = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../../..');

function options(argv) {
  const o = { site: 'build-web/site', replay: 'build/replay/cap_replay_core', shots: 'build-web/shots',
    sizes: Object.keys(SIZES), verbose: false };
  for (let i = 0; i < argv.length; i++) {
    const [k, v] = [argv[i], argv[i + 1]];
    if (k === '--verbose') {
      o.verbose = true;
      continue;
    }
    if (k === '--site') o.site = v;
    else if (k === '--replay') o.replay = v;
    else if (k === '--shots') o.shots = v;
    else if (k === '--sizes') o.sizes = v.split(',');
    else throw new Error(`unknown option ${k}`);
    i++;
  }
  for (const s of o.sizes) if (!SIZES[s]) throw new Error(`unknown size ${s} (phone, laptop)`);
  for (const k of ['site', 'replay', 'shots']) o[k] = path.resolve(repoRoot, o[k]);
  return o;
}

async function main() {
  let o;
  try {
    o = options(process.argv.slice(2));
    const need = ['index.html', 'capset_web.mjs', 'capset_web.wasm'].map((f) => path.join(o.site, f));
    const missing = need.filter((f) => !fs.existsSync(f));
    if (missing.length) throw new Error(`the site is not built (bash scripts/web --no-serve): no ${missing.join(', ')}`);
    if (!fs.existsSync(o.replay)) throw new Error(`no native ${o.replay} to compare with (cmake --build build --target cap_replay_core)`);
  } catch (e) {
    console.error(`page tests: ${e.message}`);
    return 2;
  }

  const checks = new Checks();
  const shots = new Shots(o.shots);
  const native = nativeJob(o.replay);
  const server = await serveSite(o.site);
  const timed = async (name, fn) => {
    const t0 = Date.now();
    try {
      return await fn();
    } finally {
      console.log(`page tests: ${name} in ${((Date.now() - t0) / 1000).toFixed(1)} s`);
    }
  };
  try {
    moduleSize(o.site, checks);
    for (const size of o.sizes) {
      await timed(`${size}, whole job`, async () => {
        const { context, close } = await openContext(size);
        try {
          const { readyAt } = await wholeJob({ context, size, url: server.url, native, checks, shots, repoRoot });
          if (readyAt !== null) await readyTimes({ context, size, url: server.url, checks, coldAt: readyAt });
        } finally {
          await close();
        }
      });
      await timed(`${size}, offline`, async () => {
        const { context, close } = await openContext(size);
        try {
          await offline({ context, size, url: server.url, server, site: o.site, native, checks, shots });
        } finally {
          await close();
        }
      });
    }
    await timed('tables at 1366, 1280, 1024 and 800 wide', async () => {
      const { context, close } = await openContext('laptop');
      try {
        const seen = await widths({ context, url: server.url, checks, shots });
        if (o.verbose) for (const s of seen) console.log(`  layout ${s}`);
      } finally {
        await close();
      }
    });
    if (o.sizes.includes('phone')) {
      await timed('phone, the points tab\'s switch', async () => {
        const { context, close } = await openContext('phone');
        try {
          await phoneJump({ context, url: server.url, checks, shots });
        } finally {
          await close();
        }
      });
    }
    await timed('100-bent bridge', async () => {
      const { context, close } = await openContext('laptop');
      try {
        await bridgeTiming({ context, url: server.url, checks });
      } finally {
        await close();
      }
    });
  } catch (e) {
    checks.failures.push(`the run stopped: ${e.stack ?? e.message}`);
  } finally {
    await server.close();
  }

  console.log('\nFigures (targets in brackets; a run fails only at 3× a target):');
  for (const f of checks.figures) {
    if (f.note) console.log(`  note: ${f.note}`);
    else console.log(`  ${f.name}: ${fmt(f.value)} ${f.unit} (< ${f.target} ${f.unit})${f.gross ? '  GROSS MISS' : ''}`);
  }
  console.log(`\nScreenshots: ${shots.n} in ${path.relative(repoRoot, o.shots)}/`);
  if (o.verbose) for (const n of checks.passedNames) console.log(`  passed ${n}`);
  console.log(`Checks: ${checks.passed} passed, ${checks.failures.length} failed`);
  for (const f of checks.failures) console.log(`  FAILED ${f}`);
  return checks.failures.length ? 1 : 0;
}

process.exitCode = await main();
