// Point names in the plan are left out where they would run into each other:
// a name half hidden under another is worse than none, since a crew reads
// them to pick the point. Names that matter more (the chosen bent's) are
// placed first; the rest only where they fit.

export interface LabelRequest {
  /** Screen position of the point, pixels. */
  x: number;
  y: number;
  text: string;
  /** Higher is placed first; ties keep the given order. */
  priority: number;
}

export interface Box {
  left: number;
  top: number;
  right: number;
  bottom: number;
}

/** The width of a text in pixels: CJK and full-width marks take a full em, the rest about 0.6. */
export function textWidth(text: string, fontPx: number): number {
  let ems = 0;
  for (const ch of text) ems += /[\u1100-\u115f\u2e80-\ua4cf\uac00-\ud7a3\uf900-\ufaff\ufe30-\ufe4f\uff00-\uff60\uffe0-\uffe6]/.test(ch) ? 1 : 0.6;
  return ems * fontPx;
}

/**
 * Where a point's name may stand, in the order tried: right of the point and above it,
 * then below it, then left and above, left and below.
 */
export function labelBox(label: LabelRequest, fontPx: number, place = 0): Box {
  const width = textWidth(label.text, fontPx);
  const left = place < 2 ? label.x + 4 : label.x - 4 - width;
  const bottom = place % 2 === 0 ? label.y - 2 : label.y + 2 + fontPx;
  return { left, top: bottom - fontPx, right: left + width, bottom };
}

export interface PlacedLabel {
  index: number;
  box: Box;
}

export function overlaps(a: Box, b: Box): boolean {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

/** The box of a point's dot, which no other point's name may cover. */
export function dotBox(x: number, y: number, radius = 3): Box {
  return { left: x - radius, top: y - radius, right: x + radius, bottom: y + radius };
}

/**
 * The indexes of the labels kept, in the order placed. Greedy by priority over a
 * grid of cells, so thousands of names cost little; a label off the view is dropped,
 * and so is one that would cover an obstacle (the points' dots).
 */
export function placeLabels(labels: LabelRequest[], fontPx: number, view?: Box, obstacles: Box[] = []): PlacedLabel[] {
  const cell = Math.max(32, fontPx * 4);
  const grid = new Map<string, Box[]>();
  const put = (box: Box) => {
    for (let c = Math.floor(box.left / cell); c <= Math.floor(box.right / cell); c++) {
      for (let r = Math.floor(box.top / cell); r <= Math.floor(box.bottom / cell); r++) {
        const key = `${c},${r}`;
        const list = grid.get(key);
        if (list) list.push(box);
        else grid.set(key, [box]);
      }
    }
  };
  for (const o of obstacles) if ([o.left, o.top, o.right, o.bottom].every(Number.isFinite) && (!view || overlaps(o, view))) put(o);
  const order = labels.map((_, i) => i).sort((a, b) => labels[b].priority - labels[a].priority || a - b);
  const kept: PlacedLabel[] = [];
  const free = (box: Box) => {
    for (let c = Math.floor(box.left / cell); c <= Math.floor(box.right / cell); c++) {
      for (let r = Math.floor(box.top / cell); r <= Math.floor(box.bottom / cell); r++) {
        for (const other of grid.get(`${c},${r}`) ?? []) if (overlaps(box, other)) return false;
      }
    }
    return true;
  };
  for (const i of order) {
    for (let place = 0; place < 4; place++) {
      const box = labelBox(labels[i], fontPx, place);
      if (![box.left, box.top, box.right, box.bottom].every(Number.isFinite)) break;
      if (view && !overlaps(box, view)) continue;
      if (!free(box)) continue;
      kept.push({ index: i, box });
      put(box);
      break;
    }
  }
  return kept;
}

/** The indexes of the labels kept, in the order placed. */
export function thinLabels(labels: LabelRequest[], fontPx: number, view?: Box, obstacles: Box[] = []): number[] {
  return placeLabels(labels, fontPx, view, obstacles).map((p) => p.index);
}
