// The module's WebAssembly and the bitmaps and sounds it reads, as the page
// carries them: gzip-packed, inside the one-file page as base64 blocks, or
// beside the site's page as files of their own, which its <link> elements
// start fetching while the scripts arrive. The browser unpacks them itself
// (DecompressionStream), and the WebAssembly compiles as it unpacks.
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

const unpacked = async (id, type) =>
  new Response((await packed(id)).pipeThrough(new DecompressionStream('gzip')), { headers: { 'Content-Type': type } });

export const compileModule = () => WebAssembly.compileStreaming(unpacked('zot-module-data', 'application/wasm'));

// The bitmaps and sounds: [path in the module's files, bytes] each, cut from
// the one unpacked stream by the sizes the build listed.
export async function unpackAssets() {
  const bytes = new Uint8Array(await (await unpacked('zot-assets-data', 'application/octet-stream')).arrayBuffer());
  let at = 0;
  const placed = files.map(([path, size]) => [path, bytes.subarray(at, (at += size))]);
  if (at !== bytes.length) throw new Error(`the assets hold ${bytes.length} bytes, not the ${at} listed`);
  return placed;
}

// Into the module's file system, before its main reads them.
export function writeAssets(fileSystem, placed) {
  for (const [path, bytes] of placed) {
    fileSystem.mkdirTree(path.slice(0, path.lastIndexOf('/')));
    fileSystem.writeFile(path, bytes);
  }
}
