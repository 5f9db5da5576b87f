// A whole day's job on the page, as an engineer does it at the given size,
// each step checked against the native core's answer for the same job.
import fs from 'node:fs';
import path from 'node:path';
import * as job from '../lib/job.mjs';
import { keyPointsOf } from './native_job.mjs';
import { encodeGbk } from '../lib/gb.mjs';
import { secondsOfText, sameAngle } from '../lib/angles.mjs';
import { watchErrors } from '../lib/browser.mjs';
import { tid, settle, openReady, reloadReady, showTab, setField, press, problems, call, download,
  pageOverflow, cutCells } from '../lib/page.mjs';
import { pinch, wheelZoom, drag, planPicture, pictureDifference } from '../lib/gestures.mjs';

const METRE = 1e-6; // the replay prints metres to 6 decimals

export async function wholeJob({ context, size, url, native, checks, shots, repoRoot }) {
  const step = { name: 'open' };
  const page = await context.newPage();
  // A handle that is missing fails its step in seconds, not half a minute.
  page.setDefaultTimeout(5000);
  const errors = watchErrors(page, step);
  const foreign = [];
  page.on('request', (r) => {
    const u = r.url();
    if (!u.startsWith(url) && !u.startsWith('data:') && !u.startsWith('blob:')) foreign.push(u);
  });
  const dialogs = [];
  page.on('dialog', (d) => { dialogs.push(`${d.type()}: ${d.message()}`); d.accept().catch(() => {}); });
  const tag = `${size}:`;
  const noSideways = async (where) => {
    if (size !== 'phone') return;
    const o = await pageOverflow(page);
    checks.ok(`${tag} no sideways page scroll on ${where}`, o === null,
      o && `page ${o.width} px wide in a ${o.viewport} px screen, wide: ${o.culprits.join(', ')}`);
  };

  // A tab opens at its top whatever the one left was scrolled to: its heading in sight.
  const openTab = async (name) => {
    await showTab(page, name);
    const y = await page.evaluate(() => window.scrollY);
    checks.ok(`${tag} the ${name} tab opens at its top`, y === 0, `scrolled ${y} px down`);
  };
  // A number is shown whole or not at all, at every size: no cell of the table is cut by
  // its own box or by the table's, and none lies beyond the screen's right edge.
  const wholeNumbers = async (id, what) => {
    const cut = await cutCells(page, id);
    checks.ok(`${tag} ${what}: every number shown whole`, cut.length === 0, `${cut.length} cut: ${cut.slice(0, 4).join('; ')}`);
  };

  let readyAt;
  try {
    readyAt = await openReady(page, url);
  } catch (e) {
    // Nothing else can run; what the page logged says why it never got ready.
    await shots.take(page, size, 'never-ready');
    checks.ok(`${tag} the page gets ready`, false, `${e.message.split('\n')[0]}; the page logged: ${errors.join(' / ') || 'nothing'}`);
    await page.close();
    return { readyAt: null };
  }
  await shots.take(page, size, 'ready');
  await noSideways('the first screen');

  // The road: a bad line first, named in the problems and the road unset;
  // then mended. The phone pastes a spreadsheet's JD table, the laptop the
  // road's lines.
  await checks.step(`${tag} road refused, then mended`, async () => {
    step.name = 'road';
    await showTab(page, 'road');
    const bad = size === 'phone'
      ? job.roadTable.map((l, i) => (i + 1 === job.roadBadLine ? l.replace('4200', '42OO') : l))
      : job.roadBad;
    await setField(page, 'road-lines', bad.join('\n'));
    await press(page, 'road-apply');
    const refused = await problems(page);
    checks.ok(`${tag} the bad road line is named`, refused.some((t) => t.includes('42OO') && t.includes(String(job.roadBadLine))),
      `problems: ${JSON.stringify(refused)}`);
    checks.equal(`${tag} a refused road sets no road`, (await call(page, { op: 'state' })).road, null);
    await shots.take(page, size, 'road-refused');

    await setField(page, 'road-lines', (size === 'phone' ? job.roadTable : job.road).join('\n'));
    await press(page, 'road-apply');
    checks.equal(`${tag} the mended road has no problems`, await problems(page), []);
    const state = await call(page, { op: 'state' });
    const want = keyPointsOf(native);
    const got = (state.road?.keyPoints ?? []).map((k) => ({ name: k.name, station: k.station, x: k.x, y: k.y }));
    checks.ok(`${tag} the road's key points are the native core's`, got.length === want.length
      && got.every((k, i) => k.name === want[i].name && Math.abs(k.station - want[i].station) <= METRE
        && Math.abs(k.x - want[i].x) <= METRE && Math.abs(k.y - want[i].y) <= METRE),
      `native ${JSON.stringify(want.map((k) => k.name))}, page ${JSON.stringify(got)}`);
    const summary = await tid(page, 'road-summary').innerText();
    checks.ok(`${tag} the road summary shows where the road ends`, summary.includes(state.road.end.stationText),
      `summary: ${summary.slice(0, 200)}`);
    const range = await page.locator('header .road-line').evaluate((e) => {
      const r = e.getBoundingClientRect();
      return { text: e.textContent, whole: e.scrollWidth <= e.clientWidth + 1 && r.right <= document.documentElement.clientWidth + 1 };
    });
    checks.ok(`${tag} the header shows the road's range whole`, range.whole && !range.text.includes('…'), `"${range.text}"`);
    await shots.take(page, size, 'road');
    await noSideways('the road tab');
  });

  await checks.step(`${tag} profile and section`, async () => {
    step.name = 'profile';
    await openTab('profile');
    await setField(page, 'profile-lines', job.profile.join('\n'));
    await press(page, 'profile-apply');
    await setField(page, 'section-lines', job.section.join('\n'));
    await press(page, 'section-apply');
    checks.equal(`${tag} the profile and section have no problems`, await problems(page), []);
    const state = await call(page, { op: 'state' });
    checks.equal(`${tag} the profile is kept as typed`, state.profileLines, job.profile);
    checks.equal(`${tag} the section is kept as typed`, state.sectionLines, job.section);
    await shots.take(page, size, 'profile');
    await noSideways('the profile tab');
  });

  await checks.step(`${tag} template and bridge`, async () => {
    step.name = 'bridge';
    await openTab('bridge');
    await setField(page, 'template-name', job.templateName);
    await setField(page, 'template-lines', job.template.join('\n'));
    await press(page, 'template-apply');
    checks.equal(`${tag} the template has no problems`, await problems(page), []);
    await setField(page, 'bridge-name', job.bridgeName);
    await setField(page, 'bridge-lines', job.bridge.join('\n'));
    await press(page, 'bridge-apply');
    checks.equal(`${tag} the bridge has no problems`, await problems(page), []);
    const state = await call(page, { op: 'state' });
    checks.equal(`${tag} the job holds the bridge`, state.bridges, [job.bridgeName]);
    await shots.take(page, size, 'bridge');
    await noSideways('the bridge tab');
  });

  const shownPoints = async (what) => {
    const answer = await call(page, { op: 'bridge.points', bridge: job.bridgeName, bent: job.shownBent });
    const bent = answer.bents?.[0];
    if (!answer.ok || !bent) throw new Error(`bridge.points refused: ${JSON.stringify(answer.problems)}`);
    const rows = tid(page, 'points-table').locator('tr[data-point]');
    const names = await rows.evaluateAll((trs) => trs.map((t) => t.dataset.point));
    const wantNames = native.points.filter((p) => p.bent === job.shownBent).map((p) => p.name);
    checks.equal(`${tag} ${what}: the table lists bent ${job.shownBent}'s points`, names, wantNames);
    // One check per property over all the bent's points, naming the first
    // few that differ, so one fault reads as one line, not thirty.
    const differ = { numbers: [], texts: [], rows: [] };
    for (const p of bent.points) {
      const n = native.points.find((q) => q.bent === job.shownBent && q.name === p.name);
      if (!n) {
        differ.numbers.push(`${p.name}: not a native point`);
        continue;
      }
      if (!(near(p.x, n.x, METRE) && near(p.y, n.y, METRE) && near(p.station, n.station, METRE)
        && near(p.offset, n.offset, METRE) && (n.h === null ? p.h === null : near(p.h, n.h, METRE)))) {
        differ.numbers.push(`${p.name} page ${JSON.stringify([p.x, p.y, p.h, p.station, p.offset])}, native ${JSON.stringify([n.x, n.y, n.h, n.station, n.offset])}`);
      }
      const half = 0.0005 + METRE;
      if (!(near(+p.xText, n.x, half) && near(+p.yText, n.y, half) && (n.h === null ? p.hText === '' : near(+p.hText, n.h, half)))) {
        differ.texts.push(`${p.name} texts ${p.xText} ${p.yText} "${p.hText}"`);
      }
      const row = await tid(page, 'points-table').locator(`tr[data-point="${p.name}"]`).innerText().catch(() => '');
      const shown = [p.xText, p.yText, p.hText, p.stationText, p.offsetText].filter((t) => t !== '');
      if (!shown.every((t) => row.includes(t))) differ.rows.push(`row "${row.replace(/\s+/g, ' ')}" lacks some of ${JSON.stringify(shown)}`);
    }
    const few = (xs) => `${xs.length} differ: ${xs.slice(0, 3).join('; ')}`;
    checks.ok(`${tag} ${what}: X Y H station offset of bent ${job.shownBent} are the native core's`, !differ.numbers.length, few(differ.numbers));
    checks.ok(`${tag} ${what}: the X Y H texts round the native numbers`, !differ.texts.length, few(differ.texts));
    checks.ok(`${tag} ${what}: each row shows its point's texts`, !differ.rows.length, few(differ.rows));
    return answer;
  };

  // Where the tabs sit and whether the table and the plan share the screen:
  // a thumb reaches the bottom of a phone; a laptop has the width for both.
  const layout = async () => {
    const box = async (id) => tid(page, id).boundingBox();
    const vp = page.viewportSize();
    const tab = await box('tab-points');
    if (size === 'phone') {
      checks.ok(`${tag} the tabs sit at the bottom of the screen`, tab && tab.y + tab.height >= vp.height - 4,
        `tab-points at y ${tab?.y} to ${tab && tab.y + tab.height} on a ${vp.height} px screen`);
      checks.ok(`${tag} a tab is big enough for a finger (40 px)`, tab && tab.height >= 40 && tab.width >= 40,
        `tab-points ${tab?.width}×${tab?.height}`);
    } else {
      checks.ok(`${tag} the tabs sit at the top`, tab && tab.y < 150, `tab-points at y ${tab?.y}`);
      const [t, p] = [await box('points-table'), await box('plan')];
      checks.ok(`${tag} the points table and the plan stand side by side`,
        t && p && (p.x >= t.x + t.width - 1 || t.x >= p.x + p.width - 1) && p.y < t.y + t.height && t.y < p.y + p.height,
        `table ${JSON.stringify(t)}, plan ${JSON.stringify(p)}`);
    }
  };

  await checks.step(`${tag} points of a bent`, async () => {
    step.name = 'points';
    await openTab('points');
    await setField(page, 'bent-select', job.shownBent);
    await shownPoints('points');
    await layout();
    await wholeNumbers('points-table', 'the points');
    await shots.take(page, size, 'points');
    await shots.take(page, size, 'points-whole', { fullPage: true });
    await noSideways('the points tab');
  });

  await checks.step(`${tag} plan zoomed and panned`, async () => {
    step.name = 'plan';
    const plan = tid(page, 'plan');
    await plan.scrollIntoViewIfNeeded();
    const first = await planPicture(page, plan);
    if (size === 'phone') await pinch(page, plan, 2.5);
    else await wheelZoom(page, plan, -600);
    await settle(page);
    const zoomed = await planPicture(page, plan);
    const zoomChange = await pictureDifference(page, first, zoomed);
    checks.ok(`${tag} the plan zooms by ${size === 'phone' ? 'a two-finger pinch' : 'the wheel'}`, zoomChange > 0.01,
      `${(zoomChange * 100).toFixed(2)} % of its pixels changed`);
    await shots.take(page, size, 'plan-zoomed');
    await drag(page, plan, size === 'phone', 60, 40);
    await settle(page);
    const panned = await planPicture(page, plan);
    const panChange = await pictureDifference(page, zoomed, panned);
    checks.ok(`${tag} the plan pans by a drag`, panChange > 0.01, `${(panChange * 100).toFixed(2)} % of its pixels changed`);
    await shots.take(page, size, 'plan-panned');
    checks.ok(`${tag} a drag on the plan does not scroll the page sideways`, await page.evaluate(() => window.scrollX === 0));
    await press(page, 'plan-reset');
    const reset = await planPicture(page, plan);
    // A fit may land a fraction of a pixel off the first one: a shade on
    // the edges of lines, not a different view.
    const resetChange = await pictureDifference(page, first, reset);
    if (!checks.ok(`${tag} plan-reset brings back the first view`, resetChange < 0.01,
      `${(resetChange * 100).toFixed(2)} % of its pixels differ: see ${size}-plan-first.png and ${size}-plan-reset.png in the screenshots`)) {
      fs.writeFileSync(path.join(shots.dir, `${size}-plan-first.png`), first);
      fs.writeFileSync(path.join(shots.dir, `${size}-plan-reset.png`), reset);
    }
  });

  await checks.step(`${tag} station, backsight and polar columns`, async () => {
    step.name = 'polar';
    await setField(page, 'station-point', job.stationPoint);
    await setField(page, 'station-hi', job.stationHi);
    await setField(page, 'backsight-point', job.backsightPoint);
    await press(page, 'polar-apply');
    checks.equal(`${tag} the station and backsight have no problems`, await problems(page), []);
    const answer = await shownPoints('polar');
    checks.equal(`${tag} the points come with polar data`, answer.polar, true);
    const differ = { distance: [], azimuth: [], dH: [], rows: [] };
    for (const p of answer.bents[0].points) {
      const n = native.polar.find((q) => q.name === p.name);
      if (!n) {
        differ.distance.push(`${p.name}: no native polar line`);
        continue;
      }
      if (p.distanceText !== n.distance) differ.distance.push(`${p.name} page ${p.distanceText}, native ${n.distance}`);
      // The station's coordinates went to the script rounded to a micrometre:
      // its height differences may differ by one in their last digit.
      const nh = native.polarWithHeight?.find((q) => q.name === p.name);
      if (!nh || nh.dH === null || !(Math.abs(+p.dHText - +nh.dH) <= 0.0011) || p.dHText === '') {
        differ.dH.push(`${p.name} page "${p.dHText}", native ${nh?.dH}`);
      }
      // The native core packs to a tenth of a second, the page may show whole seconds.
      if (!sameAngle(secondsOfText(p.azimuthText), secondsOfText(n.azimuth), 0.51)) {
        differ.azimuth.push(`${p.name} page ${p.azimuthText}, native ${n.azimuth}`);
      }
      if (!sameAngle(secondsOfText(p.turnText), secondsOfText(n.angle), 0.51)) {
        differ.azimuth.push(`${p.name} turn: page ${p.turnText}, native ${n.angle}`);
      }
      const row = await tid(page, 'points-table').locator(`tr[data-point="${p.name}"]`).innerText().catch(() => '');
      if (!(row.includes(p.azimuthText) && row.includes(p.distanceText))) differ.rows.push(`row "${row.replace(/\s+/g, ' ')}"`);
    }
    const few = (xs) => `${xs.length} differ: ${xs.slice(0, 3).join('; ')}`;
    checks.ok(`${tag} polar distances are the native core's`, !differ.distance.length, few(differ.distance));
    checks.ok(`${tag} polar azimuths and turn angles are the native core's`, !differ.azimuth.length, few(differ.azimuth));
    checks.ok(`${tag} height differences from the station are the native core's`, !differ.dH.length, few(differ.dH));
    checks.ok(`${tag} each row shows azimuth and distance`, !differ.rows.length, few(differ.rows));
    await wholeNumbers('points-table', 'the points with polar data');
    const marked = await tid(page, 'plan').evaluate((el) => [...el.querySelectorAll('text')].map((t) => t.textContent));
    checks.ok(`${tag} the plan marks the station and the backsight`,
      marked.includes(`测站 ${job.stationPoint}`) && marked.includes(`后视 ${job.backsightPoint}`), `names drawn: ${marked.join(' ')}`);
    await shots.take(page, size, 'polar');
    await shots.take(page, size, 'polar-whole', { fullPage: true });
    await noSideways('the points with polar columns');
  });

  await checks.step(`${tag} check of measured points`, async () => {
    step.name = 'check';
    await openTab('check');
    // Three piles of bent 3 as measured: one on the mark, one 4 mm off,
    // one 50 mm off (over a 10 mm limit).
    const pts = native.points.filter((p) => p.bent === job.shownBent);
    const on = pts.find((p) => p.item === 'Z1');
    const near = pts.find((p) => p.item === 'Z2');
    const over = pts.find((p) => p.item === 'T1');
    const text = [
      `m1 ${on.x.toFixed(4)} ${on.y.toFixed(4)}`,
      `m2 ${(near.x + 0.004).toFixed(4)} ${near.y.toFixed(4)}`,
      `m3 ${(over.x + 0.03).toFixed(4)} ${(over.y + 0.04).toFixed(4)}`,
    ].join('\n');
    await setField(page, 'check-text', text);
    // The check's limits are typed in millimetres, as the desktop's check
    // dialog takes them.
    await setField(page, 'check-tolerance', '10');
    await press(page, 'check-run');
    checks.equal(`${tag} the check has no problems`, await problems(page), []);
    const answer = await call(page, { op: 'check.run', text, tolerance: 10 });
    checks.equal(`${tag} the check flags only m3 over`, (answer.rows ?? []).map((r) => `${r.name}:${r.flag}`),
      ['m1:ok', 'm2:ok', 'm3:over']);
    const rows = tid(page, 'check-rows').locator('tr[data-point]');
    checks.equal(`${tag} the check lists the three points`, await rows.evaluateAll((t) => t.map((r) => r.dataset.point)),
      ['m1', 'm2', 'm3']);
    const m3 = answer.rows?.find((r) => r.name === 'm3');
    if (m3?.distanceText) {
      const row = await tid(page, 'check-rows').locator('tr[data-point="m3"]').innerText();
      checks.ok(`${tag} m3's row shows how far it is off`, row.includes(m3.distanceText), `row "${row}"`);
    }
    const look = (name) => tid(page, 'check-rows').locator(`tr[data-point="${name}"]`).evaluate((tr) => {
      const cells = [tr, ...tr.querySelectorAll('td')].map((e) => getComputedStyle(e));
      return cells.map((c) => `${c.color} ${c.backgroundColor} ${c.fontWeight}`).join('|');
    });
    const verdict = (name) => tid(page, 'check-rows').locator(`tr[data-point="${name}"] td`).last().innerText();
    checks.ok(`${tag} the rows' verdicts follow the core's flags`, (await verdict('m1')) === (await verdict('m2'))
      && (await verdict('m1')) !== (await verdict('m3')),
      `m1 "${await verdict('m1')}", m2 "${await verdict('m2')}", m3 "${await verdict('m3')}"`);
    checks.ok(`${tag} the point over the limit stands out from those within it`, (await look('m3')) !== (await look('m1')),
      'm3\'s row is drawn as m1\'s');
    checks.ok(`${tag} the check's summary is shown`, (await tid(page, 'check-summary').innerText()).trim() !== '');
    await wholeNumbers('check-rows', 'the check');
    await shots.take(page, size, 'check');
    await noSideways('the check tab');
    // Away and back: the table is there again, made against the job as it stands.
    await showTab(page, 'files');
    await openTab('check');
    checks.equal(`${tag} the check's rows are back after another tab`,
      await rows.evaluateAll((t) => t.map((r) => r.dataset.point)), ['m1', 'm2', 'm3']);
  });

  let saved = null;
  let stateBefore = null;
  await checks.step(`${tag} job saved`, async () => {
    step.name = 'files';
    await showTab(page, 'files');
    await shots.take(page, size, 'files');
    await noSideways('the files tab');
    const want = await call(page, { op: 'job.save' });
    saved = await download(page, 'job-save');
    checks.equal(`${tag} the saved job is job.save's text`, saved.bytes.toString('utf8'), want.text);
    checks.equal(`${tag} the saved job's name`, saved.name, want.fileName);
    stateBefore = await call(page, { op: 'state' });
  });
  for (const [id, file] of [['export-dat', '/job.dat'], ['export-csv', '/job.csv'], ['export-gsi', '/job.gsi'],
    ['export-pnezd', '/job.txt']]) {
    await checks.step(`${tag} ${id}`, async () => {
      const got = await download(page, id);
      const nat = native.files.get(file);
      checks.ok(`${tag} ${id} is byte for byte the native core's export`, nat && got.bytes.equals(nat),
        nat ? `first difference at byte ${firstDifference(got.bytes, nat)} of ${nat.length} (${got.bytes.length} downloaded)` : 'no native file');
    });
  }

  await checks.step(`${tag} the saved job opened after a reload`, async () => {
    step.name = 'reopen';
    if (!saved) throw new Error('nothing was saved to open');
    await reloadReady(page);
    await showTab(page, 'files');
    // A file cut short (a copy broken off on the way) is refused, saying
    // why, and leaves the page's job as it was.
    const untouched = await call(page, { op: 'state' });
    await tid(page, 'job-open').setInputFiles({ name: 'cut.capjob', mimeType: 'application/json',
      buffer: saved.bytes.subarray(0, Math.floor(saved.bytes.length / 2)) });
    await page.waitForFunction(() => document.querySelectorAll('[data-testid="problems"] li').length > 0, null, { timeout: 5000 })
      .catch(() => {});
    const refused = await problems(page);
    checks.ok(`${tag} a job file cut short is refused, saying why`, refused.length > 0, 'no problem shown');
    checks.ok(`${tag} the refusal says the page's job is unchanged`, refused.some((t) => t.includes('页面中的作业没有改变')),
      `problems: ${JSON.stringify(refused)}`);
    checks.equal(`${tag} a refused job file changes nothing`, jobContent(await call(page, { op: 'state' })), jobContent(untouched));
    await shots.take(page, size, 'job-refused');
    await tid(page, 'job-open').setInputFiles({ name: saved.name, mimeType: 'application/json', buffer: saved.bytes });
    await settle(page);
    await page.waitForFunction((n) => window.capset.call({ op: 'state' }).bridges?.includes(n), job.bridgeName, { timeout: 5000 })
      .catch(async () => { throw new Error(`the bridge is not back after the file; the page says: ${(await problems(page)).join(' / ')}`); });
    checks.equal(`${tag} the opened job has no problems`, await problems(page), []);
    const after = await call(page, { op: 'state' });
    checks.equal(`${tag} the opened job is the saved one`, jobContent(after), jobContent(stateBefore));
    await openTab('points');
    await setField(page, 'bent-select', job.shownBent);
    await shownPoints('reopened');
    await shots.take(page, size, 'reopened');
  });

  // The phone opens the file as Chinese survey software often writes it,
  // in GB2312 bytes with its declaration saying so; the laptop as UTF-8.
  await checks.step(`${tag} LandXML opened`, async () => {
    step.name = 'landxml';
    await showTab(page, 'road');
    const utf8 = fs.readFileSync(path.join(repoRoot, 'tests/data/landxml/profile_metres.xml'), 'utf8');
    const file = size === 'phone'
      ? { name: 'profile_gb2312.xml', mimeType: 'application/xml',
        buffer: encodeGbk(utf8.replace('encoding="UTF-8"', 'encoding="GB2312"')) }
      : { name: 'profile_metres.xml', mimeType: 'application/xml', buffer: Buffer.from(utf8) };
    await tid(page, 'road-landxml').setInputFiles(file);
    await page.waitForFunction(() => window.capset.call({ op: 'state' }).road?.start?.station === 4800, null, { timeout: 5000 })
      .catch(async () => { throw new Error(`no road from K4+800 after the file; the page says: ${(await problems(page)).join(' / ')}`); });
    checks.equal(`${tag} the LandXML file has no problems`, await problems(page), []);
    const state = await call(page, { op: 'state' });
    checks.ok(`${tag} the LandXML profile is read with its road`, Array.isArray(state.profileLines) && state.profileLines.length > 0);
    const said = await tid(page, 'notices').innerText().catch(() => '');
    checks.ok(`${tag} the ${size === 'phone' ? 'GB2312' : 'UTF-8'} file's Chinese names read right`, said.includes('设计线'),
      `notices: ${said.slice(0, 200)}`);
    const summary = await tid(page, 'road-summary').innerText();
    checks.ok(`${tag} the summary shows the LandXML road's start`, summary.includes(state.road.start.stationText),
      `summary: ${summary.slice(0, 200)}`);
    await shots.take(page, size, 'landxml');
  });

  checks.equal(`${tag} no console errors`, errors, []);
  checks.equal(`${tag} nothing fetched from outside the site`, foreign, []);
  if (dialogs.length) checks.figures.push({ note: `${tag} dialogs accepted: ${dialogs.join(' / ')}` });
  await page.close();
  return { readyAt };
}

const near = (a, b, tol) => typeof a === 'number' && Math.abs(a - b) <= tol;

// What a job holds, apart from how the page came by it (its file's name,
// whether it is saved, what the core said on the way).
function jobContent(state) {
  const s = state ?? {};
  const keep = ['ok', 'road', 'profileLines', 'sectionLines', 'templates', 'bridges', 'station', 'backsight'];
  return Object.fromEntries(keep.map((k) => [k, s[k]]));
}

function firstDifference(a, b) {
  const n = Math.min(a.length, b.length);
  for (let i = 0; i < n; i++) if (a[i] !== b[i]) return i;
  return n;
}

