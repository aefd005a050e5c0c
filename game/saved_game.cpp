// Capturing and restoring the game, and its text: written in one fixed order, one
// way only, so that a save reads back exactly as written and anything else,
// including any table the rules could never have left, is refused.
#include "game/saved_game.h"

#include <cstdint>
#include <initializer_list>

#include "game/cards.h"
#include "game/table.h"

namespace {

constexpr const char* kVersionKey = "zot-save";
constexpr std::string_view kEnd = "end\n";
// One character a card keeps the whole deck to 108 bytes.
constexpr std::string_view kCardLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz*+";
constexpr char kEmptyPile = '-';
constexpr const char* kHandKeys[kSeatCount] = {"hand0", "hand1", "hand2", "hand3"};
constexpr const char* kTallyKeys[3] = {"tally2", "tally3", "tally4"};
// A deal's loser holds at most the whole deck, 1240 points; a match goes on only
// while every score is under 500, so one deal more ends at most at 499 + 1240.
constexpr std::uint32_t kMaxHandPoints = 1240;
constexpr std::uint32_t kMaxMatchScore = kMatchTarget - 1 + kMaxHandPoints;
// Every draw card of the deck on one stack: eight Draw Twos and four Wild Draw Fours.
constexpr std::uint32_t kMaxPendingTotal = 8 * 2 + 4 * 4;

bool HasHouseState(const GameTable& t) { return t.houseRules != 0 || t.pendingTotal != 0 || t.zotCall != 0; }

int DeckCopies(int code) {
  if (code == kWild || code == kWildDrawFour) return 4;
  return FaceOf(code) == 0 ? 1 : 2;
}

void PutNumbers(std::string& out, const char* key, std::initializer_list<std::int64_t> values) {
  out += key;
  for (const std::int64_t value : values) {
    out += ' ';
    out += std::to_string(value);
  }
  out += '\n';
}

void PutPile(std::string& out, const char* key, const CardPile& pile) {
  out += key;
  out += ' ';
  const int count = PileCount(pile);
  if (count == 0) out += kEmptyPile;
  for (int i = 0; i < count; ++i) {
    const int code = pile.cards[i];
    // A code no card has is written as a letter no card has: the text is refused.
    out += code >= 1 && code <= kWildDrawFour ? kCardLetters[code - 1] : '?';
  }
  out += '\n';
}

// The text still to read; once anything is wrong, nothing more is read.
struct Reader {
  std::string_view rest;
  bool ok;
};

bool Fail(Reader& r) {
  r.ok = false;
  return false;
}

bool Take(Reader& r, std::string_view expected) {
  if (!r.ok || !r.rest.starts_with(expected)) return Fail(r);
  r.rest.remove_prefix(expected.size());
  return true;
}

bool Key(Reader& r, const char* key) { return Take(r, key) && Take(r, " "); }

// A decimal number within 0..max, then `after`.
std::uint32_t Number(Reader& r, std::uint32_t max, char after) {
  if (!r.ok) return 0;
  std::size_t digits = 0;
  std::uint64_t value = 0;
  // Eleven digits at most are read: enough to see one too many, never enough to overflow.
  while (digits < r.rest.size() && digits <= 10 && r.rest[digits] >= '0' && r.rest[digits] <= '9') {
    value = value * 10 + static_cast<std::uint64_t>(r.rest[digits++] - '0');
  }
  const bool wellFormed = digits >= 1 && digits <= 10 && (digits == 1 || r.rest[0] != '0');
  if (!wellFormed || value > max || digits >= r.rest.size() || r.rest[digits] != after) {
    Fail(r);
    return 0;
  }
  r.rest.remove_prefix(digits + 1);
  return static_cast<std::uint32_t>(value);
}

std::uint32_t Field(Reader& r, const char* key, std::uint32_t max) {
  Key(r, key);
  return Number(r, max, '\n');
}

// -1, or 0..max.
std::int64_t SignedField(Reader& r, const char* key, std::uint32_t max) {
  Key(r, key);
  if (r.ok && r.rest.starts_with("-1\n")) {
    r.rest.remove_prefix(3);
    return -1;
  }
  return Number(r, max, '\n');
}

void Numbers(Reader& r, const char* key, std::uint32_t max, std::uint32_t* values, int count) {
  Key(r, key);
  for (int i = 0; i < count; ++i) values[i] = Number(r, max, i + 1 < count ? ' ' : '\n');
}

void PileField(Reader& r, const char* key, CardPile& pile) {
  PileClear(pile);
  if (!Key(r, key)) return;
  if (r.rest.starts_with("-\n")) {
    r.rest.remove_prefix(2);
    return;
  }
  std::size_t count = 0;
  for (; count < r.rest.size() && r.rest[count] != '\n'; ++count) {
    const std::size_t letter = kCardLetters.find(r.rest[count]);
    if (letter == std::string_view::npos || count == kDeckSize) {
      Fail(r);
      return;
    }
    pile.cards[count] = static_cast<CardCode>(letter + 1);
  }
  pile.cards[count] = kNoCard;
  // An empty pile is written as "-"; every line ends with a newline.
  if (count == 0 || count == r.rest.size()) {
    Fail(r);
    return;
  }
  r.rest.remove_prefix(count + 1);
}

// The ranges each field is read with are checked as it is read; this is the rest:
// what makes the table one the rules could have left, and the record one counting
// could have made.
bool PossibleGame(const SavedGame& g) {
  const GameTable& t = g.table;
  if (t.playerCount < 2 || t.currentPlayer >= t.playerCount) return false;

  int copies[kWildDrawFour + 1] = {};
  auto count = [&copies](const CardPile& pile) {
    for (int i = 0; pile.cards[i] != kNoCard; ++i) ++copies[pile.cards[i]];
  };
  count(t.drawPile);
  count(t.discardPile);
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (seat < t.playerCount) {
      count(t.hands[seat]);
    } else if (PileCount(t.hands[seat]) != 0) {
      return false;
    }
  }
  for (int code = 1; code <= kWildDrawFour; ++code) {
    if (copies[code] != DeckCopies(code)) return false;
  }

