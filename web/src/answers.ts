// The shapes of the core's answers the page reads. The core's interface is
// JSON: these types say what the page relies on, nothing more.

export interface Problem {
  line: number;
  text: string;
  field?: string;
}

export interface Answer {
  ok: boolean;
  fault?: string;
  problems?: Problem[];
  notices?: string[];
  [key: string]: unknown;
}

export type XY = [number, number];

export interface StationAt {
  station: number;
  stationText: string;
}

export interface KeyPoint extends StationAt {
  name: string;
  x: number;
  y: number;
  azimuth: number;
  azimuthText?: string;
  xText?: string;
  yText?: string;
}

export interface RoadSummary {
  form: 'jd' | 'elements';
  lines: string[];
  start: StationAt;
  end: StationAt;
  keyPoints: KeyPoint[];
  plan: { centre: XY[] };
}

export interface TemplateName {
  name: string;
  ready: boolean;
}

export interface State {
  road: RoadSummary | null;
  profileLines: string[] | null;
  sectionLines: string[];
  templates: TemplateName[];
  bridges: string[];
  station: unknown;
  backsight: unknown;
  /** The job differs from the file last saved or opened. */
  modified?: boolean;
  jobName?: string;
}

export interface TemplateInfo {
  name: string;
  ready: boolean;
  lines: string[];
  points: { name: string; u: number; v: number; depth: number | null }[];
}

export interface BridgeInfo {
  name: string;
  lines: string[];
}

export interface Point {
  name: string;
  bent: string;
  item: string;
  role: string;
  x: number;
  y: number;
  h: number | null;
  station: number;
  offset: number;
  element: string;
  xText: string;
  yText: string;
  hText: string;
  stationText: string;
  offsetText: string;
  azimuthText?: string;
  distanceText?: string;
  turnText?: string;
  dHText?: string;
  zenithText?: string;
}

export interface BentPoints {
  name: string;
  stationText: string;
  notice: string | null;
  points: Point[];
}

export interface BridgePlan {
  centre: XY[];
  left: XY[];
  right: XY[];
  bents: {
    name: string;
    solved?: boolean;
    axis: XY[] | null;
    /** The cap's outline (null: none), and every outline of the bent (cap, pile cap…). */
    outline: XY[] | null;
    outlines?: XY[][];
    /** The rows and columns of its pile grids. */
    gridLines?: XY[][];
    points: { name: string; x: number; y: number; role: string }[];
  }[];
}

export interface CheckRow {
  name: string;
  matched: string | null;
  /** null: the point is off the road, no cap is asked of it. */
  flag: 'ok' | 'over' | 'far' | null;
  heightFlag: 'ok' | 'over' | null;
  /** The row as the desktop's check table shows it, under the answer's headings. */
  cells: string[];
  [key: string]: unknown;
}
