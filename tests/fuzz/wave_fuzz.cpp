// libFuzzer target: arbitrary bytes as one of the page's cue files, read by the
// module's own WAVE reader. Beyond the sanitizers: samples come only from a
// RIFF/WAVE file with a rate, and are bytes of that file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "web/module/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  const Wave wave = ParseWave("IDW_CLICK", bytes);
  if (wave.samples.empty()) return 0;
  if (wave.rate == 0 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) std::abort();
  if (std::search(bytes.begin(), bytes.end(), wave.samples.begin(), wave.samples.end()) == bytes.end()) std::abort();
  return 0;
}
