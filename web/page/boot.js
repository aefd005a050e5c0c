// The one-file page carries its script gzip-packed, as it carries the module
// and the assets (a third of the bytes of the text, base64 and all): this runs
// it as the page's own inline module once the browser has unpacked it. The
// policy lists the unpacked script's hash, so it runs as if written here.
async function unpack() {
  const text = atob(document.getElementById('zot-script-data').textContent);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'))).text();
}

unpack().then((script) => {
  const element = document.createElement('script');
  element.type = 'module';
  element.textContent = script;
  document.body.append(element);
}, (error) => {
  // A browser that cannot unpack cannot play: said as a module that did not arrive.
  console.error('Zot: ' + (error && error.stack || error));
  const notice = document.getElementById('notice');
  document.getElementById('notice-text').textContent = notice.dataset.missing;
  notice.hidden = false;
  document.getElementById('game').removeAttribute('aria-busy');
});
