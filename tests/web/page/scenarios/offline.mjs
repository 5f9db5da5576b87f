// After one visit the page works with no network: the service worker serves
// every file of the site, the module loads, and a bridge still solves.
import fs from 'node:fs';
import path from 'node:path';
import { openReady, reloadReady } from '../lib/page.mjs';
import { watchErrors } from '../lib/browser.mjs';
import * as job from '../lib/job.mjs';

export async function offline({ context, size, url, server, site, native, checks, shots }) {
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

    // Every file of the site is kept, so nothing the page or its
    // installation needs later (an icon, the manifest) is missing offline.
    const kept = await page.evaluate(async () => {
      const urls = [];
      for (const name of await caches.keys()) {
        const cache = await caches.open(name);
        for (const r of await cache.keys()) urls.push(new URL(r.url).pathname);
      }
      return urls;
    });
    // The worker's own script the browser keeps apart, by its registration.
    const files = fs.readdirSync(site).filter((f) => fs.statSync(path.join(site, f)).isFile());
    const script = await page.evaluate(async () => new URL((await navigator.serviceWorker.ready).active.scriptURL).pathname.slice(1));
    checks.equal(`${tag} the service worker keeps every file of the site`,
      files.filter((f) => f !== script && !kept.includes(`/${f}`)), []);

    // Installable: the manifest the page links names the app and its icons,
    // and the icons are there.
    const manifest = await page.evaluate(async () => {
      const link = document.querySelector('link[rel="manifest"]');
      if (!link) return { error: 'no <link rel="manifest">' };
      try {
        return { body: await (await fetch(link.href)).json(), base: link.href };
      } catch (e) {
        return { error: `the manifest does not read: ${e.message}` };
      }
    });
    const m = manifest.body ?? {};
    const icons = (m.icons ?? []).map((i) => new URL(i.src, manifest.base).pathname.slice(1));
    checks.ok(`${tag} the manifest makes the page installable`, !manifest.error && m.name && m.start_url
      && m.display === 'standalone' && icons.some((_, k) => /\b(192|512)x\1\b/.test(m.icons[k].sizes ?? ''))
      && icons.every((f) => files.includes(f)), manifest.error ?? JSON.stringify(m).slice(0, 300));

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
