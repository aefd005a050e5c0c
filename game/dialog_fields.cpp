#include "game/dialog_fields.h"

#include <cstdio>

#include "game/statistics.h"
#include "game/table.h"
#include "resources/resource.h"

namespace {

DialogField Number(int controlId, long long value, int mostDigits) {
  DialogField field{controlId, {}, false};
  char digits[24];
  std::snprintf(digits, sizeof digits, "%lld", value);
  // Cut to the field's width, never past it.
  for (int i = 0; i < mostDigits && digits[i] != '\0'; ++i) field.text[i] = digits[i];
  return field;
}

DialogField SeatScore(int controlId, int seat, std::int32_t value) {
  if (seat < gameTable.playerCount) return Number(controlId, value, 4);
  return DialogField{controlId, {}, true};
}

}  // namespace

std::array<DialogField, 8> ScoreDialogFields() {
  const GameTable& t = gameTable;
  std::array<DialogField, 8> fields{};
  constexpr int kPoints[kSeatCount] = {IDC_HAND_POINTS_0, IDC_HAND_POINTS_1, IDC_HAND_POINTS_2, IDC_HAND_POINTS_3};
  constexpr int kScores[kSeatCount] = {IDC_MATCH_SCORE_0, IDC_MATCH_SCORE_1, IDC_MATCH_SCORE_2, IDC_MATCH_SCORE_3};
  for (int seat = 0; seat < kSeatCount; ++seat) {
    fields[seat] = SeatScore(kPoints[seat], seat, t.handPoints[seat]);
    fields[kSeatCount + seat] = SeatScore(kScores[seat], seat, t.matchScores[seat]);
  }
  return fields;
}

std::array<DialogField, 20> StatisticsDialogFields() {
  const MatchStatistics& s = matchStatistics;
  std::array<DialogField, 20> fields{};
  int at = 0;
  for (const auto& lengths : s.tallies) {
    for (const MatchTally& tally : lengths) {
      for (const std::uint32_t value : {tally.played, tally.won, tally.lost}) {
        fields[at] = Number(IDC_STATISTICS_FIRST + at, value, 10);
        ++at;
      }
    }
  }
  fields[at++] = Number(IDC_STREAK_CURRENT, s.currentStreak, 10);
  fields[at] = Number(IDC_STREAK_BEST, s.bestStreak, 10);
  return fields;
}
