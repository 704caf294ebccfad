#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "tests/host/test_host.h"
#include "tests/modals/audio_fixtures.h"

namespace dakto::testing {
namespace {

TEST(ScriptedModals, AnswerInOrderAndRecordWhatWasShown) {
  TestHost host;
  host.AnswerMessageBox(MessageBoxAnswer::No);
  host.AnswerDialog(DialogAnswer::Ok().Check(102).Check(104).Type(105, "bob 7x"));
  host.ChooseFile("/music/song.mid");
  host.CancelFileChooser();
  host.AnswerDialog(DialogAnswer::Cancel().Check(102));
  Platform& platform = host.Platform();
  EXPECT_EQ(ShowMessageBox(platform, "Music file orlo.mid does not exist, search for a new one?",
                           "File does not exist", MessageBoxButtons::YesNo),
            MessageBoxAnswer::No);
  const DialogTemplate dialog = *LoadDialogTemplate(201);
  TransferBuffer buffer(dialog);
  buffer.SetFlag(0, 1);
  ASSERT_TRUE(RunDialog(platform, 201, buffer));
  EXPECT_EQ(std::vector<int>({buffer.Flag(0), buffer.Flag(1), buffer.Flag(2), buffer.Flag(3)}),
            (std::vector<int>{0, 1, 0, 1}));
  EXPECT_EQ(buffer.Text(4), "bobx") << "scripted typing goes through the edit's filter";
  EXPECT_EQ(ChooseOpenFile(platform), "/music/song.mid");
  EXPECT_EQ(ChooseOpenFile(platform), std::nullopt);
  const std::vector<std::uint8_t> before = buffer.Bytes();
  EXPECT_FALSE(RunDialog(platform, 201, buffer));
  EXPECT_EQ(buffer.Bytes(), before);

  ASSERT_EQ(host.Modals().size(), 5u);
  EXPECT_EQ(host.Modals()[0].caption, "File does not exist");
  EXPECT_EQ(host.Modals()[0].buttons, MessageBoxButtons::YesNo);
  EXPECT_EQ(host.Modals()[1].templateId, 201);
  EXPECT_EQ(host.Modals()[2].filter, "Midi files (*.MID)|*.MID|");
  EXPECT_EQ(host.AnswersLeft(), 0u);
}

TEST(ScriptedModals, AModalWithoutItsAnswerIsAFaultNamingItsText) {
  TestHost host;
  host.ExpectModalFaults();
  host.AnswerDialog(DialogAnswer::Ok());
  EXPECT_EQ(ShowMessageBox(host.Platform(), "Cannot find file.  Turning music off.", "Music Off"),
            MessageBoxAnswer::Cancelled);
  EXPECT_EQ(ShowMessageBox(host.Platform(), "PLAYERB may not be your own opponent.", "Warning"),
            MessageBoxAnswer::Cancelled);
  ASSERT_EQ(host.ModalFaults().size(), 2u);
  EXPECT_NE(host.ModalFaults()[0].find("Turning music off"), std::string::npos) << host.ModalFaults()[0];
  EXPECT_NE(host.ModalFaults()[1].find("no answer"), std::string::npos) << host.ModalFaults()[1];
  EXPECT_NE(host.ModalFaults()[1].find("own opponent"), std::string::npos);
  EXPECT_FALSE(host.Modals()[0].answered);
}

TEST(ScriptedModals, NothingOpensOnceTheWindowIsClosing) {
  TestHost host;
  host.Post({.kind = Message::Kind::Close});
  EXPECT_EQ(ShowMessageBox(host.Platform(), "Sure?", "Q", MessageBoxButtons::YesNo),
            MessageBoxAnswer::Cancelled);
  TransferBuffer buffer(*LoadDialogTemplate(205));
  EXPECT_FALSE(RunDialog(host.Platform(), 205, buffer));
  EXPECT_EQ(ChooseOpenFile(host.Platform()), std::nullopt);
  EXPECT_TRUE(host.Modals().empty());
  EXPECT_EQ(host.Platform().Queue().Count(), 1u) << "the Close waits for the main loop";
}

TEST(HeadlessMedia, RecordsSoundsMusicAndHelp) {
  TestHost host;
  host.WriteFile("orlo.mid", ShortMidi());
  host.WriteFile("notmidi.mid", {'R', 'I', 'F', 'F'});
  Platform& platform = host.Platform();
  // A wave of 8000 bytes per second with 4000 bytes of data plays for half a second.
  std::vector<std::uint8_t> wave = {'R', 'I', 'F',  'F',  0,   0,   0,    0,    'W',  'A', 'V',
                                    'E', 'f', 'm',  't',  ' ', 16,  0,    0,    0,    1,   0,
                                    1,   0,   0x40, 0x1F, 0,   0,   0x40, 0x1F, 0,    0,   1,
                                    0,   8,   0,    'd',  'a', 't', 'a',  0xA0, 0x0F, 0,   0};
  wave.resize(wave.size() + 4000, 128);
  platform.Sound().Play(wave, "Dice1.wav");
  const std::uint32_t before = platform.Ticks();
  platform.Sound().PlayAndWait(wave, "cheering.wav");
  EXPECT_EQ(platform.Ticks() - before, 500u);
  platform.Sound().Stop();
  EXPECT_EQ(host.Sounds(), (std::vector<SoundRecord>{{SoundRecord::Kind::Play, "Dice1.wav"},
                                                     {SoundRecord::Kind::PlayAndWait, "cheering.wav"},
                                                     {SoundRecord::Kind::Stop, ""}}));

  MusicDevice& music = platform.Music();
  EXPECT_EQ(music.Open("missing.mid"), kMusicFileNotFound);
  EXPECT_EQ(music.Open("notmidi.mid"), kMusicNotMidi);
  EXPECT_EQ(music.Play(), kMusicNotOpen);
  EXPECT_EQ(music.Open("orlo.mid"), kMusicOk);
  EXPECT_EQ(music.Play(), kMusicOk);
  EXPECT_TRUE(host.Platform().MusicRecorder().FinishPlay());
  EXPECT_FALSE(host.Platform().MusicRecorder().FinishPlay()) << "one notification per play";
  EXPECT_EQ(music.Play(), kMusicOk);
  music.Stop();
  EXPECT_FALSE(host.Platform().MusicRecorder().FinishPlay()) << "a stopped play never ends by itself";
  music.Close();
  EXPECT_EQ(host.Platform().Queue().Count(), 1u);
  EXPECT_EQ(host.Platform().Queue().Front().kind, Message::Kind::MusicNotify);
  EXPECT_EQ(host.Music().front(), (MusicRecord{MusicRecord::Kind::Open, "missing.mid", kMusicFileNotFound}));
  EXPECT_EQ(host.Music().back().kind, MusicRecord::Kind::Close);

  platform.Help().Keyword("10,000");
  platform.Help().Quit();
  EXPECT_EQ(host.HelpRequests(),
            (std::vector<HelpRequest>{{HelpCommand::Keyword, "10,000"}, {HelpCommand::Quit, ""}}));
}

TEST(MusicErrors, EveryCodeHasAShortText) {
  for (std::uint32_t code = kMusicNoDevice; code <= kMusicCannotPlay + 1; ++code) {
    const std::string text = MusicErrorText(code);
    EXPECT_FALSE(text.empty());
    EXPECT_LE(text.size(), 99u) << text;
  }
  EXPECT_NE(MusicErrorText(kMusicNoSoundFont).find("sf2"), std::string::npos);
}

}  // namespace
}  // namespace dakto::testing
