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
  // Decoded here it is ready in tens of milliseconds; fetched as a data URL it took a few hundred.
  const text = atob(source.textContent);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
  return new Blob([bytes]).stream();
}

const unpacked = async (id) => new Uint8Array(await new Response((await packed(id))
  .pipeThrough(new DecompressionStream('gzip'))).arrayBuffer());

// Compiled from its bytes whole, off the page's thread (streamed, each piece
// would pass through it).
export const compileModule = async () => WebAssembly.compile(await unpacked('zot-module-data'));

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
