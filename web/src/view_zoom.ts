// The plan's view: east to the right, north up, a scale in pixels per metre.
// The origin is kept as the world point at the screen's top-left corner, so
// coordinates of millions of metres lose no precision on the screen.

export interface View {
  /** Pixels per metre. */
  scale: number;
  /** Easting (Y) at the screen's left edge. */
  e0: number;
  /** Northing (X) at the screen's top edge. */
  n0: number;
}

export interface Bounds {
  minE: number;
  maxE: number;
  minN: number;
  maxN: number;
}

/** From a sub-millimetre close-up to a road of hundreds of kilometres on a phone. */
export const kMinScale = 1e-4;
export const kMaxScale = 1e4;
/** The least span a fit shows, so that one point alone is not blown up to nothing. */
export const kMinSpan = 10;

function clampScale(scale: number): number {
  return Math.min(kMaxScale, Math.max(kMinScale, scale));
}

export function toScreen(v: View, e: number, n: number): [number, number] {
  return [(e - v.e0) * v.scale, (v.n0 - n) * v.scale];
}

export function toWorld(v: View, sx: number, sy: number): [number, number] {
  return [v.e0 + sx / v.scale, v.n0 - sy / v.scale];
}

/** Grows bounds by the points [x north, y east] given. */
export function boundsOf(points: Iterable<[number, number]>, into?: Bounds): Bounds | null {
  let b: Bounds | null = into ? { ...into } : null;
  for (const [x, y] of points) {
    if (!Number.isFinite(x) || !Number.isFinite(y)) continue;
    if (!b) b = { minE: y, maxE: y, minN: x, maxN: x };
    else {
      b.minE = Math.min(b.minE, y);
      b.maxE = Math.max(b.maxE, y);
      b.minN = Math.min(b.minN, x);
      b.maxN = Math.max(b.maxN, x);
    }
  }
  return b;
}

/** The view that shows the bounds whole and centred, a margin of pixels all round. */
export function fitView(b: Bounds, width: number, height: number, margin = 16): View {
  const spanE = Math.max(b.maxE - b.minE, kMinSpan);
  const spanN = Math.max(b.maxN - b.minN, kMinSpan);
  const w = Math.max(width - 2 * margin, 1);
  const h = Math.max(height - 2 * margin, 1);
  const scale = clampScale(Math.min(w / spanE, h / spanN));
  const ce = (b.minE + b.maxE) / 2;
  const cn = (b.minN + b.maxN) / 2;
  return { scale, e0: ce - width / 2 / scale, n0: cn + height / 2 / scale };
}

/** Zooms by factor, the world point under the screen point (sx, sy) staying there. */
export function zoomAbout(v: View, factor: number, sx: number, sy: number): View {
  if (!Number.isFinite(factor) || factor <= 0) return v;
  const scale = clampScale(v.scale * factor);
  const [e, n] = toWorld(v, sx, sy);
  return { scale, e0: e - sx / scale, n0: n + sy / scale };
}

export function panBy(v: View, dx: number, dy: number): View {
  return { scale: v.scale, e0: v.e0 - dx / v.scale, n0: v.n0 + dy / v.scale };
}

/**
 * Two fingers moved from (a0, b0) to (a1, b1): the scale follows their distance and the
 * world point under their old midpoint comes under the new one.
 */
export function pinch(
  v: View,
  a0: [number, number],
  b0: [number, number],
  a1: [number, number],
  b1: [number, number],
): View {
  const d0 = Math.hypot(b0[0] - a0[0], b0[1] - a0[1]);
  const d1 = Math.hypot(b1[0] - a1[0], b1[1] - a1[1]);
  const m0: [number, number] = [(a0[0] + b0[0]) / 2, (a0[1] + b0[1]) / 2];
  const m1: [number, number] = [(a1[0] + b1[0]) / 2, (a1[1] + b1[1]) / 2];
  const [e, n] = toWorld(v, m0[0], m0[1]);
  // Fingers that start together give no ratio: the view only follows them.
  const scale = d0 > 1 ? clampScale(v.scale * (d1 / d0)) : v.scale;
  return { scale, e0: e - m1[0] / scale, n0: n + m1[1] / scale };
}

/** The wheel's zoom factor: a notch (100 px, or 3 lines) zooms by 1.2. */
export function wheelFactor(deltaY: number, deltaMode: number): number {
  const px = deltaMode === 1 ? deltaY * 33 : deltaMode === 2 ? deltaY * 400 : deltaY;
  return Math.pow(1.2, -px / 100);
}
