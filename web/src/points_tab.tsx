// The points of the chosen bent, with polar set-out data once a station and
// a backsight are set, beside the plan of the whole bridge (the chosen bent
// highlighted). The instrument station and backsight are picked by name.

import { useMemo, useRef, useState } from 'preact/hooks';
import type { BentPoints, BridgePlan, Point, XY } from './answers';
import { packedDms } from './packed_dms';
import { copyText, tableText } from './copy_rows';
import { OutcomeView } from './outcome_view';
import { Plan, PlanPoint, Shape } from './plan';
import { setupOf } from './setup_marks';
import type { Ctx } from './store';
import { TextField } from './text_field';
import { TableBox } from './table_box';

const kAreas = ['points', 'polar'];

interface PointsAnswer {
  bents: BentPoints[];
  polar: boolean;
}

function given(v: unknown): string {
  if (v == null) return '未设';
  if (typeof v === 'string') return v;
  const o = v as Record<string, unknown>;
  const name = o.point ?? o.name;
  if (typeof name === 'string' && name) return name;
  if (o.azimuth != null) return `方位角 ${String(o.azimuthText ?? o.azimuth)}`;
  if (o.x != null && o.y != null) return `X ${String(o.x)}，Y ${String(o.y)}`;
  return '已设';
}

// Of a bent's names, the centre's and the edges' matter most: they are placed first.
function rank(role: string, on: boolean): number {
  return (on ? 10 : 0) + (role === 'centre' ? 3 : role === 'edge' ? 2 : 1);
}

/**
 * The plan's drawing of a bridge: road and edges, every bent's axis and outline, its points.
 * Without the core's plan (a core that has none to give), the points alone and the road.
 */
export function planDrawing(plan: BridgePlan | null, chosenBent: string, bents: BentPoints[], road: XY[]) {
  const shapes: Shape[] = [];
  const points: PlanPoint[] = [];
  if (!plan) {
    if (road.length) shapes.push({ pts: road, cls: 'centre' });
    for (const b of bents) {
      const on = b.name === chosenBent;
      for (const p of b.points) points.push({ name: p.name, x: p.x, y: p.y, cls: on ? `on ${p.role}` : p.role, priority: rank(p.role, on) });
    }
    return { shapes, points };
  }
  shapes.push(
    { pts: plan.left ?? [], cls: 'edge' },
    { pts: plan.right ?? [], cls: 'edge' },
    { pts: plan.centre ?? [], cls: 'centre' },
  );
  for (const b of plan.bents ?? []) {
    const on = b.name === chosenBent;
    const outlines = b.outlines ?? (b.outline ? [b.outline] : []);
    for (const o of outlines) shapes.push({ pts: o, cls: on ? 'outline on' : 'outline', closed: true });
    for (const g of b.gridLines ?? []) shapes.push({ pts: g, cls: on ? 'grid on' : 'grid' });
    if (b.axis) shapes.push({ pts: b.axis, cls: on ? 'axis on' : 'axis' });
    for (const p of b.points ?? []) points.push({ name: p.name, x: p.x, y: p.y, cls: on ? `on ${p.role}` : p.role, priority: rank(p.role, on) });
  }
  return { shapes, points };
}

