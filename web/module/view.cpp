// What the page may know of the table, handed over as JSON: after every
// drawing the human's view (the own hand, the other seats' counts, the piles'
// tops, turn, direction, scores), and every event the rules tell, with the
// other seats' cards left out until they are played. The words are the page's;
// only the human's own knowledge crosses to it.
#include <emscripten/emscripten.h>

#include <string>

#include "game/entry.h"
#include "web/module/web_shell.h"

namespace {

EM_JS(void, zot_put_view, (const char* json), { Module.page.putView(UTF8ToString(json)); });
EM_JS(void, zot_tell, (const char* json), { Module.page.tell(UTF8ToString(json)); });

void Field(std::string& json, const char* name, int value) {
  json += json.size() > 1 ? ",\"" : "\"";
  json += name;
  json += "\":" + std::to_string(value);
}

template <typename Each>
void List(std::string& json, const char* name, int count, Each each) {
  json += json.size() > 1 ? ",\"" : "\"";
  json += name;
  json += "\":[";
  for (int i = 0; i < count; ++i) json += (i ? "," : "") + std::to_string(each(i));
  json += "]";
}

void Cards(std::string& json, const char* name, const CardPile& pile) {
  List(json, name, PileCount(pile), [&](int i) { return pile.cards[i]; });
}

// The page's statistics count the same events the page speaks.
void OnTableEvent(const TableEvent& event) {
  CountTableEvent(matchStatistics, event);
  const GameTable& t = gameTable;
  const bool yours = event.seat == kHumanSeat;
  std::string json = "{\"kind\":\"";
  json += TableEventName(event.kind);
  json += "\"";
  Field(json, "seat", event.seat);
  switch (event.kind) {
    case TableEventKind::kMatchStarted:
      Field(json, "players", t.playerCount);
      break;
    case TableEventKind::kDealt:
      Field(json, "card", event.card);
      Field(json, "color", event.color);
      Field(json, "direction", event.direction);
      break;
    case TableEventKind::kHand:
      if (yours) Cards(json, "cards", t.hands[kHumanSeat]);
      else Field(json, "count", PileCount(t.hands[event.seat]));
      break;
    case TableEventKind::kDrew:
      // Another seat's drawn card stays hidden: only whether it got one.
      Field(json, "count", event.card != kNoCard ? 1 : 0);
      if (yours) Field(json, "card", event.card);
      break;
    case TableEventKind::kPlayed:
      Field(json, "card", event.card);
      Field(json, "color", event.color);
      break;
    case TableEventKind::kPenalty:
      Field(json, "count", event.count);
      break;
    case TableEventKind::kReversed:
      Field(json, "direction", event.direction);
      break;
    case TableEventKind::kDealEnded:
      List(json, "points", t.playerCount, [&](int seat) { return t.handPoints[seat]; });
      List(json, "scores", t.playerCount, [&](int seat) { return t.matchScores[seat]; });
      break;
    default:
      break;
  }
  json += "}";
  zot_tell(json.c_str());
}

}  // namespace

void ListenToTable() { SetTableObserver(OnTableEvent); }

void ShowTableView() {
  const GameTable& t = gameTable;
  std::string json = "{";
  Field(json, "deal", t.dealActive);
  Field(json, "players", t.playerCount);
  Field(json, "turn", t.currentPlayer);
  Field(json, "dir", t.direction);
  Field(json, "color", t.currentColor);
  Field(json, "top", PileTop(t.discardPile));
  Field(json, "draw", PileCount(t.drawPile));
  List(json, "counts", t.playerCount, [&](int seat) { return PileCount(t.hands[seat]); });
  List(json, "scores", t.playerCount, [&](int seat) { return t.matchScores[seat]; });
  Cards(json, "hand", t.hands[kHumanSeat]);
  json += "}";
  zot_put_view(json.c_str());
}
