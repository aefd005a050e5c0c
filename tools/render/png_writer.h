// A minimal PNG encoder: 8-bit RGB, no filtering, zlib stored (uncompressed)
// blocks, so it needs no compression library; and palette pictures, deflated
// by deflate.h, for the files that are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::uint32_t Crc32(const std::uint8_t* data, std::size_t length, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t length, std::uint32_t adler = 1);

// rgb holds width * height * 3 bytes, top row first.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
bool WritePng(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb);

// A palette picture of at most 16 colours, 4 bits a pixel: `palette` holds
// r, g, b of each colour, `indices` width * height entries, top row first;
// palette entry `clearIndex` (when not -1) is fully transparent.
std::vector<std::uint8_t> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& palette,
                                           const std::vector<std::uint8_t>& indices, int clearIndex);
