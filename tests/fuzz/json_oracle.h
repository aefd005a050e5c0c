// The strict JSON reader and writer the page's JSON is checked against
// (nlohmann::json), compiled apart without the fuzzer's coverage: the fuzzer
// steers by the code under test, not by the checker's.
#pragma once

#include <string>

// Whether `json` is JSON text as RFC 8259 has it, UTF-8 included.
bool StrictJson(const std::string& json);
// `text` as a JSON string, broken UTF-8 replaced by U+FFFD.
std::string StrictQuoted(const std::string& text);
