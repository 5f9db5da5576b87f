// Debian's Chromium driven by playwright-core: never a downloaded browser.
// Each context gets a fresh profile folder, so a first load is truly cold
// (no service worker, no HTTP cache) and no run sees another's storage.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { chromium } from 'playwright-core';

export const CHROMIUM = process.env.CAPSET_CHROMIUM || '/usr/bin/chromium';

// No network of Chromium's own (updates, sync, QUIC probes): the only
// requests in a run are the page's, which the offline check relies on.
const ARGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export const SIZES = {
  phone: { viewport: { width: 360, height: 740 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2 },
  laptop: { viewport: { width: 1366, height: 768 }, isMobile: false, hasTouch: false, deviceScaleFactor: 1 },
};

export async function openContext(size, { locale = 'zh-CN' } = {}) {
  if (!fs.existsSync(CHROMIUM)) {
    throw new Error(`no Chromium at ${CHROMIUM}: install Debian's package (apt-get install chromium)`);
  }
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'capset-chromium-'));
  const context = await chromium.launchPersistentContext(dir, {
    executablePath: CHROMIUM,
    headless: true,
    args: ARGS,
    ...SIZES[size],
    locale,
    acceptDownloads: true,
    serviceWorkers: 'allow',
  });
  const close = async () => {
    await context.close().catch(() => {});
    fs.rmSync(dir, { recursive: true, force: true });
  };
  return { context, close };
}

// Records when body gets data-ready="1", in the page's own clock (from
// navigation start), so the ready time has no polling delay in it.
export const READY_PROBE = `
  (() => {
    const seen = () => {
      if (document.body && document.body.dataset.ready === '1' && window.__capsetReadyAt === undefined) {
        window.__capsetReadyAt = performance.now();
      }
    };
    new MutationObserver(seen).observe(document, { subtree: true, attributes: true, childList: true,
      attributeFilter: ['data-ready'] });
  })();`;

// Every console error and uncaught exception of a page, with where it
// happened, so a run can fail on them and say which step made them.
export function watchErrors(page, step) {
  const errors = [];
  page.on('console', (m) => {
    if (m.type() === 'error') errors.push(`[${step.name}] console: ${m.text()} ${m.location()?.url ?? ''}`);
  });
  page.on('pageerror', (e) => errors.push(`[${step.name}] exception: ${e.message}`));
  return errors;
}
