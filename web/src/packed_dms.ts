// Angles the core reads as the crew types them, packed degrees.minutesseconds
// (123.4530 is 123°45′30″). An azimuth the core holds in decimal degrees is
// given back in that form, to the microsecond, when the page has to put it
// back as it was.

/** Decimal degrees in [0, 360) as packed D.MMSSssssss, minutes and seconds below 60. */
export function packedDms(degrees: number): string {
  const micro = Math.round(degrees * 3600e6);
  const d = Math.floor(micro / 3600e6);
  const m = Math.floor((micro - d * 3600e6) / 60e6);
  const us = micro - d * 3600e6 - m * 60e6;
  const s = Math.floor(us / 1e6);
  const frac = String(us - s * 1e6).padStart(6, '0');
  return `${d}.${String(m).padStart(2, '0')}${String(s).padStart(2, '0')}${frac}`;
}
