// The table record's shape: what a seat, a hand and the table are, which the
// game writes and every shell reads (the record itself is the game's, table.h).
#pragma once

#include <cstdint>

#include "game/cards.h"
#include "game/pile.h"

constexpr int kSeatCount = 4;
constexpr int kHumanSeat = 0;
constexpr int kHandSize = 7;
constexpr int kMatchTarget = 500;

// The house rules, each a bit of houseRules; none is on unless chosen.
constexpr std::uint8_t kHouseStack = 1;      // draw cards stack into a total the next seat owes
constexpr std::uint8_t kHouseSevenZero = 2;  // a 7 swaps hands with a seat, a 0 passes every hand on
constexpr std::uint8_t kHouseSayZot = 4;     // the human must say Zot before its last card shows
constexpr std::uint8_t kHouseRulesAll = 7;

// Where the human's Zot stands under the say-zot rule.
constexpr std::uint8_t kZotNone = 0;
constexpr std::uint8_t kZotSaid = 1;  // said on this move, from a hand of two cards
constexpr std::uint8_t kZotOwed = 2;  // the human's move left one card unsaid: the next seat may catch it

// Fixed-width fields, each holding exactly the range the rules give it (flags one
// byte, scores signed 32-bit, the colour a signed byte that the colour chooser
// reads as such), so the table means the same on every compiler Zot is built with.
struct GameTable {
  std::int8_t direction;            // +1 or -1 (0 before the first deal)
  std::int32_t handPoints[kSeatCount];
  std::int32_t matchScores[kSeatCount];
  std::uint8_t soundOn;
  std::uint32_t lastTurnTick;       // ms tick when pacing was last armed or fired
  std::int32_t playerCount;         // 2..4
  CardPile drawPile;
  CardPile discardPile;
  std::uint8_t dealActive;
  std::int32_t drawUntilPlayable;   // 0 or 1
  std::uint8_t currentPlayer;       // 0..3, 0 is the human
  CardPile hands[kSeatCount];
  CardColor currentColor;
  std::uint8_t computerTurnPending;
  std::uint8_t singleDealMatch;
  std::uint8_t houseRules;          // kHouse* bits
  std::int32_t pendingTotal;        // cards the seat to move owes for stacked draw cards, 0 none
  std::uint8_t zotCall;             // kZotNone, kZotSaid or kZotOwed
};

// Seats index fixed arrays of four: a player count the menu never sets is read
// as the nearest it does (2..4).
int PlayersInRange(int playerCount);

// The seats a 7 of `seat` may swap hands with, fewest cards first, ties in the
// direction of play; -1 after the last. The computer takes the first; a shell
// offers them to the human in this order.
void SwapChoices(int seat, int choices[kSeatCount - 1]);

// The table as it stands, to read: a shell shows it, only the game writes it.
const GameTable& Table();
