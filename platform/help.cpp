#include "platform/help.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/files.h"
#include "platform/message_box.h"

namespace dakto {
namespace {

bool IsExecutable(const std::string& path) {
  return access(path.c_str(), X_OK) == 0 && std::filesystem::is_regular_file(path);
}

// Spaces and the few characters that are not safe in a file address, nor in the forwarding page
// that quotes it.
std::string EscapeForAddress(const std::string& path) {
  std::string escaped;
  for (const char c : path) {
    if (c == ' ' || c == '#' || c == '%' || c == '?' || c == '"' || c == '\'' || c == '<' || c == '>' ||
        c == '\\' || c == '&') {
      static const char* hex = "0123456789ABCDEF";
      escaped += '%';
      escaped += hex[(static_cast<unsigned char>(c) >> 4) & 15];
      escaped += hex[static_cast<unsigned char>(c) & 15];
    } else {
      escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string FindProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) return IsExecutable(program) ? program : std::string();
  const char* path = std::getenv("PATH");
  std::istringstream folders(path != nullptr ? path : "/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    if (folder.empty()) continue;
    const std::string candidate = folder + "/" + program;
    if (IsExecutable(candidate)) return candidate;
  }
  return {};
}

bool StartDetached(const std::string& program, const std::string& argument) {
  // Everything the child needs is prepared before fork: between fork and exec only
  // async-signal-safe calls are allowed in a program that has other threads.
  std::string programCopy = program;
  std::string argumentCopy = argument;
  char* const argv[] = {programCopy.data(), argumentCopy.data(), nullptr};
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    // The grandchild runs the opener; the child ends at once so that the grandchild belongs to
    // init, which reaps it: we never wait for the browser and leave no zombie behind.
    const pid_t grandchild = fork();
    if (grandchild == 0) {
      setsid();
      execv(argv[0], argv);
      _exit(127);
    }
    _exit(grandchild < 0 ? 1 : 0);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string BrowserHelp::AddressFor(const std::string& path, const HelpRequest& request) const {
  const std::string keyword = request.command == HelpCommand::Keyword ? request.keyword : std::string();
  std::string section = sectionFor_ != nullptr ? std::string(sectionFor_(keyword)) : std::string();
  std::string address = "file://" + EscapeForAddress(path);
  if (!section.empty()) address += "#" + section;
  return address;
}

std::string BrowserHelp::OpenerArgument(const std::string& path, const HelpRequest& request) const {
  const std::string address = AddressFor(path, request);
  const std::size_t hash = address.find('#');
  if (hash == std::string::npos) return address;
  std::error_code error;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path(error) / ("dakto-help-" + std::to_string(getuid()));
  std::filesystem::create_directories(folder, error);
  std::string section = address.substr(hash + 1);
  for (char& c : section) {
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_') c = '_';
  }
  const std::filesystem::path page = folder / (section + ".html");
  std::ofstream file(page, std::ios::trunc);
  file << "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
       << "<meta http-equiv=\"refresh\" content=\"0; url=" << address << "\">\n"
       << "<script>location.replace(\"" << address << "\");</script>\n"
       << "<title>Dakto help</title></head>\n<body><a href=\"" << address
       << "\">Dakto help</a></body></html>\n";
  if (!file) return address;
  return "file://" + EscapeForAddress(page.string());
}

void BrowserHelp::Request(const HelpRequest& request) {
  // The browser is not ours to close: when the program is done with its help, nothing is left to do.
  if (request.command == HelpCommand::Quit) return;
  const std::string path = (std::filesystem::path(CurrentDirectory()) / fileName_).string();
  std::string problem;
  const std::string opener = FindProgram(opener_);
  if (!std::filesystem::is_regular_file(path)) {
    problem = "The help file was not found.";
  } else if (opener.empty()) {
    problem = "No program to open it was found (" + opener_ + ").";
  } else if (!StartDetached(opener, OpenerArgument(path, request))) {
    problem = "The program " + opener + " could not be started.";
  }
  if (problem.empty()) return;
  ShowMessageBox(platform_, "The help could not be opened.\n" + problem + "\nIt was looked for at\n" + path,
                 "Help", MessageBoxButtons::Ok, true);
}

}  // namespace dakto
