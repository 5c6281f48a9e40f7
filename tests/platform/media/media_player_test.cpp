// The promises of MediaPlayer, checked against both implementations: the libmpv backend on a
// 5-second test film made with ffmpeg (skipped when ffmpeg is missing), and the scripted fake
// that the window tests stand on, given the same film.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "platform/media/fake_media_player.h"
#include "platform/media/media_player.h"
#include "platform/media/mpv_media_player.h"

namespace media {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

constexpr milliseconds kOpenLimit{20'000};
constexpr int64_t kFilmMs = 5000;
constexpr int64_t kFrameMs = 40;  // the test film has 25 frames a second

enum class Backend { kMpv, kFake };

void PrintTo(Backend backend, std::ostream* os) {
  *os << (backend == Backend::kMpv ? "libmpv" : "fake");
}

// The test films, made once for the whole program.
class Films {
 public:
  static Films& Get() {
    static Films films;
    return films;
  }
  ~Films() {
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
  }
  const fs::path& Film() const { return film_; }
  const fs::path& NotAFilm() const { return not_a_film_; }
  bool HaveFilm() const { return have_film_; }

 private:
  Films() : dir_(fs::temp_directory_path() / ("vemko_media_test_" + std::to_string(getpid()))) {
    fs::create_directories(dir_);
    film_ = dir_ / "film.avi";
    not_a_film_ = dir_ / "notes.avi";
    std::ofstream(not_a_film_) << "Ez nem film.\n";
    const std::string command =
        "ffmpeg -hide_banner -loglevel error -y"
        " -f lavfi -i testsrc=duration=5:size=320x240:rate=25"
        " -f lavfi -i sine=duration=5"
        " -c:v mpeg4 -q:v 5 -c:a pcm_s16le -shortest '" +
        film_.string() + "' > /dev/null 2>&1";
    have_film_ = std::system(command.c_str()) == 0 && fs::exists(film_);
  }

  fs::path dir_;
  fs::path film_;
  fs::path not_a_film_;
  bool have_film_ = false;
};

class MediaPlayerTest : public testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    if (GetParam() == Backend::kFake) {
      auto fake = std::make_unique<FakeMediaPlayer>();
      fake->AddFilm(film_, {.duration_ms = kFilmMs, .width = 320, .height = 240});
      fake_ = fake.get();
      player_ = std::move(fake);
    } else {
      if (!Films::Get().HaveFilm()) {
        GTEST_SKIP() << "ffmpeg cannot make the test film";
      }
      MpvSettings settings;
      settings.video_output = "null";
      settings.audio_output = "null";
      settings.own_controls = false;
      std::string error;
      player_ = MpvMediaPlayer::Create(settings, error);
      ASSERT_NE(player_, nullptr) << error;
    }
    player_->OnPlayStateChange = [this](PlayState state) { events_.push_back(state); };
  }

  // Polls until `done` holds (a real film needs real time; the fake needs polls only).
  template <typename Done>
  bool PollUntil(Done done) {
    for (int round = 0; round < 4000; ++round) {
      player_->Poll();
      if (done()) {
        return true;
      }
      std::this_thread::sleep_for(milliseconds(5));
    }
    return false;
  }

  // Lets a playing film run for about `ms`.
  void Elapse(int64_t ms) {
    if (fake_ != nullptr) {
      fake_->Advance(ms);
      player_->Poll();
      return;
    }
    const auto until = std::chrono::steady_clock::now() + milliseconds(ms);
    PollUntil([&] { return std::chrono::steady_clock::now() >= until; });
  }

  // Gives a seek time to be carried out.
  void Settle() { Elapse(fake_ != nullptr ? 0 : 300); }

  bool ReachState(PlayState state) {
    return PollUntil([&] { return player_->GetPlayState() == state; });
  }

  void OpenFilm() {
    ASSERT_EQ(player_->Open(film_, {}, kOpenLimit), OpenResult::kOpened);
    ASSERT_TRUE(ReachState(PlayState::kPlaying));
  }

  void ExpectNoFilm() {
    EXPECT_EQ(player_->URL(), fs::path());
    EXPECT_EQ(player_->CurrentPosition(), 0);
    EXPECT_EQ(player_->Duration(), 0);
    EXPECT_EQ(player_->DurationString(), "00:00");
    EXPECT_EQ(player_->ImageSourceWidth(), 0);
    EXPECT_EQ(player_->ImageSourceHeight(), 0);
  }

