// The nine modal dialogs and the help text as HTML dialogs of the page. Each
// call suspends the module (Asyncify) until the dialog is answered, so the game
// gets its answer synchronously, as from the Windows dialog box calls.
#include <emscripten/emscripten.h>

#include <array>
#include <string>
#include <vector>

#include "game/entry.h"
#include "game/shell.h"
#include "gfx/pixels.h"
#include "gfx/sprite.h"
#include "resources/resource.h"
#include "web/module/web_shell.h"
#include "words/names.h"
#include "words/narrator.h"
#include "words/words.h"

namespace {

// Opens dialog `templateId` with its fields ("name=text" a line, the name a
// control's id or the page's own name of a field) and the marked
// radio; resolves to the answer: the chosen colour or -1 for the colour
// chooser, 1 (OK) or 0 for the others.
EM_ASYNC_JS(int, zot_dialog, (int templateId, const char* fields, int marked), {
  return await Module.page.dialog(templateId, UTF8ToString(fields), marked);
});

EM_JS(void, zot_set_picture, (const char* name, const void* rgba, int width, int height), {
  Module.page.setPicture(UTF8ToString(name), HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
});

// The statistics dialog's reset button, the drawn-card question's Zot button.
constexpr int kResetAnswer = 2;
constexpr int kSayZotAnswer = 2;

int Show(int templateId, const std::string& fields = std::string(), int marked = -1) {
  return zot_dialog(templateId, fields.c_str(), marked);
}

template <std::size_t N>
std::string FieldLines(const std::array<DialogField, N>& fields) {
  std::string lines;
  for (const DialogField& field : fields) {
    lines += std::to_string(field.controlId) + "=" + (field.seatOut ? Word(IDS_SEAT_OUT_FIELD) : field.text) + "\n";
  }
  return lines;
}

}  // namespace

CardColor AskColor(WindowHandle) {
  const CardColor color = Table().currentColor;
  // Only OK leaves, so a colour is always chosen; none marked keeps the colour.
  const int chosen = Show(IDD_COLOR_CHOOSER, std::string(), color >= 0 && color <= 3 ? color : -1);
  return chosen >= kBlue && chosen <= kYellow ? static_cast<CardColor>(chosen) : color;
}

void ShowDealScores(WindowHandle) { Show(IDD_SCORE, FieldLines(ScoreDialogFields())); }
void ShowMatchWon(WindowHandle) { Show(IDD_WIN); }
void ShowMatchLost(WindowHandle) { Show(IDD_LOSE); }
void ShowAbout() { Show(IDD_ABOUT); }
void ShowCardPoints() { Show(IDD_CARD_POINTS); }
void ShowManual() { Show(IDD_HELP); }

// The question names the card just drawn, the last of the hand, shows it, and
// says what each answer does with it.
bool AskPlayDrawnCard(WindowHandle) {
  const CardCode drawn = PileTop(Table().hands[kHumanSeat]);
  const std::string name = CardName(drawn);
  const std::string fields = "card=" + std::to_string(drawn) + "\ndrawn=" + Say(IDS_DRAWN_CARD, {name}) +
                             "\nplay=" + Say(IDS_DRAWN_PLAY, {name}) + "\nkeep=" + Word(IDS_DRAWN_KEEP);
  // Zot may be said from the question, which then asks again.
  int answer = 0;
  while ((answer = Show(IDD_PLAY_DRAWN_CARD, fields + "\nzot=" + (CanSayZot() ? "1" : ""))) == kSayZotAnswer) SayZot();
  return answer == 1;
}

bool AskNewMatch() { return Show(IDD_NEW_MATCH) == 1; }

// The switches open as they stand; OK answers with those checked, Cancel and Esc with -1.
int AskHouseRules() { return Show(IDD_HOUSE_RULES, std::string(), Table().houseRules); }

// Each seat offered with its number of cards, fewest first; a seat fewer leaves its line empty,
// which the page hides. Opens on the first, the computer's own choice.
int AskSwapSeat(WindowHandle) {
  int choices[kSeatCount - 1];
  SwapChoices(kHumanSeat, choices);
  std::string fields;
  for (int i = 0; i < kSeatCount - 1; ++i) {
    fields += std::to_string(IDC_SWAP_SEAT_FIRST + i) + "=" + (choices[i] >= 0 ? SeatLine(choices[i]) : "") + "\n";
  }
  const int chosen = Show(IDD_SWAP_SEAT, fields, 0);
  return chosen >= 0 && chosen < kSeatCount - 1 ? choices[chosen] : choices[0];
}

void ShowStatistics() {
  // The reset asks first, then the record shows again.
  while (Show(IDD_STATISTICS, FieldLines(StatisticsDialogFields())) == kResetAnswer) {
    if (Show(IDD_RESET_STATISTICS) == 1) ResetStatistics(matchStatistics);
  }
}

void ShowDialogPictures() {
  const struct {
    const char* name;
    const Sprite* sprite;
  } pictures[] = {{"card-back", cardSprites[0]}, {"color-bar", colorBarSprite}};
  for (const auto& picture : pictures) {
    const std::vector<std::uint32_t> rgba = SpriteRgba(picture.sprite);
    if (!rgba.empty()) zot_set_picture(picture.name, rgba.data(), picture.sprite->width, picture.sprite->height);
  }
}
