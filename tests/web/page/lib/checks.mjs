// A run's findings: each check is named for what a user would notice, and a
// failed one says what was expected and what the page gave, so the report
// reads without the test source beside it.
import fs from 'node:fs';
import path from 'node:path';
import { isDeepStrictEqual } from 'node:util';

export class Checks {
  constructor() {
    this.failures = [];
    this.passed = 0;
    this.passedNames = [];
    this.figures = [];
  }

  ok(name, cond, detail = '') {
    if (cond) {
      this.passed++;
      this.passedNames.push(name);
    }
    else this.failures.push(`${name}${detail ? `: ${detail}` : ''}`);
    return !!cond;
  }

  equal(name, got, want) {
    const same = isDeepStrictEqual(got, want);
    return this.ok(name, same, same ? '' : `expected ${show(want)}, got ${show(got)}`);
  }

  // A step that throws (a handle missing, a timeout) fails that step alone
  // with its message; the next steps still run when they can.
  async step(name, fn) {
    try {
      return await fn();
    } catch (e) {
      this.failures.push(`${name}: ${e.message.split('\n').slice(0, 6).join(' | ')}`);
      return undefined;
    }
  }

  figure(name, value, unit, target, grossFactor = 3) {
    const gross = value > target * grossFactor;
    this.figures.push({ name, value, unit, target, gross });
    if (gross) this.failures.push(`${name}: ${fmt(value)} ${unit}, more than ${grossFactor}× the target ${target} ${unit}`);
  }
}

function show(v) {
  const s = JSON.stringify(v);
  return s && s.length > 400 ? s.slice(0, 400) + '…' : s;
}

export function fmt(v) {
  return Number.isInteger(v) ? String(v) : v.toFixed(v < 10 ? 2 : 0);
}

// Screenshots of each step, numbered in the order taken, for a person to
// look at: what the user sees (the viewport), not a stitched full page.
export class Shots {
  // The folder is emptied first: a picture left from an earlier run would
  // be looked at as if this run had drawn it.
  constructor(dir) {
    this.dir = dir;
    this.n = 0;
    this.perSize = new Map();
    fs.rmSync(dir, { recursive: true, force: true });
    fs.mkdirSync(dir, { recursive: true });
  }

  async take(page, size, step, { fullPage = false } = {}) {
    const k = (this.perSize.get(size) ?? 0) + 1;
    this.perSize.set(size, k);
    this.n++;
    const file = path.join(this.dir, `${size}-${String(k).padStart(2, '0')}-${step}.png`);
    await page.screenshot({ path: file, fullPage }).catch(() => {});
    return file;
  }
}
