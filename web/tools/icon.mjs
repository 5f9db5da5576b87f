// The app's icon drawn in code and written as PNG with node's zlib, so the
// build needs no image tools and the icon needs no binary in the sources:
// a road's curve on the blue of the page's header, a yellow cap across it.

import { deflateSync } from 'node:zlib';

const kCrcTable = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

export function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = kCrcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const out = Buffer.alloc(12 + data.length);
  out.writeUInt32BE(data.length, 0);
  out.write(type, 4, 'ascii');
  data.copy(out, 8);
  out.writeUInt32BE(crc32(out.subarray(4, 8 + data.length)), 8 + data.length);
  return out;
}

/** A PNG of an RGBA image, rows top to bottom. */
export function encodePng(width, height, rgba) {
  const raw = Buffer.alloc((width * 4 + 1) * height);
  for (let y = 0; y < height; y++) {
    raw[y * (width * 4 + 1)] = 0; // no filter
    Buffer.from(rgba.buffer, rgba.byteOffset + y * width * 4, width * 4).copy(raw, y * (width * 4 + 1) + 1);
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8; // bit depth
  header[9] = 6; // RGBA
  return Buffer.concat([
    Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]),
    chunk('IHDR', header),
    chunk('IDAT', deflateSync(raw, { level: 9 })),
    chunk('IEND', Buffer.alloc(0)),
  ]);
}

const clamp01 = (v) => Math.max(0, Math.min(1, v));

/** The icon at a size: coverage from signed distances gives smooth edges at any size. */
export function drawIcon(size) {
  const rgba = new Uint8Array(size * size * 4);
  const s = size / 512;
  const layers = [
    // [colour, distance function (negative inside), in icon units of 512]
    [[31, 78, 121], (x, y) => roundedBox(x - 256, y - 256, 256, 256, 96)],
    [[236, 239, 241], (x, y) => Math.abs(Math.hypot(x - 560, y - 560) - 380) - 34],
    [[31, 78, 121], (x, y) => Math.abs(Math.hypot(x - 560, y - 560) - 380) - 4],
    [[255, 202, 40], (x, y) => rotatedBox(x - 291, y - 291, 150, 26, Math.PI / 4)],
  ];
  for (let py = 0; py < size; py++) {
    for (let px = 0; px < size; px++) {
      const x = (px + 0.5) / s;
      const y = (py + 0.5) / s;
      let r = 0, g = 0, b = 0, a = 0;
      for (const [colour, dist] of layers) {
        const cover = clamp01(0.5 - dist(x, y) * s);
        if (cover <= 0) continue;
        r = r * (1 - cover) + colour[0] * cover;
        g = g * (1 - cover) + colour[1] * cover;
        b = b * (1 - cover) + colour[2] * cover;
        a = a * (1 - cover) + cover;
      }
      // Nothing outside the rounded square: the rest clipped to it.
      const inside = clamp01(0.5 - roundedBox(x - 256, y - 256, 256, 256, 96) * s);
      const i = (py * size + px) * 4;
      rgba[i] = Math.round(r);
      rgba[i + 1] = Math.round(g);
      rgba[i + 2] = Math.round(b);
      rgba[i + 3] = Math.round(255 * Math.min(a, inside));
    }
  }
  return encodePng(size, size, rgba);
}

function roundedBox(x, y, hw, hh, r) {
  const qx = Math.abs(x) - hw + r;
  const qy = Math.abs(y) - hh + r;
  return Math.hypot(Math.max(qx, 0), Math.max(qy, 0)) + Math.min(Math.max(qx, qy), 0) - r;
}

function rotatedBox(x, y, hw, hh, angle) {
  const c = Math.cos(angle), sn = Math.sin(angle);
  return roundedBox(c * x + sn * y, -sn * x + c * y, hw, hh, 6);
}
