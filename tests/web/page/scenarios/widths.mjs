// The tables at the widths between a phone and a wide laptop (a tablet in
// landscape or upright, a 1280×800 laptop), where a table beside the plan has less room
// than the screen suggests: every number whole at each width, a table only
// when it fits, and the layout following the window as it is resized. Then,
// on a phone, the switch at the top of the points tab that reaches the plan
// past every point's card.
import { watchErrors } from '../lib/browser.mjs';
import { enterJob } from '../lib/enter_job.mjs';
import * as job from '../lib/job.mjs';
import { tid, settle, openReady, showTab, setField, press, problems, call, cutCells, tableLayout, pageOverflow } from '../lib/page.mjs';

// Widest first: each narrower one is reached by resizing the same window,
// and the last goes back to the first to see the table come back.
const WIDTHS = [
  { width: 1366, height: 768 },
  { width: 1280, height: 800 },
  { width: 1024, height: 768 },
  // A tablet held upright: one column with the tabs at the bottom, the tables the width of the screen.
  { width: 800, height: 1280 },
  { width: 1366, height: 768 },
];

// The check's table lives while its tab is open: it is run again on each visit.
const TABLES = [
  { tab: 'points', id: 'points-table', what: 'the points with polar columns', rows: 13 },
  { tab: 'check', id: 'check-rows', what: 'the check', rows: 3, run: 'check-run' },
];

// Three piles of the shown bent as measured, one far off, from the page's own points.
async function runCheck(page) {
  const answer = await call(page, { op: 'bridge.points', bridge: job.bridgeName, bent: job.shownBent });
  const pts = answer.bents?.[0]?.points ?? [];
  if (pts.length < 3) throw new Error(`bent ${job.shownBent} has ${pts.length} points`);
  const text = pts.slice(0, 3).map((p, i) => `m${i + 1} ${(p.x + (i === 2 ? 0.03 : 0)).toFixed(4)} ${p.y.toFixed(4)}`).join('\n');
  await showTab(page, 'check');
  await setField(page, 'check-text', text);
  await setField(page, 'check-tolerance', '10');
  await press(page, 'check-run');
  const refused = await problems(page);
  if (refused.length) throw new Error(`the check was refused: ${refused.join(' / ')}`);
}

// A page of the job entered, its errors watched under the step's name.
async function jobPage(context, url, checks, step) {
  const page = await context.newPage();
  // A handle that is missing fails its step in seconds, not half a minute.
  page.setDefaultTimeout(5000);
  const errors = watchErrors(page, step);
  await openReady(page, url);
  await checks.step(`${step.name}: the job entered`, () => enterJob(page));
  return { page, errors };
}

export async function widths({ context, url, checks, shots }) {
  const step = { name: 'widths' };
  const { page, errors } = await jobPage(context, url, checks, step);
  await checks.step('widths: the check run', () => runCheck(page));
  const seen = [];
  for (const [i, size] of WIDTHS.entries()) {
    const tag = `${size.width}×${size.height}${i ? ' (resized)' : ''}:`;
    step.name = tag;
    await page.setViewportSize(size);
    // The box's new width is measured in the frame after the resize.
    await settle(page);
    await settle(page);
    for (const t of TABLES) {
      await checks.step(`${tag} ${t.what}`, async () => {
        await showTab(page, t.tab);
        if (t.run) await press(page, t.run);
        // An empty table would pass every check below.
        checks.equal(`${tag} ${t.what}: its rows are shown`, await tid(page, t.id).locator('tr[data-point]').count(), t.rows);
        const cut = await cutCells(page, t.id);
        checks.ok(`${tag} ${t.what}: every number shown whole`, cut.length === 0, `${cut.length} cut: ${cut.slice(0, 4).join('; ')}`);
        // A table that is shown as cards must be one that would not fit.
        const layout = await tableLayout(page, t.id);
        const room = await tid(page, t.id).evaluate((table) => table.closest('.table-box').clientWidth);
        if (layout === 'cards') {
          const natural = await tid(page, t.id).evaluate((table) => {
            const box = table.closest('.table-box');
            const was = box.dataset.layout;
            box.dataset.layout = 'table';
            const w = table.getBoundingClientRect().width;
            box.dataset.layout = was;
            return { box: box.clientWidth, table: w };
          });
          checks.ok(`${tag} ${t.what}: cards only when the table would not fit`, natural.table > natural.box + 0.5,
            `a ${natural.table} px table shown as cards in a ${natural.box} px box`);
        }
        const o = await pageOverflow(page);
        checks.ok(`${tag} no sideways page scroll on the ${t.tab} tab`, o === null, o && `page ${o.width} px wide in ${o.viewport} px`);
        seen.push(`${size.width} ${t.id} ${layout} (box ${room} px)`);
        await shots.take(page, `w${size.width}`, `${t.tab}-${layout}`);
      });
    }
  }
  // The same window narrowed and widened again: the points change layout
  // with it, as a table where there is room and as cards where not.
  const layouts = seen.filter((s) => s.includes('points-table')).map((s) => s.split(' ')[2]);
  checks.ok('widths: the points follow the window as it narrows and widens',
    layouts[0] === layouts[layouts.length - 1] && layouts.includes('cards'), seen.join('; '));
  checks.equal('widths: no errors in the page', errors, []);
  await page.close();
  return seen;
}

