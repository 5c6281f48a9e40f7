// FakeMediaPlayer: a scripted MediaPlayer for tests. It plays no file: the test says which
// paths are films (with their length and picture size), how many polls an opening takes,
// and moves a playing film forward by hand. It keeps the same promises as the real player:
// events come only from Poll(), play/pause/seek asked while opening are applied once the
// film is open, stop keeps the film at position 0, and a film that plays to its end stops
// there and goes back to 0. Its clock (for Open()'s limit) moves only while Open() waits.
#pragma once

#include <map>
#include <optional>

#include "platform/media/media_player.h"

namespace media {

struct FakeFilm {
  int64_t duration_ms = 0;
  int width = 0;
  int height = 0;
};

class FakeMediaPlayer final : public MediaPlayer {
 public:
  // Makes `path` a film the fake can open; every other path fails to open.
  void AddFilm(const std::filesystem::path& path, FakeFilm film);
  // Number of Poll() calls an opening takes before it ends (at least 1; the default).
  void SetOpeningPolls(int polls);
  // Moves a playing film forward by `ms`; at its end it stops and returns to 0.
  void Advance(int64_t ms);
  // The user asks for the full screen (or back) with the player's own means: reported on the
  // next Poll().
  void AskFullScreen(bool full_screen);
  // The native window the picture was last moved into (0: none yet).
  std::int64_t VideoWindow() const { return video_window_; }

  std::filesystem::path URL() const override { return url_; }
  void SetURL(const std::filesystem::path& path) override;
  OpenState GetOpenState() const override { return open_state_; }

  void Play() override;
  void Pause() override;
  void Stop() override;

  int64_t CurrentPosition() const override;
  void SetCurrentPosition(int64_t ms) override;
  int64_t Duration() const override;
  int ImageSourceWidth() const override;
  int ImageSourceHeight() const override;

  bool FullScreen() const override { return full_screen_; }
  void SetFullScreen(bool full_screen) override { full_screen_ = full_screen; }
  void SetVideoWindow(std::int64_t window_id) override { video_window_ = window_id; }

  void Poll() override;

 protected:
  void WaitForEvents(std::chrono::milliseconds at_most) override;
  std::chrono::steady_clock::time_point Now() const override { return clock_; }

 private:
  bool Loaded() const { return open_state_ == OpenState::kOpen; }
  bool Busy() const { return Loaded() || open_state_ == OpenState::kOpening; }
  PlayState CurrentState() const;
  void MoveTo(int64_t ms);

  std::map<std::filesystem::path, FakeFilm> films_;
  int opening_polls_ = 1;
  int polls_left_ = 0;

  std::filesystem::path url_;
  OpenState open_state_ = OpenState::kClosed;
  FakeFilm film_;
  int64_t position_ = 0;
  std::optional<int64_t> pending_position_;
  bool paused_ = false;
  bool stopped_ = false;
  bool full_screen_ = false;
  std::optional<bool> full_screen_request_;
  std::int64_t video_window_ = 0;
  std::chrono::steady_clock::time_point clock_{};
};

}  // namespace media
