// The plan: east to the right, north up. Lines are drawn once in metres about
// a local origin and moved by one transform, so panning a long road costs
// nothing; points and names are placed in pixels each frame so they keep
// their size, and names that would collide are left out. Pointer Events give
// one-finger or mouse drag to pan, two-finger pinch and the wheel to zoom.

import { useEffect, useMemo, useRef, useState } from 'preact/hooks';
import type { XY } from './answers';
import { Box, PlacedLabel, ScreenXY, dotBox, placeLabels } from './thin_labels';
import { Setup, SightDrawing, sightDrawing } from './setup_marks';
import { Bounds, View, boundsOf, fitView, panBy, pinch, toScreen, wheelFactor, zoomAbout } from './view_zoom';

export interface Shape {
  pts: XY[];
  cls: string;
  closed?: boolean;
}

export interface PlanPoint {
  name: string;
  x: number;
  y: number;
  cls: string;
  priority: number;
}

interface Props {
  shapes: Shape[];
  points: PlanPoint[];
  /** A new key fits the view to the drawing again. */
  fitKey: string;
  /** What a fit shows; everything when empty. */
  focus?: XY[];
  testid: string;
  resetTestid?: string;
  /** A tap or click on a point (the nearest within a finger's width). */
  onPick?(name: string): void;
  /** The point to ring. */
  picked?: string;
  /** The instrument station and backsight, marked 测站 and 后视. */
  setup?: Setup;
}

/** Shapes whose lines a name must not cross: the road's centre line and edges. */
const kLineClasses = new Set(['centre', 'edge']);

/**
 * The boxes of what the plan draws over its corners (the 全图 button, the north
 * arrow, the scale bar), which no name may cover, for a plan w × h pixels.
 */
export function cornerBoxes(w: number, h: number): Box[] {
  return [
    { left: 0, top: 0, right: 70, bottom: 44 },
    { left: w - 40, top: 0, right: w, bottom: 52 },
    { left: 0, top: h - 32, right: 150, bottom: h },
  ];
}

const kFont = 12;
/** Pixels a pointer may wander and still be a tap, not a drag. */
const kTapTravel = 6;

/** The name of the point nearest the screen position, within a finger's width (16 px); '' when none. */
export function nearestPoint(dots: { p: { name: string }; sx: number; sy: number }[], x: number, y: number): string {
  let best = '';
  let bestD = 16;
  for (const d of dots) {
    const dist = Math.hypot(d.sx - x, d.sy - y);
    if (dist < bestD) {
      bestD = dist;
      best = d.p.name;
    }
  }
  return best;
}

/** A round length for the scale bar: 1, 2 or 5 times a power of ten, near the target. */
export function niceLength(metres: number): number {
  if (!(metres > 0) || !Number.isFinite(metres)) return 1;
  const p = Math.pow(10, Math.floor(Math.log10(metres)));
  const m = metres / p;
  return (m >= 5 ? 5 : m >= 2 ? 2 : 1) * p;
}

function pathOf(pts: XY[], e0: number, n0: number, closed?: boolean): string {
  let d = '';
  for (let i = 0; i < pts.length; i++) {
    const [x, y] = pts[i];
    d += `${i === 0 ? 'M' : 'L'}${(y - e0).toFixed(4)} ${(n0 - x).toFixed(4)}`;
  }
  return closed && d ? `${d}Z` : d;
}

