// The JSON the page's tell() gets for a phrase with any bytes in it: JSON.parse
// must read every one, and words as the string table has them stay as they were.
#include <gtest/gtest.h>

#include <string>

#include "web/module/view_json.h"

namespace {

TEST(ViewJson, EveryPhraseReadsAsJson) {
  const std::string fffd = "\xEF\xBF\xBD";
  const struct { std::string said, text; } rows[] = {
      {"اللاعب 2 لعب أحمر 7.", "اللاعب 2 لعب أحمر 7."},
      {"\"%1\" \\ \x7F", R"(\"%1\" \\ )" "\x7F"},
      {std::string("\0\x01\b\t\n\v\f\r\x1b\x1f", 10), R"(\u0000\u0001\b\t\n\u000b\f\r\u001b\u001f)"},
      // Broken UTF-8: one U+FFFD for each start of a character cut short, and
      // for each byte that starts none, as the page's decoder reads it.
      {"\xF0\x9F\x8E\xB2 \xC3", "\xF0\x9F\x8E\xB2 " + fffd},
      {"\xC0\x80\"", fffd + fffd + "\\\""},
      {"\xE0\x9F|\xED\xA0|\xF4\x90", fffd + fffd + "|" + fffd + fffd + "|" + fffd + fffd},
      {"\xE2\x82\n\xF3\x80\x80", fffd + "\\n" + fffd},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(TableEventJson({TableEventKind::kPlayed, 1, 0, 0, 0, 0}, row.said),
              R"({"kind":"play","seat":1,"text":")" + row.text + "\"}");
  }
}

}  // namespace
