// A table copied for a spreadsheet: tab-separated cells, one row a line, as
// the desktop's Ctrl+C copies. The clipboard is the device's own.

/** The text a spreadsheet pastes as the table: tabs between cells, CR LF between rows. */
export function tableText(headings: string[], rows: string[][]): string {
  // A tab or line break inside a cell would shift every cell after it.
  const cell = (c: string) => c.replace(/[\t\r\n]+/g, ' ');
  return [headings, ...rows].map((r) => r.map(cell).join('\t')).join('\r\n') + '\r\n';
}

/** Puts the text on the clipboard; false when the browser refused. */
export async function copyText(text: string): Promise<boolean> {
  try {
    await navigator.clipboard.writeText(text);
    return true;
  } catch {
    // Older browsers, or a page not from a secure origin: the selection's copy.
    const area = document.createElement('textarea');
    area.value = text;
    area.setAttribute('readonly', '');
    area.className = 'copy-scratch';
    document.body.appendChild(area);
    area.select();
    const done = document.execCommand('copy');
    area.remove();
    return done;
  }
}
