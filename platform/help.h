#pragma once

#include <string>
#include <string_view>

namespace dakto {

class Platform;

enum class HelpCommand { Contents, Keyword, Quit };

struct HelpRequest {
  HelpCommand command = HelpCommand::Contents;
  std::string keyword;  // for Keyword
  friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The section id of a keyword in the help file ("" is the contents).
using HelpSectionFor = std::string_view (*)(std::string_view keyword);

// The help viewer: the contents, the section of a keyword, and the note that the program no
// longer needs the help. Nothing waits for the viewer.
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void Request(const HelpRequest& request) = 0;
  // The help file (by name, in the working directory) and the section of each keyword; the shell
  // sets them once at start-up.
  virtual void SetHelpFile(std::string fileName, HelpSectionFor sectionFor) = 0;

  void Contents() { Request({HelpCommand::Contents, {}}); }
  void Keyword(std::string_view keyword) { Request({HelpCommand::Keyword, std::string(keyword)}); }
  void Quit() { Request({HelpCommand::Quit, {}}); }
};

// Opens the HTML help from the working directory in the user's browser, at the keyword's
// section, through an opener program (xdg-open) that is not waited for. When there is no opener
// or no help file, a message box says so and where the file was looked for.
class BrowserHelp : public HelpViewer {
 public:
  explicit BrowserHelp(Platform& platform) : platform_(platform) {}

  void SetHelpFile(std::string fileName, HelpSectionFor sectionFor) override {
    fileName_ = std::move(fileName);
    sectionFor_ = sectionFor;
  }
  void SetOpener(std::string opener) { opener_ = std::move(opener); }
  void Request(const HelpRequest& request) override;

  // The address of the help at the request's section: file://<absolute path>#<section>.
  std::string AddressFor(const std::string& path, const HelpRequest& request) const;
  // What the opener is given. Openers often drop the "#section" of a file address, so for a
  // section it is a small page of ours (in the temporary folder) that forwards the browser to it.
  std::string OpenerArgument(const std::string& path, const HelpRequest& request) const;

 private:
  Platform& platform_;
  std::string fileName_ = "dakto.html";
  HelpSectionFor sectionFor_ = nullptr;
  std::string opener_ = "xdg-open";
};

// Starts `program` with one argument without waiting for it and without leaving a zombie.
// False when the program could not be started.
bool StartDetached(const std::string& program, const std::string& argument);
// The full path of a program found on PATH (or as given when it holds a "/"), or "".
std::string FindProgram(const std::string& program);

}  // namespace dakto
