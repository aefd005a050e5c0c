#include "web/module/wave.h"

#include <cstring>

namespace {

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

}  // namespace

Wave ParseWave(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  Wave wave;
  wave.name = name;
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0) {
    return wave;
  }
  bool pcm8Mono = false;
  for (std::size_t at = 12; at + 8 <= bytes.size();) {
    const std::uint8_t* chunk = bytes.data() + at;
    const std::size_t size = Le32(chunk + 4);
    if (size > bytes.size() - at - 8) break;
    if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
      pcm8Mono = Le16(chunk + 8) == 1 && Le16(chunk + 10) == 1 && Le16(chunk + 22) == 8;
      wave.rate = Le32(chunk + 12);
    } else if (std::memcmp(chunk, "data", 4) == 0 && pcm8Mono && wave.rate > 0) {
      wave.samples.assign(chunk + 8, chunk + 8 + size);
      break;
    }
    at += 8 + size + (size & 1);  // chunks are padded to even sizes
  }
  if (!pcm8Mono) wave.samples.clear();
  return wave;
}
