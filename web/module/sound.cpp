// Sound cues: the six WAVE files embedded in the module, parsed here and played
// through the page's Web Audio; a new cue stops the one still playing.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game/entry.h"
#include "game/shell.h"

namespace {

// 8-bit unsigned mono PCM samples and their rate; empty when the file did not parse.
struct Wave {
  std::string name;
  std::vector<std::uint8_t> samples;
  std::uint32_t rate = 0;
};

std::uint32_t Le32(const std::uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24); }
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  std::uint8_t buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(file);
  return bytes;
}

// RIFF/WAVE with a PCM "fmt " chunk (one channel, 8 bits) and a "data" chunk;
// other chunks ("fact") are stepped over. Nothing is read past the bytes.
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

const Wave& CueWave(SoundCue cue) {
  static std::vector<Wave> waves;
  for (const Wave& wave : waves) {
    if (wave.name == cue) return wave;
  }
  waves.push_back(ParseWave(cue, ReadFile(std::string("/sounds/") + cue + ".wav")));
  return waves.back();
}

EM_JS(void, zot_play_samples, (const char* name, const std::uint8_t* samples, int count, int rate), {
  Module.page.playSamples(UTF8ToString(name), HEAPU8.subarray(samples, samples + count), rate);
});

}  // namespace

void PlayCue(SoundCue cue) {
  if (gameTable.soundOn == 0) return;
  const Wave& wave = CueWave(cue);
  if (wave.samples.empty()) return;
  zot_play_samples(cue, wave.samples.data(), static_cast<int>(wave.samples.size()), static_cast<int>(wave.rate));
}
