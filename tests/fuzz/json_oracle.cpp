#include "tests/fuzz/json_oracle.h"

#include <nlohmann/json.hpp>

bool StrictJson(const std::string& json) { return nlohmann::json::accept(json); }

std::string StrictQuoted(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
