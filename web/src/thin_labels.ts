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
  /** Pixels between the point and its name (4 unless given): a bigger mark needs more. */
  gap?: number;
  /**
   * Farther gaps tried, in order, when no place at `gap` is free: for a name that must
   * be shown (the instrument station's) among crowded points.
   */
  fartherGaps?: number[];
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
export function labelBox(label: LabelRequest, fontPx: number, place = 0, gap = label.gap ?? 4): Box {
  const width = textWidth(label.text, fontPx);
  const left = place < 2 ? label.x + gap : label.x - gap - width;
  const bottom = place % 2 === 0 ? label.y - gap / 2 : label.y + gap / 2 + fontPx;
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

/** A box wholly within another: a name cut at the plan's edge reads as another name. */
export function inside(a: Box, within: Box): boolean {
  return a.left >= within.left && a.right <= within.right && a.top >= within.top && a.bottom <= within.bottom;
}

export type ScreenXY = [number, number];

/**
 * The part of the segment a–b within the box (Liang–Barsky), or null when it misses
 * the box. Used for lines a name must not cross and for a sight line leaving the view.
 */
export function clipSegment(a: ScreenXY, b: ScreenXY, box: Box): [ScreenXY, ScreenXY] | null {
  const dx = b[0] - a[0];
  const dy = b[1] - a[1];
  let t0 = 0;
  let t1 = 1;
  const sides: [number, number][] = [
    [-dx, a[0] - box.left],
    [dx, box.right - a[0]],
    [-dy, a[1] - box.top],
    [dy, box.bottom - a[1]],
  ];
  for (const [p, q] of sides) {
    if (!Number.isFinite(p) || !Number.isFinite(q)) return null;
    if (p === 0) {
      if (q < 0) return null;
      continue;
    }
    const t = q / p;
    if (p < 0) t0 = Math.max(t0, t);
    else t1 = Math.min(t1, t);
    if (t0 > t1) return null;
  }
  return [
    [a[0] + t0 * dx, a[1] + t0 * dy],
    [a[0] + t1 * dx, a[1] + t1 * dy],
  ];
}

/**
 * The indexes of the labels kept, in the order placed. Greedy by priority over a
 * grid of cells, so thousands of names cost little; a label not wholly in the view is
 * dropped, and so is one that would cover an obstacle (the points' dots, the plan's own
 * marks) or cross one of the lines (the road's centre and edges, in screen pixels).
 */
export function placeLabels(
  labels: LabelRequest[],
  fontPx: number,
  view?: Box,
  obstacles: Box[] = [],
  lines: ScreenXY[][] = [],
): PlacedLabel[] {
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
  // Each line's segments filed by the cells their bounding box covers, clipped to the
  // view first so a segment running far off screen files few cells.
  const segments = new Map<string, [ScreenXY, ScreenXY][]>();
  for (const line of lines) {
    for (let i = 1; i < line.length; i++) {
      const seg = view ? clipSegment(line[i - 1], line[i], view) : ([line[i - 1], line[i]] as [ScreenXY, ScreenXY]);
      if (!seg || !seg.every((p) => Number.isFinite(p[0]) && Number.isFinite(p[1]))) continue;
      const [a, b] = seg;
      for (let c = Math.floor(Math.min(a[0], b[0]) / cell); c <= Math.floor(Math.max(a[0], b[0]) / cell); c++) {
        for (let r = Math.floor(Math.min(a[1], b[1]) / cell); r <= Math.floor(Math.max(a[1], b[1]) / cell); r++) {
          const key = `${c},${r}`;
          const list = segments.get(key);
          if (list) list.push(seg);
          else segments.set(key, [seg]);
        }
      }
    }
  }
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
  const clearOfLines = (box: Box) => {
    for (let c = Math.floor(box.left / cell); c <= Math.floor(box.right / cell); c++) {
      for (let r = Math.floor(box.top / cell); r <= Math.floor(box.bottom / cell); r++) {
        for (const [a, b] of segments.get(`${c},${r}`) ?? []) if (clipSegment(a, b, box)) return false;
      }
    }
    return true;
  };
  // A place clear of the lines is taken first; where every place crosses one (a cap as
  // wide as the road at a small scale) a name over a line, read through its halo, is
  // better than none. Names and dots are never covered.
  const placeOf = (label: LabelRequest): Box | null => {
    for (const gap of [label.gap ?? 4, ...(label.fartherGaps ?? [])]) {
      let crossing: Box | null = null;
      for (let place = 0; place < 4; place++) {
        const box = labelBox(label, fontPx, place, gap);
        if (![box.left, box.top, box.right, box.bottom].every(Number.isFinite)) return null;
        if (view && !inside(box, view)) continue;
        if (!free(box)) continue;
        if (clearOfLines(box)) return box;
        crossing ??= box;
      }
      if (crossing) return crossing;
    }
    return null;
  };
  for (const i of order) {
    const box = placeOf(labels[i]);
    if (!box) continue;
    kept.push({ index: i, box });
    put(box);
  }
  return kept;
}

/** The indexes of the labels kept, in the order placed. */
export function thinLabels(labels: LabelRequest[], fontPx: number, view?: Box, obstacles: Box[] = [], lines: ScreenXY[][] = []): number[] {
  return placeLabels(labels, fontPx, view, obstacles, lines).map((p) => p.index);
}
