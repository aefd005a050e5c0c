// What the page may know of the table, in words: after every drawing and every
// event the table's view (its lines, every seat's name and number of cards, the
// human's own hand with the cards that may be played now, the selection), and
// for every event the rules tell the phrase it is told in. The words are
// words/'s, the same Zot.exe speaks; only the human's own knowledge crosses.
#include <emscripten/emscripten.h>


#include "game/entry.h"
#include "web/module/view_json.h"
#include "web/module/web_shell.h"
#include "words/narrator.h"

namespace {

EM_JS(void, zot_put_view, (const char* json), { Module.page.putView(UTF8ToString(json)); });
EM_JS(void, zot_tell, (const char* json), { Module.page.tell(UTF8ToString(json)); });
EM_JS(void, zot_reply, (const char* text), { Module.page.reply(UTF8ToString(text)); });

void OnTableEvent(const TableEvent& event) {
  // The page's statistics count the same events the page speaks.
  CountTableEvent(matchStatistics, event);
  zot_tell(TableEventJson(event, NarrateEvent(event)).c_str());
  // The lines stay true between drawings too: at a deal's end the scores
  // dialog opens before the next drawing.
  ShowTableView();
}

}  // namespace

void ListenToTable() { SetTableObserver(OnTableEvent); }

void SayAgain(TableQuery query) { zot_reply(AnswerQuery(query).c_str()); }

void TableChanged() { ShowTableView(); }

void ShowTableView() { zot_put_view(TableViewJson().c_str()); }
