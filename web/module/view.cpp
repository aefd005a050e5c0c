// What the page may know of the table, in words: after every drawing and every
// event the table's view (its lines, every seat's name and number of cards, the
// human's own hand with the cards that may be played now, the selection), and
// for every event the rules tell the phrase it is told in. The words are
// words/'s, the same Zot.exe speaks; only the human's own knowledge crosses.
#include <emscripten/emscripten.h>

#include <string>

#include "game/entry.h"
#include "web/module/web_shell.h"
#include "words/names.h"
#include "words/narrator.h"

namespace {

EM_JS(void, zot_put_view, (const char* json), { Module.page.putView(UTF8ToString(json)); });
EM_JS(void, zot_tell, (const char* json), { Module.page.tell(UTF8ToString(json)); });
EM_JS(void, zot_reply, (const char* text), { Module.page.reply(UTF8ToString(text)); });

// A JSON object written field by field; texts are the string table's, UTF-8.
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
    Key(name).text += Quoted(value);
    return *this;
  }
  static std::string Quoted(const std::string& value) {
    std::string out = "\"";
    for (const char c : value) {
      if (c == '"' || c == '\\') out += '\\';
      out += c;
    }
    return out + "\"";
  }
  std::string Close() { return text + "}"; }
};

void OnTableEvent(const TableEvent& event) {
  // The page's statistics count the same events the page speaks.
  CountTableEvent(matchStatistics, event);
  Json json;
  json.Text("kind", TableEventName(event.kind)).Number("seat", event.seat).Text("text", NarrateEvent(event));
  zot_tell(json.Close().c_str());
  // The lines stay true between drawings too: at a deal's end the scores
  // dialog opens before the next drawing.
  ShowTableView();
}

}  // namespace

void ListenToTable() { SetTableObserver(OnTableEvent); }

void SayAgain(TableQuery query) { zot_reply(AnswerQuery(query).c_str()); }

void TableChanged() { ShowTableView(); }

void ShowTableView() {
  const GameTable& t = gameTable;
  const TableLines lines = DescribeTable();
  Json json;
  json.Number("deal", t.dealActive).Number("turn", t.currentPlayer).Number("ended", narration.dealWinner >= 0);
  json.Number("oneDeal", t.singleDealMatch).Number("selected", SelectedHandCard());
  json.Text("turnLine", lines.turn).Text("topLine", lines.top).Text("countsLine", lines.counts);
  json.Text("scoresLine", lines.scores).Number("color", t.currentColor).Text("colorName", ColorName(t.currentColor));
  std::string seats = "[";
  for (int seat = 0; t.dealActive && seat < PlayersInRange(t.playerCount); ++seat) {
    Json one;
    one.Text("name", SeatName(seat)).Text("line", SeatLine(seat)).Number("count", PileCount(t.hands[seat]));
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
  zot_put_view(json.Close().c_str());
}
