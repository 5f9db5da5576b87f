import { test } from 'node:test';
import assert from 'node:assert/strict';
import { declaredEncoding, decodeText, decodeXml } from '../src/file_text';

const gbk路线 = [0xc2, 0xb7, 0xcf, 0xdf]; // 路线 in GBK
const ascii = (s: string) => [...s].map((c) => c.charCodeAt(0));

const rows: { name: string; bytes: number[]; text?: string; refused?: boolean }[] = [
  { name: 'GB2312 declared', bytes: [...ascii('<?xml version="1.0" encoding="GB2312"?><a n="'), ...gbk路线, ...ascii('"/>')], text: '<?xml version="1.0" encoding="GB2312"?><a n="路线"/>' },
  { name: 'gbk declared in single quotes', bytes: [...ascii("<?xml version='1.0' encoding='gbk'?><a>"), ...gbk路线], text: "<?xml version='1.0' encoding='gbk'?><a>路线" },
  { name: 'UTF-8 with its mark', bytes: [0xef, 0xbb, 0xbf, ...ascii('<?xml version="1.0"?><a>'), 0xe8, 0xb7, 0xaf], text: '<?xml version="1.0"?><a>路' },
  { name: 'no declaration: UTF-8', bytes: [...ascii('<a>'), 0xe8, 0xb7, 0xaf], text: '<a>路' },
  { name: 'declared UTF-8 but GBK bytes: refused, not mangled', bytes: [...ascii('<?xml version="1.0" encoding="UTF-8"?><a>'), ...gbk路线], refused: true },
  { name: 'an encoding no browser knows', bytes: ascii('<?xml version="1.0" encoding="x-unknown-9"?><a/>'), refused: true },
  { name: 'encoding= outside the declaration is not the declaration', bytes: ascii('<?xml version="1.0"?><a encoding="gbk"/>'), text: '<?xml version="1.0"?><a encoding="gbk"/>' },
];
for (const row of rows) {
  test(`LandXML bytes: ${row.name}`, () => {
    const d = decodeXml(new Uint8Array(row.bytes));
    if (row.refused) {
      assert.equal(d.ok, false);
      if (!d.ok) assert.match(d.reason, /[\u4e00-\u9fff]/);
    } else {
      assert.ok(d.ok);
      if (d.ok) assert.equal(d.text, row.text);
    }
  });
}

test('declared encoding is read from the declaration only', () => {
  assert.equal(declaredEncoding(new Uint8Array(ascii('<?xml version="1.0" encoding="GB18030"?>'))), 'gb18030');
  assert.equal(declaredEncoding(new Uint8Array(ascii('<root/>'))), '');
});

test('a point file: UTF-8 when it reads so, else GBK, CR LF kept', () => {
  const utf8 = decodeText(new Uint8Array([...ascii('M1,'), 0xe8, 0xb7, 0xaf, ...ascii('\r\n')]));
  assert.ok(utf8.ok && utf8.text === 'M1,路\r\n');
  const gbk = decodeText(new Uint8Array([...ascii('M1,'), ...gbk路线]));
  assert.ok(gbk.ok && gbk.text === 'M1,路线' && gbk.encoding === 'gb18030');
});
