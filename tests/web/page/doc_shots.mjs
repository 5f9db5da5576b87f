// The README's two pictures of the page (docs/web_phone.png, docs/web_laptop.png):
// the field job of lib/job.mjs set through the page's interface, the points
// tab with the station and backsight set, at a phone's and a laptop's size.
//
//   node tests/web/page/doc_shots.mjs [--site build-web/site] [--out docs]
import fs from 'node:fs';
import path from 'node:path';
import { serveSite } from './lib/serve.mjs';
import { openContext } from './lib/browser.mjs';
import { openReady, settle } from './lib/page.mjs';
import { enterJob } from './lib/enter_job.mjs';

const arg = (name, fallback) => {
  const i = process.argv.indexOf(name);
  return i > 0 ? process.argv[i + 1] : fallback;
};
const site = arg('--site', 'build-web/site');
const out = arg('--out', 'docs');
if (!fs.existsSync(path.join(site, 'index.html'))) {
  console.error(`doc_shots: no page in ${site}: build it first (bash scripts/web --no-serve)`);
  process.exit(2);
}

const server = await serveSite(site);
try {
  for (const size of ['phone', 'laptop']) {
    const { context, close } = await openContext(size);
    try {
      const page = await context.newPage();
      await openReady(page, server.url);
      await enterJob(page);
      await page.evaluate(() => window.scrollTo(0, 0));
      await settle(page);
      const file = path.join(out, `web_${size}.png`);
      await page.screenshot({ path: file, scale: 'css' });
      console.log(`doc_shots: ${file}`);
    } finally {
      await close();
    }
  }
} finally {
  await server.close();
}
