// The as-built check: measured points pasted or read from a point file,
// the limits in millimetres, and the check table as the desktop shows it,
// the rows over a limit marked.

import { useEffect, useState } from 'preact/hooks';
import type { CheckRow } from './answers';
import { decodeText } from './file_text';
import { chosenFile, downloadText } from './download';
import { OutcomeView } from './outcome_view';
import type { Ctx } from './store';
import { TextField } from './text_field';
import { TableBox } from './table_box';

const kAreas = ['check'];

interface CheckResult {
  rows: CheckRow[];
  headings: string[];
  summary: string;
  csv: string;
}

export function rowClass(r: CheckRow): string {
  const classes: string[] = [];
  if (r.flag) classes.push(r.flag);
  if (r.heightFlag === 'over') classes.push('height-over');
  return classes.join(' ');
}

/**
 * How a check cell is laid out as a card on a phone: the first (the point's name) heads
 * the card, the verdicts (the columns headed …结果) come right under it, words may wrap,
 * a number never does.
 */
export function cellClass(column: number, text: string, heading = ''): string {
  if (column === 0) return 'name';
  if (heading.endsWith('结果')) return 'verdict';
  return /[\u3000-\u9fff\uff00-\uffef]/.test(text) ? 'text' : 'num';
}

// Whether the user has checked in this visit of the page: the table is then
// made again whenever the tab opens, so coming back to it shows the check
// against the job as it stands now (a road or a bridge may have changed),
// never an empty table or a stale one.
let checkedBefore = false;

export function CheckTab({ ctx }: { ctx: Ctx }) {
  const [result, setResult] = useState<CheckResult | null>(null);

  const run = () => {
    // The text goes as it stands, pasted or from a file: the core names its lines as the box
    // shows them. The limits go as typed and are read (and refused) as the check dialog reads them.
    const request: Record<string, unknown> = { op: 'check.run', text: ctx.drafts.check };
    if (ctx.drafts.tolerance.trim()) request.tolerance = ctx.drafts.tolerance.trim();
    if (ctx.drafts.heightTolerance.trim()) request.heightTolerance = ctx.drafts.heightTolerance.trim();
    if (ctx.drafts.checkFileName) request.fileName = ctx.drafts.checkFileName;
    const answer = ctx.act('check', request);
    checkedBefore = true;
    setResult(answer.ok ? (answer as unknown as CheckResult) : null);
  };

  useEffect(() => {
    if (checkedBefore && ctx.drafts.check.trim()) run();
  }, []);

  const saveCsv = () => {
    if (result) downloadText('检核结果.csv', result.csv, 'text/csv');
  };

  const openFile = async (ev: Event) => {
    const chosen = await chosenFile(ev, decodeText);
    if (!chosen) return;
    const { decoded } = chosen;
    const file = { name: chosen.name };
    if (!decoded.ok) {
      ctx.report('check', [{ line: 0, text: `文件“${file.name}”未读入：${decoded.reason}` }]);
      return;
    }
    setResult(null);
    ctx.setDrafts({ check: decoded.text, checkFileName: file.name });
    ctx.report('check', [], [`已读入文件“${file.name}”：点“检核”开始。`]);
  };

  return (
    <div class="tab-check">
      <section>
        <h2>实测检核</h2>
        <label class="field">
          <span>实测点（每行：点名 X Y [H]）{ctx.drafts.checkFileName ? `，来自文件“${ctx.drafts.checkFileName}”` : ''}</span>
          <textarea
            wrap="off"
            data-testid="check-text"
            rows={6}
            spellcheck={false}
            placeholder="M1 1033.829 2036.772"
            value={ctx.drafts.check}
            onInput={(e) => {
              setResult(null);
              ctx.setDrafts({ check: (e.currentTarget as HTMLTextAreaElement).value, checkFileName: '' });
            }}
          />
        </label>
        <div class="buttons">
          <label class="file-button">
            <input type="file" class="file-input" data-testid="check-file" onChange={openFile} />
            <span>读取点文件…（.dat、CSV、GSI、PNEZD）</span>
          </label>
        </div>
        <div class="row-fields">
          <TextField ctx={ctx} draft="tolerance" label="限差 (mm)" testid="check-tolerance" inputMode="decimal" />
          <TextField ctx={ctx} draft="heightTolerance" label="高程限差 (mm)" inputMode="decimal" />
        </div>
        <div class="buttons">
          <button type="button" class="primary" data-testid="check-run" onClick={run}>
            检核
          </button>
          {result ? (
            <button type="button" onClick={saveCsv}>
              导出 CSV
            </button>
          ) : null}
        </div>
        <OutcomeView ctx={ctx} area="check" areas={kAreas} />
        <p class="summary" data-testid="check-summary">
          {result ? result.summary : ''}
        </p>
        <TableBox tall>
          <table class="grid cards" data-testid="check-rows">
            <thead>
              <tr>
                {(result?.headings ?? []).map((h, i) => (
                  <th key={i}>{h}</th>
                ))}
              </tr>
            </thead>
            <tbody>
              {(result?.rows ?? []).map((r, i) => (
                <tr key={i} data-point={r.name} class={rowClass(r)}>
                  {r.cells.map((c, j) => (
                    <td key={j} class={cellClass(j, c, result?.headings[j])} data-label={result?.headings[j] ?? ''}>
                      {c}
                    </td>
                  ))}
                </tr>
              ))}
            </tbody>
          </table>
        </TableBox>
      </section>
    </div>
  );
}
