// 8-bit palettised pictures and their BMP file form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "palette.h"
#include "raster.h"

namespace assetgen {

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // top row first, no padding
  std::string svg;                   // the same design as SVG elements (Canvas::Svg)
};

// Every pixel to its nearest palette entry.
IndexedImage Quantize(const Canvas& canvas, const Palette& palette);

// A complete .bmp file: file header, info header, 256 palette entries and
// bottom-up rows padded to 4 bytes. `coloursUsedField` is stored as given
// (256, or 0 which readers take as 256).
std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image, const Palette& palette, std::uint32_t coloursUsedField);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Little-endian appenders shared by the file writers.
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v);
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v);
void PutTag(std::vector<std::uint8_t>& out, const char* tag);

}  // namespace assetgen
