// Sound cues: the page plays the cue's WAVE file by name through Web Audio,
// which decodes it; a new cue stops the one still playing.
#include <emscripten/emscripten.h>

#include "game/entry.h"
#include "game/shell.h"

namespace {

EM_JS(void, zot_play_cue, (const char* name), { Module.page.playCue(UTF8ToString(name)); });

}  // namespace

void PlayCue(SoundCue cue) {
  if (Table().soundOn != 0) zot_play_cue(cue);
}
