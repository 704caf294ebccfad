#include "tests/host/test_host.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/files.h"

namespace dakto::testing {

TestHost::TestHost(Size clientSize) : platform_(clientSize) {
  previousDir_ = CurrentDirectory();
  std::string pattern = (std::filesystem::temp_directory_path() / "dakto-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) != nullptr) workDir_ = pattern;
  ChangeDirectory(workDir_);
  platform_.SetFaultHandler([this](const std::string& what) {
    if (!expectFaults_) ADD_FAILURE() << "modal: " << what;
  });
}

TestHost::~TestHost() {
  ChangeDirectory(previousDir_);
  std::error_code error;
  if (!workDir_.empty()) std::filesystem::remove_all(workDir_, error);
}

void TestHost::Attach(WindowProcedure& window, std::function<Point()> playOrigin) {
  window_ = &window;
  platform_.AttachWindow(&window);
  playOrigin_ = std::move(playOrigin);
}

Point TestHost::ToClient(int x, int y) const {
  const Point origin = playOrigin_ ? playOrigin_() : Point{};
  return {x + origin.x, y + origin.y};
}

void TestHost::Click(int x, int y) {
  Post({.kind = Message::Kind::LeftDown, .point = ToClient(x, y)});
  Run();
}

void TestHost::Release(int x, int y) {
  Post({.kind = Message::Kind::LeftUp, .point = ToClient(x, y)});
  Run();
}

void TestHost::RightClick(int x, int y) {
  Post({.kind = Message::Kind::RightDown, .point = ToClient(x, y)});
  Run();
}

void TestHost::Move(int x, int y) {
  Post({.kind = Message::Kind::MouseMove, .point = ToClient(x, y)});
  Run();
}

void TestHost::Key(char32_t character) {
  Post({.kind = Message::Kind::Char, .character = character});
  Run();
}

void TestHost::Press(dakto::Key key, bool shift) {
  Post({.kind = Message::Kind::KeyDown, .key = key, .shift = shift});
  Run();
}

void TestHost::Resize(int width, int height) {
  platform_.Resize({width, height});
  Run();
}

bool TestHost::Close() {
  Post({.kind = Message::Kind::Close});
  Run();
  return closed_;
}

bool TestHost::FinishMusic() {
  if (!platform_.MusicRecorder().FinishPlay()) return false;
  Run();
  return true;
}

bool TestHost::Run() {
  if (window_ == nullptr || closed_) return !closed_;
  closed_ = !DispatchPending(platform_, *window_);
  return !closed_;
}

std::vector<DrawRecord> TestHost::DrawsOf(DrawRecord::Kind kind) {
  std::vector<DrawRecord> found;
  for (const DrawRecord& record : Draws()) {
    if (record.kind == kind) found.push_back(record);
  }
  return found;
}

Rgb TestHost::PixelAt(int x, int y) {
  const Point client = ToClient(x, y);
  return platform_.Screen().ColorAt(client.x, client.y);
}

bool TestHost::SaveBmp(const std::string& path) {
  Bitmap& screen = platform_.Screen();
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(screen.Pixels().data(), screen.Width(), screen.Height(), 32,
                                         screen.Width() * 4, SDL_PIXELFORMAT_XRGB8888);
  if (surface == nullptr) return false;
  const bool saved = SDL_SaveBMP(surface, path.c_str()) == 0;
  SDL_FreeSurface(surface);
  return saved;
}

void TestHost::WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  std::ofstream file(std::filesystem::path(workDir_) / name, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::vector<std::uint8_t>> TestHost::ReadFile(const std::string& name) {
  return ReadWholeFile((std::filesystem::path(workDir_) / name).string());
}

}  // namespace dakto::testing
