#pragma once

#include "app/preferences.h"
#include "platform/geometry.h"
#include "platform/palette.h"
#include "platform/platform.h"

namespace dakto {

// What a game sees of the shell: the machine, the preferences, where the play area lies, and
// the few shell operations a game calls back. The main window implements it; tests may too.
class GameShell {
 public:
  virtual ~GameShell() = default;

  virtual Platform& GetPlatform() = 0;
  virtual PreferencesBlock& Preferences() = 0;
  // The play area's top-left corner in the client area; every game position is relative to it.
  virtual Point PlayAreaOrigin() const = 0;
  // The client area's size as measured at the first paint.
  virtual Size MeasuredClientSize() const = 0;
  virtual const Palette& CurrentGamePalette() const = 0;

  virtual void ShowStbTopScores() = 0;
  virtual void ShowTenThouTopScores() = 0;
  virtual void ShowPokerTopScores() = 0;
  // When the two names are equal the second becomes "PLAYERB" and a warning says so.
  virtual void CheckSameNames() = 0;
};

}  // namespace dakto
