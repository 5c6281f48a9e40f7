// The film module on the real libmpv player (no picture, no sound) with a test film of a few
// seconds made by ffmpeg: opening through the AVI window, seeking to a row, the play state.
// ffmpeg belongs to the set-up (scripts/deps): a test film it cannot make fails the test.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "film/film_rig.h"

namespace film {
namespace {

namespace field = dataset::subtitle_field;
using testing::FilmRig;

bool MakeFilm(const std::filesystem::path& path,
              std::string_view source = "testsrc=duration=4:size=160x120:rate=25") {
  const std::string command = "ffmpeg -hide_banner -loglevel error -y -f lavfi -i " +
                              std::string(source) + " -c:v mpeg4 -q:v 5 '" + path.string() +
                              "' > /dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

// With `on_screen` the picture is drawn (into a window of libmpv's own: the headless backend
// has no native windows) on the X server of $DISPLAY, and the film is black.
FilmRig::Factory MpvFactory(bool* made_film, bool on_screen = false) {
  return [made_film, on_screen](FilmRig& rig) -> std::unique_ptr<media::MediaPlayer> {
    *made_film = on_screen ? MakeFilm(rig.film_path, "color=c=black:size=640x480:rate=25:d=20")
                           : MakeFilm(rig.film_path);
    media::MpvSettings settings;
    settings.video_output = on_screen ? "gpu" : "null";
    settings.software_rendering = on_screen;
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

// The box around the green pixels of a screenshot: left, top, right, bottom; nullopt when
// there are none (or ImageMagick could not read it).
std::optional<std::array<int, 4>> GreenBox(const std::filesystem::path& png) {
  const std::string command = "convert '" + png.string() +
                              "' -fuzz 25% -fill white -opaque '#008000' -fill black +opaque white"
                              " -trim -format '%X %Y %w %h %@' info: 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr)
    return std::nullopt;
  char buffer[256] = {};
  const std::size_t read = std::fread(buffer, 1, sizeof buffer - 1, pipe);
  pclose(pipe);
  int x = 0, y = 0, w = 0, h = 0;
  if (read == 0 || std::sscanf(buffer, "%d %d %d %d", &x, &y, &w, &h) != 4 || w <= 1)
    return std::nullopt;
  return std::array<int, 4>{x, y, x + w, y + h};
}

// Run under an X server by tests/film/xvfb_full_screen.sh (disabled in the plain run, which
// has none): the film on the full screen of a 1280x1024 screen, a screenshot, and the green
// text standing where the full-screen table puts it.
TEST(FilmOnMpvScreen, DISABLED_TheFullScreenTextStandsAtItsPlace) {
  ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "no X server";
  bool made_film = false;
  FilmRig rig(MpvFactory(&made_film, true));
  ASSERT_TRUE(made_film) << "ffmpeg cannot make the test film (scripts/deps installs ffmpeg)";
  media::MediaPlayer& player = *rig.film->Player();
  rig.LoadRows({{"00:00:00,000", "00:00:19,000", "Egy|Kettő"}});
  rig.OpenFilm();
  ASSERT_EQ(player.GetOpenState(), media::OpenState::kOpen);
  ASSERT_TRUE(RunUntil(rig, [&] { return !player.OverlayText().empty(); }));

  const std::filesystem::path shot = rig.folder.path() / "full_screen.png";
  std::optional<std::array<int, 4>> box;
  rig.driver.OnModal("FilmFullScreen", [&] {
    // Time for libmpv to fill the screen and draw the text.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    RunUntil(rig, [&] { return std::chrono::steady_clock::now() > until; });
    const std::string grab = "import -window root '" + shot.string() + "' 2>/dev/null";
    EXPECT_EQ(std::system(grab.c_str()), 0);
    box = GreenBox(shot);
    rig.driver.Press(ui::keys::kEscape);
  });
  rig.film->EnterFullScreen();
  rig.driver.Advance(10);
  // Two lines, d = 70: line 1 "Egy" at 640 - 3 x 11 = 607, 1024 - 70 - 100 = 854; line 2
  // "Kettő" at 640 - 5 x 11 = 585, 1024 - 70 - 60 = 894; Arial of 35 points (47 pixels).
  ASSERT_TRUE(box.has_value()) << "no green text on the screen: " << shot;
  const auto [left, top, right, bottom] = *box;
  EXPECT_GE(left, 585 - 2) << shot;
  EXPECT_LE(left, 585 + 8) << shot;
  EXPECT_GE(top, 854) << shot;
  EXPECT_LE(top, 854 + 16) << shot;
  EXPECT_GE(bottom, 894 + 30) << shot;
  EXPECT_LE(bottom, 894 + 50) << shot;
  EXPECT_GE(right, 640) << shot;
  EXPECT_LE(right, 720) << shot;
  EXPECT_FALSE(player.FullScreen());
  if (::testing::Test::HasFailure()) {
    const std::filesystem::path kept =
        std::filesystem::temp_directory_path() / "film_full_screen.png";
    std::error_code ignored;
    std::filesystem::copy_file(shot, kept, std::filesystem::copy_options::overwrite_existing,
                               ignored);
    ADD_FAILURE() << "screenshot kept in " << kept;
  }
}

}  // namespace
}  // namespace film
