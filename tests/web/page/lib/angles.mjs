// Angles as the page and the native core write them, in seconds of arc, so
// that "24°09′16.4″", "24.0916" and the replay's "24.09164" compare.
export function secondsOfText(text) {
  const t = String(text).trim();
  const dms = t.match(/^(-?\d+)\s*°\s*(\d+)\s*['′]\s*(\d+(?:\.\d+)?)\s*["″]?$/);
  if (dms) return sign(dms[1]) * (Math.abs(+dms[1]) * 3600 + +dms[2] * 60 + +dms[3]);
  const packed = t.match(/^(-?)(\d+)\.(\d{2})(\d{2})(\d*)$/);
  if (packed) {
    const s = +`${packed[4]}.${packed[5] || '0'}`;
    return (packed[1] ? -1 : 1) * (+packed[2] * 3600 + +packed[3] * 60 + s);
  }
  return NaN;
}

function sign(d) {
  return d.startsWith('-') ? -1 : 1;
}

// Two angles within tol seconds, across the 0/360 joint.
export function sameAngle(a, b, tol) {
  const d = Math.abs(a - b) % 1296000;
  return Math.min(d, 1296000 - d) <= tol;
}
