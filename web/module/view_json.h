// The JSON view.cpp hands the page: the table's view and each event the rules
// tell, in words/'s words. Apart from view.cpp's calls into the page, and free of
// Emscripten, so that the native tests and the fuzzers compile it as it is.
#pragma once

#include <string>
#include <string_view>

#include "game/events.h"

// `text` as a JSON string, quotes included, that JSON.parse reads whatever the
// bytes: `"`, `\` and every byte below 0x20 escaped (the short forms where JSON
// has them), UTF-8 passed through, and each broken UTF-8 sequence replaced by
// one U+FFFD, as the page's own UTF-8 decoder would replace it.
std::string JsonString(std::string_view text);

// One event as the page's tell() reads it: its kind, its seat and `text`, the
// phrase it is told in.
std::string TableEventJson(const TableEvent& event, const std::string& text);

// The table now as the page's putView() reads it: whose turn, the lines, every
// seat's name and count, the human's hand with the cards that may be played.
std::string TableViewJson();
