// A labelled text box or text area bound to one of the page's drafts.

import type { Ctx, Drafts } from './store';

type TextKey = { [K in keyof Drafts]: Drafts[K] extends string ? K : never }[keyof Drafts];

interface Props {
  ctx: Ctx;
  draft: TextKey;
  label: string;
  testid?: string;
  rows?: number;
  placeholder?: string;
  readOnly?: boolean;
  inputMode?: 'decimal' | 'text';
  /** The id of a datalist offering values to pick. */
  list?: string;
}

export function TextField({ ctx, draft, label, testid, rows, placeholder, readOnly, inputMode, list }: Props) {
  const onInput = (e: Event) => ctx.setDrafts({ [draft]: (e.currentTarget as HTMLInputElement).value } as Partial<Drafts>);
  return (
    <label class={rows ? 'field' : 'field inline'}>
      <span>{label}</span>
      {rows ? (
        <textarea
          wrap="off"
          data-testid={testid}
          rows={rows}
          spellcheck={false}
          placeholder={placeholder}
          readOnly={readOnly}
          value={ctx.drafts[draft]}
          onInput={onInput}
        />
      ) : (
        <input
          type="text"
          data-testid={testid}
          placeholder={placeholder}
          inputMode={inputMode}
          list={list}
          readOnly={readOnly}
          autoComplete="off"
          value={ctx.drafts[draft]}
          onInput={onInput}
        />
      )}
    </label>
  );
}
