// The one record of game state, and the moves of cards it makes.
#pragma once

#include <cstdint>

#include "game/cards.h"
#include "game/pile.h"

constexpr int kSeatCount = 4;
constexpr int kHumanSeat = 0;
constexpr int kHandSize = 7;
constexpr int kMatchTarget = 500;

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
};

extern GameTable gameTable;

// Seats index fixed arrays of four: a player count the menu never sets is read
// as the nearest it does (2..4).
int PlayersInRange(int playerCount);

// Seat 0..3: top of the draw pile to the end of that hand; seat -1: taken and only
// returned. Refills an empty draw pile from the discard pile first. 0 when no card.
CardCode DrawCard(int seat);
// Counts the hands in play into handPoints and credits the winner.
void ScoreHands(int winner);
void ArmTurnPacing();
void DisarmTurnPacing();
