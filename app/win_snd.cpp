// Sound cues: WAVE resources of the module, played without waiting.
#include "app/win_shell.h"

#include <mmsystem.h>

#include "game/entry.h"
#include "game/shell.h"

void PlayCue(SoundCue cue) {
  if (Table().soundOn != 0) {
    PlaySoundA(cue, appInstance, SND_RESOURCE | SND_ASYNC);
  }
}
