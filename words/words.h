// The words the table is told in: the resource script's string table, in UTF-8,
// in the language chosen. Each program supplies ResourceString: Zot.exe from its
// own resources, the page and the tests from a table the build writes from the
// same script (words_table.cpp); words/language.cpp picks the language's twin.
#pragma once

#include <cstdint>

// The string `stringId` of resources/resource.h in the language chosen, the
// Arabic one where English has none; "" when the program has neither.
const char* Word(int stringId);

// The string numbered `stringId` as the program holds it; "" when it has none.
const char* ResourceString(int stringId);

// Arabic is the default, as the original's; the choice holds for every word
// said after it.
enum class Language : std::uint8_t { kArabic, kEnglish };
void SetLanguage(Language language);
Language CurrentLanguage();
// The number of resource `id` (string, menu, dialog, help text) in the language chosen.
int InLanguage(int id);
