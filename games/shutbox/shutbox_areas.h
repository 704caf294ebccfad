#pragma once

// The areas of the board that animations draw over, each erased from its own copy of the board.
// Areas 1 to 9 are the boxes.

#include "games/shutbox/shutbox_geometry.h"

namespace dakto::shutbox {

enum Area : int {
  kAreaNameRow1 = 10,
  kAreaScoreRow1,
  kAreaNameRow2,
  kAreaScoreRow2,
  kAreaArrow1,
  kAreaArrow2,
  kAreaGremlin,
  kAreaPairRest,
  kAreaPairFlight1,
  kAreaPairFlight2,
  kAreaPairLanded,
  kAreaSingleRest,
  kAreaSingleFlight1,
  kAreaSingleFlight2,
  kAreaSingleLanded,
  kAreaCount
};

constexpr Rect AreaRect(int area) {
  switch (area) {
    case kAreaNameRow1:
      return kNameRow1;
    case kAreaScoreRow1:
      return kScoreRow1;
    case kAreaNameRow2:
      return kNameRow2;
    case kAreaScoreRow2:
      return kScoreRow2;
    case kAreaArrow1:
      return kTurnArrow1;
    case kAreaArrow2:
      return kTurnArrow2;
    case kAreaGremlin:
      return kGremlin.rect;
    case kAreaPairRest:
      return kPairAtRest.rect;
    case kAreaPairFlight1:
      return kPairFlight1.rect;
    case kAreaPairFlight2:
      return kPairFlight2.rect;
    case kAreaPairLanded:
      return kPairLanded.rect;
    case kAreaSingleRest:
      return kSingleAtRest.rect;
    case kAreaSingleFlight1:
      return kSingleFlight1.rect;
    case kAreaSingleFlight2:
      return kSingleFlight2.rect;
    case kAreaSingleLanded:
      return kSingleLanded.rect;
    default:
      return BoxRect(area);
  }
}

// The score-board rows of a player (1 or 2).
constexpr int NameArea(int player) {
  return player == 1 ? kAreaNameRow1 : kAreaNameRow2;
}
constexpr int ScoreArea(int player) {
  return player == 1 ? kAreaScoreRow1 : kAreaScoreRow2;
}
constexpr int ScorePenY(int player) {
  return player == 1 ? kScore1PenY : kScore2PenY;
}

}  // namespace dakto::shutbox
