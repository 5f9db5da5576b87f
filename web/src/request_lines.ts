// The page sends the core only the lines that hold something, and the core
// names a refused line by its place among those; the user reads the line
// numbers of the box they typed in. These helpers keep the two apart.

export interface RequestLines {
  /** The lines sent to the core. */
  lines: string[];
  /** rows[i]: the 1-based line of the typed text that lines[i] came from. */
  rows: number[];
}

/** Every line of the text with something on it, trimmed, with the line it stood on. */
export function filledLines(text: string): RequestLines {
  const lines: string[] = [];
  const rows: number[] = [];
  text.split(/\r\n|\r|\n/).forEach((line, i) => {
    const trimmed = line.trim();
    if (trimmed !== '') {
      lines.push(trimmed);
      rows.push(i + 1);
    }
  });
  return { lines, rows };
}

/**
 * The typed line a refusal of the core names. Line 0 (the whole input) stays 0; a
 * line outside what was sent is passed through rather than guessed at.
 */
export function typedRow(sent: RequestLines, coreLine: number): number {
  if (!Number.isInteger(coreLine) || coreLine < 1 || coreLine > sent.rows.length) return coreLine;
  return sent.rows[coreLine - 1];
}
