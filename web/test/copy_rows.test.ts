import { test } from 'node:test';
import assert from 'node:assert/strict';
import { tableText } from '../src/copy_rows';

test('a copied table pastes into a spreadsheet cell for cell', () => {
  const text = tableText(['点名', 'X'], [['3-C', '3055.470'], ['a\tb', 'x\r\ny']]);
  assert.equal(text, '点名\tX\r\n3-C\t3055.470\r\na b\tx y\r\n');
  // Every row has as many cells as the headings, whatever the cells held.
  for (const line of text.trimEnd().split('\r\n')) assert.equal(line.split('\t').length, 2);
});
