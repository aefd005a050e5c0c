// The language the words are said in: each string of the resource script or its
// English twin, numbered ZOT_ENGLISH on, falling back to the Arabic one.
#include "resources/resource.h"
#include "words/words.h"

namespace {
Language chosen = Language::kArabic;
}  // namespace

void SetLanguage(Language language) { chosen = language; }
Language CurrentLanguage() { return chosen; }
int InLanguage(int id) { return chosen == Language::kEnglish ? id + ZOT_ENGLISH : id; }

const char* Word(int stringId) {
  const char* word = ResourceString(InLanguage(stringId));
  return *word != '\0' ? word : ResourceString(stringId);
}
