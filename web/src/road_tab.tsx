// The road: typed road lines or a curve table pasted from a spreadsheet, or
// a LandXML file read on the device; the summary and key points of the road
// the core holds, and its plan.

import { useMemo } from 'preact/hooks';
import type { RoadSummary } from './answers';
import { decodeXml } from './file_text';
import { chosenFile } from './download';
import { readRoadText } from './jd_table';
import { OutcomeView } from './outcome_view';
import { Plan, PlanPoint, Shape } from './plan';
import type { Ctx } from './store';
import { draftsFromState, readState } from './store';
import { StationTable } from './station_table';
import { TextField } from './text_field';
import { TableBox } from './table_box';

const kAreas = ['road', 'landxml', 'at', 'table'];

// The LandXML file last opened and not yet read: its text stays on the device only.
let lastLandXml: { name: string; text: string } | null = null;

const kHint = [
  '交点法：bp 桩号 X Y / jd X Y R Ls1 [Ls2] / ep X Y',
  '线元法：start 桩号 X Y 方位角 / line L / arc L R left|right / spiral L R1 R2 left|right',
  '或直接粘贴交点表：首行 K X Y，每个交点一行 X Y R Ls1 [Ls2]，末行 X Y',
].join('\n');

function fixed3(n: number): string {
  return Number.isFinite(n) ? n.toFixed(3) : '';
}

export function RoadSummaryView({ road }: { road: RoadSummary | null }) {
  if (!road) return <div class="summary" data-testid="road-summary">尚无路线：输入路线后点“应用”，或打开 LandXML 文件。</div>;
  return (
    <div class="summary" data-testid="road-summary">
      <p>
        {road.form === 'jd' ? '交点法' : '线元法'}路线：起点 {road.start.stationText}，终点 {road.end.stationText}，共{' '}
        {road.keyPoints.length} 个主点。
      </p>
      <TableBox>
        <table class="grid cards">
          <thead>
            <tr>
              <th>主点</th>
              <th>桩号</th>
              <th>X (北)</th>
              <th>Y (东)</th>
              <th>方位角</th>
            </tr>
          </thead>
          <tbody>
            {road.keyPoints.map((k, i) => (
              <tr key={i} data-key={k.name}>
                <td class="name">{k.name}</td>
                <td data-label="桩号">{k.stationText}</td>
                <td class="num" data-label="X (北)">{k.xText ?? fixed3(k.x)}</td>
                <td class="num" data-label="Y (东)">{k.yText ?? fixed3(k.y)}</td>
                <td class="num" data-label="方位角">{k.azimuthText ?? (Number.isFinite(k.azimuth) ? `${k.azimuth.toFixed(6)}°` : '')}</td>
              </tr>
            ))}
          </tbody>
        </table>
      </TableBox>
    </div>
  );
}

export function RoadTab({ ctx }: { ctx: Ctx }) {
  const road = ctx.state.road;

  const apply = () => {
    const reading = readRoadText(ctx.drafts.road);
    if (reading.kind === 'refused') {
      ctx.report('road', reading.problems);
      return;
    }
    ctx.act('road', { op: 'road.set', lines: reading.sent.lines }, reading.sent);
  };

  const clear = () => {
    ctx.act('road', { op: 'road.clear' });
    ctx.setDrafts({ road: '' });
  };

  const readLandXml = (file: { name: string; text: string }, alignment: string) => {
    const request: Record<string, unknown> = { op: 'road.landxml', name: file.name, text: file.text };
    if (alignment) request.alignment = alignment;
    const answer = ctx.act('landxml', request);
    if (!answer.ok) return;
    lastLandXml = null;
    ctx.setDrafts({ ...draftsFromState(readState(ctx.core)), alignment: '' });
    // A profile that does not fit the road came in all the same: say so beside the road.
    const misfit = answer.heightsProblem;
    if (typeof misfit === 'string' && misfit) ctx.report('landxml', [], [...(answer.notices ?? []), misfit]);
  };

  const openLandXml = async (ev: Event) => {
    const chosen = await chosenFile(ev, decodeXml);
    if (!chosen) return;
    const { decoded } = chosen;
    const file = { name: chosen.name };
    if (!decoded.ok) {
      ctx.report('landxml', [{ line: 0, text: `文件“${file.name}”未读入：${decoded.reason}` }]);
      return;
    }
    // Kept until it is read, so a file of several alignments is read again by the name chosen.
    lastLandXml = { name: file.name, text: decoded.text };
    readLandXml(lastLandXml, ctx.drafts.alignment.trim());
  };

  const plan = useMemo(() => {
    const shapes: Shape[] = road ? [{ pts: road.plan.centre, cls: 'centre' }] : [];
    const points: PlanPoint[] = road
      ? road.keyPoints.map((k) => ({ name: k.name, x: k.x, y: k.y, cls: 'key', priority: 1 }))
      : [];
    return { shapes, points };
  }, [road]);

  return (
    <div class="tab-road two">
      <section class="side">
        <h2>路线</h2>
        <label class="field">
          <span>路线（每行一项；或粘贴交点表）</span>
          <textarea
            wrap="off"
            data-testid="road-lines"
            rows={10}
            spellcheck={false}
            placeholder={kHint}
            value={ctx.drafts.road}
            onInput={(e) => ctx.setDrafts({ road: (e.currentTarget as HTMLTextAreaElement).value })}
          />
        </label>
        <div class="buttons">
          <button type="button" class="primary" data-testid="road-apply" onClick={apply}>
            应用
          </button>
          <button type="button" onClick={clear} disabled={!road}>
            清除路线
          </button>
        </div>
        <OutcomeView ctx={ctx} area="road" areas={kAreas} />
        <div class="buttons">
          <label class="file-button">
            <input type="file" class="file-input" accept=".xml,.landxml,application/xml,text/xml" data-testid="road-landxml" onChange={openLandXml} />
            <span>导入路线…（LandXML）</span>
          </label>
        </div>
        {lastLandXml ? (
          <div class="row-fields">
            <TextField ctx={ctx} draft="alignment" label={`“${lastLandXml.name}”中的路线名`} />
            <div class="buttons">
              <button type="button" onClick={() => lastLandXml && readLandXml(lastLandXml, ctx.drafts.alignment.trim())}>
                读入这条路线
              </button>
            </div>
          </div>
        ) : null}
        <OutcomeView ctx={ctx} area="landxml" areas={kAreas} />
        <RoadSummaryView road={road} />
      </section>
      <section class="main">
        <Plan shapes={plan.shapes} points={plan.points} fitKey={JSON.stringify(road?.lines ?? [])} testid="road-plan" />
      </section>
      <section class="wide">
        <StationTable ctx={ctx} areas={kAreas} />
      </section>
    </div>
  );
}
