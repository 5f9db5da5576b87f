// The page: six tabs over one core session. Every change goes through the
// core; the page re-reads the core's state after each one it accepted, so
// what is shown is always what the core holds.

import { useCallback, useEffect, useLayoutEffect, useMemo, useRef, useState } from 'preact/hooks';
import type { Answer, Problem, State } from './answers';
import type { Core } from './core';
import type { RequestLines } from './request_lines';
import {
  Ctx,
  Drafts,
  Outcome,
  Selection,
  emptyDrafts,
  mappedProblems,
  noOutcome,
  draftsFromState,
  isReadOnly,
  kUndoSteps,
  readState,
} from './store';
import { RoadTab } from './road_tab';
import { HeightsTab } from './heights_tab';
import { BridgeTab, bridgeDrafts, listBridges } from './bridge_tab';
import { PointsTab } from './points_tab';
import { CheckTab } from './check_tab';
import { FilesTab } from './files_tab';
import { TabGuard } from './guard';
import { keepJob } from './keep';

const kTabs = [
  { id: 'road', label: '路线' },
  { id: 'profile', label: '纵横断面' },
  { id: 'bridge', label: '桥梁' },
  { id: 'points', label: '点位' },
  { id: 'check', label: '检核' },
  { id: 'files', label: '文件' },
] as const;

type TabId = (typeof kTabs)[number]['id'];

/** What the page does when the session changed from outside it (window.capset). */
export const external = { changed: () => {} };

export function App({ core, startNotice = '' }: { core: Core; startNotice?: string }) {
  const [tab, setTab] = useState<TabId>('road');
  const [state, setState] = useState<State>(() => readState(core));
  const [rev, setRev] = useState(0);
  const [drafts, setDraftsState] = useState<Drafts>(() => ({
    ...emptyDrafts,
    ...draftsFromState(state),
    ...bridgeDrafts(listBridges(core), state.bridges[0] ?? ''),
  }));
  const [selection, setSelection] = useState<Selection>({ bridge: state.bridges[0] ?? '', bent: '', template: '' });
  const [outcome, setOutcome] = useState<Outcome>(startNotice ? { ...noOutcome, area: '*', notices: [startNotice] } : noOutcome);

  // Each tab opens at its top: the page's scroll belongs to the tab that was left, and
  // kept it would open the next one with its heading out of sight.
  const opening = useRef(true);
  useLayoutEffect(() => {
    if (opening.current) {
      opening.current = false;
      return;
    }
    window.scrollTo(0, 0);
  }, [tab]);

  const setDrafts = useCallback((change: Partial<Drafts>) => setDraftsState((d) => ({ ...d, ...change })), []);
  const select = useCallback((change: Partial<Selection>) => setSelection((s) => ({ ...s, ...change })), []);
  const changed = useCallback(() => {
    keepJob(core);
    setState(readState(core));
    setRev((r) => r + 1);
  }, [core]);
  useEffect(() => {
    external.changed = changed;
  }, [changed]);
  const report = useCallback((area: string, problems: Problem[], notices: string[] = []) => {
    setOutcome({ area, problems, notices });
  }, []);
  // 撤销: the job as the core wrote it before each change, the latest last. A job with
  // nothing in it yet writes no file, and there is nothing to go back to.
  const undoStack = useRef<string[]>([]);
  const [undoDepth, setUndoDepth] = useState(0);
  const snapshot = useCallback((): string | null => {
    const before = core.call({ op: 'job.text' });
    return before.ok && typeof before.text === 'string' ? before.text : null;
  }, [core]);
  const pushUndo = useCallback((text: string | null) => {
    if (text === null) return;
    undoStack.current = [...undoStack.current, text].slice(-kUndoSteps);
    setUndoDepth(undoStack.current.length);
  }, []);
  const remember = useCallback(() => {
    const before = snapshot();
    return () => pushUndo(before);
  }, [pushUndo, snapshot]);

  const act = useCallback(
    (area: string, request: Record<string, unknown>, sent?: RequestLines): Answer => {
      const readOnly = isReadOnly(request);
      const before = readOnly ? null : snapshot();
      const answer = core.call(request);
      setOutcome({ area, problems: answer.ok ? [] : mappedProblems(answer, sent), notices: answer.notices ?? [] });
      if (answer.ok && !readOnly) {
        pushUndo(before);
        changed();
      }
      return answer;
    },
    [core, changed, snapshot, pushUndo],
  );

  // An opened job replaces everything: the boxes show what it holds, its first bridge chosen.
  const opened = useCallback(
    (s: State) => {
      const first = s.bridges[0] ?? '';
      setDrafts({ ...draftsFromState(s), ...bridgeDrafts(listBridges(core), first), templateName: '', templateLines: '' });
      select({ bridge: first, bent: '', template: '' });
    },
    [core, setDrafts, select],
  );

  const undo = () => {
    const text = undoStack.current[undoStack.current.length - 1];
    if (text === undefined) return;
    const answer = core.call({ op: 'job.open', text });
    if (!answer.ok) {
      report('*', answer.problems ?? [], answer.notices ?? []);
      return;
    }
    undoStack.current = undoStack.current.slice(0, -1);
    setUndoDepth(undoStack.current.length);
    changed();
    opened(readState(core));
    report('*', [], ['已撤销上一步修改。']);
  };

  const ctx: Ctx = useMemo(
    () => ({ core, state, rev, drafts, setDrafts, selection, select, outcome, act, changed, remember, report }),
    [core, state, rev, drafts, setDrafts, selection, select, outcome, act, changed, remember, report],
  );

  return (
    <div class="app">
      <header class="top">
        <h1>盖梁放样</h1>
        <button type="button" class="undo" onClick={undo} disabled={undoDepth === 0} title="撤销上一步修改">
          撤销{undoDepth ? ` (${undoDepth})` : ''}
        </button>
        {state.modified ? (
          <span class="unsaved" title="作业的修改还没有保存到文件（本机浏览器中已自动保留）">未保存</span>
        ) : null}
        <span class="road-line">{state.road ? `${state.road.start.stationText} ～ ${state.road.end.stationText}` : '尚无路线'}</span>
      </header>
      <nav class="tabs" role="tablist">
        {kTabs.map((t) => (
          <button
            key={t.id}
            type="button"
            role="tab"
            aria-selected={tab === t.id}
            class={tab === t.id ? 'tab on' : 'tab'}
            data-testid={`tab-${t.id}`}
            onClick={() => setTab(t.id)}
          >
            {t.label}
          </button>
        ))}
      </nav>
      <main class={`panel panel-${tab}`} role="tabpanel">
        <TabGuard key={tab}>
        {tab === 'road' && <RoadTab ctx={ctx} />}
        {tab === 'profile' && <HeightsTab ctx={ctx} />}
        {tab === 'bridge' && <BridgeTab ctx={ctx} />}
        {tab === 'points' && <PointsTab ctx={ctx} />}
        {tab === 'check' && <CheckTab ctx={ctx} />}
        {tab === 'files' && <FilesTab ctx={ctx} onOpened={opened} />}
        </TabGuard>
      </main>
    </div>
  );
}
