// The table in words with the resource script's own strings: names and counts
// as Arabic says them, and whole headless matches told event by event, in
// which every phrase is whole, says what its event did, and names no card the
// human cannot know.
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
      {1, "أزرق 0"}, {11, "أزرق اسحب اثنتين"}, {26, "أخضر تخطَّ"}, {33, "أحمر 6"}, {52, "أصفر تخطَّ"},
      {53, "ورقة اختيار اللون"}, {54, "ورقة اختيار اللون وسحب أربع"}, {0, ""}, {55, ""}};
  for (const auto& c : cards) EXPECT_EQ(CardName(c.code), c.name) << c.code;
  EXPECT_EQ(SeatName(0), "أنت");
  EXPECT_EQ(SeatName(3), "اللاعب 4");
  const struct { int count; bool object; std::string words; } counts[] = {
      {0, false, "لا أوراق"}, {1, false, "ورقة واحدة"}, {2, false, "ورقتان"}, {2, true, "ورقتين"},
      {3, false, "3 أوراق"}, {10, false, "10 أوراق"}, {11, false, "11 ورقة"}, {100, false, "100 ورقة"},
      {103, false, "103 أوراق"}, {108, false, "108 أوراق"}};
  for (const auto& c : counts) EXPECT_EQ(CardCount(c.count, c.object), c.words) << c.count;
  EXPECT_EQ(PointCount(2, true), "نقطتين");
  EXPECT_EQ(PointCount(147, true), "147 نقطة");
  EXPECT_EQ(PointCount(0), "0 نقطة");
  EXPECT_EQ(Say(IDS_SEAT_COUNT, {SeatName(1), CardCount(7)}), "اللاعب 2: 7 أوراق");
  // Ids next to each other in the header and in the script, each with its own words.
  const struct { int id; std::string text; } strings[] = {
      {IDS_ACTION_PLAY, "العب"}, {IDS_APP_NAME, "لعبة الزوت"}, {IDS_SWATCH, "%1، %2"},
      {IDS_MODULE_FAILED, "تعذّر تشغيل اللعبة في هذا المتصفح. أعد تحميل الصفحة أو جرّب متصفحًا أحدث."}};
  for (const auto& s : strings) EXPECT_EQ(Word(s.id), s.text) << s.id;
}

// The names of the cards the human may know by now: the own hand as dealt and
// drawn, every card played or turned up.
std::set<std::string> known;
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
  if (said.empty()) Note(name + ": nothing said");
  if (said.find('%') != std::string::npos) Note(name + ": " + said);
  for (int code = 1; code <= kWildDrawFour; ++code) {
    std::string text = said;
    // The shorter wild's name stands inside the longer's.
    if (code == kWild) {
      for (std::size_t at; (at = text.find(CardName(kWildDrawFour))) != std::string::npos;) text.erase(at, 1);
    }
    // A face's number inside a larger one ("أزرق 1" in "أزرق 10") cannot happen: faces go to 9.
    if (text.find(CardName(code)) != std::string::npos && known.count(CardName(code)) == 0) {
      Note(name + " names a hidden card: " + said);
    }
  }
  // What each event must say of itself.
  const bool you = e.seat == kHumanSeat;
  std::string parts[kSeatCount + 2];
  int n = 0;
  const bool seatNamed = e.kind != TableEventKind::kDealt && e.kind != TableEventKind::kReversed &&
                         e.kind != TableEventKind::kMatchEnded && e.kind != TableEventKind::kRefused;
  if (!you && seatNamed) parts[n++] = SeatName(e.seat);
  if (e.kind == TableEventKind::kPlayed || e.kind == TableEventKind::kDealt || (you && e.kind == TableEventKind::kDrew)) {
    parts[n++] = CardName(e.card);
  }
  if (e.kind == TableEventKind::kDealt || (e.kind == TableEventKind::kPlayed && e.card >= kWild)) parts[n++] = ColorName(e.color);
  if (e.kind == TableEventKind::kPenalty || e.kind == TableEventKind::kStacked || e.kind == TableEventKind::kCaught) {
    parts[n++] = CardCount(e.count, true);
  }
  if (e.kind == TableEventKind::kSwapped) parts[n++] = SeatName(you ? e.count : e.seat);
  if (e.kind == TableEventKind::kPassed) parts[n++] = DirectionName(e.direction);
  // The first discard's effect on the human, and who moves first when it is not the human.
  if (e.kind == TableEventKind::kDealt && IsColoured(e.card) && FaceOf(e.card) >= kFaceDrawTwo) {
    const CardFace face = FaceOf(e.card);
    parts[n++] = Word(face == kFaceDrawTwo ? IDS_SAY_DEAL_DRAW_TWO : face == kFaceSkip ? IDS_SAY_DEAL_SKIP : IDS_SAY_DEAL_REVERSE);
  }
  if (e.kind == TableEventKind::kDealt && e.seat != kHumanSeat) parts[n++] = Say(IDS_SAY_DEAL_FIRST, {SeatName(e.seat)});
  if (e.kind == TableEventKind::kHand) parts[n++] = CardCount(PileCount(t.hands[e.seat]));
  if (e.kind == TableEventKind::kReversed) parts[n++] = DirectionName(e.direction);
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
  EXPECT_EQ(refused(2, kNoCard), "ليس دورك الآن: الدور للاعب 3.");
  EXPECT_EQ(refused(0, kNoCard), "اضغط على ورقة من أوراقك أو على كومة السحب.");
  EXPECT_EQ(refused(0, kWildDrawFour), "لا تُلعب ورقة اختيار اللون وسحب أربع وفي يدك ورقة من اللون المطلوب، أحمر.");
  EXPECT_EQ(refused(0, 2), "لا تُلعب أزرق 1 هنا: اللون المطلوب أحمر، أو الرقم 6.");
  t.discardPile.cards[0] = kWild;
  EXPECT_EQ(refused(0, 2), "لا تُلعب أزرق 1 هنا: اللون المطلوب أحمر.");
  // Not moves: L does not say them again.
  EXPECT_EQ(AnswerQuery(TableQuery::kMovesSinceYours).find("لا تُلعب"), std::string::npos);
}

}  // namespace
