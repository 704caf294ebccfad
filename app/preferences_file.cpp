#include "app/preferences_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

namespace dakto {
namespace {

WriteFailureHook writeFailureHook = nullptr;

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t size) {
  std::size_t written = 0;
  while (written < size) {
    // Write in two halves so a refused second half leaves a half-written temporary file.
    const std::size_t chunk = std::min(size - written, size / 2 + 1);
    if (writeFailureHook != nullptr && writeFailureHook(written)) return false;
    const ssize_t result = ::write(fd, bytes + written, chunk);
    if (result < 0 && errno == EINTR) continue;
    if (result <= 0) return false;
    written += static_cast<std::size_t>(result);
  }
  return true;
}

}  // namespace

void SetPreferencesWriteFailureHook(WriteFailureHook hook) { writeFailureHook = hook; }

PreferencesFileRead ReadPreferencesFile(const std::string& path) {
  PreferencesFileRead result;
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return result;
  PreferencesBytes bytes{};
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (got < bytes.size()) {
    result.status = PreferencesFileRead::Status::TooShort;
    return result;
  }
  result.status = PreferencesFileRead::Status::Read;
  result.block = DecodePreferences(bytes);
  return result;
}

bool WritePreferencesFile(const std::string& path, const PreferencesBlock& block) {
  const std::filesystem::path target(path);
  // A file the player made read-only stays as it is, as it would if written in place.
  if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0) return false;
  const std::filesystem::path temporary = target.parent_path() / ("." + target.filename().string() + ".new");
  ::unlink(temporary.c_str());  // left over from a run that died while writing
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  const PreferencesBytes bytes = EncodePreferences(block);
  bool ok = WriteAll(fd, bytes.data(), bytes.size());
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  std::error_code error;
  if (ok && std::filesystem::is_directory(target, error)) ok = false;  // never replace a folder
  ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace dakto
