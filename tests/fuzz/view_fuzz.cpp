// libFuzzer target: the page's words and JSON. A match of the fuzzer's settings
// (the house rules and the language among them) is played some moves with one
// word of the string table replaced by arbitrary bytes, then events of the fuzzer's making (each field in its range) are told
// against that table. Every event's phrase is quoted exactly as a strict writer
// (nlohmann::json) quotes it, broken UTF-8 given as U+FFFD; the JSON tell() gets
// for it, and the view putView() gets after each move and after the made events, hold
// no raw control byte and are JSON a strict reader accepts.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "resources/resource.h"
#include "tests/fuzz/json_oracle.h"
#include "tools/sim/headless.h"
#include "web/module/view_json.h"
#include "words/narrator.h"
#include "words/words.h"

// The build's string table, compiled here under another name (CMakeLists.txt).
const char* TableString(int stringId);

namespace {

int fuzzedId = 0;
std::string fuzzedWord;

void CheckJson(const std::string& json) {
  for (const char c : json) {
    if (static_cast<unsigned char>(c) < 0x20) std::abort();
  }
  if (!StrictJson(json)) std::abort();
}

void Hear(const TableEvent& event) {
  const std::string said = NarrateEvent(event);
  if (JsonString(said) != StrictQuoted(said)) std::abort();
  CheckJson(TableEventJson(event, said));
}

}  // namespace

const char* ResourceString(int stringId) { return stringId == fuzzedId ? fuzzedWord.c_str() : TableString(stringId); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool listening = (ListenAlong(Hear), true);
  (void)listening;
  FuzzedDataProvider in(data, size);
  fuzzedId = IDS_TABLE + in.ConsumeIntegralInRange(0, 255);
  fuzzedWord = in.ConsumeRandomLengthString(64);
  MatchSettings settings;
  settings.seed = in.ConsumeIntegral<std::uint32_t>();
  settings.players = in.ConsumeIntegralInRange(2, 4);
  settings.rules = in.ConsumeBool() ? RuleVariant::kUntilPlayable : RuleVariant::kStandard;
  settings.length = in.ConsumeBool() ? MatchLength::kToFiveHundred : MatchLength::kOneDeal;
  // From the seed's bits, so that the kept corpus keeps its meaning: the house
  // rules, whether the human says Zot, and the language, whose word is the one replaced.
  settings.house = static_cast<std::uint8_t>((settings.seed >> 1) & kHouseRulesAll);
  settings.saysZot = (settings.seed & 16) != 0;
  const bool english = (settings.seed & 1) != 0;
  SetLanguage(english ? Language::kEnglish : Language::kArabic);
  if (english) fuzzedId += ZOT_ENGLISH;
  const int moves = in.ConsumeIntegralInRange(0, 100);

  SetUpTable(settings);
  CheckJson(TableViewJson());
  DealRecord deal;
  BeginMatch(&deal);
  MoveRecord move;
  for (int i = 0; i < moves && StepMove(&move) == StepResult::kMoved; ++i) CheckJson(TableViewJson());
  while (in.remaining_bytes() > 0) {
    TableEvent event{};
    event.kind = static_cast<TableEventKind>(in.ConsumeIntegralInRange(0, kTableEventKinds - 1));
    event.seat = static_cast<std::int8_t>(in.ConsumeIntegralInRange(0, PlayersInRange(gameTable.playerCount) - 1));
    event.card = static_cast<CardCode>(in.ConsumeIntegralInRange<int>(kNoCard, kWildDrawFour));
    event.color = static_cast<CardColor>(in.ConsumeIntegralInRange(0, 3));
    event.direction = in.ConsumeBool() ? 1 : -1;
    event.count = static_cast<std::int8_t>(in.ConsumeIntegralInRange(0, 8));
    Hear(event);
  }
  CheckJson(TableViewJson());
  return 0;
}
