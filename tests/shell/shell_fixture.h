#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/dakto_window.h"
#include "app/preferences.h"
#include "tests/host/test_host.h"

namespace dakto::testing {

// A block as the first-run setup leaves it, with the music off unless a test wants it.
PreferencesBlock SettledPreferences();
std::vector<std::uint8_t> Bytes(const PreferencesBlock& block);
// The shortest file the sequencer takes for MIDI.
std::vector<std::uint8_t> TinyMidi();

// Starts the real main window in the host's fresh working directory, as the program starts.
class ShellTest : public ::testing::Test {
 protected:
  void WritePreferences(const PreferencesBlock& block) { host_.WriteFile("dakto.prf", Bytes(block)); }
  // Builds the window, shows it and handles the first paint.
  void Start();
  PreferencesBlock SavedPreferences();
  std::vector<ModalRecord> ModalsOf(ModalRecord::Kind kind);

  TestHost host_{{800, 600}};
  std::unique_ptr<TDaktoWindow> window_;
};

}  // namespace dakto::testing
