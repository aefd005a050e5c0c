#include "words/names.h"

#include "game/cards.h"
#include "game/table.h"
#include "resources/resource.h"
#include "words/words.h"

std::string Say(int stringId, std::initializer_list<std::string_view> values) {
  const std::string_view pattern = Word(stringId);
  std::string out;
  out.reserve(pattern.size() + 32);
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    const int n = i + 1 < pattern.size() ? pattern[i + 1] - '1' : -1;
    if (c == '%' && n >= 0 && n < static_cast<int>(values.size())) {
      out += values.begin()[n];
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string ColorName(int color) {
  constexpr int kNames[4] = {IDS_BLUE, IDS_GREEN, IDS_RED, IDS_YELLOW};
  return color >= 0 && color < 4 ? Word(kNames[color]) : "";
}

std::string TheColorName(int color) {
  constexpr int kNames[4] = {IDS_THE_BLUE, IDS_THE_GREEN, IDS_THE_RED, IDS_THE_YELLOW};
  return color >= 0 && color < 4 ? Word(kNames[color]) : "";
}

std::string ActionName(int face) {
  constexpr int kActions[3] = {IDS_FACE_DRAW_TWO, IDS_FACE_REVERSE, IDS_FACE_SKIP};
  return face >= kFaceDrawTwo && face <= kFaceSkip ? Word(kActions[face - kFaceDrawTwo]) : "";
}

std::string CardName(int code) {
  if (code == kWild) return Word(IDS_WILD);
  if (code == kWildDrawFour) return Word(IDS_WILD_DRAW_FOUR);
  if (!IsColoured(code)) return "";
  const CardFace face = FaceOf(code);
  return Say(IDS_CARD, {ColorName(ColorOf(code)), face <= 9 ? std::to_string(face) : ActionName(face)});
}

std::string SeatOrdinal(int seat) {
  constexpr int kOrdinals[3] = {IDS_ORDINAL_2, IDS_ORDINAL_3, IDS_ORDINAL_4};
  return seat >= 1 && seat < kSeatCount ? Word(kOrdinals[seat - 1]) : "";
}

std::string SeatName(int seat) { return seat == kHumanSeat ? Word(IDS_YOU) : Say(IDS_SEAT, {SeatOrdinal(seat)}); }

std::string DirectionName(int direction) { return Word(direction < 0 ? IDS_ANTICLOCKWISE : IDS_CLOCKWISE); }

namespace {

// The noun after a number goes by the number's last two digits: plural from
// three to ten, singular otherwise; one and two have words of their own.
std::string Count(int count, bool object, int none, int one, int two, int twoObject, int few, int many) {
  if (count == 0) return Word(none);
  if (count == 1) return Word(one);
  if (count == 2) return Word(object ? twoObject : two);
  const int lastTwo = count % 100;
  return Say(lastTwo >= 3 && lastTwo <= 10 ? few : many, {std::to_string(count)});
}

}  // namespace

std::string CardCount(int count, bool object) {
  return Count(count, object, IDS_CARDS_NONE, IDS_CARDS_ONE, IDS_CARDS_TWO, IDS_CARDS_TWO_OBJECT, IDS_CARDS_FEW,
               IDS_CARDS_MANY);
}

std::string PointCount(int count, bool object) {
  return Count(count, object, IDS_POINTS_NONE, IDS_POINTS_ONE, IDS_POINTS_TWO, IDS_POINTS_TWO_OBJECT, IDS_POINTS_FEW,
               IDS_POINTS_MANY);
}

std::string ListOf(const std::string* items, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) {
    if (i > 0) out += Word(IDS_LIST);
    out += items[i];
  }
  return out;
}

std::string ListOf(std::initializer_list<std::string> items) {
  return ListOf(items.begin(), static_cast<int>(items.size()));
}
