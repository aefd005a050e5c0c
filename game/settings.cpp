// Start-up state and the settings commands of the menu.
#include "game/settings.h"

#include "game/cards.h"
#include "game/table.h"
#include "resources/resource.h"

void SetStartupDefaults() {
  GameTable& t = gameTable;
  t.playerCount = 4;
  t.soundOn = 1;
  t.drawUntilPlayable = 0;
  t.singleDealMatch = 1;
  t.dealActive = 0;
}

void StartUpTable() {
  SetStartupDefaults();
  SeedRandom();
  BuildDeck(gameTable.drawPile);
  ShuffleDrawPile(gameTable.drawPile);
}

bool ApplySettingCommand(int commandId) {
  GameTable& t = gameTable;
  switch (commandId) {
    case IDM_SOUND_ON: t.soundOn = 1; return true;
    case IDM_SOUND_OFF: t.soundOn = 0; return true;
    case IDM_TWO_PLAYERS: t.playerCount = 2; return true;
    case IDM_THREE_PLAYERS: t.playerCount = 3; return true;
    case IDM_FOUR_PLAYERS: t.playerCount = 4; return true;
    case IDM_STANDARD_RULES: t.drawUntilPlayable = 0; return true;
    case IDM_DRAW_UNTIL_PLAYABLE: t.drawUntilPlayable = 1; return true;
    case IDM_ONE_DEAL: t.singleDealMatch = 1; return true;
    case IDM_PLAY_TO_500: t.singleDealMatch = 0; return true;
    default: return false;
  }
}

bool CommandStartsMatch(int commandId) {
  switch (commandId) {
    case IDM_NEW_GAME:
    case IDM_TWO_PLAYERS:
    case IDM_THREE_PLAYERS:
    case IDM_FOUR_PLAYERS:
    case IDM_STANDARD_RULES:
    case IDM_DRAW_UNTIL_PLAYABLE:
    case IDM_ONE_DEAL:
    case IDM_PLAY_TO_500:
      return true;
    default:
      return false;
  }
}

bool SettingCommandChecked(int commandId) {
  const GameTable& t = gameTable;
  switch (commandId) {
    case IDM_SOUND_ON: return t.soundOn != 0;
    case IDM_SOUND_OFF: return t.soundOn == 0;
    case IDM_TWO_PLAYERS: return t.playerCount == 2;
    case IDM_THREE_PLAYERS: return t.playerCount == 3;
    case IDM_FOUR_PLAYERS: return t.playerCount == 4;
    case IDM_STANDARD_RULES: return t.drawUntilPlayable == 0;
    case IDM_DRAW_UNTIL_PLAYABLE: return t.drawUntilPlayable != 0;
    case IDM_ONE_DEAL: return t.singleDealMatch != 0;
    case IDM_PLAY_TO_500: return t.singleDealMatch == 0;
    default: return false;
  }
}
