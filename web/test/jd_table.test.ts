import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readRoadText } from '../src/jd_table';
import { typedLines } from '../src/request_lines';

// Each row: the box's text, what it becomes (lines and the typed row of each), or the rows refused.
const rows: { name: string; text: string; lines?: string[]; rows?: number[]; refused?: number[]; kind?: string }[] = [
  {
    name: 'spreadsheet copy with tabs and a trailing empty cell',
    text: '0\t1000\t2000\n1500\t2600\t800\t120\t\n3000\t2000',
    kind: 'table',
    lines: ['bp 0 1000 2000', 'jd 1500 2600 800 120', 'ep 3000 2000'],
    rows: [1, 2, 3],
  },
  {
    name: 'K form station, Ls2 given, blank lines keep their row numbers',
    text: 'K1+050.5 1000 2000\n\n1500 2600 800 120 90\n\n3000 2000\n',
    kind: 'table',
    lines: ['bp K1+050.5 1000 2000', '', 'jd 1500 2600 800 120 90', '', 'ep 3000 2000'],
    rows: [1, 2, 3, 4, 5],
  },
  {
    name: 'a heading line and a name column are passed over',
    text: '点\tX\tY\tR\tLs1\nBP\tK0+000\t1000\t2000\nJD1\t1500\t2600\t800\t120\nEP\t3000\t2000',
    kind: 'table',
    lines: ['', 'bp K0+000 1000 2000', 'jd 1500 2600 800 120', 'ep 3000 2000'],
    rows: [1, 2, 3, 4],
  },
  {
    name: 'full-width blanks from a Chinese input method',
    text: '0\u30001000\u30002000\n3000\u30002000',
    kind: 'table',
    lines: ['bp 0 1000 2000', 'ep 3000 2000'],
    rows: [1, 2],
  },
  {
    name: 'road lines go as typed, trimmed, blank lines in place, blank tail dropped',
    text: '  bp 0 1000 2000\r\n\njd 1500 2600 800 120\nep 3000 2000\n\n  \n',
    kind: 'lines',
    lines: ['bp 0 1000 2000', '', 'jd 1500 2600 800 120', 'ep 3000 2000'],
    rows: [1, 2, 3, 4],
  },
  { name: 'element lines are not a table', text: 'START 0 0 0 45\nline 100', kind: 'lines', lines: ['START 0 0 0 45', 'line 100'], rows: [1, 2] },
  { name: 'words the page does not know go to the core to refuse', text: 'hello world', kind: 'lines', lines: ['hello world'], rows: [1] },
  { name: 'a cell that is not a number names its row', text: '0 1000 2000\n1500 26OO 800 120\n3000 2000', refused: [2] },
  { name: 'a begin row of two numbers', text: '1000 2000\n1500 2600 800 120\n3000 2000', refused: [1] },
  { name: 'an end row with a radius', text: '0 1000 2000\n1500 2600 800 120\n3000 2000 500', refused: [3] },
  { name: 'a JD row of three numbers and one of six', text: '0 1000 2000\n1 2 3\n1 2 3 4 5 6\n3000 2000', refused: [2, 3] },
  { name: 'one row alone is no road', text: '0 1000 2000', refused: [1] },
];

for (const row of rows) {
  test(`road box: ${row.name}`, () => {
    const r = readRoadText(row.text);
    if (row.refused) {
      assert.equal(r.kind, 'refused');
      if (r.kind === 'refused') {
        assert.deepEqual(r.problems.map((p) => p.line), row.refused);
        for (const p of r.problems) assert.match(p.text, /[\u4e00-\u9fff]/);
      }
      return;
    }
    assert.equal(r.kind, row.kind);
    if (r.kind !== 'refused') {
      assert.deepEqual(r.sent.lines, row.lines);
      assert.deepEqual(r.sent.rows, row.rows);
    }
  });
}

test('a box of blanks sends nothing', () => {
  assert.deepEqual(typedLines('\n  \n\t\n').lines, []);
});

test('property: every table row maps back to a row that holds its numbers', () => {
  let seed = 7;
  const rnd = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
  for (let trial = 0; trial < 200; trial++) {
    const n = 2 + Math.floor(rnd() * 6);
    const typed: string[] = [];
    for (let i = 0; i < n; i++) {
      while (rnd() < 0.3) typed.push(rnd() < 0.5 ? '' : '   ');
      const count = i === 0 ? 3 : i === n - 1 ? 2 : 4 + Math.floor(rnd() * 2);
      const cellsOf = Array.from({ length: count }, () => (rnd() * 1e5).toFixed(3));
      typed.push(cellsOf.join(rnd() < 0.5 ? '\t' : ' '));
    }
    const r = readRoadText(typed.join('\n'));
    assert.equal(r.kind, 'table');
    if (r.kind !== 'table') continue;
    // The core names a line by its place: every curve line stands where its row was typed.
    assert.equal(r.sent.lines.filter((l) => l !== '').length, n);
    r.sent.lines.forEach((line, i) => {
      if (line === '') assert.equal(typed[i].trim(), '');
      else assert.equal(typed[i].split(/[\t ]+/).join(' '), line.split(' ').slice(1).join(' '));
    });
  }
});
