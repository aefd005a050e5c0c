// The site: the page as index.html with its script, module and assets as files
// of their own, named for their content and started by the page's head at
// once; the app's manifest and icons; and the service worker that keeps the
// whole app for visits without the network, in a cache named for the build's
// content and the address it is served at, so a new build is a new cache and
// the old one goes, and builds at two paths of one host keep a cache each.
'use strict';
const fs = require('fs');
const path = require('path');
const { contentName } = require('./pack.js');

// The icons zot-assetgen draws: icon-SIZE.png for any use, icon-maskable-SIZE.png
// with room around the art for the shapes launchers cut.
function iconsOf(folder) {
  return fs.readdirSync(folder).sort().map((name) => name.match(/^icon(-maskable)?-(\d+)\.png$/)).filter(Boolean)
    .map(([name, maskable, size]) => ({ src: name, sizes: `${size}x${size}`, type: 'image/png', purpose: maskable ? 'maskable' : 'any' }));
}

// parts: the page's script, and its module and assets packed; page(head,
// bodyEnd): the template filled for this page.
function write(dir, parts, { page, words, english, felt, icons, worker }) {
  fs.rmSync(dir, { recursive: true, force: true });
  fs.mkdirSync(dir, { recursive: true });
  const files = new Map();
  const named = (stem, extension, bytes) => {
    const name = `${stem}-${contentName(bytes)}.${extension}`;
    files.set(name, bytes);
    return name;
  };
  const script = named('page', 'js', Buffer.from(parts.script));
  const module = named('module', 'bin', parts.module);
  const assets = named('assets', 'bin', parts.assets);
  const englishData = named('english', 'bin', parts.english);

  const iconList = iconsOf(icons);
  for (const icon of iconList) files.set(icon.src, fs.readFileSync(path.join(icons, icon.src)));
  // A manifest for each language; the page links the one of the language chosen.
  const manifest = (table, lang, dir) => Buffer.from(JSON.stringify({
    name: table.IDS_APP_NAME, short_name: table.IDS_APP_SHORT_NAME, description: table.IDS_APP_DESCRIPTION,
    lang, dir, id: './', start_url: './', scope: './', display: 'standalone',
    theme_color: felt, background_color: felt, icons: iconList,
  }, null, 2) + '\n');
  files.set('manifest.webmanifest', manifest(words, 'ar', 'rtl'));
  files.set('manifest-en.webmanifest', manifest(english, 'en', 'ltr'));

  const firstIcon = iconList.find((icon) => icon.purpose === 'any');
  files.set('index.html', Buffer.from(page([
    '<link rel="manifest" href="manifest.webmanifest">',
    `<link rel="icon" href="${firstIcon.src}" sizes="${firstIcon.sizes}" type="image/png">`,
    `<link rel="apple-touch-icon" href="${firstIcon.src}">`,
    '<meta name="zot-worker" content="sw.js">',
    // Fetched at once, while the script arrives; load.js takes them from here.
    `<link rel="preload" id="zot-module-data" href="${module}" as="fetch" crossorigin>`,
    `<link rel="preload" id="zot-assets-data" href="${assets}" as="fetch" crossorigin>`,
    `<link id="zot-english-data" href="${englishData}" crossorigin>`,
    `<script type="module" src="${script}"></script>`,
  ].join('\n'), '', { 'script-src': ["'self'"], 'img-src': ["'self'", 'data:'], 'connect-src': ["'self'"], 'manifest-src': ["'self'"],
    'worker-src': ["'self'"] })));

  // The worker keeps every file, the page under the site's own address.
  const kept = [...files.keys()].sort();
  const build = { content: contentName(...kept.map((name) => name + '\0'), ...kept.map((name) => files.get(name))),
    files: kept.map((name) => (name === 'index.html' ? './' : name)) };
  files.set('sw.js', Buffer.from(fs.readFileSync(worker, 'utf8').replace('@ZOT_BUILD@', () => JSON.stringify(build))));
  for (const [name, bytes] of files) fs.writeFileSync(path.join(dir, name), bytes);
}

module.exports = { write };