  // Before the first deal the whole deck lies shuffled on the draw pile.
  if (t.direction == 0 && (t.dealActive || PileCount(t.drawPile) != kDeckSize)) return false;
  if (t.dealActive) {
    if (PileCount(t.discardPile) == 0) return false;
    for (int seat = 0; seat < t.playerCount; ++seat) {
      if (PileCount(t.hands[seat]) == 0) return false;
    }
  }

  // A total is owed, and a Zot stands, only in a deal under their rule; a Zot
  // said is said from two cards, one owed for a last card.
  if (t.pendingTotal != 0 && (!(t.houseRules & kHouseStack) || !t.dealActive)) return false;
  if (t.zotCall != kZotNone) {
    const int held = PileCount(t.hands[kHumanSeat]);
    if (!(t.houseRules & kHouseSayZot) || !t.dealActive || held != (t.zotCall == kZotSaid ? 2 : 1)) return false;
  }

  const MatchStatistics& s = g.statistics;
  std::uint64_t won = 0;
  for (const auto& byLength : s.tallies) {
    for (const MatchTally& tally : byLength) {
      if (std::uint64_t{tally.won} + tally.lost > tally.played) return false;
      won += tally.won;
    }
  }
  return s.currentStreak <= s.bestStreak && s.bestStreak <= won;
}

}  // namespace

SavedGame CaptureGame(std::uint32_t now) {
  SavedGame saved{};
  saved.table = gameTable;
  GameTable& t = saved.table;
  for (int seat = 0; seat < kSeatCount; ++seat) {
    if (seat >= t.playerCount) PileClear(t.hands[seat]);
  }
  t.lastTurnTick = 0;
  t.computerTurnPending = t.computerTurnPending ? 1 : 0;
  const std::uint32_t elapsed = now - gameTable.lastTurnTick;
  const std::uint32_t kept = elapsed > INT32_MAX ? INT32_MAX : elapsed;
  saved.pacingElapsedMs = t.computerTurnPending ? static_cast<std::int32_t>(kept) : -1;
  saved.randomState = randomState;
  saved.statistics = matchStatistics;
  return saved;
}

void RestoreGame(const SavedGame& saved, std::uint32_t now) {
  gameTable = saved.table;
  const bool armed = saved.pacingElapsedMs >= 0;
  const std::int32_t elapsed =
      saved.pacingElapsedMs > kMaxRestoredPacingMs ? kMaxRestoredPacingMs : saved.pacingElapsedMs;
  gameTable.computerTurnPending = armed ? 1 : 0;
  gameTable.lastTurnTick = armed ? now - static_cast<std::uint32_t>(elapsed) : now;
  randomState = saved.randomState;
  matchStatistics = saved.statistics;
}

