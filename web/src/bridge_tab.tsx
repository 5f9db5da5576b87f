// The job's bridges (choose, make, rename, remove; each bent a line) and the
// substructure templates (the ready ones read-only, a copy to edit).

import { useMemo, useState } from 'preact/hooks';
import type { BentPoints, BridgeInfo, TemplateInfo } from './answers';
import type { Core } from './core';
import { typedLines } from './request_lines';
import { OutcomeView } from './outcome_view';
import type { Ctx } from './store';
import { TextField } from './text_field';
import { TableBox } from './table_box';

const kAreas = ['bridge', 'template'];

const kBentHint = '每个墩台一行：\nbent 1 K0+100 [skew 90] [axis own|parallel K] [dr 6 6] [depth 1.5] [template T]';
const kTemplateHint = '每项一行：\npoint 名 U V [深]\ngrid 名 行数 列数 DU DV [U0 V0] [深]\ncorners 名 长 宽 [深]\ncopy 模板名';

export function listBridges(core: Core): BridgeInfo[] {
  const a = core.call({ op: 'bridges.list' });
  return a.ok && Array.isArray(a.bridges) ? (a.bridges as BridgeInfo[]) : [];
}

export function listTemplates(core: Core): TemplateInfo[] {
  const a = core.call({ op: 'templates.list' });
  return a.ok && Array.isArray(a.templates) ? (a.templates as TemplateInfo[]) : [];
}

/** The texts of the bridge boxes for a bridge (none: a new one). */
export function bridgeDrafts(bridges: BridgeInfo[], name: string) {
  const b = bridges.find((x) => x.name === name);
  return { bridgeName: b ? b.name : '', bridgeLines: b ? b.lines.join('\n') : '' };
}

