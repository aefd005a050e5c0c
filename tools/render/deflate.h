// A small deflate compressor (RFC 1951): matches found along a hash chain,
// written with the fixed Huffman codes. Enough to keep the committed app icons
// small; the same input always gives the same bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A zlib stream (RFC 1950) of `data`: header, one fixed-code block, Adler-32.
std::vector<std::uint8_t> ZlibDeflate(const std::vector<std::uint8_t>& data);
