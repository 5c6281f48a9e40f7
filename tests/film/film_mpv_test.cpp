// The film module on the real libmpv player (no picture, no sound) with a test film of a few
// seconds made by ffmpeg: opening through the AVI window, seeking to a row, the play state.
// ffmpeg belongs to the set-up (scripts/deps): a test film it cannot make fails the test.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>

#include "film/film_rig.h"

namespace film {
namespace {

namespace field = dataset::subtitle_field;
using testing::FilmRig;

bool MakeFilm(const std::filesystem::path& path) {
  const std::string command =
      "ffmpeg -hide_banner -loglevel error -y -f lavfi -i testsrc=duration=4:size=160x120:rate=25"
      " -c:v mpeg4 -q:v 5 '" +
      path.string() + "' > /dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

FilmRig::Factory MpvFactory(bool* made_film) {
  return [made_film](FilmRig& rig) -> std::unique_ptr<media::MediaPlayer> {
    *made_film = MakeFilm(rig.film_path);
    media::MpvSettings settings;
    settings.video_output = "null";
    settings.audio_output = "null";
    settings.own_controls = false;
    std::string error;
    std::unique_ptr<media::MediaPlayer> player = media::MpvMediaPlayer::Create(settings, error);
    EXPECT_NE(player, nullptr) << error;
    return player;
  };
}

// Runs the program's timers (in virtual time) while libmpv works in real time, until `done`.
bool RunUntil(FilmRig& rig, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline)
      return false;
    rig.driver.Advance(50);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

TEST(FilmOnMpv, OpenSeekAndPlayState) {
  bool made_film = false;
  FilmRig rig(MpvFactory(&made_film));
  ASSERT_TRUE(made_film) << "ffmpeg cannot make the test film (scripts/deps installs ffmpeg)";
  media::MediaPlayer& player = *rig.film->Player();
  rig.LoadRows(
      {{"00:00:01,000", "00:00:02,000", "Egy"}, {"00:00:02,500", "00:00:03,500", "Kettő"}});
  rig.OpenFilm();
  editor::TFelirat& f = rig.editor();
  EXPECT_TRUE(rig.Messages().empty());
  ASSERT_EQ(player.GetOpenState(), media::OpenState::kOpen);
  EXPECT_EQ(rig.film->Facts().fps_text, "25");
  EXPECT_TRUE(f.Filminfo.Enabled());
  ASSERT_TRUE(RunUntil(rig, [&] { return player.GetPlayState() == media::PlayState::kPlaying; }));
  EXPECT_TRUE(f.Timer2.Enabled());

  // The length is read by the film timer.
  ASSERT_TRUE(RunUntil(rig, [&] { return rig.film->Facts().info_read; }));
  EXPECT_EQ(rig.film->Facts().duration_text, "00:00:04,000");
  EXPECT_EQ(player.ImageSourceWidth(), 160);

  // Paused by the command: the player reports it, the buttons follow.
  rig.driver.Click(f.SBpause);
  ASSERT_TRUE(RunUntil(rig, [&] { return player.GetPlayState() == media::PlayState::kPaused; }));
  EXPECT_TRUE(f.SBplay.Visible());
  EXPECT_FALSE(f.Timer2.Enabled());

  // A double click on row 2 moves the film to its start and shows it over the picture.
  rig.rows().SetRecNo(2);
  rig.driver.DoubleClick(f.racs);
  ASSERT_TRUE(RunUntil(rig, [&] { return player.CurrentPosition() == 2500; }));
  EXPECT_EQ(f.st1.Caption(), "Kettő");
  EXPECT_TRUE(f.st1.Visible());
  EXPECT_EQ(f.IdoFrame.Caption(), "00:00:02,500 / 00:00:04,000");

  // The start taken from the paused film is its position.
  f.BeKezdoErClick();
  EXPECT_EQ(std::string(rig.rows().Cell(2, field::kKezdes)), "00:00:02,500");

  rig.driver.Click(f.SBplay);
  ASSERT_TRUE(RunUntil(rig, [&] { return player.GetPlayState() == media::PlayState::kPlaying; }));
  f.FbezarClick();
  EXPECT_TRUE(player.URL().empty());
  EXPECT_FALSE(f.Filminfo.Enabled());
}

}  // namespace
}  // namespace film
