// The language the page chose (page/language.js): every word said and shown
// after it, the table's view sent again at once in it.
#include <emscripten/emscripten.h>

#include "game/shell.h"
#include "web/module/entry_points.h"
#include "words/narrator.h"
#include "words/words.h"

EMSCRIPTEN_KEEPALIVE void zot_language(int english) {
  SetLanguage(english != 0 ? Language::kEnglish : Language::kArabic);
  // L says the moves since the human's in the language they were said in: afresh.
  narration.sinceYourMove.clear();
  TableChanged();
}
