'use strict';
// The site's service worker (site.js writes it with its build below): on the
// first visit it keeps every file of the app in a cache named for the build's
// content, so later visits start and play without the network. The page is
// asked of the network first, so a new build served in place of this one runs
// at the next visit (its files, named for their content, come from the network
// until its own worker has kept them); without the network the kept page runs,
// with its kept files. A new worker takes over at once and drops older caches.

const kBuild = @ZOT_BUILD@;

// Past the HTTP cache: a stale page there would name files of an older build.
const fresh = (url) => new Request(url, { cache: 'no-cache' });

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kBuild.cache)
    .then((cache) => cache.addAll(kBuild.files.map(fresh)))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('zot-') && name !== kBuild.cache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === 'navigate') {
    event.respondWith(fetch(fresh(request.url)).catch(() => caches.match('./', { cacheName: kBuild.cache })));
    return;
  }
  event.respondWith(caches.match(request, { cacheName: kBuild.cache }).then((kept) => kept || fetch(request)));
});
