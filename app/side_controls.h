#pragma once

// The side controls the shell handles on every game screen, by game: quit, faster, slower,
// music, music file, sound effects and help. Click areas include both bounds.

#include "games/shutbox/shutbox_geometry.h"
#include "platform/geometry.h"

namespace dakto {

struct SideControlHits {
  HitBox quit;
  HitBox faster;
  HitBox slower;
  HitBox music;
  HitBox musicFile;
  HitBox sound;
  HitBox help;
  const char* helpKeyword;
};

// The numbers a game's DrawControl knows its side controls by.
inline constexpr int kFasterControl = 2;
inline constexpr int kSlowerControl = 3;
inline constexpr int kMusicControl = 4;
inline constexpr int kMusicFileControl = 5;
inline constexpr int kSoundControl = 6;
inline constexpr int kGremlinControl = 13;
inline constexpr int kAcesWildControl = 30;

inline constexpr SideControlHits kShutTheBoxSideControls = {
    shutbox::kQuitHit,      shutbox::kFasterHit, shutbox::kSlowerHit, shutbox::kMusicHit,
    shutbox::kMusicFileHit, shutbox::kSoundHit,  shutbox::kHelpHit,   "Shut The Box"};

}  // namespace dakto
