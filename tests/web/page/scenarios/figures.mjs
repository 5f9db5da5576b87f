// The figures a user feels: how soon the page is ready, how much is
// downloaded, how long a big bridge takes. Timings are not tests: the run
// prints them and fails only when one is grossly off (three times the target).
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';
import { openReady, reloadReady } from '../lib/page.mjs';
import { benchSetup, benchSolve, BENTS, POINTS_PER_BENT } from './bench_job.mjs';

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};

export function moduleSize(site, checks) {
  const gz = (f) => zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length;
  const wasm = gz('capset_web.wasm');
  const glue = gz('capset_web.mjs');
  checks.figure('module gzipped (wasm + mjs)', Math.round((wasm + glue) / 1024), 'KB', 300);
  return { wasm, glue };
}

export async function readyTimes({ context, size, url, checks, coldAt }) {
  const page = await context.newPage();
  try {
    const cold = coldAt ?? (await openReady(page, url));
    if (coldAt) await openReady(page, url);
    const warm = [];
    for (let i = 0; i < 5; i++) warm.push(await reloadReady(page));
    if (cold !== null) checks.figure(`${size}: page ready, cold`, Math.round(cold), 'ms', 1000);
    if (warm.every((w) => w !== null)) checks.figure(`${size}: page ready, warm (median of 5)`, Math.round(median(warm)), 'ms', 1000);
  } finally {
    await page.close();
  }
}

export async function bridgeTiming({ context, url, checks }) {
  const page = await context.newPage();
  try {
    await openReady(page, url);
    const result = await page.evaluate(({ setup, solve, runs }) => {
      for (const r of setup) {
        const a = window.capset.call(r);
        if (!a.ok) return { error: `${r.op}: ${JSON.stringify(a.problems)}` };
      }
      const times = [];
      const each = solve.map(() => []);
      let points = 0;
      for (let i = 0; i < runs; i++) {
        const t0 = performance.now();
        const answers = solve.map((r, k) => {
          const t = performance.now();
          const a = window.capset.call(r);
          each[k].push(performance.now() - t);
          return a;
        });
        times.push(performance.now() - t0);
        const bad = answers.find((a) => !a.ok);
        if (bad) return { error: JSON.stringify(bad.problems) };
        points = answers[1].bents.reduce((n, b) => n + b.points.length, 0);
      }
      return { times, each, points };
    }, { setup: benchSetup, solve: benchSolve, runs: 20 });
    if (result.error) {
      checks.ok('the 100-bent bridge solves', false, result.error);
      return;
    }
    checks.equal('the 100-bent bridge has 3000 points', result.points, BENTS * POINTS_PER_BENT);
    checks.figure(`${BENTS} bents × ${POINTS_PER_BENT} points set and solved (median of 20)`,
      Math.round(median(result.times) * 10) / 10, 'ms', 100);
    checks.figures.push({ note: `of which ${benchSolve.map((r, k) => `${r.op} ${median(result.each[k]).toFixed(1)} ms`).join(', ')}` });
  } finally {
    await page.close();
  }
}
