// Files the user opens are read on the device into text for the core. A
// LandXML file says its encoding in its declaration (Chinese design software
// writes GB2312 or GBK as often as UTF-8); other files are UTF-8 or, from
// older Chinese software, GB18030. Bytes that do not decode are refused,
// never replaced, so a mangled name can never reach a point file.

export type Decoded = { ok: true; text: string; encoding: string } | { ok: false; reason: string };

const kChinese = new Set(['gb2312', 'gbk', 'gb18030', 'x-gbk', 'csgb2312', 'cp936', 'ms936', 'windows-936', 'euc-cn']);

/** The encoding an XML declaration names, or '' when it names none. */
export function declaredEncoding(bytes: Uint8Array): string {
  let head = '';
  for (let i = 0; i < Math.min(bytes.length, 256); i++) head += String.fromCharCode(bytes[i]);
  if (!head.startsWith('<?xml')) return '';
  const end = head.indexOf('?>');
  const declaration = end >= 0 ? head.slice(0, end) : head;
  const m = /encoding\s*=\s*["']([A-Za-z0-9._:-]+)["']/.exec(declaration);
  return m ? m[1].toLowerCase() : '';
}

function bomEncoding(bytes: Uint8Array): string {
  if (bytes[0] === 0xef && bytes[1] === 0xbb && bytes[2] === 0xbf) return 'utf-8';
  if (bytes[0] === 0xff && bytes[1] === 0xfe) return 'utf-16le';
  if (bytes[0] === 0xfe && bytes[1] === 0xff) return 'utf-16be';
  return '';
}

function decodeAs(bytes: Uint8Array, encoding: string): Decoded {
  let decoder: TextDecoder;
  try {
    decoder = new TextDecoder(encoding, { fatal: true });
  } catch {
    return { ok: false, reason: `不认识的编码“${encoding}”。` };
  }
  try {
    // The decoder drops a byte order mark itself.
    return { ok: true, text: decoder.decode(bytes), encoding };
  } catch {
    return { ok: false, reason: `文件中有不是 ${encoding.toUpperCase()} 编码的字节。` };
  }
}

/** A LandXML file's text, by its byte order mark, else its declaration, else UTF-8. */
export function decodeXml(bytes: Uint8Array): Decoded {
  const bom = bomEncoding(bytes);
  if (bom) return decodeAs(bytes, bom);
  const declared = declaredEncoding(bytes);
  if (!declared) return decodeAs(bytes, 'utf-8');
  return decodeAs(bytes, kChinese.has(declared) ? 'gb18030' : declared);
}

/** A text file of unknown origin: UTF-8 when it reads as UTF-8, else GB18030. */
export function decodeText(bytes: Uint8Array): Decoded {
  const bom = bomEncoding(bytes);
  if (bom) return decodeAs(bytes, bom);
  const utf8 = decodeAs(bytes, 'utf-8');
  if (utf8.ok) return utf8;
  const gb = decodeAs(bytes, 'gb18030');
  return gb.ok ? gb : { ok: false, reason: '文件既不是 UTF-8 也不是 GBK 编码的文本。' };
}
