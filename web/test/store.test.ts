import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mappedProblems, problemText } from '../src/store';

const rows: { name: string; line: number; text: string; field?: string; shown: string }[] = [
  { name: "the page's own sentence gets its line", line: 4, text: '“56x00”不是数。', shown: '第 4 行：“56x00”不是数。' },
  { name: "the core's sentence names its line itself", line: 2, text: '路线第 2 行“jd 1 2”：R 须大于 0。', shown: '路线第 2 行“jd 1 2”：R 须大于 0。' },
  { name: 'another line number in the text is no excuse', line: 12, text: '第 1 行与第 2 行重名。', shown: '第 12 行：第 1 行与第 2 行重名。' },
  { name: 'the whole input has no line', line: 0, text: '路线为空。', shown: '路线为空。' },
  { name: "a job file's field is named", line: 3, text: '不是数值。', field: 'X', shown: '第 3 行：不是数值。（X）' },
];
for (const row of rows) {
  test(`problem shown: ${row.name}`, () => {
    assert.equal(problemText({ line: row.line, text: row.text, field: row.field }), row.shown);
  });
}

test('problems of a pasted table are named by the typed row', () => {
  const answer = { ok: false, problems: [{ line: 2, text: 'x' }, { line: 0, text: 'y' }, { line: 9, text: 'z' }] };
  const sent = { lines: ['bp', 'jd', 'ep'], rows: [3, 5, 7] };
  assert.deepEqual(mappedProblems(answer, sent).map((p) => p.line), [5, 0, 9]);
});
