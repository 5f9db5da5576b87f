// The profile (纵断面) and the cross-section (横断面) as lines; the core reads
// them and says when the profile does not fit the road.

import type { Answer } from './answers';
import { isBlank, typedLines } from './request_lines';
import { OutcomeView } from './outcome_view';
import type { Ctx } from './store';
import { TextField } from './text_field';

const kAreas = ['profile', 'section'];

const kProfileHint = '每个变坡点一行：pvi 桩号 高程 [R]\npvi K H length L / lengths L1 L2 / circle R';
const kSectionHint = 'crown 2\nwidth 7.5 7.5\ndesign 0\nsuper JD1 4 [centre|inner|outer]\nslopes 桩号 左% 右%';

export function HeightsTab({ ctx }: { ctx: Ctx }) {
  // A profile that does not fit the road is kept, and said beside the other notices.
  const withFit = (area: string, answer: Answer) => {
    const misfit = answer.heightsProblem;
    if (answer.ok && typeof misfit === 'string' && misfit) ctx.report(area, [], [...(answer.notices ?? []), misfit]);
  };
  const applyProfile = () => {
    const sent = typedLines(ctx.drafts.profile);
    if (isBlank(sent)) ctx.act('profile', { op: 'profile.clear' });
    else withFit('profile', ctx.act('profile', { op: 'profile.set', lines: sent.lines }, sent));
  };
  const applySection = () => {
    const sent = typedLines(ctx.drafts.section);
    withFit('section', ctx.act('section', { op: 'section.set', lines: sent.lines }, sent));
  };
  const clearProfile = () => {
    ctx.act('profile', { op: 'profile.clear' });
    ctx.setDrafts({ profile: '' });
  };

  return (
    <div class="tab-profile">
      <section>
        <h2>纵断面</h2>
        <TextField ctx={ctx} draft="profile" label="变坡点（每行一个）" testid="profile-lines" rows={8} placeholder={kProfileHint} />
        <div class="buttons">
          <button type="button" class="primary" data-testid="profile-apply" onClick={applyProfile}>
            应用
          </button>
          <button type="button" onClick={clearProfile} disabled={!ctx.state.profileLines}>
            清除纵断面
          </button>
        </div>
        <OutcomeView ctx={ctx} area="profile" areas={kAreas} />
      </section>
      <section>
        <h2>横断面</h2>
        <TextField ctx={ctx} draft="section" label="路拱、路基宽度、超高（每行一项）" testid="section-lines" rows={8} placeholder={kSectionHint} />
        <div class="buttons">
          <button type="button" class="primary" data-testid="section-apply" onClick={applySection}>
            应用
          </button>
        </div>
        <OutcomeView ctx={ctx} area="section" areas={kAreas} />
      </section>
    </div>
  );
}
