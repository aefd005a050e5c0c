'use strict';
// The site's service worker (make/make_site.js writes it with its build below): on the
// first visit it keeps every file of the app in a cache named for the build's
// content and for the address it serves, so later visits start and play
// without the network. The page is asked of the network first, so a new build
// served in place of this one runs at the next visit (its files, named for
// their content, come from the network until its own worker has kept them);
// without a good answer in time (no network, a host that stalls, answers an
// error or sends the page elsewhere) the kept page runs, with its kept files.
// A new worker takes over at once and drops the older caches of its own
// address only: another build of the app may live at another path of the host.

const kBuild = @ZOT_BUILD@;
const kScope = `zot ${self.registration.scope} `;
const kCache = kScope + kBuild.content;
// How long the page's network answer is waited for while a kept one is there.
const kPageWaitMs = 3000;

// Past the HTTP cache: a stale page there would name files of an older build.
const fresh = (url) => new Request(url, { cache: 'no-cache' });

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache)
    .then((cache) => cache.addAll(kBuild.files.map(fresh)))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(kScope) && name !== kCache)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The network's page when it answers well within the wait, else the kept one.
// A redirected answer cannot answer a navigation: without a kept page the
// browser is sent on to where it points.
async function page(url) {
  const kept = await caches.match('./', { cacheName: kCache });
  const answer = fetch(fresh(url));
  if (!kept) return answer.then((response) => (response.redirected ? Response.redirect(response.url) : response));
  const wait = new Promise((resolve) => setTimeout(resolve, kPageWaitMs, kept));
  return Promise.race([answer.then((response) => (response.ok && !response.redirected ? response : kept), () => kept), wait]);
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === 'navigate') {
    event.respondWith(page(request.url));
    return;
  }
  event.respondWith(caches.match(request, { cacheName: kCache }).then((kept) => kept || fetch(request)));
});
