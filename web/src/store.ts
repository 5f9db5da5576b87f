// What the page keeps between actions: the core's state as last read, the
// texts being typed in every tab (kept when a tab is left), what is chosen,
// and the outcome of the last action (its refusals and notices, shown next
// to what was refused).

import type { Answer, Problem, State } from './answers';
import type { Core } from './core';
import { RequestLines, typedRow } from './request_lines';

/** Which points an export writes: every bridge's, the chosen bridge's, or its chosen bent's. */
export type ExportScope = 'all' | 'bridge' | 'bent';

export interface Drafts {
  road: string;
  profile: string;
  section: string;
  bridgeName: string;
  bridgeLines: string;
  templateName: string;
  templateLines: string;
  check: string;
  checkFileName: string;
  tolerance: string;
  heightTolerance: string;
  stationPoint: string;
  stationHi: string;
  backsight: string;
  backsightIsAzimuth: boolean;
  exportScope: ExportScope;
  tableFrom: string;
  tableTo: string;
  tableStep: string;
  tableOffsets: string;
  alignment: string;
  atStation: string;
  atOffset: string;
}

export const emptyDrafts: Drafts = {
  road: '',
  profile: '',
  section: '',
  bridgeName: '',
  bridgeLines: '',
  templateName: '',
  templateLines: '',
  check: '',
  checkFileName: '',
  tolerance: '10',
  heightTolerance: '10',
  stationPoint: '',
  stationHi: '',
  backsight: '',
  backsightIsAzimuth: false,
  exportScope: 'all',
  tableFrom: '',
  tableTo: '',
  tableStep: '20',
  tableOffsets: '',
  alignment: '',
  atStation: '',
  atOffset: '',
};

// Ops that change nothing in the session.
const kReadOnly = new Set([
  'about', 'state', 'templates.list', 'bridges.list', 'bridge.points', 'bridge.plan', 'road.at',
  'station.table', 'check.run', 'export', 'job.save', 'job.text',
]);

export function isReadOnly(request: Record<string, unknown>): boolean {
  return kReadOnly.has(String(request.op));
}

/** How many steps back 撤销 reaches. */
export const kUndoSteps = 20;

export interface Outcome {
  /** Where the action was: its refusals are shown there. */
  area: string;
  problems: Problem[];
  notices: string[];
}

export const noOutcome: Outcome = { area: '', problems: [], notices: [] };

export const emptyState: State = {
  road: null,
  profileLines: null,
  sectionLines: [],
  templates: [],
  bridges: [],
  station: null,
  backsight: null,
};

export interface Selection {
  bridge: string;
  bent: string;
  template: string;
}

export interface Ctx {
  core: Core;
  state: State;
  /** Grows with every change the core accepted: views that ask the core again key on it. */
  rev: number;
  drafts: Drafts;
  setDrafts(change: Partial<Drafts>): void;
  selection: Selection;
  select(change: Partial<Selection>): void;
  outcome: Outcome;
  /** Asks the core; records the outcome under area, lines of refusals mapped back through sent. */
  act(area: string, request: Record<string, unknown>, sent?: RequestLines): Answer;
  /** A change the core accepted that did not go through act (several calls as one). */
  changed(): void;
  /**
   * For changes made without act: the job as it is now, kept for 撤销 only when the
   * returned function is called (once the change went through).
   */
  remember(): () => void;
  report(area: string, problems: Problem[], notices?: string[]): void;
}

/** The refusals of an answer, their lines as the user typed them. */
export function mappedProblems(answer: Answer, sent?: RequestLines): Problem[] {
  const problems = answer.problems ?? [];
  return sent ? problems.map((p) => ({ ...p, line: typedRow(sent, p.line) })) : problems;
}

/** Reads the core's state, or the empty one when the core will not say. */
export function readState(core: Core): State {
  const answer = core.call({ op: 'state' });
  if (!answer.ok) return emptyState;
  return { ...emptyState, ...(answer as unknown as State) };
}

/** The text a problem is shown with: its line named, when it has one. */
export function problemText(p: Problem): string {
  // The core's sentences name their line themselves; the page's own are named here.
  const where = p.line > 0 && !p.text.includes(`第 ${p.line} 行`) ? `第 ${p.line} 行：` : '';
  const field = p.field ? `（${p.field}）` : '';
  return `${where}${p.text}${field}`;
}

/** The typed texts that follow the core's state: after a job is opened, or at the start. */
export function draftsFromState(state: State): Partial<Drafts> {
  return {
    road: state.road ? state.road.lines.join('\n') : '',
    profile: (state.profileLines ?? []).join('\n'),
    section: (state.sectionLines ?? []).join('\n'),
  };
}
