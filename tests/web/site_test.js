#!/usr/bin/env node
// The site as an app, served from 127.0.0.1 by the test: Chromium finds it
// installable; after one visit it starts with the server gone, restores the
// saved match and plays on, as when its host answers with an error, a redirect or
// nothing; a second build served in its place is the one running after the next
// visit, and only its cache is kept, as two builds at two paths keep theirs; a
// module that cannot load or start is said in the page, no longer busy.
//   site_test.js SITE E2E_PLAN ZOT_RENDER RESOURCES OUT_DIR
'use strict';
const os = require('os');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const { chromium } = require('playwright-core');
const { fs, path, pageFile, outDir, checkEq, canvasRgb, differing, errors, watchErrors, watchPolicy, framed, words, run } = require('./page_lib.js');

const W = words.strings;
const kMarker = 'build two';

// The same site built again by make_page.js, its help text ending in kMarker.
function secondBuild() {
  const root = path.join(__dirname, '..', '..'), web = path.join(root, 'web'), built = path.join(outDir, 'second');
  fs.mkdirSync(built, { recursive: true });
  const help = path.join(built, 'help.txt');
  fs.writeFileSync(help, fs.readFileSync(path.join(root, 'resources', 'help_ar.txt'), 'utf8') + kMarker);
  const resources = path.join(root, 'resources'), module = path.join(pageFile, '..', 'web');
  execFileSync('node', [path.join(web, 'make', 'make_page.js'), path.join(built, 'zot.html'), path.join(built, 'site'),
    path.join(web, 'page', 'page.html.in'), path.join(resources, 'zot.rc'), path.join(resources, 'resource.h'), help,
    path.join(web, 'page', 'page.css'), path.join(web, 'page', 'main.js'), path.join(module, 'zot.js'),
    path.join(module, 'zot_facts.js'), resources, path.join(web, 'page', 'worker.js')]);
  return path.join(built, 'site');
}

// The cache of the build in folder `site` served at `url`.
const cacheOf = (site, url) => `zot ${url} ${fs.readFileSync(path.join(site, 'sw.js'), 'utf8').match(/"content":"([^"]+)"/)[1]}`;
// Whether a page opened at `url` comes to its first frame.
const starts = (page, url) => page.goto(url).then(() => framed(page)).then(() => true, () => false);

run('site tests', async (browser, site) => {
  const second = secondBuild();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'zot-profile-'));
  // Chromium never finds an incognito context installable: a profile of its own.
  const context = await chromium.launchPersistentContext(profile,
    { executablePath: '/usr/bin/chromium', args: ['--no-sandbox'], viewport: { width: 1280, height: 720 } });
  await context.addInitScript(watchPolicy);
  try {
    const page = context.pages()[0] || await context.newPage();
    watchErrors(page);
    // At this second the human moves first and draws a card it may play.
    await page.clock.setFixedTime(1767225624 * 1000);
    await page.goto(site.url);
    await framed(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    const manifest = await cdp.send('Page.getAppManifest');
    checkEq('installable, the manifest read without errors', [installabilityErrors, manifest.errors, JSON.parse(manifest.data).name],
            [[], [], W.IDS_APP_NAME]);

    // Dealt and saved; then the server goes and the browser is offline.
    await page.locator('#draw-pile').dispatchEvent('click');
    await page.waitForFunction(() => /^dealActive 1$/m.test(localStorage.getItem('zot.match.v1') || ''));
    const dealt = await canvasRgb(page);
    await site.stop();
    await context.setOffline(true);
    await page.reload();
    await framed(page);
    const restored = differing(await canvasRgb(page), dealt);
    await page.locator('#draw-pile').dispatchEvent('click');
    const played = await page.waitForSelector('#dialog-180:not([hidden])', { timeout: 5000 }).then(() => true, () => false);
    checkEq('offline: the kept app starts, restores the match and plays on', [restored, played], [0, true]);
    await page.click('#dialog-180 button[data-id="2"]');
    await context.setOffline(false);
    await site.start();

    // A host that answers the page with an error, elsewhere, or not (held to the end: a browser holds a
    // second request for a page while the first waits).
    const held = [], started = [];
    for (const answer of [(r) => r.writeHead(503).end(), (r) => r.writeHead(404).end(), (r) => held.push(r),
      (r) => r.writeHead(302, { Location: '/manifest.webmanifest' }).end()]) {
      site.altered = new Map([['index.html', answer]]);
      started.push(await starts(page, site.url));
    }
    site.altered = new Map();
    held.forEach((r) => r.end());
    checkEq('the kept app starts when its host answers 503, 404, nothing or a redirect', started, [true, true, true, true]);

    // A second build in place of the first: the next visit runs it, and its
    // worker keeps it alone.
    site.root = second;
    await page.goto(site.url);
    await framed(page);
    let kept = [];
    for (let tries = 0; tries < 50 && (kept.length !== 1 || kept[0] !== cacheOf(site.root, site.url)); ++tries) {
      await page.waitForTimeout(200);
      kept = await page.evaluate(() => caches.keys());
    }
    const help = await page.$eval('#dialog-181 .help-text', (e) => e.textContent.trim());
    checkEq('a new build runs at the next visit; only its cache is kept', [help.endsWith(kMarker), kept], [true, [cacheOf(site.root, site.url)]]);
  } finally {
    await context.close();
  }

  // Two builds at two paths of one host: each starts offline after a visit to the other.
  site.folders = new Map([['/a/', pageFile], ['/b/', second]]);
  const both = await browser.newContext();
  await both.addInitScript(watchPolicy);
  const page = await both.newPage();
  watchErrors(page);
  for (const folder of ['a/', 'b/']) {
    await page.goto(site.url + folder);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  }
  await both.setOffline(true);
  checkEq('two builds on one host: each starts offline', [await starts(page, site.url + 'a/'), await starts(page, site.url + 'b/')],
          [true, true]);
  await both.close();

  // A module that cannot load or start: said in the page's words, no longer busy.
  const packedAssets = fs.readFileSync(path.join(pageFile, fs.readdirSync(pageFile).find((name) => name.startsWith('assets-'))));
  const noGame = zlib.gzipSync(Buffer.from([0, 0x61, 0x73, 0x6d, 1, 0, 0, 0]));  // a module with nothing in it
  for (const [name, prefix, bytes, said] of [['an unreadable module', 'module-', Buffer.from('not a module'), W.IDS_MODULE_MISSING],
    ['assets cut short', 'assets-', packedAssets.subarray(0, 1000), W.IDS_MODULE_MISSING],
    ['a module without the game', 'module-', noGame, W.IDS_MODULE_FAILED]]) {
    site.altered = new Map([[prefix, bytes]]);
    const broken = await browser.newContext({ serviceWorkers: 'block' });
    const page = await broken.newPage();
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(site.url);
    await framed(page);
    checkEq(`${name}: said`, await page.evaluate(() => [document.getElementById('notice').hidden,
      document.getElementById('notice-text').textContent]), [false, said]);
    await broken.close();
  }
});
