// make_help <outdir>: writes the players' help, "dakto.html".
#include <cstdio>
#include <fstream>
#include <string>

#include "app/help_topics.h"
#include "tools/help/help_document.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_help <outdir>\n");
    return 2;
  }
  const std::string path = std::string(argv[1]) + "/" + std::string(dakto::kHelpFileName);
  const std::string html = dakto::help::BuildHelpDocument();
  std::ofstream file(path, std::ios::binary);
  file.write(html.data(), static_cast<std::streamsize>(html.size()));
  if (!file) {
    std::fprintf(stderr, "make_help: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}
