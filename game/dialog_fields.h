// What the dialogs that show numbers put in each field, for every shell alike:
// the deal's scores, and the page's statistics.
#pragma once

#include <array>

// One field: the control that shows it and its text.
struct DialogField {
  int controlId;
  char text[12];  // empty when seatOut
  bool seatOut;   // a seat beyond the player count's: the shell shows IDS_SEAT_OUT_FIELD
};

// The score dialog's eight fields in the order they are filled: the points left
// in each hand (1011..1014), then the match scores down the right column (1015,
// 1018, 1017, 1016). Plain decimal digits cut to four characters, as the
// dialog's fields hold; a seat beyond the player count is marked seatOut.
std::array<DialogField, 8> ScoreDialogFields();

// The statistics dialog's twenty fields: played, won and lost for two, three and
// four players, one deal then to 500, then the current and the best streak.
std::array<DialogField, 20> StatisticsDialogFields();
