// A minimal PNG encoder, deflated by zlib: 8-bit RGB without filtering, and
// palette pictures for the files that are kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// rgb holds width * height * 3 bytes, top row first. Empty (WritePng: false)
// when the picture could not be packed.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::vector<std::uint8_t>& rgb);
bool WritePng(const char* path, int width, int height, const std::vector<std::uint8_t>& rgb);

// A palette picture of at most 16 colours, 4 bits a pixel: `palette` holds
// r, g, b of each colour, `indices` width * height entries, top row first;
// palette entry `clearIndex` (when not -1) is fully transparent.
std::vector<std::uint8_t> EncodePalettePng(int width, int height, const std::vector<std::uint8_t>& palette,
                                           const std::vector<std::uint8_t>& indices, int clearIndex);