  const fs::path film_ = Films::Get().Film();
  std::unique_ptr<MediaPlayer> player_;
  FakeMediaPlayer* fake_ = nullptr;
  std::vector<PlayState> events_;
};

TEST_P(MediaPlayerTest, AnswersEveryQueryWithoutAFilm) {
  ExpectNoFilm();
  EXPECT_EQ(player_->GetOpenState(), OpenState::kClosed);
  player_->Play();
  player_->Pause();
  player_->Stop();
  player_->SetCurrentPosition(2500);
  player_->SetURL({});
  player_->Poll();
  ExpectNoFilm();
  EXPECT_TRUE(events_.empty());
}

TEST_P(MediaPlayerTest, OpensTheFilmWhileKeepingTheWindowsAliveAndPlaysIt) {
  int message_rounds = 0;
  ASSERT_EQ(player_->Open(
                film_, [&] { ++message_rounds; }, kOpenLimit),
            OpenResult::kOpened);
  EXPECT_GT(message_rounds, 0);
  EXPECT_EQ(player_->GetOpenState(), OpenState::kOpen);
  EXPECT_EQ(player_->URL(), film_);
  EXPECT_NEAR(player_->Duration(), kFilmMs, 100);
  EXPECT_EQ(player_->DurationString(), "00:05");
  EXPECT_EQ(player_->ImageSourceWidth(), 320);
  EXPECT_EQ(player_->ImageSourceHeight(), 240);
  EXPECT_TRUE(ReachState(PlayState::kPlaying));
}

TEST_P(MediaPlayerTest, ReportsPlayPauseAndStopThroughTheEvent) {
  OpenFilm();
  player_->Pause();
  ASSERT_TRUE(ReachState(PlayState::kPaused));
  player_->Stop();
  ASSERT_TRUE(ReachState(PlayState::kStopped));
  player_->Play();
  ASSERT_TRUE(ReachState(PlayState::kPlaying));
  EXPECT_EQ(events_, (std::vector<PlayState>{PlayState::kPlaying, PlayState::kPaused,
                                             PlayState::kStopped, PlayState::kPlaying}));
}

TEST_P(MediaPlayerTest, SeeksWhilePausedToTheFrameOfThePosition) {
  OpenFilm();
  player_->Pause();
  ASSERT_TRUE(ReachState(PlayState::kPaused));
  player_->SetCurrentPosition(2500);
  EXPECT_EQ(player_->CurrentPosition(), 2500);
  Settle();
  EXPECT_GE(player_->CurrentPosition(), 2500);
  EXPECT_LT(player_->CurrentPosition(), 2500 + kFrameMs);
  EXPECT_EQ(player_->GetPlayState(), PlayState::kPaused);
}

TEST_P(MediaPlayerTest, ClampsANegativePositionToTheBeginning) {
  OpenFilm();
  player_->Pause();
  ASSERT_TRUE(ReachState(PlayState::kPaused));
  player_->SetCurrentPosition(2000);
  Settle();
  player_->SetCurrentPosition(-1500);  // not 1,5 s before the end
  Settle();
  EXPECT_EQ(player_->CurrentPosition(), 0);
}

TEST_P(MediaPlayerTest, StopKeepsTheFilmAtTheBeginning) {
  OpenFilm();
  Elapse(300);
  player_->SetCurrentPosition(1500);
  Settle();
  player_->Stop();
  ASSERT_TRUE(ReachState(PlayState::kStopped));
  Settle();
  EXPECT_EQ(player_->URL(), film_);
  EXPECT_EQ(player_->GetOpenState(), OpenState::kOpen);
  EXPECT_EQ(player_->CurrentPosition(), 0);
  EXPECT_NEAR(player_->Duration(), kFilmMs, 100);
  EXPECT_EQ(player_->ImageSourceWidth(), 320);
}

TEST_P(MediaPlayerTest, AFilmPlayedToItsEndStopsAtTheBeginningAndStaysLoaded) {
  OpenFilm();
  player_->SetCurrentPosition(4700);
  Elapse(400);
  ASSERT_TRUE(ReachState(PlayState::kStopped));
  Settle();
  EXPECT_EQ(player_->URL(), film_);
  EXPECT_EQ(player_->CurrentPosition(), 0);
  player_->Play();
  EXPECT_TRUE(ReachState(PlayState::kPlaying));
}

