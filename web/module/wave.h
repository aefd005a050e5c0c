// The sound cues' WAVE files as the module reads them (sound.cpp plays them).
// Free of Emscripten so that the fuzzers compile the parser as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// 8-bit unsigned mono PCM samples and their rate; empty when the file did not parse.
struct Wave {
  std::string name;
  std::vector<std::uint8_t> samples;
  std::uint32_t rate = 0;
};

// RIFF/WAVE with a PCM "fmt " chunk (one channel, 8 bits) and a "data" chunk;
// other chunks ("fact") are stepped over. Nothing is read past the bytes.
Wave ParseWave(const std::string& name, const std::vector<std::uint8_t>& bytes);
