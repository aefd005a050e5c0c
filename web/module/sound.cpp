// Sound cues: the six WAVE files embedded in the module, parsed by wave.cpp, played
// through the page's Web Audio; a new cue stops the one still playing.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/entry.h"
#include "game/shell.h"
#include "web/module/wave.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  std::uint8_t buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.insert(bytes.end(), buffer, buffer + n);
  std::fclose(file);
  return bytes;
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
