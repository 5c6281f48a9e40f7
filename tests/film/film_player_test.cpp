// The film of the full build: the player made inside the editor window, polled by a timer of
// the editor, and the editor's missing-player message when it cannot be made.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "film/film_player.h"
#include "platform/media/fake_media_player.h"
#include "platform/ui/headless/driver.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace film {
namespace {

// A program whose modal steps are queued before it is built: the editor's creation may show
// its message at once.
struct FilmRig {
  FilmRig() {
    driver.SetFailureHandler([](const std::string& failure) { ADD_FAILURE() << failure; });
  }
  void Start(PlayerFactory factory) {
    shell::ProgramOptions options;
    options.make_film = [this, factory](shell::Program& program) {
      auto made = std::make_unique<FilmPlayer>(program, factory);
      film = made.get();
      return made;
    };
    program.emplace(driver.App(), options);
  }
  editor::TFelirat& editor() { return *program->Felirat; }

  ui::headless::Driver driver;
  std::optional<shell::Program> program;
  FilmPlayer* film = nullptr;
};

// A fake player that knows one film; it records the window it was asked to draw into.
PlayerFactory FakeFactory(std::int64_t* window_id, media::FakeMediaPlayer** made) {
  return [window_id, made](std::int64_t id, std::string&) -> std::unique_ptr<media::MediaPlayer> {
    *window_id = id;
    auto player = std::make_unique<media::FakeMediaPlayer>();
    player->AddFilm("/filmek/film.avi", {.duration_ms = 5000, .width = 320, .height = 240});
    *made = player.get();
    return player;
  };
}

TEST(FilmPlayer, MadeInsideTheEditorAndPolledByItsTimer) {
  FilmRig rig;
  std::int64_t window_id = -1;
  media::FakeMediaPlayer* fake = nullptr;
  rig.Start(FakeFactory(&window_id, &fake));
  editor::TFelirat& f = rig.editor();
  ASSERT_NE(fake, nullptr);
  EXPECT_EQ(rig.film->Player(), fake);
  EXPECT_EQ(window_id, 0);  // the headless backend has no native windows
  EXPECT_FALSE(f.wmp1.Visible());
  EXPECT_NE(f.film_parts, nullptr);
  EXPECT_TRUE(f.MenuFilm.Visible());
  EXPECT_TRUE(rig.driver.LogLines("message: ").empty());
  // Laid out for the 1280x1024 screen.
  EXPECT_EQ(f.Width(), 1038);

  int changes = 0;
  fake->OnPlayStateChange = [&](media::PlayState) { ++changes; };
  fake->SetURL("/filmek/film.avi");
  EXPECT_EQ(changes, 0);
  rig.driver.Advance(kPlayerPollMs);
  EXPECT_EQ(fake->GetOpenState(), media::OpenState::kOpen);
  EXPECT_EQ(fake->GetPlayState(), media::PlayState::kPlaying);
  EXPECT_GE(changes, 1);
}

TEST(FilmPlayer, FilmStateIsReadFromTheEditorsControls) {
  FilmRig rig;
  std::int64_t window_id = -1;
  media::FakeMediaPlayer* fake = nullptr;
  rig.Start(FakeFactory(&window_id, &fake));
  editor::TFelirat& f = rig.editor();
  EXPECT_FALSE(rig.film->FilmLoaded());
  EXPECT_FALSE(rig.film->OverlayInUse());
  EXPECT_FALSE(rig.film->FilmPlaying());
  f.Filminfo.SetEnabled(true);
  f.SBNonSub.Show();
  f.Timer2.SetEnabled(true);
  EXPECT_TRUE(rig.film->FilmLoaded());
  EXPECT_TRUE(rig.film->OverlayInUse());
  EXPECT_TRUE(rig.film->FilmPlaying());
}

TEST(FilmPlayer, BackToTheMainMenuUnloadsTheFilmAndClosingStopsItsTimer) {
  FilmRig rig;
  std::int64_t window_id = -1;
  media::FakeMediaPlayer* fake = nullptr;
  rig.Start(FakeFactory(&window_id, &fake));
  editor::TFelirat& f = rig.editor();
  f.cds.CreateDataSet();
  f.Show();
  fake->SetURL("/filmek/film.avi");
  rig.driver.Advance(kPlayerPollMs);
  f.Timer2.SetEnabled(true);
  ASSERT_TRUE(rig.driver.Click(f.Bvissza));
  EXPECT_TRUE(fake->URL().empty());
  EXPECT_FALSE(f.Timer2.Enabled());
  EXPECT_FALSE(f.Timer1.Enabled());
}

// No player: the message, and the window keeps the layout it was made with.
TEST(FilmPlayer, APlayerThatCannotBeMadeShowsTheMissingPlayerMessage) {
  FilmRig rig;
  rig.driver.OnModal("Kiszoveg", [&] { rig.driver.Click(rig.program->Kiszoveg->Bok); });
  rig.Start([](std::int64_t, std::string& error) -> std::unique_ptr<media::MediaPlayer> {
    error = "libmpv cannot be used";
    return nullptr;
  });
  EXPECT_EQ(rig.driver.Verify(), "");
  EXPECT_EQ(rig.driver.LogLines("message: "),
            std::vector<std::string>{"message: Hiány | A program hibával leáll! Valószínűleg "
                                     "nincs | fent a Windows Media Player 9-es verziója!"});
  EXPECT_EQ(rig.driver.LogLines("film: "), std::vector<std::string>{"film: libmpv cannot be used"});
  editor::TFelirat& f = rig.editor();
  EXPECT_EQ(rig.film->Player(), nullptr);
  EXPECT_EQ(f.film_parts, nullptr);
  EXPECT_EQ(f.Width(), 1020);  // not laid out for the 1280x1024 screen
  EXPECT_FALSE(rig.program->state.InternalUpdate);
  EXPECT_FALSE(rig.film->FilmLoaded());
}

// The libmpv player itself, drawing nowhere.
TEST(FilmPlayer, TheMpvPlayerCanBeMade) {
  media::MpvSettings settings;
  settings.video_output = "null";
  settings.audio_output = "null";
  FilmRig rig;
  rig.Start(MpvPlayerFactory(settings));
  ASSERT_NE(rig.film->Player(), nullptr) << rig.film->PlayerError();
  EXPECT_TRUE(rig.film->Player()->URL().empty());
  EXPECT_EQ(rig.film->Player()->Duration(), 0);
  EXPECT_TRUE(rig.driver.LogLines("message: ").empty());
}

}  // namespace
}  // namespace film
