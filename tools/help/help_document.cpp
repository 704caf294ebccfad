#include "tools/help/help_document.h"

#include <array>
#include <string_view>

#include "app/help_topics.h"
#include "tools/help/help_sections.h"

namespace dakto::help {

namespace {

struct Section {
  std::string_view anchor;
  std::string_view title;
  std::string_view body;
};

// The sections that the program opens by keyword come first, under the ids the
// program asks for; the common topics follow.
std::array<Section, 7> Sections() {
  return {{{kHelpTopics[1].anchor, kHelpTopics[1].title, kShutTheBoxHtml},
           {kHelpTopics[2].anchor, kHelpTopics[2].title, kTenThousandHtml},
           {kHelpTopics[3].anchor, kHelpTopics[3].title, kPokerDiceHtml},
           {"controls", "Controls and keys", kControlsHtml},
           {"players", "Players and names", kPlayersHtml},
           {"top-scores", "Top scores and the Billionaire Club", kTopScoresHtml},
           {"music", "Music and sound", kMusicHtml}}};
}

// Parchment and ink, readable in any browser without a single outside file.
constexpr std::string_view kStyle = R"CSS(
body { margin: 0; background: #efe4c8; color: #2b2118;
       font: 17px/1.5 "Liberation Serif", "Times New Roman", Georgia, serif; }
main { max-width: 46em; margin: 0 auto; padding: 1.5em 2em 3em; background: #f8f1de;
       box-shadow: 0 0 24px rgba(60, 40, 20, 0.25); }
h1 { font-size: 2.2em; margin: 0.2em 0 0.1em; color: #5a2d0c; letter-spacing: 0.04em; }
h2 { font-size: 1.6em; margin-top: 1.8em; color: #5a2d0c; border-bottom: 2px solid #c9a86a; }
h3 { font-size: 1.15em; margin: 1.3em 0 0.3em; color: #0d4a6b; }
a { color: #0d4a6b; }
p.lead { font-size: 1.1em; font-style: italic; }
table { border-collapse: collapse; margin: 0.6em 0; }
th, td { border: 1px solid #c9a86a; padding: 0.25em 0.7em; text-align: left; vertical-align: top; }
th { background: #e6d5ac; }
kbd { font: 0.85em "Liberation Mono", monospace; background: #fffaf0; border: 1px solid #a98e5c;
      border-radius: 3px; padding: 0 0.3em; }
nav ul { columns: 2; }
p.back { font-size: 0.9em; text-align: right; }
)CSS";

void Append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (std::string_view part : parts) out.append(part);
}

void AppendContents(std::string& out) {
  Append(out, {"<section id=\"", kHelpTopics[0].anchor, "\">\n<h1>Dakto</h1>\n", kWelcomeHtml, "<nav>\n<h2>",
               kHelpTopics[0].title, "</h2>\n<ul>\n"});
  for (const Section& s : Sections()) {
    Append(out, {"<li><a href=\"#", s.anchor, "\">", s.title, "</a></li>\n"});
  }
  out.append("</ul>\n</nav>\n</section>\n");
}

}  // namespace

std::string BuildHelpDocument() {
  std::string out;
  Append(out, {"<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
               "<title>Dakto Help</title>\n<style>",
               kStyle, "</style>\n</head>\n<body>\n<main>\n"});
  AppendContents(out);
  for (const Section& s : Sections()) {
    Append(out, {"\n<section id=\"", s.anchor, "\">\n<h2>", s.title, "</h2>\n", s.body,
                 "<p class=\"back\"><a href=\"#", kHelpTopics[0].anchor, "\">Back to the contents</a></p>\n",
                 "</section>\n"});
  }
  out.append("</main>\n</body>\n</html>\n");
  return out;
}

}  // namespace dakto::help
