// The settings as every shell and tool applies them: the start-up state of the
// table and the menu commands that change a setting. Command ids are the menu's
// (resources/resource.h), so a browser menu, the Windows menu and the test plans
// all mean the same thing by the same number.
#pragma once

#include <array>
#include <cstdint>

// The defaults the menu's marks show at start: four players, sound on, standard
// rules, one-deal matches; no deal in progress.
void SetStartupDefaults();
// Start-up as a fresh window does it: the defaults, then the generator seeded
// from the calendar and a shuffled deck, with no deal started.
void StartUpTable();

// The four settings the menu changes, each a group of items of which one is
// marked; and every settings command with the setting it sets and its value.
enum class Setting : std::uint8_t { kSound, kPlayers, kRules, kLength };
struct SettingCommand {
  int commandId;
  Setting setting;
  int value;  // sound 1 on; players 2..4; rules 1 keep drawing; length 1 one deal
};
extern const std::array<SettingCommand, 9> kSettingCommands;
// The entry of commandId, or null for a command that sets nothing.
const SettingCommand* FindSettingCommand(int commandId);

// Assigns the setting that commandId names (sound, player count, draw rule,
// match length). False, and nothing changed, for any other id.
bool ApplySettingCommand(int commandId);
// True for the commands after which a new match starts: New game and every
// setting but sound.
bool CommandStartsMatch(int commandId);
// Whether the menu item commandId carries a check mark for the current settings.
bool SettingCommandChecked(int commandId);

// The house rules the House rules dialog sets (kHouse* bits; any other bit is
// dropped). False, and nothing changed, when they are those in force already;
// true when they change the game, which then starts a new match as after the
// other rule settings.
bool ApplyHouseRules(int rules);
// The house rules by the names the simulator and its trace give them, in order.
struct HouseRuleName {
  std::uint8_t rule;
  const char* name;
};
extern const std::array<HouseRuleName, 3> kHouseRuleNames;
