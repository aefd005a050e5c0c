// The table in words with the resource script's own strings: names and counts
// as Arabic says them, and whole headless matches told event by event, in
// which every phrase is whole, says what its event did, and names no card the
// human cannot know; one short match word for word in each language, and how
// much is said a move over longer ones.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/resource.h"
#include "tools/sim/headless.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

TEST(Names, CardsColorsSeatsAndCounts) {
  const struct { int code; std::string name; } cards[] = {
      {1, "أزرق 0"}, {11, "أزرق سحب ورقتين"}, {26, "أخضر تخطٍّ"}, {33, "أحمر 6"}, {52, "أصفر تخطٍّ"},
      {53, "ورقة اختيار اللون"}, {54, "ورقة سحب أربع"}, {0, ""}, {55, ""}};
  for (const auto& c : cards) EXPECT_EQ(CardName(c.code), c.name) << c.code;
  EXPECT_EQ(SeatName(0), "أنت");
  EXPECT_EQ(SeatName(3), "اللاعب الرابع");
  EXPECT_EQ(CardCount(2, true), "ورقتين");
  EXPECT_EQ(PointCount(2, true), "نقطتين");
  // Arabic counts 0-110: the noun goes by the last two digits.
  const struct { int from, to; std::string cards, points; } counts[] = {
      {0, 0, "لا أوراق", "لا نقاط"}, {1, 1, "ورقة واحدة", "نقطة واحدة"}, {2, 2, "ورقتان", "نقطتان"},
      {3, 10, "%d أوراق", "%d نقاط"}, {11, 102, "%d ورقة", "%d نقطة"}, {103, 110, "%d أوراق", "%d نقاط"}};
  for (const auto& c : counts) {
    for (int n = c.from; n <= c.to; ++n) {
      const auto with = [n](std::string text) {
        const std::size_t at = text.find("%d");
        return at == std::string::npos ? text : text.replace(at, 2, std::to_string(n));
      };
      EXPECT_EQ(CardCount(n), with(c.cards)) << n;
      EXPECT_EQ(PointCount(n), with(c.points)) << n;
    }
  }
  // Ids next to each other in the header and in the script, each with its own words.
  const struct { int id; std::string text; } strings[] = {
      {IDS_ACTION_PLAY, "العب"}, {IDS_APP_NAME, "لعبة الزوت"}, {IDS_SWATCH, "%1، %2"},
      {IDS_MODULE_FAILED, "تعذّر تشغيل اللعبة في هذا المتصفح. أعد تحميل الصفحة أو جرّب متصفحًا أحدث."}};
  for (const auto& s : strings) EXPECT_EQ(Word(s.id), s.text) << s.id;
  SetLanguage(Language::kEnglish);
  EXPECT_EQ(CardName(54) + "|" + CardName(11) + "|" + SeatName(1) + "|" + CardCount(1) + "|" + CardCount(0) + "|" +
                CardCount(11, true) + "|" + Word(IDS_APP_NAME),
            "wild draw four|blue draw two|Player two|one card|no cards|11 cards|Zot card game");
  SetLanguage(Language::kArabic);
}

// The names of the cards the human may know by now: the own hand as dealt and
// drawn, every card played or turned up.
std::set<std::string> known;
bool owed = false;  // a stacked total stands until a seat takes it
std::string faults;

void Note(const std::string& fault) {
  if (faults.size() < 600) faults += fault + "\n";
}

