// A curve table copied from a spreadsheet (交点法: first row K X Y, then one
// row per intersection point X Y R Ls1 [Ls2], last row X Y) becomes the
// bp/jd/ep lines the core reads. The page, not the core, owns this reading,
// so it names a bad row by the row the user sees.

import { RequestLines, typedLines } from './request_lines';

const kNumber = /^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/;
// A station in K form, with the place in a long chain when the station exists twice.
const kStation = /^[Kk]\d+\+\d+(\.\d*)?(\(\d+\))?$/;
const kRoadWords = new Set(['bp', 'jd', 'ep', 'start', 'line', 'arc', 'spiral', 'equation']);

export interface TableProblem {
  line: number;
  text: string;
}

export type TableReading =
  | { kind: 'lines'; sent: RequestLines }
  | { kind: 'table'; sent: RequestLines }
  | { kind: 'refused'; problems: TableProblem[] };

/** The cells of a row: a spreadsheet copies tabs, a typed table uses blanks (full-width ones too). */
export function cells(line: string): string[] {
  return line.split(/[\t \u3000]+/).filter((c) => c !== '');
}

function isNumber(cell: string): boolean {
  return kNumber.test(cell);
}

function isStation(cell: string): boolean {
  return isNumber(cell) || kStation.test(cell);
}

/** Drops a leading name column (BP, JD1, EP, 起点…) that spreadsheets often carry. */
function withoutName(row: string[]): string[] {
  return row.length >= 3 && !isStation(row[0]) ? row.slice(1) : row;
}

/**
 * Reads the road box. Lines that begin with a road word go to the core as they are;
 * a table of numbers is turned into bp/jd/ep lines, each remembering its row.
 */
export function readRoadText(text: string): TableReading {
  const typed = typedLines(text);
  const filled = typed.lines.map((l, i) => ({ line: l, row: i + 1 })).filter((x) => x.line !== '');
  if (filled.length === 0) return { kind: 'lines', sent: typed };
  const first = cells(filled[0].line);
  if (kRoadWords.has(first[0].toLowerCase())) return { kind: 'lines', sent: typed };

  let start = 0;
  // A first line of headings (交点 X Y R Ls1 Ls2) has no number in it.
  if (!first.some(isStation)) {
    if (filled.length < 2 || !cells(filled[1].line).some(isStation)) return { kind: 'lines', sent: typed };
    start = 1;
  } else if (!isStation(withoutName(first)[0])) {
    return { kind: 'lines', sent: typed };
  }

  const problems: TableProblem[] = [];
  // Every typed row keeps its place (headings and blanks sent as blanks), so the
  // core names a bad curve by the row the user sees.
  const lines = typed.lines.map(() => '');
  const body = filled.slice(start);
  if (body.length < 2) {
    return {
      kind: 'refused',
      problems: [{ line: body[0]?.row ?? 0, text: '交点表至少要有起点（K X Y）和终点（X Y）两行。' }],
    };
  }
  body.forEach(({ line, row: at }, i) => {
    const row = withoutName(cells(line));
    const last = i === body.length - 1;
    const bad = row.find((c, j) => !(i === 0 && j === 0 ? isStation(c) : isNumber(c)));
    if (bad !== undefined) {
      problems.push({ line: at, text: `“${bad}”不是数。` });
    } else if (i === 0) {
      if (row.length !== 3) problems.push({ line: at, text: `起点一行应为 桩号 X Y 三个数，这里有 ${row.length} 个。` });
      else lines[at - 1] = `bp ${row.join(' ')}`;
    } else if (last) {
      if (row.length !== 2) problems.push({ line: at, text: `终点一行应为 X Y 两个数，这里有 ${row.length} 个。` });
      else lines[at - 1] = `ep ${row.join(' ')}`;
    } else if (row.length !== 4 && row.length !== 5) {
      problems.push({ line: at, text: `交点一行应为 X Y R Ls1 [Ls2] 四或五个数，这里有 ${row.length} 个。` });
    } else {
      lines[at - 1] = `jd ${row.join(' ')}`;
    }
  });
  if (problems.length > 0) return { kind: 'refused', problems };
  return { kind: 'table', sent: { lines, rows: typed.rows } };
}
