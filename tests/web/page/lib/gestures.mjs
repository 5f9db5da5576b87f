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
// view changes its pixels. The pointer is moved off it and nothing keeps
// the focus first, so a hover or focus ring is not taken for a new view.
// A plan that eases into its new view or draws on the next frame is
// pictured once two pictures in a row agree.
export async function planPicture(page, locator) {
  await page.mouse.move(0, 0);
  await page.evaluate(() => document.activeElement?.blur?.());
  let last = await locator.screenshot({ animations: 'disabled' });
  for (let i = 0; i < 10; i++) {
    await page.waitForTimeout(50);
    const now = await locator.screenshot({ animations: 'disabled' });
    if (now.equals(last)) return now;
    last = now;
  }
  return last;
}

// The share of pixels that differ clearly (by more than 24 in a channel)
// between two pictures of the same size, decoded by the browser itself:
// anti-aliasing may move by a shade between two paints of the same view.
// The decoding runs in a blank page of its own: the page under test may
// forbid data: URLs by its security policy, rightly.
export async function pictureDifference(page, a, b) {
  const scratch = await page.context().newPage();
  try {
    return await comparePictures(scratch, a, b);
  } finally {
    await scratch.close();
  }
}

function comparePictures(scratch, a, b) {
  return scratch.evaluate(async ([da, db]) => {
    const load = async (d) => createImageBitmap(await (await fetch(d)).blob());
    const [ia, ib] = [await load(da), await load(db)];
    if (ia.width !== ib.width || ia.height !== ib.height) return 1;
    const pixels = (img) => {
      const c = new OffscreenCanvas(img.width, img.height);
      const g = c.getContext('2d');
      g.drawImage(img, 0, 0);
      return g.getImageData(0, 0, img.width, img.height).data;
    };
    const [pa, pb] = [pixels(ia), pixels(ib)];
    let differ = 0;
    for (let i = 0; i < pa.length; i += 4) {
      if (Math.abs(pa[i] - pb[i]) > 24 || Math.abs(pa[i + 1] - pb[i + 1]) > 24 || Math.abs(pa[i + 2] - pb[i + 2]) > 24) differ++;
    }
    return differ / (pa.length / 4);
  }, [`data:image/png;base64,${a.toString('base64')}`, `data:image/png;base64,${b.toString('base64')}`]);
}
