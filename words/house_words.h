// The house rules in words: what is said of a stacked draw card, a swap, a pass,
// a Zot said or caught, and the total owed as the table's turn line tells it.
#pragma once

#include <string>

#include "game/events.h"

// The phrase of one of the house rules' events (kStacked .. kCaught); "" for any other.
std::string HouseRulePhrase(const TableEvent& event);
// " عليك سحب 6 أوراق أو الجمع." while a stacked total is owed, else "".
std::string OwedTotalLine();
