// The six cue recordings, synthesised, and their RIFF WAVE files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

struct CueFile {
  std::string name;                 // resource name, also the file name without ".wav"
  std::vector<std::uint8_t> bytes;  // complete WAVE file
};

// Each cue has a fixed rate and sample count so the files keep their sizes.
std::vector<CueFile> BuildCues();

// 8-bit mono PCM WAVE: "fmt " of 16 bytes, an optional 4-byte "fact" chunk
// holding the sample count, then "data" with a pad byte when its length is odd.
std::vector<std::uint8_t> EncodeWave(int sampleRate, const std::vector<std::uint8_t>& samples, bool withFact);

}  // namespace assetgen
