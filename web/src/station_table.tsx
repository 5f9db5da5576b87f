// The station table (逐桩坐标表): the road's points from one station to
// another at an interval, every key point between, each offset given.

import { useState } from 'preact/hooks';
import { cells } from './jd_table';
import type { Ctx } from './store';
import { TextField } from './text_field';
import { OutcomeView } from './outcome_view';
import { copyText, tableText } from './copy_rows';
import { TableBox } from './table_box';

interface TableRow {
  stationText: string;
  offsetText?: string;
  offset?: number;
  xText: string;
  yText: string;
  hText?: string;
  azimuthText: string;
  element: string;
  elementText?: string;
  key?: string;
}

export function StationTable({ ctx, areas }: { ctx: Ctx; areas: string[] }) {
  const [rows, setRows] = useState<TableRow[] | null>(null);
  const [one, setOne] = useState<TableRow | null>(null);
  // One station (and offset) asked alone, as the crew often does at the pier.
  const ask = () => {
    const offset = ctx.drafts.atOffset.trim();
    const answer = ctx.act('at', { op: 'road.at', station: ctx.drafts.atStation.trim(), ...(offset ? { offset } : {}) });
    setOne(answer.ok ? (answer as unknown as TableRow) : null);
  };
  const run = () => {
    const offsets = cells(ctx.drafts.tableOffsets.replace(/[,，]/g, ' '));
    const answer = ctx.act('table', {
      op: 'station.table',
      from: ctx.drafts.tableFrom.trim(),
      to: ctx.drafts.tableTo.trim(),
      step: ctx.drafts.tableStep.trim(),
      ...(offsets.length ? { offsets } : {}),
    });
    setRows(answer.ok && Array.isArray(answer.rows) ? (answer.rows as TableRow[]) : null);
  };
  const copy = async () => {
    if (!rows) return;
    const done = await copyText(
      tableText(
        ['桩号', '主点', '偏距', 'X', 'Y', 'H', '方位角', '线元'],
        rows.map((r) => [r.stationText, r.key ?? '', r.offsetText ?? '', r.xText, r.yText, r.hText ?? '', r.azimuthText, r.elementText ?? r.element]),
      ),
    );
    ctx.report('table', done ? [] : [{ line: 0, text: '浏览器不允许复制到剪贴板。' }], done ? [`已复制 ${rows.length} 行，可粘贴到表格软件。`] : []);
  };
  const withOffsets = !!rows?.some((r) => r.offsetText !== undefined || r.offset !== undefined);
  const withH = !!rows?.some((r) => r.hText);
  return (
    <div class="station-table">
      <h2>桩号坐标</h2>
      <div class="row-fields">
        <TextField ctx={ctx} draft="atStation" label="桩号" placeholder="K0+460" />
        <TextField ctx={ctx} draft="atOffset" label="偏距 (m，右正)" inputMode="decimal" placeholder="0" />
        <button type="button" class="beside" onClick={ask} disabled={!ctx.state.road}>
          查询
        </button>
      </div>
      <OutcomeView ctx={ctx} area="at" areas={areas} />
      {one ? (
        <p class="summary">
          {one.stationText}
          {one.offsetText ? ` 偏距 ${one.offsetText}` : ''}：X {one.xText}，Y {one.yText}，方位角 {one.azimuthText}，{one.elementText ?? one.element}
        </p>
      ) : null}
      <h2>逐桩坐标表</h2>
      <div class="row-fields">
        <TextField ctx={ctx} draft="tableFrom" label="起点桩号" placeholder="K0+000" />
        <TextField ctx={ctx} draft="tableTo" label="终点桩号" placeholder="K0+500" />
        <TextField ctx={ctx} draft="tableStep" label="间距 (m)" inputMode="decimal" />
        <TextField ctx={ctx} draft="tableOffsets" label="偏距 (m，右正)" placeholder="-7.5 7.5" />
      </div>
      <div class="buttons">
        <button type="button" onClick={run} disabled={!ctx.state.road}>
          计算
        </button>
        {rows ? (
          <button type="button" onClick={copy}>
            复制表格
          </button>
        ) : null}
      </div>
      <OutcomeView ctx={ctx} area="table" areas={areas} />
      {rows ? (
        <TableBox tall>
          <table class="grid cards">
            <thead>
              <tr>
                <th>桩号</th>
                <th>主点</th>
                {withOffsets ? <th>偏距</th> : null}
                <th>X (北)</th>
                <th>Y (东)</th>
                {withH ? <th>H</th> : null}
                <th>方位角</th>
                <th>线元</th>
              </tr>
            </thead>
            <tbody>
              {rows.map((r, i) => (
                <tr key={i}>
                  <td class="name">{r.stationText}</td>
                  <td data-label="主点">{r.key ?? ''}</td>
                  {withOffsets ? <td class="num" data-label="偏距">{r.offsetText ?? (r.offset ?? 0).toFixed(3)}</td> : null}
                  <td class="num" data-label="X (北)">{r.xText}</td>
                  <td class="num" data-label="Y (东)">{r.yText}</td>
                  {withH ? <td class="num" data-label="H">{r.hText}</td> : null}
                  <td class="num" data-label="方位角">{r.azimuthText}</td>
                  <td class="text" data-label="线元">{r.elementText ?? r.element}</td>
                </tr>
              ))}
            </tbody>
          </table>
        </TableBox>
      ) : null}
    </div>
  );
}