export function PointsTab({ ctx }: { ctx: Ctx }) {
  const bridges = ctx.state.bridges;
  const bridge = bridges.includes(ctx.selection.bridge) ? ctx.selection.bridge : (bridges[0] ?? '');

  const pointsAnswer = useMemo(() => (bridge ? ctx.core.call({ op: 'bridge.points', bridge }) : null), [ctx.core, ctx.rev, bridge]);
  const points = pointsAnswer?.ok ? (pointsAnswer as unknown as PointsAnswer) : null;
  // Why the bridge has no points (no road yet, most often), in the core's words.
  const whyNone = pointsAnswer && !pointsAnswer.ok ? (pointsAnswer.problems ?? []).map((p) => p.text).join(' ') : '';
  const plan = useMemo<BridgePlan | null>(() => {
    if (!bridge) return null;
    const a = ctx.core.call({ op: 'bridge.plan', bridge });
    return a.ok ? (a as unknown as BridgePlan) : null;
  }, [ctx.core, ctx.rev, bridge]);

  const bents = points?.bents ?? [];
  const bent = bents.find((b) => b.name === ctx.selection.bent) ?? bents[0];
  const road = ctx.state.road?.plan.centre;
  const drawing = useMemo(() => planDrawing(plan, bent?.name ?? '', bents, road ?? []), [plan, bent?.name, bents, road]);
  // A fit shows the bridge, not the whole road the fallback drawing carries.
  const focus = useMemo(() => (plan ? undefined : drawing.points.map((p) => [p.x, p.y] as XY)), [plan, drawing]);
  const polar = !!points?.polar;
  // The view is fitted again when the drawing moves (another bridge, bents changed, a new
  // road), not when a station is set or a profile changes: the user's zoom stays.
  const fitKey = useMemo(
    () => `${bridge}:${JSON.stringify(plan ? plan.bents.map((b) => b.axis) : drawing.points.map((p) => [p.x, p.y]))}`,
    [bridge, plan, drawing],
  );

  const setup = useMemo(() => setupOf(ctx.state.station, ctx.state.backsight), [ctx.state.station, ctx.state.backsight]);

  // A point tapped in the plan: its bent is chosen, its row marked, its numbers said under the plan.
  const [picked, setPicked] = useState('');
  const pickedPoint = useMemo(() => {
    for (const b of bents) for (const p of b.points) if (p.name === picked) return p;
    return null;
  }, [bents, picked]);
  const pick = (pointName: string) => {
    setPicked(pointName);
    const owner = bents.find((b) => b.points.some((p) => p.name === pointName));
    if (owner) ctx.select({ bent: owner.name });
  };

  const copyPoints = async () => {
    if (!bent) return;
    const headings = ['点名', 'X', 'Y', 'H', '桩号', '偏距', ...(polar ? ['方位角', '平距', '转角', '高差', '天顶距'] : [])];
    const rows = bent.points.map((p) => [
      p.name, p.xText, p.yText, p.hText, p.stationText, p.offsetText,
      ...(polar ? [p.azimuthText ?? '', p.distanceText ?? '', p.turnText ?? '', p.dHText ?? '', p.zenithText ?? ''] : []),
    ]);
    const done = await copyText(tableText(headings, rows));
    ctx.report('points', done ? [] : [{ line: 0, text: '浏览器不允许复制到剪贴板。' }], done ? [`已复制墩台 ${bent.name} 的 ${rows.length} 个点，可粘贴到表格软件。`] : []);
  };

  const applyPolar = () => {
    const station = ctx.drafts.stationPoint.trim();
    const sight = ctx.drafts.backsight.trim();
    const problems = [];
    if (!station) problems.push({ line: 0, text: '请填写测站的点名（如 3-Z1）。' });
    if (!sight) problems.push({ line: 0, text: ctx.drafts.backsightIsAzimuth ? '请填写后视方位角（度.分秒）。' : '请填写后视点名。' });
    if (problems.length) {
      ctx.report('polar', problems);
      return;
    }
    const before = { station: ctx.state.station, backsight: ctx.state.backsight };
    const kept = ctx.remember();
    const first = ctx.core.call(stationRequest(ctx, station, ctx.drafts.stationHi.trim()));
    if (!first.ok) {
      ctx.report('polar', first.problems ?? [], first.notices ?? []);
      return;
    }
    const second = ctx.core.call({
      op: 'polar.backsight',
      ...(ctx.drafts.backsightIsAzimuth ? { azimuth: sight } : { point: sight }),
    });
    if (!second.ok) {
      // Both or neither: a new station with the old backsight would turn every angle wrong.
      restorePolar(ctx, before.station, before.backsight);
      ctx.report('polar', second.problems ?? [], second.notices ?? []);
      ctx.changed();
      return;
    }
    kept();
    ctx.report('polar', [], [...(first.notices ?? []), ...(second.notices ?? [])]);
    ctx.changed();
  };

  // The switch at the top of the tab on a phone: to the points (the picked one's card when a
  // point was tapped in the plan), the plan, or the station.
  const tableSection = useRef<HTMLElement>(null);
  const planSection = useRef<HTMLElement>(null);
  const polarSection = useRef<HTMLElement>(null);
  const jumpTo = (to: HTMLElement | null) => to?.scrollIntoView({ block: 'start' });
  const jumpToPoints = () => {
    const row = picked ? tableSection.current?.querySelector<HTMLElement>(`tr[data-point="${CSS.escape(picked)}"]`) : null;
    jumpTo(row ?? tableSection.current);
  };

  return (
    <div class="tab-points two">
      <nav class="jump" data-testid="points-jump">
        <button type="button" data-testid="jump-points" onClick={jumpToPoints}>
          点表
        </button>
        <button type="button" data-testid="jump-plan" onClick={() => jumpTo(planSection.current)}>
          平面图
        </button>
        <button type="button" data-testid="jump-polar" onClick={() => jumpTo(polarSection.current)}>
          测站与后视
        </button>
      </nav>
      <section class="side" ref={tableSection}>
        <div class="row-fields">
          {bridges.length > 1 ? (
            <label class="field inline">
              <span>桥</span>
              <select value={bridge} onChange={(e) => ctx.select({ bridge: (e.currentTarget as HTMLSelectElement).value, bent: '' })}>
                {bridges.map((b) => (
                  <option key={b} value={b}>
                    {b}
                  </option>
                ))}
              </select>
            </label>
          ) : null}
          <label class="field inline">
            <span>墩台</span>
            <select data-testid="bent-select" value={bent?.name ?? ''} onChange={(e) => ctx.select({ bent: (e.currentTarget as HTMLSelectElement).value })}>
              {bents.map((b) => (
                <option key={b.name} value={b.name}>
                  {b.name}（{b.stationText}）
                </option>
              ))}
            </select>
          </label>
          {bent && bent.points.length ? (
            <button type="button" class="beside" onClick={copyPoints}>
              复制表格
            </button>
          ) : null}
        </div>
        {!bridge ? <p class="hint">尚无桥梁：先在“桥梁”页新建。</p> : null}
        {bridge && !points ? <p class="warn">{whyNone || '这座桥需要路线才有点位。'}</p> : null}
        {bent?.notice ? <p class="warn">{bent.notice}</p> : null}

        <OutcomeView ctx={ctx} area="points" areas={kAreas} />
        <TableBox>
          <table class="grid cards" data-testid="points-table">
            <thead>
              <tr>
                <th>点名</th>
                <th>X</th>
                <th>Y</th>
                <th>H</th>
                <th>桩号</th>
                <th>偏距</th>
                {polar ? (
                  <>
                    <th>方位角</th>
                    <th>平距</th>
                    <th>转角</th>
                    <th>高差</th>
                    <th>天顶距</th>
                  </>
                ) : null}
              </tr>
            </thead>
            <tbody>
              {(bent?.points ?? []).map((p) => (
                <tr key={p.name} data-point={p.name} class={p.name === picked ? 'picked' : undefined}>
                  <td class="name">{p.name}</td>
                  <td class="num" data-label="X">{p.xText}</td>
                  <td class="num" data-label="Y">{p.yText}</td>
                  <td class="num" data-label="H">{p.hText}</td>
                  <td data-label="桩号">{p.stationText}</td>
                  <td class="num" data-label="偏距">{p.offsetText}</td>
                  {polar ? (
                    <>
                      <td class="num polar" data-label="方位角">{p.azimuthText}</td>
                      <td class="num polar" data-label="平距">{p.distanceText}</td>
                      <td class="num polar" data-label="转角">{p.turnText}</td>
                      <td class="num polar" data-label="高差">{p.dHText}</td>
                      <td class="num polar" data-label="天顶距">{p.zenithText}</td>
                    </>
                  ) : null}
                </tr>
              ))}
            </tbody>
          </table>
        </TableBox>
      </section>
      <section class="main" ref={planSection}>
        <Plan
          shapes={drawing.shapes}
          points={drawing.points}
          fitKey={fitKey}
          focus={focus}
          testid="plan"
          resetTestid="plan-reset"
          onPick={pick}
          picked={picked}
          setup={setup}
        />
        <p class="hint picked-point">
          {pickedPoint
            ? `${pickedPoint.name}：X ${pickedPoint.xText}，Y ${pickedPoint.yText}${pickedPoint.hText ? `，H ${pickedPoint.hText}` : ''}，${pickedPoint.stationText}，偏距 ${pickedPoint.offsetText}`
            : '点一下平面图上的点，显示它的坐标并选中它的墩台；两指或滚轮缩放，拖动平移。'}
        </p>
      </section>
      <section class="polar" ref={polarSection}>
        <h2>测站与后视</h2>
        <p class="hint">
          测站：{given(ctx.state.station)}；后视：{given(ctx.state.backsight)}
        </p>
        <div class="row-fields">
          <TextField ctx={ctx} draft="stationPoint" label="测站点名" testid="station-point" placeholder="3-Z1" list="point-names" />
          <TextField ctx={ctx} draft="stationHi" label="仪器高 (m)" testid="station-hi" inputMode="decimal" />
          <TextField
            ctx={ctx}
            draft="backsight"
            label={ctx.drafts.backsightIsAzimuth ? '后视方位角 (度.分秒)' : '后视点名'}
            testid="backsight-point"
            placeholder={ctx.drafts.backsightIsAzimuth ? '123.4530' : '3-Z2'}
            list={ctx.drafts.backsightIsAzimuth ? undefined : 'point-names'}
          />
          {/* Every point of the bridge to pick from, so a name is chosen, not typed, on a phone. */}
          <datalist id="point-names">
            {bents.flatMap((b) => b.points.map((p) => <option key={p.name} value={p.name} />))}
          </datalist>
          <label class="check">
            <input
              type="checkbox"
              checked={ctx.drafts.backsightIsAzimuth}
              onChange={(e) => ctx.setDrafts({ backsightIsAzimuth: (e.currentTarget as HTMLInputElement).checked })}
            />
            按方位角定向
          </label>
        </div>
        <div class="buttons">
          <button type="button" class="primary" data-testid="polar-apply" onClick={applyPolar}>
            设置
          </button>
          <button type="button" data-testid="polar-clear" onClick={() => ctx.act('polar', { op: 'polar.clear' })}>
            清除
          </button>
        </div>
        <OutcomeView ctx={ctx} area="polar" areas={kAreas} />
      </section>
    </div>
  );
}

