#include "asset_files.h"

#include <fstream>
#include <iterator>

namespace assets_test {

std::string ResourcePath(const std::string& relative) { return std::string(ZOT_RESOURCE_DIR) + "/" + relative; }

Bytes ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint32_t Le16(const Bytes& b, std::size_t at) {
  if (at + 2 > b.size()) return 0;
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8;
}

std::uint32_t Le32(const Bytes& b, std::size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

BmpFile ParseBmp(const Bytes& file) {
  BmpFile bmp;
  if (file.size() < 54 || file[0] != 'B' || file[1] != 'M') return bmp;
  bmp.fileSizeField = Le32(file, 2);
  bmp.dataOffset = Le32(file, 10);
  bmp.headerSize = Le32(file, 14);
  bmp.width = static_cast<std::int32_t>(Le32(file, 18));
  bmp.height = static_cast<std::int32_t>(Le32(file, 22));
  bmp.planes = Le16(file, 26);
  bmp.bitCount = Le16(file, 28);
  bmp.compression = Le32(file, 30);
  bmp.coloursUsed = Le32(file, 46);
  if (bmp.bitCount != 8 || bmp.width <= 0 || bmp.height <= 0 || bmp.width > 4096 || bmp.height > 4096) return bmp;
  const std::size_t colours = bmp.coloursUsed == 0 ? 256 : bmp.coloursUsed;
  if (colours > 256) return bmp;
  bmp.rowBytes = (static_cast<std::uint32_t>(bmp.width) + 3u) & ~3u;
  const std::size_t paletteAt = 14 + bmp.headerSize;
  const std::size_t rowsAt = paletteAt + 4 * colours;
  if (rowsAt + static_cast<std::size_t>(bmp.rowBytes) * static_cast<std::size_t>(bmp.height) > file.size()) return bmp;
  bmp.palette555.assign(256, 0);
  for (std::size_t i = 0; i < colours; ++i) {
    const std::uint32_t b = file[paletteAt + 4 * i];
    const std::uint32_t g = file[paletteAt + 4 * i + 1];
    const std::uint32_t r = file[paletteAt + 4 * i + 2];
    bmp.palette555[i] = static_cast<std::uint16_t>((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
  }
  for (int y = 0; y < bmp.height; ++y) {
    const std::size_t row = rowsAt + static_cast<std::size_t>(bmp.height - 1 - y) * bmp.rowBytes;
    for (int x = 0; x < bmp.width; ++x) bmp.indices.push_back(file[row + static_cast<std::size_t>(x)]);
  }
  bmp.ok = true;
  return bmp;
}

RiffFile ParseRiffWave(const Bytes& file) {
  RiffFile riff;
  if (file.size() < 12 || std::string(file.begin(), file.begin() + 4) != "RIFF" ||
      std::string(file.begin() + 8, file.begin() + 12) != "WAVE") {
    return riff;
  }
  riff.riffSize = Le32(file, 4);
  std::size_t at = 12;
  while (at + 8 <= file.size()) {
    Chunk chunk{std::string(file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + 4)),
                Le32(file, at + 4), at + 8};
    const std::size_t next = chunk.offset + chunk.size + (chunk.size % 2);
    if (chunk.offset + chunk.size > file.size()) return riff;
    riff.chunks.push_back(chunk);
    at = next;
  }
  riff.end = at;
  riff.wellFormed = true;
  return riff;
}

}  // namespace assets_test
