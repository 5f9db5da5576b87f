// The job is kept in the browser's own storage on the device after every
// change, so a phone that drops the page in the background, or a tab closed
// by mistake, loses nothing: the page opens with the job as it was. Nothing
// leaves the device; "新建作业" starts afresh.

import type { Core } from './core';

const kKey = 'capset.job';

function storage(): Storage | null {
  try {
    return globalThis.localStorage ?? null;
  } catch {
    return null; // storage turned off: the page works, it only cannot keep the job
  }
}

/** Keeps the job as the core writes it; a job with nothing in it is no job to keep. */
export function keepJob(core: Core): void {
  const store = storage();
  if (!store) return;
  // job.text: the file as it would be saved, without counting as saved.
  const answer = core.call({ op: 'job.text' });
  try {
    if (answer.ok && typeof answer.text === 'string') store.setItem(kKey, answer.text);
    else store.removeItem(kKey);
  } catch {
    // Full: the last kept job stays, and the files tab still saves a file.
  }
}

/** Opens the kept job; the notice to show, or '' when there was none. */
export function restoreJob(core: Core): string {
  const store = storage();
  const text = store?.getItem(kKey);
  if (!text) return '';
  const answer = core.call({ op: 'job.open', text });
  if (answer.ok) return '已恢复上次在本机上的作业（每次修改都自动保存在本浏览器中）。';
  // Not lost either: it stays under another key, and the page starts empty.
  try {
    store!.setItem(`${kKey}.unread`, text);
    store!.removeItem(kKey);
  } catch {
    // nothing more to do
  }
  return `上次在本机上的作业未能恢复：${answer.problems?.[0]?.text ?? ''}`;
}

/** Forgets the kept job: the next load starts with an empty one. */
export function forgetJob(): void {
  try {
    storage()?.removeItem(kKey);
  } catch {
    // nothing kept
  }
}
