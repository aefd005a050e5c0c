// Card codes, the deck and the game's random generator.
#pragma once

#include <cstdint>

// One card: 1..52 coloured (colour * 13 + face + 1), 53 Wild, 54 Wild Draw Four,
// 0 no card (and the end mark of a pile). Compared as small signed integers.
using CardCode = std::int8_t;

// 0 blue, 1 green, 2 red, 3 yellow. Read as a signed byte by the colour chooser.
using CardColor = std::int8_t;

// 0..9 numbers, 10 Draw Two, 11 Reverse, 12 Skip.
using CardFace = int;

constexpr CardCode kNoCard = 0;
constexpr CardCode kWild = 53;
constexpr CardCode kWildDrawFour = 54;
constexpr int kDeckSize = 108;

constexpr CardColor kBlue = 0;
constexpr CardColor kGreen = 1;
constexpr CardColor kRed = 2;
constexpr CardColor kYellow = 3;

constexpr CardFace kFaceDrawTwo = 10;
constexpr CardFace kFaceReverse = 11;
constexpr CardFace kFaceSkip = 12;

constexpr bool IsColoured(int code) { return code >= 1 && code <= 52; }
// Only meaningful for coloured codes.
constexpr CardColor ColorOf(int code) { return static_cast<CardColor>((code - 1) / 13); }
constexpr CardFace FaceOf(int code) { return (code - 1) % 13; }
constexpr CardCode MakeCard(int color, int face) { return static_cast<CardCode>(color * 13 + face + 1); }

// Points of a card left in a hand when a deal ends.
int CardPoints(int code);

// The generator: one 32-bit state for the whole program, 1 until seeded.
extern std::uint32_t randomState;
void SeedRandom();           // state <- calendar time in seconds (from the shell)
int NextRandom();            // 0..32767
int RandomInRange(int n);    // 1..n for n >= 1

struct CardPile;
// Overwrites the pile with the 108 cards in their fixed order (bottom first).
void BuildDeck(CardPile& drawPile);
// 200 random transpositions of the pile's cards.
void ShuffleDrawPile(CardPile& drawPile);
