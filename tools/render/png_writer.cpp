#include "tools/render/png_writer.h"

#include <zlib.h>

#include <cstdio>

namespace {

void PutU32BigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v >> 24));
  out.push_back(static_cast<std::uint8_t>(v >> 16));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
  out.push_back(static_cast<std::uint8_t>(v));
}

void PutChunk(std::vector<std::uint8_t>& out, const char type[5], const std::vector<std::uint8_t>& data) {
  PutU32BigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutU32BigEndian(out, static_cast<std::uint32_t>(crc32(0, out.data() + typeAt, static_cast<uInt>(4 + data.size()))));
}

// A zlib stream of `data`, empty when zlib could not make one. Level: the pictures the tests compare are many and
// thrown away, the icons few and kept.
std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::vector<std::uint8_t> out(size);
  if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), level) != Z_OK) return {};
  out.resize(size);
  return out;
}

// The signature and the header chunk: deflate, filter method 0, no interlace.
std::vector<std::uint8_t> PngStart(int width, int height, std::uint8_t bitDepth, std::uint8_t colourType) {
  std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<std::uint8_t> header;
  PutU32BigEndian(header, static_cast<std::uint32_t>(width));
  PutU32BigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {bitDepth, colourType, 0, 0, 0});
  PutChunk(png, "IHDR", header);
  return png;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb) {
  // Scanlines with filter byte 0 (none).
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  std::vector<std::uint8_t> raw;
  raw.reserve((stride + 1) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    const auto row = rgb.begin() + static_cast<std::ptrdiff_t>(stride * static_cast<std::size_t>(y));
    raw.insert(raw.end(), row, row + static_cast<std::ptrdiff_t>(stride));
  }

  const std::vector<std::uint8_t> packed = Deflate(raw, Z_BEST_SPEED);
  if (packed.empty()) return {};
  std::vector<std::uint8_t> png = PngStart(width, height, 8, 2);  // 8-bit RGB
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

std::vector<std::uint8_t> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& palette,
                                           const std::vector<std::uint8_t>& indices, int clearIndex) {
  const std::size_t stride = (static_cast<std::size_t>(width) + 1) / 2;
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);  // no filter
    const std::size_t rowAt = raw.size();
    raw.resize(rowAt + stride, 0);
    for (int x = 0; x < width; ++x) {
      const std::uint8_t index = indices[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] & 0x0F;
      raw[rowAt + static_cast<std::size_t>(x) / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
  }
  const std::vector<std::uint8_t> packed = Deflate(raw, Z_BEST_COMPRESSION);
  if (packed.empty()) return {};
  std::vector<std::uint8_t> png = PngStart(width, height, 4, 3);  // 4-bit palette
  PutChunk(png, "PLTE", palette);
  if (clearIndex >= 0) {
    // Alpha of the entries up to the clear one: only it is transparent.
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(clearIndex) + 1, 255);
    alpha.back() = 0;
    PutChunk(png, "tRNS", alpha);
  }
  PutChunk(png, "IDAT", packed);
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  const std::vector<std::uint8_t> png = EncodePng(width, height, rgb);
  if (png.empty()) return false;
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}
