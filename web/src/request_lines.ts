// The core reads lines by their place in the list it is given, blank ones
// included, and names a refused line by that place. The page therefore sends
// a box's lines where they stand (a blank line as a blank), so the line a
// refusal names is the line the user sees in the box.

export interface RequestLines {
  /** The lines sent to the core. */
  lines: string[];
  /** rows[i]: the 1-based line of the typed text that lines[i] came from. */
  rows: number[];
}

/** The box's lines, each trimmed, blank ones kept in place; blank lines at the end dropped. */
export function typedLines(text: string): RequestLines {
  const lines = text.split(/\r\n|\r|\n/).map((l) => l.trim());
  while (lines.length > 0 && lines[lines.length - 1] === '') lines.pop();
  return { lines, rows: lines.map((_, i) => i + 1) };
}

/** Whether the box holds nothing but blanks. */
export function isBlank(sent: RequestLines): boolean {
  return sent.lines.every((l) => l === '');
}

/**
 * The typed line a refusal of the core names. Line 0 (the whole input) stays 0; a
 * line outside what was sent is passed through rather than guessed at.
 */
export function typedRow(sent: RequestLines, coreLine: number): number {
  if (!Number.isInteger(coreLine) || coreLine < 1 || coreLine > sent.rows.length) return coreLine;
  return sent.rows[coreLine - 1];
}
