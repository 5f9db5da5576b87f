// Serves the built site from a folder on a free loopback port with node's
// own http module, so the tests need no server of their own from npm and the
// browser sees the MIME types a real host gives: a .wasm served as anything
// but application/wasm would make streaming compilation fail, and a .mjs
// not served as JavaScript is refused as a module.
import http from 'node:http';
import fs from 'node:fs';
import path from 'node:path';

const MIME = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8',
  '.xml': 'application/xml',
};

export function mimeOf(file) {
  return MIME[path.extname(file).toLowerCase()] ?? 'application/octet-stream';
}

// Resolves a URL path inside root, or null when it would leave it (a "..",
// an encoded slash) — the server must never hand out a file outside the site.
export function fileFor(root, urlPath) {
  let decoded;
  try {
    decoded = decodeURIComponent(urlPath.split('?')[0].split('#')[0]);
  } catch {
    return null;
  }
  if (decoded.includes('\0')) return null;
  const rel = decoded.endsWith('/') ? decoded + 'index.html' : decoded;
  const full = path.resolve(root, '.' + path.posix.normalize('/' + rel));
  const base = path.resolve(root);
  return full === base || full.startsWith(base + path.sep) ? full : null;
}

// Starts the server; `down` set true makes every request fail at the socket,
// as an unreachable host would, so an offline check cannot be passed by a
// server that quietly kept answering.
export async function serveSite(root) {
  const state = { down: false, requests: [] };
  const server = http.createServer((req, res) => {
    if (state.down) {
      req.socket.destroy();
      return;
    }
    state.requests.push(req.url);
    const file = fileFor(root, req.url);
    if (!file) {
      res.writeHead(400, { 'content-type': 'text/plain' }).end('bad path');
      return;
    }
    fs.readFile(file, (err, body) => {
      if (err) {
        res.writeHead(404, { 'content-type': 'text/plain' }).end('not found');
        return;
      }
      // no-cache: the browser revalidates, as with a real host after a
      // deploy; the service worker, not the HTTP cache, makes the page work
      // offline.
      res.writeHead(200, { 'content-type': mimeOf(file), 'cache-control': 'no-cache',
        'content-length': body.length });
      res.end(req.method === 'HEAD' ? undefined : body);
    });
  });
  const sockets = new Set();
  server.on('connection', (s) => { sockets.add(s); s.on('close', () => sockets.delete(s)); });
  await new Promise((ok, fail) => {
    server.once('error', fail);
    server.listen(0, '127.0.0.1', ok);
  });
  const { port } = server.address();
  return {
    url: `http://127.0.0.1:${port}/`,
    state,
    setDown(down) {
      state.down = down;
      if (down) for (const s of sockets) s.destroy();
    },
    close: () => new Promise((ok) => { for (const s of sockets) s.destroy(); server.close(ok); }),
  };
}
