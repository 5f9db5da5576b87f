// A rough stand-in of the core for work on the page's layout and drawing
// without the WebAssembly build (node build.mjs --stand-in). It answers the
// shapes of the core's answers with made-up geometry: a straight road, bents
// square to it. Never shipped, never used by a test of numbers.

type Json = Record<string, unknown>;

let road: { lines: string[]; k0: number; x0: number; y0: number; length: number } | null = null;
const bridges = new Map<string, string[]>();
const templates = new Map<string, string[]>([['柱式墩', ['point Z1 -3 0', 'point Z2 3 0']]]);
let station: Json | null = null;
let backsight: Json | null = null;
let profile: string[] | null = null;
let section: string[] = [];

const az = Math.PI / 4;
const at = (s: number, o: number): [number, number] => {
  const r = road!;
  const d = s - r.k0;
  return [r.x0 + d * Math.cos(az) - o * Math.sin(az), r.y0 + d * Math.sin(az) + o * Math.cos(az)];
};
const kText = (s: number) => `K${Math.floor(s / 1000)}+${(s % 1000).toFixed(3).padStart(7, '0')}`;

function summary() {
  if (!road) return null;
  const centre: [number, number][] = [];
  for (let d = 0; d <= road.length; d += 5) centre.push(at(road.k0 + d, 0));
  const key = (name: string, s: number) => ({ name, station: s, stationText: kText(s), x: at(s, 0)[0], y: at(s, 0)[1], azimuth: 45 });
  return {
    form: 'jd',
    lines: road.lines,
    start: { station: road.k0, stationText: kText(road.k0) },
    end: { station: road.k0 + road.length, stationText: kText(road.k0 + road.length) },
    keyPoints: [key('BP', road.k0), key('EP', road.k0 + road.length)],
    plan: { centre },
  };
}

function bents(name: string) {
  return (bridges.get(name) ?? []).map((l) => {
    const w = l.split(/\s+/);
    return { name: w[1] ?? '?', k: Number((w[2] ?? '0').replace(/^K(\d+)\+/, (_, km) => String(Number(km) * 1000 + 0)).replace(/^(\d+)000(\d)/, '$1$2')) };
  });
}

function state(): Json {
  return {
    ok: true,
    notices: [],
    road: summary(),
    profileLines: profile,
    sectionLines: section,
    templates: [...templates.keys()].map((n) => ({ name: n, ready: n === '柱式墩' })),
    bridges: [...bridges.keys()],
    station,
    backsight,
  };
}

const refuse = (text: string, line = 0): Json => ({ ok: false, problems: [{ line, text }], notices: [] });

function call(req: Json): Json {
  const lines = (req.lines as string[]) ?? [];
  switch (req.op) {
    case 'state':
      return state();
    case 'road.set': {
      const bp = lines.findIndex((l) => l.startsWith('bp'));
      if (bp < 0) return refuse('没有起点 bp。', 1);
      const w = lines[bp].split(/\s+/).map(Number);
      road = { lines, k0: w[1], x0: w[2], y0: w[3], length: 400 };
      return { ok: true, notices: [], road: summary() };
    }
    case 'road.clear':
      road = null;
      return { ok: true, notices: [] };
    case 'profile.set':
      profile = lines;
      return { ok: true, notices: [], heightsProblem: null };
    case 'profile.clear':
      profile = null;
      return { ok: true, notices: [] };
    case 'section.set':
      section = lines;
      return { ok: true, notices: [] };
    case 'bridges.list':
      return { ok: true, bridges: [...bridges].map(([name, l]) => ({ name, lines: l })) };
    case 'templates.list':
      return { ok: true, templates: [...templates].map(([name, l]) => ({ name, ready: name === '柱式墩', lines: l, points: [] })) };
    case 'template.set':
      templates.set(req.name as string, lines);
      return { ok: true, notices: [] };
    case 'bridge.set':
      if (lines.length === 0) return refuse('桥至少要有一个墩台。');
      bridges.set(req.name as string, lines);
      return { ok: true, notices: [] };
    case 'bridge.remove':
      bridges.delete(req.name as string);
      return { ok: true, notices: [] };
    case 'bridge.points': {
      if (!road) return refuse('没有路线。');
      const polar = !!(station && backsight);
      return {
        ok: true,
        polar,
        bents: bents(req.bridge as string).map((b) => ({
          name: b.name,
          stationText: kText(b.k),
          notice: null,
          points: [['C', 0], ['L', -6], ['R', 6], ['Z1', -3], ['Z2', 3]].map(([n, o]) => {
            const [x, y] = at(b.k, o as number);
            return {
              name: `${b.name}-${n}`, bent: b.name, item: n, role: n, x, y, h: null, station: b.k, offset: o,
              element: 'line', xText: x.toFixed(3), yText: y.toFixed(3), hText: '', stationText: kText(b.k),
              offsetText: (o as number).toFixed(3),
              ...(polar ? { azimuthText: '45°00′00″', distanceText: '12.345', turnText: '10°00′00″', dHText: '', zenithText: '' } : {}),
            };
          }),
        })),
      };
    }
    case 'bridge.plan': {
      if (!road) return refuse('没有路线。');
      const bs = bents(req.bridge as string);
      const k0 = Math.min(...bs.map((b) => b.k)) - 20;
      const k1 = Math.max(...bs.map((b) => b.k)) + 20;
      const line = (o: number) => [at(k0, o), at(k1, o)];
      return {
        ok: true,
        centre: line(0),
        left: line(-6),
        right: line(6),
        bents: bs.map((b) => ({
          name: b.name,
          axis: [at(b.k, -6), at(b.k, 6)],
          outline: [at(b.k - 1, -6.5), at(b.k - 1, 6.5), at(b.k + 1, 6.5), at(b.k + 1, -6.5)],
          points: ['C', 'L', 'R', 'Z1', 'Z2'].map((n, i) => {
            const [x, y] = at(b.k, [0, -6, 6, -3, 3][i]);
            return { name: `${b.name}-${n}`, x, y, role: n };
          }),
        })),
      };
    }
    case 'polar.station':
      station = req;
      return { ok: true, notices: [], station, backsight };
    case 'polar.backsight':
      backsight = req;
      return { ok: true, notices: [], station, backsight };
    case 'polar.clear':
      station = backsight = null;
      return { ok: true, notices: [] };
    case 'check.run':
      return {
        ok: true,
        notices: [],
        summary: '检核 2 个点，限差 10 mm：1 个超限（红色）。',
        headings: ['点名', 'X', 'Y', '偏差 (mm)', '结果'],
        csv: '\ufeff点名,X,Y\r\n',
        rows: [
          { name: 'M1', matched: 'B1/1 C', flag: 'ok', heightFlag: null, cells: ['M1', '3055.470', '5083.210', '2.0', '合格'] },
          { name: 'M2', matched: 'B1/1 L', flag: 'over', heightFlag: null, cells: ['M2', '3060.500', '5079.800', '23.0', '超限'] },
        ],
      };
    case 'job.save':
      return { ok: true, text: JSON.stringify({ stand: 'in' }), fileName: '作业.capjob', notices: [] };
    case 'export':
      return { ok: true, text: 'a,,1,2,\r\n', fileName: `点位.${String(req.format)}`, mime: 'text/plain', notices: [] };
    default:
      return { ok: false, fault: 'request', problems: [{ line: 0, text: `没有这个操作：${String(req.op)}` }] };
  }
}

(globalThis as { capsetStandIn?: unknown }).capsetStandIn = { call };
