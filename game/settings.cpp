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
  t.houseRules = 0;
}

void StartUpTable() {
  SetStartupDefaults();
  SeedRandom();
  BuildDeck(gameTable.drawPile);
  ShuffleDrawPile(gameTable.drawPile);
}

const std::array<SettingCommand, 9> kSettingCommands = {{
    {IDM_SOUND_ON, Setting::kSound, 1},
    {IDM_SOUND_OFF, Setting::kSound, 0},
    {IDM_TWO_PLAYERS, Setting::kPlayers, 2},
    {IDM_THREE_PLAYERS, Setting::kPlayers, 3},
    {IDM_FOUR_PLAYERS, Setting::kPlayers, 4},
    {IDM_STANDARD_RULES, Setting::kRules, 0},
    {IDM_DRAW_UNTIL_PLAYABLE, Setting::kRules, 1},
    {IDM_ONE_DEAL, Setting::kLength, 1},
    {IDM_PLAY_TO_500, Setting::kLength, 0},
}};

namespace {

// The table's field a setting lives in, read as its command's value: a flag
// reads 1 for any value but 0.
int SettingValue(Setting setting) {
  const GameTable& t = gameTable;
  switch (setting) {
    case Setting::kSound: return t.soundOn != 0;
    case Setting::kPlayers: return t.playerCount;
    case Setting::kRules: return t.drawUntilPlayable != 0;
    case Setting::kLength: return t.singleDealMatch != 0;
  }
  return 0;
}

}  // namespace

const SettingCommand* FindSettingCommand(int commandId) {
  for (const SettingCommand& command : kSettingCommands) {
    if (command.commandId == commandId) return &command;
  }
  return nullptr;
}

bool ApplySettingCommand(int commandId) {
  const SettingCommand* command = FindSettingCommand(commandId);
  if (command == nullptr) return false;
  GameTable& t = gameTable;
  const int value = command->value;
  switch (command->setting) {
    case Setting::kSound: t.soundOn = static_cast<std::uint8_t>(value); break;
    case Setting::kPlayers: t.playerCount = value; break;
    case Setting::kRules: t.drawUntilPlayable = value; break;
    case Setting::kLength: t.singleDealMatch = static_cast<std::uint8_t>(value); break;
  }
  return true;
}

// Every setting but sound changes the game itself.
bool CommandStartsMatch(int commandId) {
  const SettingCommand* command = FindSettingCommand(commandId);
  return commandId == IDM_NEW_GAME || (command != nullptr && command->setting != Setting::kSound);
}

bool SettingCommandChecked(int commandId) {
  const SettingCommand* command = FindSettingCommand(commandId);
  return command != nullptr && SettingValue(command->setting) == command->value;
}

bool ApplyHouseRules(int rules) {
  const auto wanted = static_cast<std::uint8_t>(rules & kHouseRulesAll);
  if (wanted == gameTable.houseRules) return false;
  gameTable.houseRules = wanted;
  return true;
}

const std::array<HouseRuleName, 3> kHouseRuleNames = {{
    {kHouseStack, "stack"},
    {kHouseSevenZero, "seven-zero"},
    {kHouseSayZot, "say-zot"},
}};
