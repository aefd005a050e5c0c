// The module's WebAssembly and the bitmaps and sounds it reads, as the page
// carries them: gzip-packed, inside the one-file page as base64 blocks, or
// beside the site's page as files of their own, which its <link> elements
// start fetching while the scripts arrive. The browser unpacks them itself
// (DecompressionStream).
import { files } from 'zot-assets';

// The packed bytes of part `id` of the page, as a stream.
async function packed(id) {
  const source = document.getElementById(id);
  if (source.href) {
    const response = await fetch(source.href);
    if (!response.ok) throw new Error(`${source.href}: ${response.status} ${response.statusText}`);
    return response.body;
  }
  return new Response(fromBase64(source.textContent)).body;
}

// The browser's own decoder where it has one: the loop below took a tenth of
// the time to the first frame, and fetched as a data URL the bytes took a few
// hundred milliseconds.
function fromBase64(base64) {
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return bytes;
}

const unpacked = async (id) => new Uint8Array(await new Response((await packed(id))
  .pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());

// A part that holds JSON (the English words).
export const unpackJson = async (id) => JSON.parse(new TextDecoder().decode(await unpacked(id)));

// Compiled as it unpacks, off the page's thread.
export const compileModule = async () => WebAssembly.compileStreaming(new Response(
  (await packed('zot-module-data')).pipeThrough(new DecompressionStream('gzip')),
  { headers: { 'Content-Type': 'application/wasm' } }));

// The bitmaps and sounds: [path in the module's files, bytes] each, cut from
// the one unpacked stream by the sizes the build listed.
export async function unpackAssets() {
  const bytes = await unpacked('zot-assets-data');
  let at = 0;
  const placed = files.map(([path, size]) => [path, bytes.subarray(at, (at += size))]);
  if (at !== bytes.length) throw new Error(`the assets hold ${bytes.length} bytes, not the ${at} listed`);
  return placed;
}

// Into the module's file system, before its main reads them.
export function writeAssets(fileSystem, placed) {
  const folders = new Set(placed.map(([path]) => path.slice(0, path.lastIndexOf('/'))));
  for (const folder of folders) fileSystem.mkdirTree(folder);
  for (const [path, bytes] of placed) fileSystem.writeFile(path, bytes);
}
