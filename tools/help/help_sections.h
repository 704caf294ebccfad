// The help's words, section by section, as HTML fragments.
#pragma once

#include <string_view>

namespace dakto::help {

extern const std::string_view kWelcomeHtml;  // top of the contents
extern const std::string_view kShutTheBoxHtml;
extern const std::string_view kTenThousandHtml;
extern const std::string_view kPokerDiceHtml;
extern const std::string_view kControlsHtml;
extern const std::string_view kPlayersHtml;
extern const std::string_view kTopScoresHtml;
extern const std::string_view kMusicHtml;

}  // namespace dakto::help
