#pragma once

#include <string>

#include "app/preferences.h"

namespace dakto {

struct PreferencesFileRead {
  enum class Status {
    Unreadable,  // missing, a folder, or not readable: the first-run setup follows
    TooShort,    // fewer than 1036 bytes: out of date
    Read,        // the first 1036 bytes are in `block`
  };
  Status status = Status::Unreadable;
  PreferencesBlock block;
};

// Reads the block from `path`. A file that may be read but not written is read all the same.
PreferencesFileRead ReadPreferencesFile(const std::string& path);

// Writes the block to `path` so that a failure at any point leaves the file as it was: the new
// bytes go to a temporary file beside it, which replaces the old one only once fully written.
// Returns false, quietly, when it could not be written.
bool WritePreferencesFile(const std::string& path, const PreferencesBlock& block);

// For tests of the failure path: a hook that may refuse a write after `written` bytes.
using WriteFailureHook = bool (*)(std::size_t written);
void SetPreferencesWriteFailureHook(WriteFailureHook hook);

}  // namespace dakto