void Hear(const TableEvent& e) {
  const GameTable& t = gameTable;
  for (int i = 0; i < PileCount(t.hands[kHumanSeat]); ++i) known.insert(CardName(t.hands[kHumanSeat].cards[i]));
  for (int i = 0; i < PileCount(t.discardPile); ++i) known.insert(CardName(t.discardPile.cards[i]));
  const std::string said = NarrateEvent(e);
  const std::string name = TableEventName(e.kind);
  const bool you = e.seat == kHumanSeat;
  // The events said in a line of their own; the others are said with them, or
  // told by them, or by the next line.
  const bool speaks = e.kind == TableEventKind::kMatchStarted || e.kind == TableEventKind::kDealt ||
                      e.kind == TableEventKind::kPlayed || e.kind == TableEventKind::kDealEnded ||
                      e.kind == TableEventKind::kMatchEnded || (you && e.kind == TableEventKind::kDrew) ||
                      (you && e.kind == TableEventKind::kHand) || (you && e.kind == TableEventKind::kPenalty) ||
                      (owed && e.kind == TableEventKind::kPenalty) || e.kind == TableEventKind::kStacked || e.kind == TableEventKind::kSwapped ||
                      e.kind == TableEventKind::kPassed || e.kind == TableEventKind::kCaught;
  if (speaks && said.empty()) Note(name + ": nothing said");
  // A stacked total is taken as a move of its own, which the card played no longer says.
  owed = e.kind == TableEventKind::kStacked || (owed && e.kind != TableEventKind::kPenalty);
  if (said.find('%') != std::string::npos) Note(name + ": " + said);
  for (int code = 1; code <= kWildDrawFour; ++code) {
    // A face's number inside a larger one ("أزرق 1" in "أزرق 10") cannot happen: faces go to 9.
    if (said.find(CardName(code)) != std::string::npos && known.count(CardName(code)) == 0) {
      Note(name + " names a hidden card: " + said);
    }
  }
  // What each event must say of itself.
  std::string parts[kSeatCount + 2];
  int n = 0;
  if (!you && (e.kind == TableEventKind::kPlayed || e.kind == TableEventKind::kDealEnded)) parts[n++] = SeatName(e.seat);
  if (e.kind == TableEventKind::kPlayed || e.kind == TableEventKind::kDealt || (you && e.kind == TableEventKind::kDrew)) {
    parts[n++] = CardName(e.card);
  }
  if (e.kind == TableEventKind::kPlayed && e.card >= kWild) parts[n++] = TheColorName(e.color);
  if ((you && e.kind == TableEventKind::kPenalty) || e.kind == TableEventKind::kStacked || e.kind == TableEventKind::kCaught) {
    parts[n++] = CardCount(e.count, true);
  }
  if (you && e.kind == TableEventKind::kHand) parts[n++] = CardCount(PileCount(t.hands[e.seat]));
  if (e.kind == TableEventKind::kSwapped) parts[n++] = SeatName(you ? e.count : e.seat);
  if (e.kind == TableEventKind::kPassed) parts[n++] = DirectionName(e.direction);
  for (int seat = 0; e.kind == TableEventKind::kDealEnded && seat < t.playerCount; ++seat) {
    parts[n++] = Say(IDS_SEAT_COUNT, {SeatName(seat), std::to_string(t.matchScores[seat])});
  }
  for (int i = 0; i < n; ++i) {
    if (said.find(parts[i]) == std::string::npos) Note(name + " leaves out " + parts[i] + ": " + said);
  }
  const TableLines lines = DescribeTable();
  if ((lines.turn + lines.top + lines.counts + lines.scores).find('%') != std::string::npos) Note("lines: " + lines.turn);
  if (e.kind == TableEventKind::kDealEnded && lines.turn.find(SeatName(e.seat)) == std::string::npos &&
      e.seat != kHumanSeat) {
    Note("the deal's end not in the turn line: " + lines.turn);
  }
}

TEST(Narration, WholeMatchesSayEveryEventAndHideEveryHiddenCard) {
  ListenAlong(Hear);
  int matches = 0;
  for (int players = 2; players <= 4; ++players) {
    for (const MatchLength length : {MatchLength::kOneDeal, MatchLength::kToFiveHundred}) {
      for (std::int64_t seed = 1767225600; seed < 1767225640; ++seed) {
        known.clear();
        // Every other match with the house rules, the human saying Zot in half of those.
        const auto house = static_cast<std::uint8_t>(seed % 2 ? kHouseRulesAll : 0);
        const MatchTotals totals = RunMatch({seed, players, RuleVariant::kStandard, length, house, seed % 4 == 1}, nullptr);
        matches += totals.ended;
      }
    }
  }
  ListenAlong(nullptr);
  EXPECT_EQ(matches, 240);
  EXPECT_EQ(faults, "");
}

// A press the rules refuse says why, from the table as it stands.
TEST(Narration, RefusalsSayWhy) {
  GameTable& t = gameTable;
  t = GameTable{};
  t.playerCount = 3;
  t.dealActive = 1;
  t.currentColor = kRed;
  t.discardPile.cards[0] = 33;  // red 6
  t.hands[0].cards[0] = 35;     // red 8: the colour in force is held
  const auto refused = [](int seat, CardCode card) {
    return NarrateEvent(TableEvent{TableEventKind::kRefused, static_cast<std::int8_t>(seat), card, 0, 0, 0});
  };
  EXPECT_EQ(refused(2, kNoCard), "ليس دورك الآن: الدور للاعب الثالث.");
  EXPECT_EQ(refused(0, kNoCard), "اضغط على ورقة من أوراقك أو على كومة السحب.");
  EXPECT_EQ(refused(0, kWildDrawFour), "لا يمكن لعب ورقة سحب أربع وفي يدك ورقة من اللون المطلوب، وهو الأحمر.");
  EXPECT_EQ(refused(0, 2), "لا يمكن لعب أزرق 1 هنا: المطلوب لون أحمر أو الرقم 6.");
  t.discardPile.cards[0] = kWild;
  EXPECT_EQ(refused(0, 2), "لا يمكن لعب أزرق 1 هنا: المطلوب لون أحمر.");
  // Not moves: L does not say them again.
  EXPECT_EQ(AnswerQuery(TableQuery::kMovesSinceYours).find("لا يمكن"), std::string::npos);
}

