// Files: the job (.capjob, the desktop's format) opened from and saved to the
// device, and the point files for the crew downloaded. Nothing is sent anywhere.

import type { Answer, State } from './answers';
import { decodeText } from './file_text';
import { chosenFile, downloadText } from './download';
import { OutcomeView } from './outcome_view';
import type { Ctx, ExportScope } from './store';
import { readState } from './store';
import { forgetJob } from './keep';
import { useMemo, useState } from 'preact/hooks';

const kAreas = ['files', 'export'];

// The job that was open before the last one opened, for as long as the page is.
let previousJob: string | null = null;

const kExports = [
  { format: 'dat', label: 'CASS 点文件 (.dat)' },
  { format: 'csv', label: 'CSV' },
  { format: 'gsi', label: 'GSI-16' },
  { format: 'pnezd', label: 'PNEZD' },
] as const;

function deliver(ctx: Ctx, area: string, answer: Answer, fallbackName: string, mime: string) {
  if (!answer.ok) return;
  const text = typeof answer.text === 'string' ? answer.text : '';
  const name = typeof answer.fileName === 'string' && answer.fileName ? answer.fileName : fallbackName;
  downloadText(name, text, typeof answer.mime === 'string' ? answer.mime : mime);
  ctx.report(area, [], [...(answer.notices ?? []), `已下载“${name}”。`]);
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
    const before = ctx.core.call({ op: 'job.text' });
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

  const save = () => {
    const answer = ctx.act('files', { op: 'job.save' });
    deliver(ctx, 'files', answer, '作业.capjob', 'application/json');
    // Saved: the title's 未保存 goes.
    if (answer.ok) ctx.changed();
  };

  const chosen = ctx.state.bridges.includes(ctx.selection.bridge) ? ctx.selection.bridge : (ctx.state.bridges[0] ?? '');
  // The bent the points tab shows: the one chosen, else the bridge's first.
  const bent = useMemo(() => {
    if (!chosen) return '';
    const a = ctx.core.call({ op: 'bridge.points', bridge: chosen });
    const names = a.ok && Array.isArray(a.bents) ? (a.bents as { name: string }[]).map((b) => b.name) : [];
    return names.includes(ctx.selection.bent) ? ctx.selection.bent : (names[0] ?? '');
  }, [ctx.core, ctx.rev, chosen, ctx.selection.bent]);
  const scope = !chosen ? 'all' : ctx.drafts.exportScope === 'bent' && !bent ? 'bridge' : ctx.drafts.exportScope;

  const exportAs = (format: string) => {
    const request: Record<string, unknown> = { op: 'export', format };
    if (scope !== 'all') request.bridge = chosen;
    if (scope === 'bent') request.bents = [bent];
    deliver(ctx, 'export', ctx.act('export', request), `点位.${format}`, 'text/plain');
  };

  return (
    <div class="tab-files">
      <section>
        <h2>作业</h2>
        <div class="buttons">
          <label class="file-button">
            <input type="file" class="file-input" accept=".capjob,application/json" data-testid="job-open" onChange={open} />
            <span>打开作业…（.capjob）</span>
          </label>
        </div>
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
        <label class="field inline">
          <span>导出哪些点</span>
          <select value={scope} onChange={(e) => ctx.setDrafts({ exportScope: (e.currentTarget as HTMLSelectElement).value as ExportScope })}>
            <option value="all">作业中所有桥梁</option>
            {chosen ? <option value="bridge">桥“{chosen}”</option> : null}
            {chosen && bent ? (
              <option value="bent">
                桥“{chosen}”的墩台 {bent}
              </option>
            ) : null}
          </select>
        </label>
        <div class="buttons">
          {kExports.map((e) => (
            <button key={e.format} type="button" data-testid={`export-${e.format}`} onClick={() => exportAs(e.format)}>
              {e.label}
            </button>
          ))}
        </div>
        <OutcomeView ctx={ctx} area="export" areas={kAreas} />
      </section>
    </div>
  );
}
