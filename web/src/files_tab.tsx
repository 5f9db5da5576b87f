// Files: the job (.capjob, the desktop's format) opened from and saved to the
// device, and the point files for the crew downloaded. Nothing is sent anywhere.

import type { Answer, State } from './answers';
import { decodeText } from './file_text';
import { chosenFile, downloadText } from './download';
import { OutcomeView } from './outcome_view';
import type { Ctx } from './store';
import { readState } from './store';
import { forgetJob } from './keep';
import { useState } from 'preact/hooks';

const kAreas = ['files'];

// The job that was open before the last one opened, for as long as the page is.
let previousJob: string | null = null;

const kExports = [
  { format: 'dat', label: 'CASS 点文件 (.dat)' },
  { format: 'csv', label: 'CSV' },
  { format: 'gsi', label: 'GSI-16' },
  { format: 'pnezd', label: 'PNEZD' },
] as const;

function deliver(ctx: Ctx, answer: Answer, fallbackName: string, mime: string) {
  if (!answer.ok) return;
  const text = typeof answer.text === 'string' ? answer.text : '';
  const name = typeof answer.fileName === 'string' && answer.fileName ? answer.fileName : fallbackName;
  downloadText(name, text, typeof answer.mime === 'string' ? answer.mime : mime);
  ctx.report('files', [], [...(answer.notices ?? []), `已下载“${name}”。`]);
}

export function FilesTab({ ctx, onOpened }: { ctx: Ctx; onOpened(state: State): void }) {
  const open = async (ev: Event) => {
    const chosen = await chosenFile(ev, decodeText);
    if (!chosen) return;
    const { decoded } = chosen;
    const file = { name: chosen.name };
    if (!decoded.ok) {
      ctx.report('files', [{ line: 0, text: `作业文件“${file.name}”未打开：${decoded.reason}` }]);
      return;
    }
    // The job open now is kept before another replaces it: one tap puts it back.
    const before = ctx.core.call({ op: 'job.save' });
    const answer = ctx.act('files', { op: 'job.open', text: decoded.text, fileName: file.name });
    if (answer.ok) {
      previousJob = before.ok && typeof before.text === 'string' ? before.text : null;
      setHasPrevious(previousJob !== null);
      onOpened(readState(ctx.core));
      ctx.report('files', [], [...(answer.notices ?? []), `已打开作业“${file.name}”。`]);
    }
  };

  const [hasPrevious, setHasPrevious] = useState(previousJob !== null);
  const restorePrevious = () => {
    if (previousJob === null) return;
    const answer = ctx.act('files', { op: 'job.open', text: previousJob });
    if (answer.ok) {
      previousJob = null;
      setHasPrevious(false);
      onOpened(readState(ctx.core));
      ctx.report('files', [], ['已恢复打开前的作业。']);
    }
  };

  // Two taps: the first says what a new job costs, the second starts it.
  const [afresh, setAfresh] = useState(false);
  const startAfresh = () => {
    if (!afresh) {
      setAfresh(true);
      return;
    }
    forgetJob();
    location.reload();
  };

  const save = () => deliver(ctx, ctx.act('files', { op: 'job.save' }), '作业.capjob', 'application/json');

  const exportAs = (format: string) => {
    const bridge = ctx.selection.bridge;
    const request: Record<string, unknown> = { op: 'export', format };
    if (bridge && ctx.state.bridges.includes(bridge) && ctx.drafts.exportChosen) request.bridge = bridge;
    deliver(ctx, ctx.act('files', request), `点位.${format}`, 'text/plain');
  };

  const chosen = ctx.state.bridges.includes(ctx.selection.bridge) ? ctx.selection.bridge : '';

  return (
    <div class="tab-files">
      <section>
        <h2>作业</h2>
        <label class="field file">
          <span>打开作业（.capjob）</span>
          <input type="file" accept=".capjob,application/json" data-testid="job-open" onChange={open} />
        </label>
        <div class="buttons">
          <button type="button" class="primary" data-testid="job-save" onClick={save}>
            保存作业
          </button>
          {hasPrevious ? (
            <button type="button" onClick={restorePrevious}>
              恢复打开前的作业
            </button>
          ) : null}
          <button type="button" onClick={startAfresh}>
            {afresh ? '确认新建（未保存的修改将丢失）' : '新建作业'}
          </button>
        </div>
        <OutcomeView ctx={ctx} area="files" areas={kAreas} />
      </section>
      <section>
        <h2>导出点位</h2>
        {chosen ? (
          <label class="check">
            <input
              type="checkbox"
              checked={ctx.drafts.exportChosen}
              onChange={(e) => ctx.setDrafts({ exportChosen: (e.currentTarget as HTMLInputElement).checked })}
            />
            只导出桥“{chosen}”
          </label>
        ) : (
          <p class="hint">导出作业中所有桥梁的点位。</p>
        )}
        <div class="buttons">
          {kExports.map((e) => (
            <button key={e.format} type="button" data-testid={`export-${e.format}`} onClick={() => exportAs(e.format)}>
              {e.label}
            </button>
          ))}
        </div>
      </section>
    </div>
  );
}
