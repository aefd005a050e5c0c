// The seven modal dialogs and the help text as HTML dialogs of the page. Each
// call suspends the module (Asyncify) until the dialog is answered, so the game
// gets its answer synchronously, as from the Windows dialog box calls.
#include <emscripten/emscripten.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/shell.h"
#include "game/statistics.h"
#include "game/table.h"
#include "gfx/pixels.h"
#include "gfx/sprite.h"
#include "resources/resource.h"
#include "web/web_shell.h"

namespace {

// Opens dialog `templateId` with its fields (one text a line, in control order)
// and the marked radio; resolves to the answer: the chosen colour or -1 for the
// colour chooser, 1 (OK) or 0 for the others.
EM_ASYNC_JS(int, zot_dialog, (int templateId, const char* fields, int marked), {
  return await Zot.dialog(templateId, UTF8ToString(fields), marked);
});

EM_JS(void, zot_set_picture, (const char* name, const void* rgba, int width, int height), {
  Zot.setPicture(UTF8ToString(name), HEAPU8.slice(rgba, rgba + width * height * 4), width, height);
});

// The statistics dialog's reset button.
constexpr int kResetAnswer = 2;

int Show(int templateId, const std::string& fields = std::string(), int marked = -1) {
  return zot_dialog(templateId, fields.c_str(), marked);
}

// Plain decimal digits, cut to four characters as the Windows fields are.
std::string NumberField(std::int32_t value) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%ld", static_cast<long>(value));
  return std::string(digits).substr(0, 4);
}

// Seats beyond the player count show "N/A".
std::string SeatField(int seat, std::int32_t value) {
  return seat < gameTable.playerCount ? NumberField(value) : std::string("N/A");
}

}  // namespace

void AskColor(WindowHandle) {
  const CardColor color = gameTable.currentColor;
  // Only OK leaves, so a colour is always chosen; none marked keeps the colour.
  const int chosen = Show(IDD_COLOR_CHOOSER, std::string(), color >= 0 && color <= 3 ? color : -1);
  if (chosen >= 0 && chosen <= 3) gameTable.currentColor = static_cast<CardColor>(chosen);
}

void ShowDealScores(WindowHandle) {
  const GameTable& t = gameTable;
  // Fields 1011..1014, then the right column from the top: 1015, 1018, 1017, 1016.
  std::string fields;
  for (int seat = 0; seat < kSeatCount; ++seat) fields += SeatField(seat, t.handPoints[seat]) + "\n";
  for (int seat = 0; seat < kSeatCount; ++seat) fields += SeatField(seat, t.matchScores[seat]) + "\n";
  Show(IDD_SCORE, fields);
}

void ShowMatchWon(WindowHandle) { Show(IDD_WIN); }
void ShowMatchLost(WindowHandle) { Show(IDD_LOSE); }
void ShowAbout() { Show(IDD_ABOUT); }
void ShowCardPoints() { Show(IDD_CARD_POINTS); }
void ShowManual() { Show(IDD_HELP); }

bool AskPlayDrawnCard(WindowHandle) { return Show(IDD_PLAY_DRAWN_CARD) == 1; }

void ShowStatistics() {
  // The reset asks first, then the record shows again.
  for (;;) {
    std::string fields;
    for (const auto& lengths : matchStatistics.tallies) {
      for (const MatchTally& tally : lengths) {
        for (std::uint32_t value : {tally.played, tally.won, tally.lost}) fields += std::to_string(value) + "\n";
      }
    }
    fields += std::to_string(matchStatistics.currentStreak) + "\n" + std::to_string(matchStatistics.bestStreak);
    if (Show(IDD_STATISTICS, fields) != kResetAnswer) return;
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
