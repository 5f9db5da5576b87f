// The instrument's set-up on the plan: the station as a triangle, the
// backsight as a ringed cross, and the sight line between them, so a crew
// sees at a glance which way the instrument was oriented. A backsight given
// by azimuth alone has no point: its line is drawn a short way along the
// azimuth. A backsight off the view still shows where its line leaves it.

import { Box, ScreenXY, clipSegment } from './thin_labels';

export interface SetupPoint {
  name: string;
  /** X north, Y east, metres. */
  x: number;
  y: number;
}

export interface Setup {
  station: SetupPoint | null;
  /** A point, or a direction (decimal degrees from north, clockwise) with its text. */
  backsight: SetupPoint | { azimuth: number; azimuthText: string } | null;
}

function finite(...xs: unknown[]): boolean {
  return xs.every((x) => typeof x === 'number' && Number.isFinite(x));
}

/** The set-up as the core's state gives it; anything it cannot place is left out, never drawn at 0. */
export function setupOf(station: unknown, backsight: unknown): Setup {
  const s = station as Record<string, unknown> | null;
  const b = backsight as Record<string, unknown> | null;
  const point = (o: Record<string, unknown>): SetupPoint => ({ name: String(o.name ?? ''), x: o.x as number, y: o.y as number });
  return {
    station: s && finite(s.x, s.y) ? point(s) : null,
    backsight:
      b && finite(b.x, b.y)
        ? point(b)
        : b && finite(b.azimuth)
          ? { azimuth: b.azimuth as number, azimuthText: String(b.azimuthText ?? b.azimuth) }
          : null,
  };
}

export interface SightDrawing {
  /** The line as drawn, within the view. */
  from: ScreenXY;
  to: ScreenXY;
  /** Where the backsight's label stands: at its point, or where its line leaves the view. */
  labelAt: ScreenXY;
  /** The backsight's own point is in the view (its mark is drawn). */
  pointShown: boolean;
  label: string;
}

/** Pixels an azimuth-only sight line runs from the station. */
export const kAzimuthRay = 90;

/**
 * The sight line in screen pixels, clipped to the view (inset so its end and label stay
 * readable), or null when there is no station or backsight or it misses the view.
 * `station` and `backsight` are screen positions; `azimuth` in decimal degrees.
 */
export function sightDrawing(
  station: ScreenXY,
  backsight: { at: ScreenXY; name: string } | { azimuth: number; azimuthText: string },
  view: Box,
): SightDrawing | null {
  const end: ScreenXY =
    'at' in backsight
      ? backsight.at
      : [
          station[0] + kAzimuthRay * Math.sin((backsight.azimuth * Math.PI) / 180),
          station[1] - kAzimuthRay * Math.cos((backsight.azimuth * Math.PI) / 180),
        ];
  const label = 'at' in backsight ? `后视 ${backsight.name}` : `后视 ${backsight.azimuthText}`;
  const clipped = clipSegment(station, end, view);
  if (!clipped) return null;
  const [from, to] = clipped;
  const pointShown = end[0] >= view.left && end[0] <= view.right && end[1] >= view.top && end[1] <= view.bottom;
  return { from, to: pointShown ? end : to, labelAt: pointShown ? end : to, pointShown, label };
}
