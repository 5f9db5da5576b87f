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

/** Where a point's name stands: just right of and above the point. */
export function labelBox(label: LabelRequest, fontPx: number): Box {
  const left = label.x + 4;
  const bottom = label.y - 2;
  return { left, top: bottom - fontPx, right: left + textWidth(label.text, fontPx), bottom };
}

export function overlaps(a: Box, b: Box): boolean {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

/**
 * The indexes of the labels kept, in the order placed. Greedy by priority over a
 * grid of cells, so thousands of names cost little; a label off the view is dropped.
 */
export function thinLabels(labels: LabelRequest[], fontPx: number, view?: Box): number[] {
  const cell = Math.max(32, fontPx * 4);
  const grid = new Map<string, Box[]>();
  const order = labels.map((_, i) => i).sort((a, b) => labels[b].priority - labels[a].priority || a - b);
  const kept: number[] = [];
  for (const i of order) {
    const box = labelBox(labels[i], fontPx);
    if (!Number.isFinite(box.left) || !Number.isFinite(box.top)) continue;
    if (view && !overlaps(box, view)) continue;
    const c0 = Math.floor(box.left / cell);
    const c1 = Math.floor(box.right / cell);
    const r0 = Math.floor(box.top / cell);
    const r1 = Math.floor(box.bottom / cell);
    let free = true;
    for (let c = c0; c <= c1 && free; c++) {
      for (let r = r0; r <= r1 && free; r++) {
        for (const other of grid.get(`${c},${r}`) ?? []) {
          if (overlaps(box, other)) {
            free = false;
            break;
          }
        }
      }
    }
    if (!free) continue;
    kept.push(i);
    for (let c = c0; c <= c1; c++) {
      for (let r = r0; r <= r1; r++) {
        const key = `${c},${r}`;
        const list = grid.get(key);
        if (list) list.push(box);
        else grid.set(key, [box]);
      }
    }
  }
  return kept;
}
