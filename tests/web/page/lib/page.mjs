// The page through its stable handles (data-testid) alone, so the tests do
// not break when the page's markup or styling changes.
import { READY_PROBE } from './browser.mjs';

export const tid = (page, id) => page.getByTestId(id);

export async function settle(page) {
  // Two frames: the click's handler has run and its render is painted.
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(() => r()))));
}

export async function openReady(page, url, { timeout = 20000 } = {}) {
  await page.addInitScript(READY_PROBE);
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForSelector('body[data-ready="1"]', { timeout, state: 'attached' });
  return page.evaluate(() => window.__capsetReadyAt ?? null);
}

export async function reloadReady(page, { timeout = 20000 } = {}) {
  await page.reload({ waitUntil: 'load' });
  await page.waitForSelector('body[data-ready="1"]', { timeout, state: 'attached' });
  return page.evaluate(() => window.__capsetReadyAt ?? null);
}

export async function showTab(page, name) {
  await tid(page, `tab-${name}`).click();
  await settle(page);
}

// A field by its handle whatever it is: a select gets the option whose value
// or text is the wanted one (or whose text starts with it followed by a
// blank, as "3 K1+720"), anything else is filled.
export async function setField(page, id, value) {
  const el = tid(page, id);
  const tag = await el.evaluate((e) => e.tagName);
  if (tag === 'SELECT') {
    const chosen = await el.evaluate((e, want) => {
      const opts = [...e.options];
      const o = opts.find((x) => x.value === want) ?? opts.find((x) => x.text.trim() === want)
        ?? opts.find((x) => x.text.trim().startsWith(want + ' '));
      return o ? o.value : null;
    }, value);
    if (chosen === null) {
      const have = await el.evaluate((e) => [...e.options].map((o) => o.text.trim()));
      throw new Error(`${id} has no option "${value}" (it has: ${have.join(', ')})`);
    }
    await el.selectOption(chosen);
  } else {
    await el.fill(value);
  }
  await settle(page);
}

export async function press(page, id) {
  await tid(page, id).click();
  await settle(page);
}

export async function problems(page) {
  return tid(page, 'problems').locator('li').allInnerTexts();
}

export async function call(page, request) {
  return page.evaluate((r) => window.capset.call(r), request);
}

// A download a click starts, read back whole. When none comes, the error
// says which button and what the page reported instead.
export async function download(page, id) {
  const fs = await import('node:fs');
  let dl;
  // A refusal shows at once: waiting the whole timeout for a download that
  // will not come would only slow the run.
  const refusedBefore = await tid(page, 'problems').locator('li').count().catch(() => 0);
  try {
    const coming = page.waitForEvent('download', { timeout: 10000 });
    const refused = refusedBefore ? new Promise(() => {}) : tid(page, 'problems').locator('li').first()
      .waitFor({ timeout: 10000 }).then(() => null, () => null);
    await tid(page, id).click();
    dl = await Promise.race([coming, refused]);
    coming.catch(() => {});
    if (!dl) throw new Error('refused');
  } catch (e) {
    const said = await problems(page).catch(() => []);
    throw new Error(`${id} gave no download${said.length ? `; the page says: ${said.join(' / ')}` : ''} (${e.message.split('\n')[0]})`);
  }
  const failure = await dl.failure();
  if (failure) throw new Error(`the download of ${id} failed: ${failure}`);
  return { name: dl.suggestedFilename(), bytes: fs.readFileSync(await dl.path()) };
}

// Wider than the screen: the phone would scroll the whole page sideways,
// which hides half of every row.
export async function pageOverflow(page) {
  return page.evaluate(() => {
    const w = window.innerWidth;
    const doc = document.documentElement;
    const wide = Math.max(doc.scrollWidth, document.body.scrollWidth);
    if (wide <= w) return null;
    const culprits = [...document.body.querySelectorAll('*')]
      .filter((e) => e.getBoundingClientRect().right > w + 1)
      .filter((e) => !e.parentElement || e.parentElement.getBoundingClientRect().right <= w + 1)
      .slice(0, 5)
      .map((e) => `${e.tagName.toLowerCase()}${e.dataset.testid ? `[data-testid=${e.dataset.testid}]` : ''}${e.className && typeof e.className === 'string' ? '.' + e.className.split(' ')[0] : ''}`);
    return { width: wide, viewport: w, culprits };
  });
}

// The cells of a table whose text a user cannot read whole at any size: cut
// by their own box, by the box the table stands in (scrolled out of it), or
// beyond the screen's right edge. Each as its text and where it lies.
export async function cutCells(page, id) {
  return tid(page, id).evaluate((table) => {
    const boxOf = (e) => e.getBoundingClientRect();
    const holder = table.closest('.table-box') ?? table.parentElement;
    const hold = boxOf(holder);
    const bad = [];
    for (const td of table.querySelectorAll('td')) {
      const text = td.textContent.trim();
      if (!text || td.offsetParent === null) continue;
      const r = boxOf(td);
      if (td.scrollWidth > td.clientWidth + 1 || r.left < hold.left - 1 || r.right > hold.right + 1
        || r.right > document.documentElement.clientWidth + 1) bad.push(`"${text}" at ${Math.round(r.left)}–${Math.round(r.right)}`);
    }
    return bad;
  });
}

// Whether a table is shown as a table (its headings in sight) or as cards.
export async function tableLayout(page, id) {
  return tid(page, id).evaluate((t) => (getComputedStyle(t.querySelector('thead')).display === 'none' ? 'cards' : 'table'));
}
