#pragma once

// Review screens: the front screen and the Shut The Box screen as the program shows them,
// with a tip, names, scores, dice and the Gremlin in place.

#include <string>

namespace dakto::art {

bool WriteReviewScreens(const std::string& folder);

}  // namespace dakto::art
