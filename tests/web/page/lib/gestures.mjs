// Touch and mouse gestures on the plan. A pinch needs two fingers at once,
// which playwright's touchscreen cannot do: it goes to Chromium as raw touch
// events over the DevTools protocol, as a phone's screen would send them.

async function centreOf(locator) {
  const box = await locator.boundingBox();
  if (!box) throw new Error('the plan is not on the screen');
  return { x: box.x + box.width / 2, y: box.y + box.height / 2, box };
}

async function touch(cdp, type, points) {
  await cdp.send('Input.dispatchTouchEvent', {
    type,
    touchPoints: points.map(([x, y], id) => ({ x, y, id, radiusX: 2, radiusY: 2, force: 1 })),
  });
}

// Two fingers from close together to `factor` times as far apart.
export async function pinch(page, locator, factor, steps = 10) {
  const { x, y, box } = await centreOf(locator);
  const cdp = await page.context().newCDPSession(page);
  const start = Math.min(box.width, box.height) / 8;
  const at = (d) => [[x - d, y], [x + d, y]];
  await touch(cdp, 'touchStart', at(start));
  for (let i = 1; i <= steps; i++) {
    await touch(cdp, 'touchMove', at(start * (1 + ((factor - 1) * i) / steps)));
  }
  await touch(cdp, 'touchEnd', []);
  await cdp.detach();
}

export async function wheelZoom(page, locator, deltaY) {
  const { x, y } = await centreOf(locator);
  await page.mouse.move(x, y);
  for (let i = 0; i < 3; i++) await page.mouse.wheel(0, deltaY / 3);
}

// One finger (or the mouse button) dragged by dx, dy in steps.
export async function drag(page, locator, byTouch, dx, dy, steps = 8) {
  const { x, y } = await centreOf(locator);
  if (byTouch) {
    const cdp = await page.context().newCDPSession(page);
    await touch(cdp, 'touchStart', [[x, y]]);
    for (let i = 1; i <= steps; i++) await touch(cdp, 'touchMove', [[x + (dx * i) / steps, y + (dy * i) / steps]]);
    await touch(cdp, 'touchEnd', []);
    await cdp.detach();
  } else {
    await page.mouse.move(x, y);
    await page.mouse.down();
    await page.mouse.move(x + dx, y + dy, { steps });
    await page.mouse.up();
  }
}

// The plan as drawn: whatever it is made of (canvas or svg), a change of
// view changes its pixels.
export async function planPicture(locator) {
  return locator.screenshot({ animations: 'disabled' });
}
