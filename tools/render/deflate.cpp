#include "tools/render/deflate.h"

#include <algorithm>
#include <array>

#include "tools/render/png_writer.h"

namespace {

constexpr int kMinMatch = 3, kMaxMatch = 258, kWindow = 32768, kHashBits = 15, kMaxChain = 256;

// Length codes 257..285 and distance codes 0..29: the least value of each, and its extra bits.
constexpr std::array<int, 29> kLengthBase{3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                          31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                           2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase{1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,    65,    97,    129,
                                            193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra{0, 0, 0, 0, 1, 1, 2, 2,  3,  3,  4,  4,  5,  5,  6,
                                             6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}
  // Values go in least significant bit first.
  void Put(std::uint32_t value, int bits) {
    for (int i = 0; i < bits; ++i) PutBit((value >> i) & 1);
  }
  // Huffman codes go in most significant bit first.
  void PutCode(std::uint32_t code, int bits) {
    for (int i = bits - 1; i >= 0; --i) PutBit((code >> i) & 1);
  }
  void Flush() {
    if (count_ > 0) out_.push_back(static_cast<std::uint8_t>(byte_));
    byte_ = count_ = 0;
  }

 private:
  void PutBit(std::uint32_t bit) {
    byte_ |= bit << count_;
    if (++count_ == 8) Flush();
  }
  std::vector<std::uint8_t>& out_;
  std::uint32_t byte_ = 0;
  int count_ = 0;
};

// The fixed literal/length code of symbol 0..287.
void PutSymbol(BitWriter& bits, int symbol) {
  if (symbol < 144) bits.PutCode(0x30 + symbol, 8);
  else if (symbol < 256) bits.PutCode(0x190 + symbol - 144, 9);
  else if (symbol < 280) bits.PutCode(symbol - 256, 7);
  else bits.PutCode(0xC0 + symbol - 280, 8);
}

void PutMatch(BitWriter& bits, int length, int distance) {
  int code = 28;
  while (kLengthBase[static_cast<std::size_t>(code)] > length) --code;
  PutSymbol(bits, 257 + code);
  bits.Put(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(code)]), kLengthExtra[static_cast<std::size_t>(code)]);
  code = 29;
  while (kDistanceBase[static_cast<std::size_t>(code)] > distance) --code;
  bits.PutCode(static_cast<std::uint32_t>(code), 5);
  bits.Put(static_cast<std::uint32_t>(distance - kDistanceBase[static_cast<std::size_t>(code)]), kDistanceExtra[static_cast<std::size_t>(code)]);
}

}  // namespace

std::vector<std::uint8_t> ZlibDeflate(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  BitWriter bits(out);
  bits.Put(1, 1);  // the last block
  bits.Put(1, 2);  // fixed Huffman codes
  const std::size_t n = data.size();
  // head: the latest position of each 3-byte hash; previous: the one before each position.
  std::vector<int> head(1u << kHashBits, -1), previous(kWindow, -1);
  const auto hashAt = [&](std::size_t at) {
    return ((data[at] << 10) ^ (data[at + 1] << 5) ^ data[at + 2]) & ((1u << kHashBits) - 1);
  };
  const auto insert = [&](std::size_t at) {
    if (at + kMinMatch > n) return;
    const std::uint32_t hash = hashAt(at);
    previous[at % kWindow] = head[hash];
    head[hash] = static_cast<int>(at);
  };
  for (std::size_t at = 0; at < n;) {
    int bestLength = 0, bestDistance = 0;
    if (at + kMinMatch <= n) {
      int candidate = head[hashAt(at)];
      const int most = static_cast<int>(std::min<std::size_t>(kMaxMatch, n - at));
      for (int chain = 0; candidate >= 0 && at - static_cast<std::size_t>(candidate) <= kWindow && chain < kMaxChain; ++chain) {
        int length = 0;
        while (length < most && data[static_cast<std::size_t>(candidate) + static_cast<std::size_t>(length)] == data[at + static_cast<std::size_t>(length)]) ++length;
        if (length > bestLength) {
          bestLength = length;
          bestDistance = static_cast<int>(at) - candidate;
          if (length == most) break;
        }
        const int before = previous[static_cast<std::size_t>(candidate) % kWindow];
        // An entry older than the window may have been written over by a newer one.
        if (before >= candidate) break;
        candidate = before;
      }
    }
    if (bestLength >= kMinMatch) {
      PutMatch(bits, bestLength, bestDistance);
      for (int i = 0; i < bestLength; ++i) insert(at + static_cast<std::size_t>(i));
      at += static_cast<std::size_t>(bestLength);
    } else {
      PutSymbol(bits, data[at]);
      insert(at);
      ++at;
    }
  }
  PutSymbol(bits, 256);  // end of block
  bits.Flush();
  const std::uint32_t adler = Adler32(data.data(), data.size());
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(adler >> shift));
  return out;
}
