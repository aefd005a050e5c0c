#include "web/module/view_json.h"

#include "game/entry.h"
#include "game/layout.h"
#include "game/pile.h"
#include "gfx/framebuffer.h"
#include "words/names.h"
#include "words/narrator.h"

namespace {

// The length of the UTF-8 character at `at`, or, when `whole` comes back
// false, of the broken start of one (at least its first byte) that a decoder
// replaces with one U+FFFD: the well-formed sequences of Unicode's table 3-7,
// where the second byte's range depends on the first.
std::size_t Utf8Length(std::string_view text, std::size_t at, bool& whole) {
  const unsigned char lead = static_cast<unsigned char>(text[at]);
  unsigned char low = 0x80, high = 0xBF;
  std::size_t follow = 0;
  if (lead < 0x80) {
    follow = 0;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    follow = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    follow = 2;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    follow = 3;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  } else {
    whole = false;
    return 1;
  }
  std::size_t n = 1;
  for (; n <= follow && at + n < text.size(); ++n) {
    const unsigned char c = static_cast<unsigned char>(text[at + n]);
    if (c < low || c > high) break;
    low = 0x80;
    high = 0xBF;
  }
  whole = n == follow + 1;
  return n;
}

// A JSON object written field by field.
struct Json {
  std::string text = "{";
  Json& Key(const char* name) {
    if (text.size() > 1) text += ',';
    text += '"';
    text += name;
    text += "\":";
    return *this;
  }
  Json& Number(const char* name, int value) {
    Key(name).text += std::to_string(value);
    return *this;
  }
  Json& Text(const char* name, const std::string& value) {
    Key(name).text += JsonString(value);
    return *this;
  }
  std::string Close() { return text + "}"; }
};

}  // namespace

std::string JsonString(std::string_view text) {
  constexpr std::string_view kShort = "\b\f\n\r\t";
  constexpr char kHex[] = "0123456789abcdef";
  std::string out = "\"";
  for (std::size_t at = 0, n = 1; at < text.size(); at += n, n = 1) {
    const char c = text[at];
    if (c == '"' || c == '\\') {
      (out += '\\') += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      if (const std::size_t s = kShort.find(c); s != kShort.npos) {
        (out += '\\') += "bfnrt"[s];
      } else {
        ((out += "\\u00") += kHex[c >> 4]) += kHex[c & 15];
      }
    } else {
      bool whole = true;
      n = Utf8Length(text, at, whole);
      out += whole ? text.substr(at, n) : "\xEF\xBF\xBD";
    }
  }
  return out + "\"";
}

std::string TableEventJson(const TableEvent& event, const std::string& text) {
  Json json;
  json.Text("kind", TableEventName(event.kind)).Number("seat", event.seat).Text("text", text);
  return json.Close();
}

std::string TableViewJson() {
  const GameTable& t = Table();
  const TableLines lines = DescribeTable();
  Json json;
  json.Number("deal", t.dealActive).Number("turn", t.currentPlayer).Number("ended", narration.dealWinner >= 0);
  json.Number("oneDeal", t.singleDealMatch).Number("selected", SelectedHandCard());
  // The "Zot!" button shows while a deal is played under the say-zot rule.
  json.Number("sayZot", t.dealActive && (t.houseRules & kHouseSayZot) != 0);
  json.Text("turnLine", lines.turn).Text("topLine", lines.top).Text("countsLine", lines.counts);
  json.Text("scoresLine", lines.scores).Number("color", t.currentColor).Text("colorName", ColorName(t.currentColor));
  // What the table shows to everyone: the top of the discard pile, the way play goes.
  json.Number("top", t.dealActive ? PileTop(t.discardPile) : kNoCard).Number("direction", t.direction);
  // The stacked total the seat to move owes, 0 without one (the turn line says it in words).
  json.Number("owed", t.dealActive ? t.pendingTotal : 0);
  std::string seats = "[";
  const int players = PlayersInRange(t.playerCount);
  for (int seat = 0; t.dealActive && seat < players; ++seat) {
    Json one;
    one.Text("name", SeatName(seat)).Text("line", SeatLine(seat)).Number("count", PileCount(t.hands[seat]));
    // Where the seat sits on the classic table, the middle of its fan: the page's
    // own table seats it on the same side.
    const TableRect fan = seat ? OpponentFan(players, seat, 1) : TableRect{kFrameWidth / 2, kFrameHeight, 0, 0};
    one.Number("x", fan.x + fan.w / 2).Number("y", fan.y + fan.h / 2);
    seats += (seat ? "," : "") + one.Close();
  }
  json.Key("seats").text += seats + "]";
  std::string hand = "[";
  const CardPile& cards = t.hands[kHumanSeat];
  for (int i = 0; t.dealActive && i < PileCount(cards); ++i) {
    Json card;
    card.Number("code", cards.cards[i]).Text("name", CardName(cards.cards[i])).Number("playable", HandCardPlayable(i));
    hand += (i ? "," : "") + card.Close();
  }
  json.Key("hand").text += hand + "]";
  return json.Close();
}
