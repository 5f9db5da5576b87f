// The field job both the page and the native core play: a road from its
// intersection points whose first curve has unequal spirals, a profile with
// a vertical curve over the bridge, a cross-section, a template of piles
// under a cap, and four bents on the entering spiral (ZH1 K1+647.007 to
// HY1 K1+767.007), one skewed and one with unequal half-widths.

// A letter O typed for a zero: the refusal must name line 3 and nothing
// of the road may change until it is mended.
export const roadBad = [
  'bp 1000 3000 4000',
  'jd 3800 4300 600 120 100',
  'jd 4600 42OO 400 0',
  'ep 5500 4900',
];
export const roadBadLine = 3;

export const road = [
  'bp 1000 3000 4000',
  'jd 3800 4300 600 120 100',
  'jd 4600 4200 400 0',
  'ep 5500 4900',
];

// The same road as a spreadsheet's JD table pasted with tabs: K X Y, then
// X Y R Ls1 Ls2 per JD, then X Y.
export const roadTable = [
  '1000\t3000\t4000',
  '3800\t4300\t600\t120\t100',
  '4600\t4200\t400\t0',
  '5500\t4900',
];

export const profile = [
  'pvi 1000 100',
  'pvi 1700 110 3000',
  'pvi 2500 105',
];

export const section = [
  'crown 2',
  'width 7.5 8',
];

export const templateName = '双排桩';
export const template = [
  'grid Z 2 3 3 2.5',
  'corners T 7 4 1.5',
];

export const bridgeName = '一号桥';
export const bridge = [
  `bent 1 1660 template ${templateName}`,
  `bent 2 K1+690 skew 80 template ${templateName}`,
  `bent 3 1720 dr 6 7 depth 1.6 template ${templateName}`,
  `bent 4 1750 template ${templateName}`,
];
export const bents = ['1', '2', '3', '4'];

// The bent whose points are read off the page, and the polar set-up: the
// instrument over a pile of bent 2, backsight on bent 1's centre.
export const shownBent = '3';
export const stationPoint = '2-Z1';
export const stationHi = '1.55';
export const backsightPoint = '1-C';

export function nativeScript(extra = []) {
  return [
    '@road', ...road, '@end',
    '@profile', ...profile, '@end',
    '@xsec', ...section, '@end',
    `@template ${templateName}`, ...template, '@end',
    `@bridge ${bridgeName}`, ...bridge, '@end',
    ...extra,
    '',
  ].join('\n');
}
