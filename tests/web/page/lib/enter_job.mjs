// The field job of job.mjs typed into the page through its handles, up to
// the points tab with the station and backsight set: the state a picture or
// a layout check starts from. Throws with the page's words when refused.
import { showTab, setField, press, problems } from './page.mjs';
import * as job from './job.mjs';

export async function enterJob(page) {
  const steps = [
    ['road', 'road-lines', job.road.join('\n'), 'road-apply'],
    ['profile', 'profile-lines', job.profile.join('\n'), 'profile-apply'],
    ['profile', 'section-lines', job.section.join('\n'), 'section-apply'],
  ];
  for (const [tab, field, text, apply] of steps) {
    await showTab(page, tab);
    await setField(page, field, text);
    await press(page, apply);
  }
  await showTab(page, 'bridge');
  await setField(page, 'template-name', job.templateName);
  await setField(page, 'template-lines', job.template.join('\n'));
  await press(page, 'template-apply');
  await setField(page, 'bridge-name', job.bridgeName);
  await setField(page, 'bridge-lines', job.bridge.join('\n'));
  await press(page, 'bridge-apply');
  await showTab(page, 'points');
  await setField(page, 'bent-select', job.shownBent);
  await setField(page, 'station-point', job.stationPoint);
  await setField(page, 'station-hi', job.stationHi);
  await setField(page, 'backsight-point', job.backsightPoint);
  await press(page, 'polar-apply');
  const refused = await problems(page);
  if (refused.length) throw new Error(`the job was refused: ${refused.join(' / ')}`);
}
