// zot-sim: one headless match with its trace or with what the table says of each
// event (--words), or a summary over many seeds, or the saves the page would
// keep through one match (positions to load into the page, and the saved-game
// fuzzer's seeds).
//   zot-sim --seed S --players P --rules standard|until-playable --length one-deal|to-500
//           [--house none|stack,seven-zero,say-zot] [--zot say|forget]
//           [--count K | --saves DIR | --words [--language ar|en]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/events.h"
#include "game/saved_game.h"
#include "game/settings.h"
#include "game/statistics.h"
#include "tools/sim/headless.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: zot-sim --seed S --players 2|3|4 --rules standard|until-playable "
               "--length one-deal|to-500 [--house none|RULE,...] [--zot say|forget] "
               "[--count K | --saves DIR | --words [--language ar|en]]\n"
               "  RULE: stack, seven-zero, say-zot\n");
  return 2;
}

bool ParseInteger(const char* text, long long* value) {
  char* end = nullptr;
  *value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0';
}

// "none", or house rule names joined by commas, each at most once.
bool ParseHouseRules(const char* text, std::uint8_t* rules) {
  *rules = 0;
  if (std::strcmp(text, "none") == 0) return true;
  const char* at = text;
  for (;;) {
    const char* comma = std::strchr(at, ',');
    const std::size_t length = comma ? static_cast<std::size_t>(comma - at) : std::strlen(at);
    std::uint8_t found = 0;
    for (const HouseRuleName& name : kHouseRuleNames) {
      if (std::strlen(name.name) == length && std::strncmp(at, name.name, length) == 0) found = name.rule;
    }
    if (found == 0 || (*rules & found) != 0) return false;
    *rules |= found;
    if (comma == nullptr) return true;
    at = comma + 1;
  }
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

// DIR/<seed>-<n>.txt: the save at start-up (n = 0), after the first deal (1) and
// after every move, with the record counted from the table's events.
int WriteSaves(const MatchSettings& settings, const std::string& dir) {
  SetTableObserver([](const TableEvent& event) { CountTableEvent(matchStatistics, event); });
  ResetStatistics(matchStatistics);
  SetUpTable(settings);
  int n = 0;
  auto save = [&] {
    const std::string path = dir + "/" + std::to_string(settings.seed) + "-" + std::to_string(n++) + ".txt";
    if (WriteFile(path, EncodeSavedGame(CaptureGame(CurrentTick())))) return true;
    std::fprintf(stderr, "zot-sim: cannot write %s\n", path.c_str());
    return false;
  };
  DealRecord deal;
  MoveRecord move;
  bool ok = save();
  if (ok) BeginMatch(&deal);
  ok = ok && save();
  while (ok && StepMove(&move) == StepResult::kMoved) ok = save();
  if (ok) std::printf("%d saves in %s\n", n, dir.c_str());
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  MatchSettings settings;
  long long count = 0;
  const char* saves = nullptr;
  bool words = false;
  for (int i = 1; i < argc; ++i) {
    const char* option = argv[i];
    if (std::strcmp(option, "--words") == 0) {
      words = true;
      continue;
    }
    if (i + 1 >= argc) return Usage();
    const char* value = argv[++i];
    long long number = 0;
    if (std::strcmp(option, "--seed") == 0) {
      if (!ParseInteger(value, &number)) return Usage();
      settings.seed = number;
    } else if (std::strcmp(option, "--players") == 0) {
      if (!ParseInteger(value, &number) || number < 2 || number > 4) return Usage();
      settings.players = static_cast<int>(number);
    } else if (std::strcmp(option, "--rules") == 0) {
      if (std::strcmp(value, "standard") == 0) {
        settings.rules = RuleVariant::kStandard;
      } else if (std::strcmp(value, "until-playable") == 0) {
        settings.rules = RuleVariant::kUntilPlayable;
      } else {
        return Usage();
      }
    } else if (std::strcmp(option, "--length") == 0) {
      if (std::strcmp(value, "one-deal") == 0) {
        settings.length = MatchLength::kOneDeal;
      } else if (std::strcmp(value, "to-500") == 0) {
        settings.length = MatchLength::kToFiveHundred;
      } else {
        return Usage();
      }
    } else if (std::strcmp(option, "--house") == 0) {
      if (!ParseHouseRules(value, &settings.house)) return Usage();
    } else if (std::strcmp(option, "--zot") == 0) {
      if (std::strcmp(value, "say") != 0 && std::strcmp(value, "forget") != 0) return Usage();
      settings.saysZot = std::strcmp(value, "say") == 0;
    } else if (std::strcmp(option, "--count") == 0) {
      if (!ParseInteger(value, &number) || number < 1) return Usage();
      count = number;
    } else if (std::strcmp(option, "--language") == 0) {
      if (std::strcmp(value, "ar") == 0) {
        SetLanguage(Language::kArabic);
      } else if (std::strcmp(value, "en") == 0) {
        SetLanguage(Language::kEnglish);
      } else {
        return Usage();
      }
    } else if (std::strcmp(option, "--saves") == 0) {
      saves = value;
    } else {
      return Usage();
    }
  }

  if (saves != nullptr) return count == 0 && !words ? WriteSaves(settings, saves) : Usage();
  if (words && count != 0) return Usage();
  if (count == 0) {
    // The table's words, a line for each thing said, in place of the trace.
    if (words) {
      ListenAlong([](const TableEvent& event) {
        const std::string said = NarrateEvent(event);
        if (!said.empty()) std::printf("%s\n", said.c_str());
      });
    }
    const MatchTotals totals = RunMatch(settings, words ? nullptr : stdout);
    if (!totals.ended) {
      std::fprintf(stderr, "zot-sim: match seed=%lld did not end (stuck)\n", static_cast<long long>(settings.seed));
      return 1;
    }
    return 0;
  }

  long long ended = 0;
  long long deals = 0;
  long long moves = 0;
  const std::int64_t first = settings.seed;
  const auto start = std::chrono::steady_clock::now();
  for (long long k = 0; k < count; ++k) {
    settings.seed = first + k;
    const MatchTotals totals = RunMatch(settings, nullptr);
    deals += totals.deals;
    moves += totals.moves;
    if (totals.ended) {
      ++ended;
    } else {
      std::fprintf(stderr, "zot-sim: match seed=%lld did not end (stuck)\n", static_cast<long long>(settings.seed));
    }
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("matches=%lld ended=%lld deals=%lld moves=%lld wall=%.3fs deals/s=%.0f\n", count, ended, deals, moves,
              wall, wall > 0 ? static_cast<double>(deals) / wall : 0.0);
  return ended == count ? 0 : 1;
}