// Every line of a whole match, as a player hears it, and its moves: the cards
// played and the turns ended by a draw.
long moves = 0;
std::string Told(const MatchSettings& settings, Language language) {
  static std::string said;
  said.clear();
  moves = 0;
  SetLanguage(language);
  ListenAlong([](const TableEvent& e) {
    const std::string line = NarrateEvent(e);
    if (!line.empty()) said += line + "\n";
    moves += e.kind == TableEventKind::kPlayed || e.kind == TableEventKind::kKept;
  });
  RunMatch(settings, nullptr);
  ListenAlong(nullptr);
  SetLanguage(Language::kArabic);
  return said;
}

TEST(Narration, AShortMatchWordForWord) {
  const MatchSettings settings{172, 3, RuleVariant::kStandard, MatchLength::kOneDeal};
  EXPECT_EQ(Told(settings, Language::kArabic), R"(مباراة جديدة، عدد اللاعبين 3.
الجولة 1: الورقة المكشوفة أزرق 3.
في يدك 7 أوراق: أحمر تخطٍّ، أزرق 1، أزرق 5، أزرق 9، أخضر 6، أزرق عكس، أحمر 1. دورك.
لعبت أزرق 1.
لعب اللاعب الثاني أزرق 7.
لعب اللاعب الثالث أزرق عكس.
لعب اللاعب الثاني أزرق 8.
لعبت أزرق 5.
لعب اللاعب الثالث أصفر 5.
لعب اللاعب الثاني أصفر 7.
سحبت أحمر 0.
لعب اللاعب الثالث أصفر 3.
لعب اللاعب الثاني ورقة سحب أربع واختار الأحمر.
أخذت 4 أوراق وفقدت دورك.
لعب اللاعب الثالث أحمر 6.
لعب اللاعب الثاني أحمر تخطٍّ.
لعب اللاعب الثالث أحمر 3.
لعب اللاعب الثاني أحمر 2. زوت! بقيت له ورقة واحدة.
لعبت أحمر تخطٍّ.
لعب اللاعب الثاني ورقة اختيار اللون واختار الأزرق.
فاز اللاعب الثاني بالجولة ونال 105 نقاط. نقاط المباراة: أنت: 0، اللاعب الثاني: 105، اللاعب الثالث: 0.
خسرت المباراة.
)");
  EXPECT_EQ(Told(settings, Language::kEnglish), R"(New match, 3 players.
Deal 1: the blue 3 is turned up.
You hold 7 cards: red skip, blue 1, blue 5, blue 9, green 6, blue reverse, red 1. Your turn.
You played the blue 1.
Player two played the blue 7.
Player three played the blue reverse.
Player two played the blue 8.
You played the blue 5.
Player three played the yellow 5.
Player two played the yellow 7.
You drew the red 0.
Player three played the yellow 3.
Player two played the wild draw four and chose red.
You took 4 cards and lost your turn.
Player three played the red 6.
Player two played the red skip.
Player three played the red 3.
Player two played the red 2. Zot! One card left.
You played the red skip.
Player two played the wild and chose blue.
Player two won the deal and scored 105 points. Match points: You: 0, Player two: 105, Player three: 0.
You lost the match.
)");
}

// Said a move over three matches to 500: before the words learnt to say less,
// 2.2 lines and 43 characters.
TEST(Narration, SaysAtMostALineAndAHalfAMove) {
  const MatchSettings matches[] = {{42, 2, RuleVariant::kStandard, MatchLength::kToFiveHundred},
                                   {42, 4, RuleVariant::kStandard, MatchLength::kToFiveHundred},
                                   {42, 3, RuleVariant::kUntilPlayable, MatchLength::kToFiveHundred}};
  for (const Language language : {Language::kArabic, Language::kEnglish}) {
    long lines = 0, characters = 0, counted = 0;
    for (const MatchSettings& settings : matches) {
      for (const char c : Told(settings, language)) {
        lines += c == '\n';
        characters += c != '\n' && (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // code points
      }
      counted += moves;
    }
    EXPECT_LE(lines * 2, counted * 3) << lines << " lines in " << counted << " moves";
    EXPECT_LE(characters, counted * 40) << characters << " characters in " << counted << " moves";
  }
}

}  // namespace
