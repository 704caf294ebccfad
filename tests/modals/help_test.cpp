#include "platform/help.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/help_topics.h"
#include "tests/host/test_host.h"

namespace dakto::testing {
namespace {

namespace fs = std::filesystem;

// An opener that writes the address it was given to a file, as a browser would receive it.
std::string FakeOpener(const fs::path& dir) {
  const fs::path script = dir / "fake-open";
  std::ofstream(script) << "#!/bin/sh\necho \"$1\" > \"" << (dir / "opened.txt").string() << ".part\"\nmv \""
                        << (dir / "opened.txt").string() << ".part\" \"" << (dir / "opened.txt").string()
                        << "\"\n";
  chmod(script.c_str(), 0755);
  return script.string();
}

std::string WaitForOpened(const fs::path& dir) {
  for (int i = 0; i < 1000; ++i) {
    std::ifstream file(dir / "opened.txt");
    std::string line;
    if (std::getline(file, line)) return line;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return {};
}

TEST(BrowserHelp, OpensTheHelpFileAtTheKeywordsSection) {
  struct Case {
    HelpRequest request;
    const char* section;
  };
  const Case cases[] = {
      {{HelpCommand::Contents, ""}, "contents"},
      {{HelpCommand::Keyword, "Shut The Box"}, "shut-the-box"},
      {{HelpCommand::Keyword, "10,000"}, "ten-thousand"},
      {{HelpCommand::Keyword, "Poker Dice"}, "poker-dice"},
  };
  for (const Case& c : cases) {
    TestHost host;
    const fs::path dir = fs::canonical(host.WorkDir());
    std::ofstream(dir / "dakto.html") << "<html></html>";
    BrowserHelp help(host.Platform());
    help.SetHelpFile("dakto.html", HelpAnchorFor);
    help.SetOpener(FakeOpener(dir));
    help.Request(c.request);
    // The opener gets a page that forwards the browser to the section, since openers tend to
    // drop the section of a file address.
    const std::string target = "file://" + (dir / "dakto.html").string() + "#" + c.section;
    EXPECT_EQ(help.AddressFor((dir / "dakto.html").string(), c.request), target);
    const std::string opened = WaitForOpened(dir);
    ASSERT_TRUE(opened.starts_with("file:///")) << opened;
    std::ifstream forward(opened.substr(7));
    const std::string page((std::istreambuf_iterator<char>(forward)), std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("url=" + target + "\""), std::string::npos) << page;
    EXPECT_NE(page.find("location.replace(\"" + target + "\")"), std::string::npos) << page;
    EXPECT_TRUE(host.Modals().empty());
  }
}

TEST(BrowserHelp, SaysWhereItLookedWhenTheFileOrTheOpenerIsMissing) {
  TestHost host;
  host.ExpectModalFaults();
  const fs::path dir = fs::canonical(host.WorkDir());
  BrowserHelp help(host.Platform());
  help.SetHelpFile("dakto.html", HelpAnchorFor);
  help.SetOpener(FakeOpener(dir));
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  help.Keyword("Poker Dice");  // no help file
  std::ofstream(dir / "dakto.html") << "<html></html>";
  help.SetOpener("no-such-opener-anywhere");
  host.AnswerMessageBox(MessageBoxAnswer::Ok);
  help.Contents();
  help.Quit();  // nothing to say
  ASSERT_EQ(host.Modals().size(), 2u);
  for (const ModalRecord& box : host.Modals()) {
    EXPECT_EQ(box.caption, "Help");
    EXPECT_NE(box.text.find("could not be opened"), std::string::npos) << box.text;
    EXPECT_NE(box.text.find((dir / "dakto.html").string()), std::string::npos) << box.text;
  }
  EXPECT_NE(host.Modals()[1].text.find("no-such-opener-anywhere"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir / "opened.txt"));
}

TEST(BrowserHelp, TheOpenerIsNotWaitedForAndLeavesNoChildBehind) {
  TestHost host;
  const fs::path dir = fs::canonical(host.WorkDir());
  std::ofstream(dir / "dakto.html") << "<html></html>";
  const fs::path slow = dir / "slow-open";
  std::ofstream(slow) << "#!/bin/sh\nsleep 3\ntouch \"" << (dir / "done").string() << "\"\n";
  chmod(slow.c_str(), 0755);
  BrowserHelp help(host.Platform());
  help.SetOpener(slow.string());
  const auto start = std::chrono::steady_clock::now();
  help.Contents();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // The opener belongs to init now: we have no child to wait for.
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
  // It did run, on its own.
  for (int i = 0; i < 1000 && !fs::exists(dir / "done"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(fs::exists(dir / "done"));
}

}  // namespace
}  // namespace dakto::testing
