// The same job played by the native cap_replay_core: what the page shows and
// downloads is compared with what the desktop's core gives for it.
import { spawnSync } from 'node:child_process';

// cap_replay_core prints each file it wrote as "FILE <name>" and one
// "| <line>" per line feed-separated piece of its bytes, with "\\" for a
// backslash, "\r" for a carriage return and "\xHH" for any other byte.
export function unescapeLine(text) {
  const out = [];
  for (let i = 0; i < text.length; i++) {
    const c = text[i];
    if (c !== '\\') {
      out.push(...Buffer.from(c, 'utf8'));
      continue;
    }
    const n = text[++i];
    if (n === '\\') out.push(0x5c);
    else if (n === 'r') out.push(0x0d);
    else if (n === 'x') {
      out.push(parseInt(text.slice(i + 1, i + 3), 16));
      i += 2;
    } else throw new Error(`cap_replay_core printed an escape it has no rule for: \\${n}`);
  }
  return Buffer.from(out);
}

export function parseOutput(stdout) {
  const lines = stdout.split('\n');
  const result = { points: [], polar: [], files: new Map(), messages: [], lines };
  let file = null;
  let pieces = null;
  const closeFile = () => {
    if (file !== null) result.files.set(file, Buffer.concat(pieces.flatMap((p, i) => (i ? [Buffer.from('\n'), p] : [p]))));
    file = null;
  };
  for (const line of lines) {
    if (file !== null && line.startsWith('| ')) {
      pieces.push(unescapeLine(line.slice(2)));
      continue;
    }
    if (file !== null && line === '|') {
      pieces.push(Buffer.alloc(0));
      continue;
    }
    closeFile();
    const f = line.split('\t');
    if (line.startsWith('FILE ')) {
      file = line.slice(5);
      pieces = [];
    } else if (f[0] === 'SP') {
      result.points.push({ bridge: f[1], bent: f[2], name: `${f[2]}-${f[3]}`, item: f[3],
        x: +f[4], y: +f[5], station: +f[6], offset: +f[7], h: f.length > 8 ? +f[8] : null });
    } else if (f[0] === 'POLAR') {
      result.polar.push({ name: f[1], azimuth: f[2], distance: f[3], angle: f[4], dH: f[5] ?? null });
    } else if (line.startsWith('MESSAGE ')) {
      result.messages.push(line);
    }
  }
  closeFile();
  return result;
}

export function playNative(replay, script) {
  const run = spawnSync(replay, [], { input: script, encoding: 'utf8', maxBuffer: 64 << 20 });
  if (run.error) throw new Error(`cannot run ${replay}: ${run.error.message}`);
  if (run.status !== 0) throw new Error(`${replay} exited with ${run.status}: ${run.stderr}`);
  return parseOutput(run.stdout);
}