export function BridgeTab({ ctx }: { ctx: Ctx }) {
  const bridges = useMemo(() => listBridges(ctx.core), [ctx.core, ctx.rev]);
  const templates = useMemo(() => listTemplates(ctx.core), [ctx.core, ctx.rev]);
  const [undo, setUndo] = useState<BridgeInfo | null>(null);
  const chosenBents = useMemo(() => {
    if (!ctx.selection.bridge) return [];
    const a = ctx.core.call({ op: 'bridge.points', bridge: ctx.selection.bridge });
    return a.ok && Array.isArray(a.bents) ? (a.bents as BentPoints[]) : [];
  }, [ctx.core, ctx.rev, ctx.selection.bridge]);
  const chosen = bridges.some((b) => b.name === ctx.selection.bridge) ? ctx.selection.bridge : '';
  const chosenTemplate = templates.find((t) => t.name === ctx.selection.template);
  const readOnly = !!chosenTemplate && chosenTemplate.ready && ctx.drafts.templateName === chosenTemplate.name;

  const chooseBridge = (name: string) => {
    ctx.select({ bridge: name, bent: '' });
    const drafts = bridgeDrafts(bridges, name);
    // A new bridge starts as the desktop's does: one bent at the road's first station.
    const road = ctx.state.road;
    if (!name && road) drafts.bridgeLines = `bent 1 ${road.start.stationText}`;
    ctx.setDrafts(drafts);
  };

  const applyBridge = () => {
    const name = ctx.drafts.bridgeName.trim();
    if (!name) {
      ctx.report('bridge', [{ line: 0, text: '请填写桥名。' }]);
      return;
    }
    // A bridge is never replaced by one typed under its name by mistake.
    if (name !== chosen && bridges.some((b) => b.name === name)) {
      ctx.report('bridge', [{ line: 0, text: `已有名为“${name}”的桥：请另取一个名字，或在上面选择它再修改。` }]);
      return;
    }
    const sent = typedLines(ctx.drafts.bridgeLines);
    const answer = ctx.act('bridge', { op: 'bridge.set', name, lines: sent.lines }, sent);
    if (!answer.ok) return;
    // A rename: the new bridge is in before the old one goes, so a failure loses nothing.
    if (chosen && chosen !== name) ctx.act('bridge', { op: 'bridge.remove', name: chosen });
    ctx.select({ bridge: name });
    setUndo(null);
  };

  const removeBridge = () => {
    if (!chosen) return;
    const old = bridges.find((b) => b.name === chosen)!;
    const answer = ctx.act('bridge', { op: 'bridge.remove', name: chosen });
    if (!answer.ok) return;
    setUndo(old);
    const next = bridges.find((b) => b.name !== chosen);
    ctx.select({ bridge: next ? next.name : '', bent: '' });
    ctx.setDrafts(bridgeDrafts(bridges, next ? next.name : ''));
  };

  const undoRemove = () => {
    if (!undo) return;
    const answer = ctx.act('bridge', { op: 'bridge.set', name: undo.name, lines: undo.lines });
    if (answer.ok) {
      ctx.select({ bridge: undo.name, bent: '' });
      ctx.setDrafts({ bridgeName: undo.name, bridgeLines: undo.lines.join('\n') });
      setUndo(null);
    }
  };

  const chooseTemplate = (name: string) => {
    const t = templates.find((x) => x.name === name);
    ctx.select({ template: name });
    ctx.setDrafts({ templateName: t ? t.name : '', templateLines: t ? t.lines.join('\n') : '' });
  };

  const copyTemplate = () => {
    if (!chosenTemplate) return;
    let name = `${chosenTemplate.name}副本`;
    for (let i = 2; templates.some((t) => t.name === name); i++) name = `${chosenTemplate.name}副本${i}`;
    ctx.select({ template: '' });
    ctx.setDrafts({ templateName: name, templateLines: chosenTemplate.lines.join('\n') });
  };

  const applyTemplate = () => {
    const name = ctx.drafts.templateName.trim();
    if (!name) {
      ctx.report('template', [{ line: 0, text: '请填写模板名。' }]);
      return;
    }
    const ready = templates.find((t) => t.name === name && t.ready);
    if (ready) {
      ctx.report('template', [{ line: 0, text: `“${name}”是现成模板，不能修改：请复制后以新名字修改。` }]);
      return;
    }
    const sent = typedLines(ctx.drafts.templateLines);
    const answer = ctx.act('template', { op: 'template.set', name, lines: sent.lines }, sent);
    if (answer.ok) ctx.select({ template: name });
  };

  const removeTemplate = () => {
    const name = ctx.selection.template;
    if (!name || !chosenTemplate || chosenTemplate.ready) return;
    const answer = ctx.act('template', { op: 'template.remove', name });
    const usedBy = Array.isArray(answer.usedBy) ? (answer.usedBy as { bridge: string; bent: string }[]) : [];
    if (usedBy.length > 0 && !(answer.problems && answer.problems.length)) {
      ctx.report(
        'template',
        usedBy.map((u) => ({ line: 0, text: `模板“${name}”正被桥“${u.bridge}”的墩台 ${u.bent} 使用，不能删除。` })),
        answer.notices ?? [],
      );
      return;
    }
    if (answer.ok) {
      ctx.select({ template: '' });
      ctx.setDrafts({ templateName: '', templateLines: '' });
    }
  };

  return (
    <div class="tab-bridge two">
      <section>
        <h2>桥梁</h2>
        <label class="field inline">
          <span>桥</span>
          <select data-testid="bridge-select" value={chosen} onChange={(e) => chooseBridge((e.currentTarget as HTMLSelectElement).value)}>
            <option value="">（新建桥梁）</option>
            {bridges.map((b) => (
              <option key={b.name} value={b.name}>
                {b.name}
              </option>
            ))}
          </select>
        </label>
        <TextField ctx={ctx} draft="bridgeName" label="桥名" testid="bridge-name" placeholder="一个词，如 B1" />
        <TextField ctx={ctx} draft="bridgeLines" label="墩台（每行一个）" testid="bridge-lines" rows={8} placeholder={kBentHint} />
        <div class="buttons">
          <button type="button" class="primary" data-testid="bridge-apply" onClick={applyBridge}>
            {chosen ? (ctx.drafts.bridgeName.trim() !== chosen && ctx.drafts.bridgeName.trim() ? '改名并应用' : '应用') : '新建'}
          </button>
          <button type="button" data-testid="bridge-remove" onClick={removeBridge} disabled={!chosen}>
            删除桥
          </button>
          {undo ? (
            <button type="button" onClick={undoRemove}>
              撤销删除“{undo.name}”
            </button>
          ) : null}
        </div>
        <OutcomeView ctx={ctx} area="bridge" areas={kAreas} />
        {chosen && chosenBents.length ? (
          <TableBox>
            <table class="grid bents cards">
              <thead>
                <tr>
                  <th>墩台</th>
                  <th>桩号</th>
                  <th>点数</th>
                  <th>说明</th>
                </tr>
              </thead>
              <tbody>
                {chosenBents.map((b) => (
                  <tr key={b.name} class={b.notice ? 'over' : undefined}>
                    <td class="name" data-label="墩台">{b.name}</td>
                    <td data-label="桩号">{b.stationText}</td>
                    <td class="num" data-label="点数">{b.points.length}</td>
                    <td class="text" data-label="说明">{b.notice ?? ''}</td>
                  </tr>
                ))}
              </tbody>
            </table>
          </TableBox>
        ) : null}
      </section>
      <section>
        <h2>模板</h2>
        <label class="field inline">
          <span>模板</span>
          <select
            data-testid="template-select"
            value={chosenTemplate ? chosenTemplate.name : ''}
            onChange={(e) => chooseTemplate((e.currentTarget as HTMLSelectElement).value)}
          >
            <option value="">（新建模板）</option>
            {templates.map((t) => (
              <option key={t.name} value={t.name}>
                {t.ready ? `${t.name}（现成，只读）` : t.name}
              </option>
            ))}
          </select>
        </label>
        <TextField ctx={ctx} draft="templateName" label="模板名" testid="template-name" readOnly={readOnly} />
        <TextField ctx={ctx} draft="templateLines" label="各项（每行一项）" testid="template-lines" rows={8} placeholder={kTemplateHint} readOnly={readOnly} />
        <div class="buttons">
          <button type="button" class="primary" data-testid="template-apply" onClick={applyTemplate}>
            应用
          </button>
          <button type="button" onClick={copyTemplate} disabled={!chosenTemplate}>
            复制为新模板
          </button>
          <button type="button" onClick={removeTemplate} disabled={!chosenTemplate || chosenTemplate.ready}>
            删除模板
          </button>
        </div>
        {chosenTemplate ? (
          <p class="hint">
            {chosenTemplate.ready ? '现成模板只读；复制后可改。' : ''}共 {chosenTemplate.points.length} 个点。
          </p>
        ) : null}
        <OutcomeView ctx={ctx} area="template" areas={kAreas} />
      </section>
    </div>
  );
}
