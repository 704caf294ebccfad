// The help file: every request the program makes finds its section, and each
// game's section explains what its players will look for.
#include <gtest/gtest.h>

#include <string>

#include "app/help_topics.h"
#include "tests/assets/asset_files.h"

namespace dakto::test {
namespace {

TEST(HelpTopics, KeywordsOpenTheirSections) {
  struct Case {
    std::string_view keyword, anchor;
  };
  constexpr Case kCases[] = {{"", "contents"},
                             {"contents", "contents"},
                             {"Shut The Box", "shut-the-box"},
                             {"10,000", "ten-thousand"},
                             {"Poker Dice", "poker-dice"},
                             {"shut the box", "contents"},  // keywords are exact
                             {"Yahtzee", "contents"}};
  for (const Case& c : kCases) EXPECT_EQ(HelpAnchorFor(c.keyword), c.anchor) << "\"" << c.keyword << "\"";
}

class HelpFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto bytes = ReadAsset(std::string(kHelpFileName));
    html_.assign(bytes.begin(), bytes.end());
  }
  void SetUp() override { ASSERT_FALSE(html_.empty()) << "assets/" << kHelpFileName << " is missing"; }

  // The text of the section with this id, up to the section's end.
  static std::string Section(std::string_view anchor) {
    const std::string open = "<section id=\"" + std::string(anchor) + "\">";
    const auto start = html_.find(open);
    if (start == std::string::npos) return {};
    return html_.substr(start, html_.find("</section>", start) - start);
  }

  static inline std::string html_;
};

TEST_F(HelpFileTest, HasEachTopicsSectionExactlyOnce) {
  for (const HelpTopic& topic : kHelpTopics) {
    const std::string id = "id=\"" + std::string(topic.anchor) + "\"";
    const auto first = html_.find(id);
    ASSERT_NE(first, std::string::npos) << topic.anchor;
    EXPECT_EQ(html_.find(id, first + 1), std::string::npos) << topic.anchor << " appears twice";
  }
}

TEST_F(HelpFileTest, ContentsLinksToEveryGame) {
  const std::string contents = Section(kHelpTopics[0].anchor);
  for (const HelpTopic& topic : kHelpTopics) {
    if (topic.keyword.empty()) continue;
    EXPECT_NE(contents.find("href=\"#" + std::string(topic.anchor) + "\""), std::string::npos)
        << topic.anchor;
  }
}

TEST_F(HelpFileTest, EachGameSectionCoversItsRules) {
  struct Case {
    std::string_view anchor;
    std::vector<std::string> mentions;
  };
  const Case kCases[] = {
      {"shut-the-box",
       {"<h2>Shut The Box</h2>", "Gremlin", "One die", "Undo", "100", "space bar", "<kbd>9</kbd>"}},
      {"ten-thousand",
       {"<h2>10,000</h2>", "Straight", "3 Pairs", "four 2s", "bonus", "Undo", "Right-click", "Apprentice",
        "Mage", "Wizard", "<kbd>P</kbd>"}},
      {"poker-dice",
       {"<h2>Poker Dice</h2>", "Aces wild", "Billionaire Club", "abacus", "Undo", "<kbd>U</kbd>",
        "<kbd>P</kbd>", "Apprentice", "Mage", "Wizard", "5,000"}},
      {"controls", {"<kbd>+</kbd>", "<kbd>-</kbd>", "<kbd>S</kbd>", "music", "sound effects"}},
      {"players", {"eight letters", "PLAYERB"}},
  };
  for (const Case& c : kCases) {
    const std::string section = Section(c.anchor);
    ASSERT_FALSE(section.empty()) << c.anchor;
    for (const std::string& word : c.mentions) {
      EXPECT_NE(section.find(word), std::string::npos) << c.anchor << " never mentions " << word;
    }
  }
}

TEST_F(HelpFileTest, ReadsOfflineWithoutOutsideResources) {
  for (const char* outside : {"http:", "https:", "src=", "<link", "<script", "@import"}) {
    EXPECT_EQ(html_.find(outside), std::string::npos) << outside;
  }
  EXPECT_EQ(html_.rfind("<!DOCTYPE html>", 0), 0u);
  EXPECT_NE(html_.find("<meta charset=\"utf-8\">"), std::string::npos);
}

}  // namespace
}  // namespace dakto::test
