// Assembles the help file: page head and style, the contents, and one section
// per game and per common topic, with the section ids of app/help_topics.h.
#pragma once

#include <string>

namespace dakto::help {

std::string BuildHelpDocument();

}  // namespace dakto::help
