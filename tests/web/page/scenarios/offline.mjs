// After one visit the page works with no network: the service worker serves
// every file of the site, the module loads, and a bridge still solves.
import { openReady, reloadReady, call } from '../lib/page.mjs';
import { watchErrors } from '../lib/browser.mjs';
import * as job from '../lib/job.mjs';

export async function offline({ context, size, url, server, native, checks, shots }) {
  const tag = `${size} offline:`;
  const step = { name: 'offline' };
  const page = await context.newPage();
  page.setDefaultTimeout(5000);
  const errors = watchErrors(page, step);
  try {
    await openReady(page, url);
    const registered = await page.evaluate(async () => {
      if (!('serviceWorker' in navigator)) return 'no service worker support';
      const reg = await Promise.race([navigator.serviceWorker.ready,
        new Promise((r) => setTimeout(() => r(null), 10000))]);
      return reg ? 'ready' : 'no service worker became ready in 10 s';
    });
    if (!checks.ok(`${tag} a service worker is registered`, registered === 'ready', registered)) return;
    // It takes the page over on its first visit (clients.claim), or on the
    // next load at the latest.
    const claimed = await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 5000 })
      .then(() => true, () => false);
    if (!claimed) checks.figures.push({ note: `${tag} the service worker took the page only after a reload` });
    await reloadReady(page);
    checks.ok(`${tag} the service worker controls the page`, await page.evaluate(() => navigator.serviceWorker.controller !== null));

    server.setDown(true);
    await context.setOffline(true);
    const before = server.state.requests.length;
    const readyAt = await reloadReady(page);
    checks.ok(`${tag} the page is ready again offline`, readyAt !== null);
    checks.equal(`${tag} offline, nothing reached the server`, server.state.requests.length, before);
    const answers = await page.evaluate((reqs) => reqs.map((r) => window.capset.call(r)), [
      { op: 'road.set', lines: job.road },
      { op: 'template.set', name: job.templateName, lines: job.template },
      { op: 'bridge.set', name: job.bridgeName, lines: job.bridge },
      { op: 'bridge.points', bridge: job.bridgeName },
    ]);
    checks.equal(`${tag} every call answers ok`, answers.map((a) => a.ok), [true, true, true, true]);
    const names = (answers[3].bents ?? []).flatMap((b) => b.points.map((p) => p.name));
    const want = native.points.map((p) => p.name);
    checks.equal(`${tag} the bridge solves to the native core's points`, names, want);
    await shots.take(page, size, 'offline');
    checks.equal(`${tag} no console errors`, errors, []);
  } finally {
    await context.setOffline(false);
    server.setDown(false);
    await page.close();
  }
}
