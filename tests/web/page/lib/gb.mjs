// Text written in GB2312/GBK bytes, as Chinese survey software saves its
// LandXML. Node can decode GBK but has no encoder, so the table is built
// backwards: every two-byte GBK code decoded once, each character mapped to
// the bytes that gave it.
let table = null;

function gbkTable() {
  if (table) return table;
  table = new Map();
  const dec = new TextDecoder('gbk', { fatal: true });
  for (let lead = 0x81; lead <= 0xfe; lead++) {
    for (let trail = 0x40; trail <= 0xfe; trail++) {
      if (trail === 0x7f) continue;
      let ch;
      try {
        ch = dec.decode(Uint8Array.of(lead, trail));
      } catch {
        continue;
      }
      if (ch.length === 1 && !table.has(ch)) table.set(ch, [lead, trail]);
    }
  }
  return table;
}

export function encodeGbk(text) {
  const t = gbkTable();
  const out = [];
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (code < 0x80) out.push(code);
    else if (t.has(ch)) out.push(...t.get(ch));
    else throw new Error(`“${ch}” has no GBK code`);
  }
  return Buffer.from(out);
}