export function Plan({ shapes, points, fitKey, focus, testid, resetTestid, onPick, picked, setup }: Props) {
  const box = useRef<HTMLDivElement>(null);
  const [size, setSize] = useState<[number, number]>([0, 0]);
  const [view, setView] = useState<View | null>(null);
  const pointers = useRef(new Map<number, [number, number]>());

  const all = useMemo(() => {
    let b: Bounds | null = null;
    for (const s of shapes) b = boundsOf(s.pts, b ?? undefined) ?? b;
    b = boundsOf(points.map((p) => [p.x, p.y] as XY), b ?? undefined) ?? b;
    return b;
  }, [shapes, points]);
  const fitBounds = useMemo(() => (focus && focus.length ? boundsOf(focus) : all), [focus, all]);
  // The local origin of the drawn paths: the drawing's centre keeps the numbers small.
  const origin = useMemo<[number, number]>(
    () => (all ? [(all.minE + all.maxE) / 2, (all.minN + all.maxN) / 2] : [0, 0]),
    [all],
  );
  const paths = useMemo(
    () => shapes.map((s) => ({ d: pathOf(s.pts, origin[0], origin[1], s.closed), cls: s.cls })),
    [shapes, origin],
  );

  useEffect(() => {
    const el = box.current;
    if (!el) return;
    const measure = () => setSize([el.clientWidth, el.clientHeight]);
    measure();
    const observer = new ResizeObserver(measure);
    observer.observe(el);
    return () => observer.disconnect();
  }, []);

  // Until the user moves the view, it follows the box's size (a phone turned, the layout settled).
  const moved = useRef(false);
  const fit = () => {
    moved.current = false;
    if (fitBounds && size[0] > 0) setView(fitView(fitBounds, size[0], size[1], 40));
  };
  useEffect(fit, [fitKey, fitBounds === null]);
  useEffect(() => {
    if (!moved.current) fit();
  }, [size[0], size[1]]);

  useEffect(() => {
    const el = box.current;
    if (!el) return;
    const onWheel = (ev: WheelEvent) => {
      ev.preventDefault();
      const r = el.getBoundingClientRect();
      const f = wheelFactor(ev.deltaY, ev.deltaMode);
      moved.current = true;
      setView((v) => (v ? zoomAbout(v, f, ev.clientX - r.left, ev.clientY - r.top) : v));
    };
    el.addEventListener('wheel', onWheel, { passive: false });
    return () => el.removeEventListener('wheel', onWheel);
  }, []);

  const local = (ev: MouseEvent): [number, number] => {
    const r = box.current!.getBoundingClientRect();
    return [ev.clientX - r.left, ev.clientY - r.top];
  };
  // A tap: one pointer down and up again without travelling; anything more is a drag or a pinch.
  const tap = useRef<{ id: number; travel: number } | null>(null);
  const onDown = (ev: PointerEvent) => {
    (ev.currentTarget as Element).setPointerCapture(ev.pointerId);
    pointers.current.set(ev.pointerId, local(ev));
    tap.current = pointers.current.size === 1 ? { id: ev.pointerId, travel: 0 } : null;
  };
  const onMove = (ev: PointerEvent) => {
    const map = pointers.current;
    const before = map.get(ev.pointerId);
    if (!before) return;
    const now = local(ev);
    if (tap.current && tap.current.id === ev.pointerId) tap.current.travel += Math.hypot(now[0] - before[0], now[1] - before[1]);
    if (tap.current && tap.current.travel < kTapTravel) return;
    moved.current = true;
    if (map.size === 1) {
      setView((v) => (v ? panBy(v, now[0] - before[0], now[1] - before[1]) : v));
    } else if (map.size === 2) {
      const other = [...map.entries()].find(([id]) => id !== ev.pointerId)![1];
      setView((v) => (v ? pinch(v, before, other, now, other) : v));
    }
    map.set(ev.pointerId, now);
  };
  const onUp = (ev: PointerEvent) => {
    const wasTap = ev.type === 'pointerup' && tap.current?.id === ev.pointerId && tap.current.travel < kTapTravel;
    pointers.current.delete(ev.pointerId);
    tap.current = null;
    if (wasTap && onPick) {
      const name = nearestPoint(marks.dots, ...local(ev));
      if (name) onPick(name);
    }
  };

  const [w, h] = size;
  const marks = useMemo(() => {
    if (!view) return { dots: [] as { p: PlanPoint; sx: number; sy: number }[], names: [] as PlacedLabel[], station: null, sight: null };
    const dots = points.map((p) => {
      const [sx, sy] = toScreen(view, p.y, p.x);
      return { p, sx, sy };
    });
    const screen = { left: 0, top: 0, right: w, bottom: h };
    const station: ScreenXY | null = setup?.station ? toScreen(view, setup.station.y, setup.station.x) : null;
    const b = setup?.backsight;
    const sight: SightDrawing | null =
      station && b
        ? sightDrawing(station, 'azimuth' in b ? b : { at: toScreen(view, b.y, b.x), name: b.name }, { left: 8, top: 8, right: w - 8, bottom: h - 8 })
        : null;
    // The set-up's labels are placed first, so the points' names make way for them.
    const requests = [
      ...dots.map((d) => ({ x: d.sx, y: d.sy, text: d.p.name, priority: d.p.priority })),
      ...(station && setup?.station ? [{ x: station[0], y: station[1], text: `测站 ${setup.station.name}`, priority: 1000, gap: 10, fartherGaps: [24, 40] }] : []),
      ...(sight ? [{ x: sight.labelAt[0], y: sight.labelAt[1], text: sight.label, priority: 999, gap: sight.pointShown ? 9 : 4, fartherGaps: [24, 40] }] : []),
    ];
    const lines = shapes.filter((s) => kLineClasses.has(s.cls)).map((s) => s.pts.map(([x, y]) => toScreen(view, y, x)));
    if (sight) lines.push([sight.from, sight.to]);
    const obstacles = [
      ...dots.map((d) => dotBox(d.sx, d.sy)),
      ...(station ? [dotBox(station[0], station[1], 8)] : []),
      ...(sight?.pointShown ? [dotBox(sight.to[0], sight.to[1], 7)] : []),
      ...cornerBoxes(w, h),
    ];
    const names = placeLabels(requests, kFont, screen, obstacles, lines);
    return { dots, names, station, sight };
  }, [view, points, shapes, setup, w, h]);
  const nameText = (index: number) =>
    index < marks.dots.length ? marks.dots[index].p.name : index === marks.dots.length && marks.station ? `测站 ${setup!.station!.name}` : (marks.sight?.label ?? '');
  const nameClass = (index: number) =>
    index < marks.dots.length ? `name ${marks.dots[index].p.cls}` : index === marks.dots.length && marks.station ? 'name setup station' : 'name setup backsight';

  const bar = view ? niceLength(80 / view.scale) : 0;
  const transform = view
    ? `matrix(${view.scale} 0 0 ${view.scale} ${(origin[0] - view.e0) * view.scale} ${(view.n0 - origin[1]) * view.scale})`
    : '';

  return (
    <div class="plan-wrap">
      <div
        class="plan"
        ref={box}
        data-testid={testid}
        tabIndex={0}
        onKeyDown={(ev) => {
          // F or Home shows the whole drawing, as the desktop's plan does.
          if (ev.key === 'f' || ev.key === 'F' || ev.key === 'Home') {
            ev.preventDefault();
            fit();
          }
        }}
        onPointerDown={onDown} onPointerMove={onMove} onPointerUp={onUp} onPointerCancel={onUp}>
        <svg width={w} height={h} viewBox={`0 0 ${w} ${h}`} role="img" aria-label="平面图">
          {view && (
            <g transform={transform}>
              {paths.map((p, i) => (
                <path key={i} d={p.d} class={p.cls} vector-effect="non-scaling-stroke" />
              ))}
            </g>
          )}
          {marks.dots.map((d, i) =>
            d.sx > -10 && d.sx < w + 10 && d.sy > -10 && d.sy < h + 10 ? (
              <circle
                key={i}
                cx={d.sx}
                cy={d.sy}
                r={3}
                class={`pt ${d.p.cls}`}
              />
            ) : null,
          )}
          {marks.dots
            .filter((d) => d.p.name === picked)
            .map((d) => (
              <circle key="picked" cx={d.sx} cy={d.sy} r={8} class="picked" />
            ))}
          {marks.sight ? (
            <g class="sight">
              <path d={`M${marks.sight.from[0]} ${marks.sight.from[1]} L${marks.sight.to[0]} ${marks.sight.to[1]}`} />
              {marks.sight.pointShown ? (
                <g transform={`translate(${marks.sight.to[0]} ${marks.sight.to[1]})`}>
                  <circle r={6} />
                  <path d="M-6 0 H6 M0 -6 V6" />
                </g>
              ) : null}
            </g>
          ) : null}
          {marks.station ? (
            <path
              class="station-mark"
              d={`M${marks.station[0]} ${marks.station[1] - 8} L${marks.station[0] + 7} ${marks.station[1] + 5} L${marks.station[0] - 7} ${marks.station[1] + 5} Z`}
            />
          ) : null}
          {marks.names.map(({ index, box: at }) => (
            <text key={`n${index}`} x={at.left} y={at.bottom - 2} class={nameClass(index)}>
              {nameText(index)}
            </text>
          ))}
          <g class="north" transform={`translate(${w - 22} 30)`}>
            <path d="M0 -18 L6 0 L0 -5 L-6 0 Z" />
            <text x="0" y="14">北</text>
          </g>
          {view && (
            <g class="scale" transform={`translate(12 ${h - 14})`}>
              <path d={`M0 -5 V0 H${bar * view.scale} V-5`} />
              <text x={bar * view.scale + 6} y="0">{bar >= 1 ? `${bar} m` : `${Math.round(bar * 1000)} mm`}</text>
            </g>
          )}
        </svg>
      </div>
      <button type="button" class="plan-reset" data-testid={resetTestid} onClick={fit} title="显示全部">
        全图
      </button>
    </div>
  );
}
