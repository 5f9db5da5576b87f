// The as-built check: measured points pasted or read from a point file, a
// tolerance, and one row a point, the ones over the limit marked.

import { useState } from 'preact/hooks';
import type { CheckRow } from './answers';
import { decodeText } from './file_text';
import { fileBytes } from './download';
import { OutcomeView } from './outcome_view';
import type { Ctx } from './store';
import { TextField } from './text_field';

const kAreas = ['check'];

interface CheckResult {
  rows: CheckRow[];
  summary: string;
}

function text(row: CheckRow, key: string): string {
  const t = row[`${key}Text`];
  if (typeof t === 'string') return t;
  const v = row[key];
  return typeof v === 'number' ? v.toFixed(3) : typeof v === 'string' ? v : '';
}

const kFlagWords: Record<string, string> = { ok: '合格', over: '超限', far: '附近无盖梁' };

export function CheckTab({ ctx }: { ctx: Ctx }) {
  const [result, setResult] = useState<CheckResult | null>(null);

  const run = () => {
    const tolerances: Record<string, number> = {};
    const problems = [];
    for (const [key, typed, label] of [
      ['tolerance', ctx.drafts.tolerance.trim(), '平面限差'],
      ['heightTolerance', ctx.drafts.heightTolerance.trim(), '高程限差'],
    ] as const) {
      if (typed === '') continue;
      const value = Number(typed);
      // A limit that is not a number would let every point pass unseen.
      if (!Number.isFinite(value) || value < 0) problems.push({ line: 0, text: `${label}“${typed}”应为不小于 0 的数（米）。` });
      else tolerances[key] = value;
    }
    if (problems.length) {
      setResult(null);
      ctx.report('check', problems);
      return;
    }
    const fileName = ctx.drafts.checkFileName;
    // The text goes as it stands, pasted or from a file: the core names its lines as the box shows them.
    const request: Record<string, unknown> = {
      op: 'check.run',
      text: ctx.drafts.check,
      ...tolerances,
    };
    if (fileName) request.fileName = fileName;
    const answer = ctx.act('check', request);
    setResult(answer.ok ? (answer as unknown as CheckResult) : null);
  };

  const openFile = async (ev: Event) => {
    const input = ev.currentTarget as HTMLInputElement;
    const file = input.files?.[0];
    input.value = '';
    if (!file) return;
    const decoded = decodeText(await fileBytes(file));
    if (!decoded.ok) {
      ctx.report('check', [{ line: 0, text: `文件“${file.name}”未读入：${decoded.reason}` }]);
      return;
    }
    setResult(null);
    ctx.setDrafts({ check: decoded.text, checkFileName: file.name });
    ctx.report('check', [], [`已读入文件“${file.name}”：点“检核”开始。`]);
  };

  const hasH = !!result?.rows.some((r) => r.h != null);

  return (
    <div class="tab-check">
      <section>
        <h2>实测检核</h2>
        <label class="field">
          <span>实测点（每行：点名 X Y [H]）{ctx.drafts.checkFileName ? `，来自文件“${ctx.drafts.checkFileName}”` : ''}</span>
          <textarea
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
        <label class="field file">
          <span>读取点文件（.dat、CSV、GSI、PNEZD）</span>
          <input type="file" data-testid="check-file" onChange={openFile} />
        </label>
        <div class="row-fields">
          <TextField ctx={ctx} draft="tolerance" label="平面限差 (m)" testid="check-tolerance" inputMode="decimal" />
          <TextField ctx={ctx} draft="heightTolerance" label="高程限差 (m)" inputMode="decimal" />
        </div>
        <div class="buttons">
          <button type="button" class="primary" data-testid="check-run" onClick={run}>
            检核
          </button>
        </div>
        <OutcomeView ctx={ctx} area="check" areas={kAreas} />
        <p class="summary" data-testid="check-summary">
          {result ? result.summary : ''}
        </p>
        <div class="table-box">
          <table class="grid" data-testid="check-rows">
            <thead>
              <tr>
                <th>点名</th>
                <th>最近设计点</th>
                <th>ΔX</th>
                <th>ΔY</th>
                <th>偏差</th>
                {hasH ? <th>ΔH</th> : null}
                <th>结果</th>
              </tr>
            </thead>
            <tbody>
              {(result?.rows ?? []).map((r, i) => (
                <tr key={i} data-point={r.name} class={r.flag}>
                  <td>{r.name}</td>
                  <td>{r.matched}</td>
                  <td class="num">{text(r, 'dx')}</td>
                  <td class="num">{text(r, 'dy')}</td>
                  <td class="num">{text(r, 'distance')}</td>
                  {hasH ? <td class="num">{text(r, 'dH')}</td> : null}
                  <td>{typeof r.flagText === 'string' ? r.flagText : (kFlagWords[r.flag] ?? r.flag)}</td>
                </tr>
              ))}
            </tbody>
          </table>
        </div>
      </section>
    </div>
  );
}
