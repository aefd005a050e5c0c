// Small readers for the committed asset files, independent of the game's decoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets_test {

using Bytes = std::vector<std::uint8_t>;

std::string ResourcePath(const std::string& relative);
Bytes ReadAll(const std::string& path);  // empty when missing
std::uint32_t Le16(const Bytes& b, std::size_t at);
std::uint32_t Le32(const Bytes& b, std::size_t at);

struct BmpFile {
  bool ok = false;              // the header, palette and rows fit in the file
  std::uint32_t fileSizeField = 0;
  std::uint32_t dataOffset = 0;
  std::uint32_t headerSize = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;      // signed: positive means bottom-up rows
  std::uint32_t planes = 0;
  std::uint32_t bitCount = 0;
  std::uint32_t compression = 0;
  std::uint32_t coloursUsed = 0;
  std::uint32_t rowBytes = 0;
  std::vector<std::uint16_t> palette555;  // 256 entries, converted as the game does
  std::vector<std::uint8_t> indices;      // top row first
  std::uint8_t Index(int x, int y) const { return indices[static_cast<std::size_t>(y * width + x)]; }
  std::uint16_t Pixel(int x, int y) const { return palette555[Index(x, y)]; }
};

BmpFile ParseBmp(const Bytes& file);

// 5-5-5 pixel components widened back to 0..255.
inline int Red(std::uint16_t p) { return ((p >> 10) & 31) * 255 / 31; }
inline int Green(std::uint16_t p) { return ((p >> 5) & 31) * 255 / 31; }
inline int Blue(std::uint16_t p) { return (p & 31) * 255 / 31; }

struct Chunk {
  std::string id;
  std::uint32_t size;
  std::size_t offset;  // of the chunk's contents
};

// The chunks after "RIFF" size "WAVE", in file order; `wellFormed` is false
// when a chunk runs past the end of the file.
struct RiffFile {
  bool wellFormed = false;
  std::uint32_t riffSize = 0;
  std::vector<Chunk> chunks;
  std::size_t end = 0;  // where the last chunk (with its pad byte) ends
};

RiffFile ParseRiffWave(const Bytes& file);

}  // namespace assets_test