// On a phone the plan lies below every card of the bent: the switch at the
// top of the points tab reaches it, and the cards and the station, from anywhere.
export async function phoneJump({ context, url, checks, shots }) {
  const step = { name: 'phone jump' };
  const { page, errors } = await jobPage(context, url, checks, step);
  await checks.step('phone: the points tab\'s switch', async () => {
    await page.evaluate(() => window.scrollTo(0, 0));
    await settle(page);
    const vp = page.viewportSize();
    const inSight = async (id, what) => {
      const bar = await tid(page, 'points-jump').boundingBox();
      const b = await tid(page, id).boundingBox();
      checks.ok(`phone: the switch stays at the top of the screen (${what})`, bar && bar.y >= -1 && bar.y <= 1, `switch at y ${bar?.y}`);
      // Its top between the switch and the tabs at the bottom (64 px), with room to read on.
      checks.ok(`phone: ${what} comes into sight below the switch`, b && bar && b.y >= bar.y + bar.height - 1
        && b.y + Math.min(b.height, 200) <= vp.height - 64,
        `${id} at y ${b?.y}–${b && b.y + b.height} under a switch ending at ${bar && bar.y + bar.height}`);
    };
    await press(page, 'jump-plan');
    await inSight('plan', 'the plan');
    await shots.take(page, 'phone-jump', 'plan');
    await press(page, 'jump-polar');
    await inSight('station-point', 'the station');
    await press(page, 'jump-points');
    await inSight('points-table', 'the points\' table');
    await shots.take(page, 'phone-jump', 'points');
    // A point tapped in the plan: 点表 goes to its card, not the top of the table, however
    // far down the bent's cards it lies.
    await press(page, 'jump-plan');
    const dot = await tid(page, 'plan').evaluate((el) => {
      const on = [...el.querySelectorAll('circle.pt.on')];
      const r = on[on.length - 1]?.getBoundingClientRect();
      return r ? { x: r.x + r.width / 2, y: r.y + r.height / 2 } : null;
    });
    if (!dot) throw new Error('the plan draws no point of the chosen bent');
    await page.touchscreen.tap(dot.x, dot.y);
    await settle(page);
    const picked = await tid(page, 'points-table').evaluate((t) => t.querySelector('tr.picked')?.dataset.point ?? null);
    if (!picked) throw new Error('a tap on a point of the plan marked no row');
    await press(page, 'jump-points');
    const row = await tid(page, 'points-table').locator(`tr[data-point="${picked}"]`).boundingBox();
    const bar = await tid(page, 'points-jump').boundingBox();
    checks.ok(`phone: 点表 brings the card of the point tapped in the plan (${picked}) into sight`,
      row && bar && row.y >= bar.y + bar.height - 1 && row.y + row.height <= vp.height - 64,
      `its card at y ${row?.y}–${row && row.y + row.height} under a switch ending at ${bar && bar.y + bar.height}`);
    await shots.take(page, 'phone-jump', 'picked-card');
  });
  checks.equal('phone: no errors in the page while jumping', errors, []);
  await page.close();
}