std::string EncodeSavedGame(const SavedGame& saved) {
  const GameTable& t = saved.table;
  std::string out;
  out.reserve(700);
  const bool house = HasHouseState(t);
  PutNumbers(out, kVersionKey, {house ? kSavedGameVersion : kFirstSavedGameVersion});
  PutNumbers(out, "players", {t.playerCount});
  PutNumbers(out, "untilPlayable", {t.drawUntilPlayable});
  PutNumbers(out, "oneDeal", {t.singleDealMatch});
  PutNumbers(out, "sound", {t.soundOn});
  PutNumbers(out, "dealActive", {t.dealActive});
  PutNumbers(out, "direction", {t.direction});
  PutNumbers(out, "turn", {t.currentPlayer});
  PutNumbers(out, "color", {t.currentColor});
  PutNumbers(out, "pacing", {saved.pacingElapsedMs});
  PutNumbers(out, "random", {saved.randomState});
  PutPile(out, "draw", t.drawPile);
  PutPile(out, "discard", t.discardPile);
  for (int seat = 0; seat < kSeatCount; ++seat) PutPile(out, kHandKeys[seat], t.hands[seat]);
  PutNumbers(out, "points", {t.handPoints[0], t.handPoints[1], t.handPoints[2], t.handPoints[3]});
  PutNumbers(out, "scores", {t.matchScores[0], t.matchScores[1], t.matchScores[2], t.matchScores[3]});
  const MatchStatistics& s = saved.statistics;
  for (int players = 0; players < 3; ++players) {
    const MatchTally& one = s.tallies[players][0];
    const MatchTally& long500 = s.tallies[players][1];
    PutNumbers(out, kTallyKeys[players],
               {one.played, one.won, one.lost, long500.played, long500.won, long500.lost});
  }
  PutNumbers(out, "streak", {s.currentStreak, s.bestStreak});
  PutNumbers(out, "counted", {s.matchCounted});
  if (house) {
    PutNumbers(out, "house", {t.houseRules});
    PutNumbers(out, "pending", {t.pendingTotal});
    PutNumbers(out, "zot", {t.zotCall});
  }
  out += kEnd;
  return out;
}

bool DecodeSavedGame(std::string_view text, SavedGame* out) {
  if (text.size() > kMaxSavedGameBytes) return false;
  Reader r{text, true};
  const std::uint32_t version = Field(r, kVersionKey, UINT32_MAX);
  if (version < kFirstSavedGameVersion || version > kSavedGameVersion) return false;
  SavedGame g{};
  GameTable& t = g.table;
  t.playerCount = static_cast<std::int32_t>(Field(r, "players", kSeatCount));
  t.drawUntilPlayable = static_cast<std::int32_t>(Field(r, "untilPlayable", 1));
  t.singleDealMatch = static_cast<std::uint8_t>(Field(r, "oneDeal", 1));
  t.soundOn = static_cast<std::uint8_t>(Field(r, "sound", 1));
  t.dealActive = static_cast<std::uint8_t>(Field(r, "dealActive", 1));
  t.direction = static_cast<std::int8_t>(SignedField(r, "direction", 1));
  t.currentPlayer = static_cast<std::uint8_t>(Field(r, "turn", kSeatCount - 1));
  t.currentColor = static_cast<CardColor>(Field(r, "color", kYellow));
  g.pacingElapsedMs = static_cast<std::int32_t>(SignedField(r, "pacing", INT32_MAX));
  t.computerTurnPending = g.pacingElapsedMs >= 0 ? 1 : 0;
  g.randomState = Field(r, "random", UINT32_MAX);
  PileField(r, "draw", t.drawPile);
  PileField(r, "discard", t.discardPile);
  for (int seat = 0; seat < kSeatCount; ++seat) PileField(r, kHandKeys[seat], t.hands[seat]);
  std::uint32_t values[6];
  Numbers(r, "points", kMaxHandPoints, values, kSeatCount);
  for (int seat = 0; seat < kSeatCount; ++seat) t.handPoints[seat] = static_cast<std::int32_t>(values[seat]);
  Numbers(r, "scores", kMaxMatchScore, values, kSeatCount);
  for (int seat = 0; seat < kSeatCount; ++seat) t.matchScores[seat] = static_cast<std::int32_t>(values[seat]);
  MatchStatistics& s = g.statistics;
  for (int players = 0; players < 3; ++players) {
    Numbers(r, kTallyKeys[players], UINT32_MAX, values, 6);
    s.tallies[players][0] = MatchTally{values[0], values[1], values[2]};
    s.tallies[players][1] = MatchTally{values[3], values[4], values[5]};
  }
  Numbers(r, "streak", UINT32_MAX, values, 2);
  s.currentStreak = values[0];
  s.bestStreak = values[1];
  s.matchCounted = static_cast<std::uint8_t>(Field(r, "counted", 1));
  if (version == kSavedGameVersion) {
    t.houseRules = static_cast<std::uint8_t>(Field(r, "house", kHouseRulesAll));
    t.pendingTotal = static_cast<std::int32_t>(Field(r, "pending", kMaxPendingTotal));
    t.zotCall = static_cast<std::uint8_t>(Field(r, "zot", kZotOwed));
    // Written one way only: a game without house rules is a version 1 save.
    if (t.houseRules == 0) return false;
  }
  if (!Take(r, kEnd) || !r.rest.empty() || !PossibleGame(g)) return false;
  *out = g;
  return true;
}

std::uint32_t SavedGameVersion(std::string_view text) {
  Reader r{text, true};
  return Field(r, kVersionKey, UINT32_MAX);
}
