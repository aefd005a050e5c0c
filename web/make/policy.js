// The page's Content-Security-Policy, as a <meta> at the top of its head (the
// one-file page opened from disk has no headers to carry it): scripts and
// styles only as the build wrote them, the inline ones by the hashes of their
// text; WebAssembly compiled; no plugin, no <base>, no form sent anywhere; and
// nothing else loaded than what the page itself asks for (`allowed`: the
// site's own files, the one-file page's data: icon, the table's card pictures
// made from their designs as data: images). A host adds what only a
// header can say (README, "The page as an app").
'use strict';
const crypto = require('crypto');

const hashOf = (text) => `'sha256-${crypto.createHash('sha256').update(text, 'utf8').digest('base64')}'`;

// The hashes of the text of each element `tag` of the page that runs as its
// text: a script with a src runs what it fetches, a data block runs nothing.
function inlineHashes(html, tag) {
  return [...html.matchAll(new RegExp(`<${tag}(\\s[^>]*)?>([\\s\\S]*?)</${tag}>`, 'g'))]
    .filter(([, attributes = '']) => !/\ssrc=/.test(attributes) && !/\stype="application\/octet-stream"/.test(attributes))
    .map(([, , text]) => hashOf(text));
}

// `html` with its @ZOT_POLICY@ marker replaced by the policy; `allowed` maps
// further directives to their sources, script-src's put before the hashes.
function withPolicy(html, allowed) {
  const { 'script-src': scripts = [], ...others } = allowed;
  const directives = {
    'default-src': ["'none'"],
    'script-src': [...scripts, ...inlineHashes(html, 'script'), "'wasm-unsafe-eval'"],
    'style-src': inlineHashes(html, 'style'),
    ...others,
    'base-uri': ["'none'"],
    'object-src': ["'none'"],
    'form-action': ["'none'"],
  };
  const policy = Object.entries(directives).map(([name, sources]) => [name, ...sources].join(' ')).join('; ');
  return html.replace('@ZOT_POLICY@', () => `<meta http-equiv="Content-Security-Policy" content="${policy}">`);
}

module.exports = { withPolicy, hashOf };