TEST_P(MediaPlayerTest, AppliesASeekAndAPauseAskedWhileTheFilmOpens) {
  player_->SetURL(film_);
  EXPECT_EQ(player_->GetOpenState(), OpenState::kOpening);
  player_->SetCurrentPosition(2500);
  player_->Pause();
  EXPECT_EQ(player_->CurrentPosition(), 2500);
  ASSERT_TRUE(PollUntil([&] { return player_->GetOpenState() == OpenState::kOpen; }));
  Settle();
  EXPECT_EQ(player_->GetPlayState(), PlayState::kPaused);
  EXPECT_GE(player_->CurrentPosition(), 2500);
  EXPECT_LT(player_->CurrentPosition(), 2500 + kFrameMs);
  EXPECT_EQ(events_, std::vector<PlayState>{PlayState::kPaused});
}

TEST_P(MediaPlayerTest, UnloadsTheFilmForTheEmptyPath) {
  OpenFilm();
  player_->SetURL({});
  player_->Poll();
  EXPECT_EQ(player_->GetOpenState(), OpenState::kClosed);
  ExpectNoFilm();
  EXPECT_EQ(player_->GetPlayState(), PlayState::kUndefined);
}

TEST_P(MediaPlayerTest, OpensAFilmOverTheLoadedOne) {
  OpenFilm();
  player_->SetCurrentPosition(3000);
  ASSERT_EQ(player_->Open(film_, {}, kOpenLimit), OpenResult::kOpened);
  Settle();
  EXPECT_EQ(player_->GetOpenState(), OpenState::kOpen);
  EXPECT_LT(player_->CurrentPosition(), 3000);
  EXPECT_NEAR(player_->Duration(), kFilmMs, 100);
}

TEST_P(MediaPlayerTest, RefusesWhatIsNoFilmAndAnswersAsWithoutOne) {
  const std::vector<fs::path> refused = {Films::Get().NotAFilm(),
                                         film_.parent_path() / "nincs.avi"};
  for (const fs::path& path : refused) {
    EXPECT_EQ(player_->Open(path, {}, kOpenLimit), OpenResult::kFailed) << path;
    EXPECT_EQ(player_->GetOpenState(), OpenState::kFailed) << path;
    ExpectNoFilm();
  }
  OpenFilm();  // the player is still usable
}

INSTANTIATE_TEST_SUITE_P(Backends, MediaPlayerTest, testing::Values(Backend::kMpv, Backend::kFake),
                         [](const testing::TestParamInfo<Backend>& info) {
                           return info.param == Backend::kMpv ? "Mpv" : "Fake";
                         });

// Every setting the program embeds the player with is one libmpv takes (a wrong one would
// leave the program without its player).
TEST(MpvMediaPlayerCreate, TakesTheEmbeddingSettings) {
  MpvSettings settings;
  settings.window_id = 12345;  // unused by the null output
  settings.video_output = "null";
  settings.audio_output = "null";
  settings.software_rendering = true;
  settings.own_controls = true;
  settings.wakeup = [] {};
  std::string error;
  const auto player = MpvMediaPlayer::Create(settings, error);
  ASSERT_NE(player, nullptr) << error;
  EXPECT_EQ(player->GetOpenState(), OpenState::kClosed);
}

// The limit of Open() on a film that never finishes opening (only the fake can be made to
// hang; its clock moves only while Open() waits, so this takes no real time).
TEST(FakeMediaPlayerOpen, GivesUpAtTheLimitAndUnloads) {
  FakeMediaPlayer player;
  player.AddFilm("/films/lassu.avi", {.duration_ms = 1000, .width = 8, .height = 8});
  player.SetOpeningPolls(1'000'000);
  int message_rounds = 0;
  EXPECT_EQ(player.Open(
                "/films/lassu.avi", [&] { ++message_rounds; }, milliseconds(2000)),
            OpenResult::kTimedOut);
  EXPECT_GT(message_rounds, 0);
  EXPECT_EQ(player.URL(), fs::path());
  EXPECT_EQ(player.GetOpenState(), OpenState::kClosed);
  EXPECT_EQ(player.Open({}, {}, milliseconds(2000)), OpenResult::kFailed);
}

}  // namespace
}  // namespace media
