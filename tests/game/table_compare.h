// Piles set and read as lists, and tables compared field by field.
#pragma once

#include <initializer_list>
#include <vector>

#include "game/table.h"

void SetPile(CardPile& pile, std::initializer_list<int> cards);
std::vector<int> Cards(const CardPile& pile);
// Every field equal (piles compared up to their end mark).
bool SameTable(const GameTable& a, const GameTable& b);
