#include "tools/render/png_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "tools/render/deflate.h"

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

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
  PutU32BigEndian(out, Crc32(out.data() + typeAt, 4 + data.size()));
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

std::uint32_t Crc32(const std::uint8_t* data, std::size_t length, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  crc = ~crc;
  for (std::size_t i = 0; i < length; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t length, std::uint32_t adler) {
  std::uint32_t a = adler & 0xFFFF, b = adler >> 16;
  for (std::size_t i = 0; i < length; ++i) {
    a = (a + data[i]) % 65521;
    b = (b + a) % 65521;
  }
  return (b << 16) | a;
}

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

  // zlib stream: header (deflate, 32K window, no preset dictionary), stored
  // blocks of at most 65535 bytes, Adler-32 of the raw data.
  std::vector<std::uint8_t> zlib = {0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min<std::size_t>(65535, raw.size() - at);
    const bool last = at + length == raw.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(static_cast<std::uint8_t>(length));
    zlib.push_back(static_cast<std::uint8_t>(length >> 8));
    zlib.push_back(static_cast<std::uint8_t>(~length));
    zlib.push_back(static_cast<std::uint8_t>(~length >> 8));
    zlib.insert(zlib.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                raw.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < raw.size());
  PutU32BigEndian(zlib, Adler32(raw.data(), raw.size()));

  std::vector<std::uint8_t> png = PngStart(width, height, 8, 2);  // 8-bit RGB
  PutChunk(png, "IDAT", zlib);
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
  std::vector<std::uint8_t> png = PngStart(width, height, 4, 3);  // 4-bit palette
  PutChunk(png, "PLTE", palette);
  if (clearIndex >= 0) {
    // Alpha of the entries up to the clear one: only it is transparent.
    std::vector<std::uint8_t> alpha(static_cast<std::size_t>(clearIndex) + 1, 255);
    alpha.back() = 0;
    PutChunk(png, "tRNS", alpha);
  }
  PutChunk(png, "IDAT", ZlibDeflate(raw));
  PutChunk(png, "IEND", {});
  return png;
}

bool WritePng(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb) {
  const std::vector<std::uint8_t> png = EncodePng(width, height, rgb);
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}
