import { test } from 'node:test';
import assert from 'node:assert/strict';
import type { Answer } from '../src/answers';
import { forgetJob, keepJob, restoreJob } from '../src/keep';

class MemoryStorage {
  items = new Map<string, string>();
  full = false;
  getItem(k: string) {
    return this.items.get(k) ?? null;
  }
  setItem(k: string, v: string) {
    if (this.full) throw new Error('QuotaExceededError');
    this.items.set(k, v);
  }
  removeItem(k: string) {
    this.items.delete(k);
  }
}

function withStorage(): MemoryStorage {
  const s = new MemoryStorage();
  (globalThis as { localStorage?: unknown }).localStorage = s;
  return s;
}

const core = (answers: Record<string, Answer>) => ({ call: (r: Record<string, unknown>) => answers[String(r.op)] });

test('a change keeps the job; a job with nothing in it is kept no more', () => {
  const s = withStorage();
  keepJob(core({ 'job.text': { ok: true, text: '{"job":1}' } }));
  assert.equal(s.getItem('capset.job'), '{"job":1}');
  keepJob(core({ 'job.text': { ok: false, problems: [{ line: 0, text: '没有可保存的内容。' }] } }));
  assert.equal(s.getItem('capset.job'), null);
});

test('storage full: the last kept job stays as it was', () => {
  const s = withStorage();
  s.setItem('capset.job', 'old');
  s.full = true;
  keepJob(core({ 'job.text': { ok: true, text: 'new' } }));
  assert.equal(s.getItem('capset.job'), 'old');
});

test('the kept job opens at the start, with a notice', () => {
  withStorage().setItem('capset.job', 'kept');
  let opened = '';
  const notice = restoreJob({ call: (r) => ((opened = String(r.text)), { ok: true }) });
  assert.equal(opened, 'kept');
  assert.match(notice, /恢复/);
});

test('a kept job the core refuses is set aside, not lost, and the page starts empty', () => {
  const s = withStorage();
  s.setItem('capset.job', 'broken');
  const notice = restoreJob(core({ 'job.open': { ok: false, problems: [{ line: 3, text: '版本不对。' }] } }));
  assert.equal(s.getItem('capset.job'), null);
  assert.equal(s.getItem('capset.job.unread'), 'broken');
  assert.match(notice, /未能恢复：版本不对/);
});

test('nothing kept, nothing said; a new job forgets the kept one', () => {
  const s = withStorage();
  assert.equal(restoreJob(core({})), '');
  s.setItem('capset.job', 'x');
  forgetJob();
  assert.equal(s.getItem('capset.job'), null);
});
