#include "indexed_image.h"

#include <cstdio>

namespace assetgen {

IndexedImage Quantize(const Canvas& canvas, const Palette& palette) {
  IndexedImage image;
  image.width = canvas.Width();
  image.height = canvas.Height();
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) image.pixels.push_back(Nearest(palette, canvas.Pixel(x, y), false));
  }
  image.svg = canvas.Svg();
  return image;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}

std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image, const Palette& palette, std::uint32_t coloursUsedField) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) + 3u) & ~3u;
  const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  const std::uint32_t dataOffset = 14 + 40 + 256 * 4;
  std::vector<std::uint8_t> out;
  out.push_back('B');
  out.push_back('M');
  Put32(out, dataOffset + imageBytes);
  Put32(out, 0);
  Put32(out, dataOffset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(image.width));
  Put32(out, static_cast<std::uint32_t>(image.height));  // positive: bottom-up rows
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, coloursUsedField);
  Put32(out, 0);
  for (const Rgb& c : palette) {
    out.push_back(static_cast<std::uint8_t>(c.b));
    out.push_back(static_cast<std::uint8_t>(c.g));
    out.push_back(static_cast<std::uint8_t>(c.r));
    out.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row = static_cast<std::size_t>(y * image.width);
    for (int x = 0; x < image.width; ++x) out.push_back(image.pixels[row + static_cast<std::size_t>(x)]);
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace assetgen