/**
 * The station request for a bridge point's name. With an instrument height the point's
 * coordinates and height go as typed fields (the core takes a height only so); a name
 * the page cannot place once goes as a name, for the core to refuse in its words.
 */
export function stationRequest(ctx: Ctx, name: string, hi: string): Record<string, unknown> {
  if (!hi) return { op: 'polar.station', point: name };
  const found: Point[] = [];
  for (const bridge of ctx.state.bridges) {
    const a = ctx.core.call({ op: 'bridge.points', bridge });
    if (!a.ok) continue;
    for (const b of (a as unknown as PointsAnswer).bents) for (const p of b.points) if (p.name === name) found.push(p);
  }
  if (found.length !== 1) return { op: 'polar.station', point: name };
  const p = found[0];
  // Numbers go as JSON numbers: the core reads their shortest exact text.
  return { op: 'polar.station', name: p.name, x: p.x, y: p.y, h: p.h ?? '', hi };
}

interface GivenStation {
  name: string;
  x: number;
  y: number;
  h: number | null;
  hi: number | null;
}

interface GivenBacksight {
  name?: string;
  x?: number;
  y?: number;
  azimuth?: number;
}

/** Puts the station and backsight back as they were before a refused change. */
export function restorePolar(ctx: Ctx, station: unknown, backsight: unknown): void {
  ctx.core.call({ op: 'polar.clear' });
  const s = station as GivenStation | null;
  if (s) {
    const heights = s.h != null ? { h: s.h, hi: s.hi ?? 0 } : {};
    ctx.core.call({ op: 'polar.station', name: s.name, x: s.x, y: s.y, ...heights });
  }
  const b = backsight as GivenBacksight | null;
  if (b && b.azimuth != null) ctx.core.call({ op: 'polar.backsight', azimuth: packedDms(b.azimuth) });
  else if (b) ctx.core.call({ op: 'polar.backsight', name: b.name ?? '', x: b.x, y: b.y });
}
