#!/usr/bin/env node
// A folder served from 127.0.0.1 as a plain static host serves it, to try the
// site (build/web/site) locally, and for the page's tests and benchmarks:
//   node tools/site/serve.js build/web/site [PORT]
// As a module, serve(root) gives a host whose `altered` map answers the files
// whose names start with a key with its bytes instead (or, for a function, as
// the function answers the response), whose `folders` map serves the paths
// under a key ('/a/') from that folder, and whose stop() and start() take the
// server away and back at the same address.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const kTypes = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

function serve(root) {
  const sockets = new Set();
  const host = { root, altered: new Map(), folders: new Map(), url: null };
  const server = http.createServer((request, response) => {
    const { pathname } = new URL(request.url, 'http://host');
    const name = pathname.endsWith('/') ? 'index.html' : path.basename(pathname);
    const altered = [...host.altered].find(([prefix]) => name.startsWith(prefix));
    if (typeof altered?.[1] === 'function') return altered[1](response);
    const folder = [...host.folders].find(([prefix]) => pathname.startsWith(prefix));
    const file = path.join(folder ? folder[1] : host.root, name);
    if (!altered && !fs.existsSync(file)) return response.writeHead(404).end();
    response.writeHead(200, { 'Content-Type': kTypes[path.extname(name)] || 'application/octet-stream' });
    response.end(altered ? altered[1] : fs.readFileSync(file));
  });
  server.on('connection', (socket) => {
    sockets.add(socket);
    socket.on('close', () => sockets.delete(socket));
  });
  host.start = (port = 0) => new Promise((resolve) => server.listen(host.url ? new URL(host.url).port : port, '127.0.0.1', () => {
    host.url = `http://127.0.0.1:${server.address().port}/`;
    resolve(host);
  }));
  host.stop = () => new Promise((resolve) => {
    server.close(resolve);
    sockets.forEach((socket) => socket.destroy());
  });
  return host;
}

module.exports = { serve };

if (require.main === module) {
  const [root, port] = process.argv.slice(2);
  serve(path.resolve(root || '.')).start(Number(port || 8080)).then((host) => console.log(`Serving ${root} at ${host.url}`));
}
