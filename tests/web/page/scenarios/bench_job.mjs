// The bridge of the timing figure: 100 bents on the job's road, 30 points
// each (the centre, both edges and a 3×9 grid of piles).
import * as job from '../lib/job.mjs';

export const BENTS = 100;
export const POINTS_PER_BENT = 30;

export const benchTemplate = ['grid P 3 9 2 1.5'];
export const benchBridge = Array.from({ length: BENTS }, (_, i) =>
  `bent ${i + 1} ${1010 + 27 * i} dr 7.5 template bench30`);

export const benchSetup = [
  { op: 'road.set', lines: job.road },
  { op: 'template.set', name: 'bench30', lines: benchTemplate },
];
export const benchSolve = [
  { op: 'bridge.set', name: 'bench', lines: benchBridge },
  { op: 'bridge.points', bridge: 'bench' },
];
