// The installed app: the site's page names its service worker in its head
// (<meta name="zot-worker">), and the worker keeps the whole app for visits
// without the network. Only a page served over http(s) may register one; the
// one-file page, opened from disk, plays without.
export function registerWorker() {
  const worker = document.querySelector('meta[name="zot-worker"]')?.content;
  if (!worker || !/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator)) return;
  navigator.serviceWorker.register(worker).catch((error) => console.warn('Zot: no service worker: ' + error));
}
