// The refusals and notices of the last action. Every tab shows one list of
// each: beside the part of the tab the action was in, else at the tab's top,
// so a test and a user always find them in one place.

import type { Ctx } from './store';
import { problemText } from './store';

interface Props {
  ctx: Ctx;
  /** The part of the tab this slot stands beside. */
  area: string;
  /** Every part of this tab; the first one's slot takes actions from elsewhere. */
  areas: string[];
}

export function OutcomeView({ ctx, area, areas }: Props) {
  // '*': an outcome of the whole page (撤销), shown at the top of whichever tab is open.
  const mine = ctx.outcome.area === area || (ctx.outcome.area === '*' && area === areas[0]);
  const fallback = area === areas[0] && !areas.includes(ctx.outcome.area);
  if (!mine && !fallback) return null;
  const problems = mine ? ctx.outcome.problems : [];
  const notices = mine ? ctx.outcome.notices : [];
  return (
    <div class="outcome">
      <ul class="problems" data-testid="problems" role="alert">
        {problems.map((p, i) => (
          <li key={i}>{problemText(p)}</li>
        ))}
      </ul>
      <ul class="notices" data-testid="notices" aria-live="polite">
        {notices.map((n, i) => (
          <li key={i}>{n}</li>
        ))}
      </ul>
    </div>
  );
}
