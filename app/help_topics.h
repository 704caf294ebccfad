// Where each help request opens the help file "dakto.html": the keyword the
// program asks for, and the id of the section that answers it. The help
// generator writes its section ids from this same table, so the two agree.
#pragma once

#include <array>
#include <string_view>

namespace dakto {

inline constexpr std::string_view kHelpFileName = "dakto.html";

struct HelpTopic {
  std::string_view keyword;  // as the program asks for it; "" is the contents
  std::string_view anchor;   // id of the section in the help file
  std::string_view title;    // heading of that section
};

inline constexpr std::array<HelpTopic, 4> kHelpTopics{{
    {"", "contents", "Contents"},
    {"Shut The Box", "shut-the-box", "Shut The Box"},
    {"10,000", "ten-thousand", "10,000"},
    {"Poker Dice", "poker-dice", "Poker Dice"},
}};

// The section for a keyword; "contents" and any keyword the help does not know
// open the contents.
constexpr std::string_view HelpAnchorFor(std::string_view keyword) {
  for (const HelpTopic& topic : kHelpTopics) {
    if (topic.keyword == keyword) return topic.anchor;
  }
  return kHelpTopics[0].anchor;
}

}  // namespace dakto
