// The job of the page run played by the native cap_replay_core: its key
// points, the bridge's points, polar data (with and without the
// instrument's height) and the four point files, for the page to be held to.
import * as job from '../lib/job.mjs';
import { playNative } from '../lib/native.mjs';

export function nativeJob(replay) {
  const first = playNative(replay, job.nativeScript([
    '@keypoints',
    '@bridgepoints',
    `@station ${job.stationPoint}`,
    `@backsight ${job.backsightPoint}`,
    '@polar',
    '@export bridge dat /job.dat',
    '@export bridge csv /job.csv',
    '@export gsi /job.gsi',
    '@export pnezd /job.txt',
  ]));
  // The page sets the station on a bridge point with an instrument height;
  // the script takes a height only with typed coordinates, so the point's
  // own (as solved above) are typed for the height differences.
  const st = first.points.find((p) => p.name === job.stationPoint);
  if (st && st.h !== null) {
    const withHeight = playNative(replay, job.nativeScript([
      `@station ${job.stationPoint} ${st.x.toFixed(6)} ${st.y.toFixed(6)} ${st.h.toFixed(6)} ${job.stationHi}`,
      `@backsight ${job.backsightPoint}`,
      '@polar',
    ]));
    first.polarWithHeight = withHeight.polar;
  }
  return first;
}

export function keyPointsOf(native) {
  return native.lines.filter((l) => l.startsWith('KEY\t')).map((l) => {
    const f = l.split('\t');
    return { name: f[1], station: +f[2], x: +f[3], y: +f[4] };
  });
}
