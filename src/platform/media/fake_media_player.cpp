#include "platform/media/fake_media_player.h"

#include <algorithm>

namespace media {

void FakeMediaPlayer::AddFilm(const std::filesystem::path& path, FakeFilm film) {
  films_[path] = film;
}

void FakeMediaPlayer::SetOpeningPolls(int polls) {
  opening_polls_ = std::max(polls, 1);
}

void FakeMediaPlayer::Advance(int64_t ms) {
  if (CurrentState() == PlayState::kPlaying && ms > 0) {
    MoveTo(position_ + ms);
  }
}

void FakeMediaPlayer::SetURL(const std::filesystem::path& path) {
  film_ = {};
  position_ = 0;
  pending_position_.reset();
  paused_ = false;
  stopped_ = false;
  url_ = path;
  open_state_ = path.empty() ? OpenState::kClosed : OpenState::kOpening;
  polls_left_ = opening_polls_;
}

void FakeMediaPlayer::Play() {
  if (Busy()) {
    paused_ = false;
    stopped_ = false;
  }
}

void FakeMediaPlayer::Pause() {
  if (Busy()) {
    paused_ = true;
  }
}

void FakeMediaPlayer::Stop() {
  if (Busy()) {
    paused_ = true;
    stopped_ = true;
    SetCurrentPosition(0);
  }
}

int64_t FakeMediaPlayer::CurrentPosition() const {
  if (open_state_ == OpenState::kOpening) {
    return pending_position_.value_or(0);
  }
  return Loaded() ? position_ : 0;
}

void FakeMediaPlayer::SetCurrentPosition(int64_t ms) {
  ms = std::max<int64_t>(ms, 0);
  if (open_state_ == OpenState::kOpening) {
    pending_position_ = ms;
  } else if (Loaded()) {
    MoveTo(ms);
  }
}

int64_t FakeMediaPlayer::Duration() const {
  return Loaded() ? film_.duration_ms : 0;
}
int FakeMediaPlayer::ImageSourceWidth() const {
  return Loaded() ? film_.width : 0;
}
int FakeMediaPlayer::ImageSourceHeight() const {
  return Loaded() ? film_.height : 0;
}

void FakeMediaPlayer::Poll() {
  if (open_state_ == OpenState::kOpening && --polls_left_ <= 0) {
    const auto film = films_.find(url_);
    if (film == films_.end()) {
      url_.clear();
      open_state_ = OpenState::kFailed;
    } else {
      film_ = film->second;
      open_state_ = OpenState::kOpen;
      if (pending_position_) {
        MoveTo(*pending_position_);
        pending_position_.reset();
      }
    }
  }
  ReportPlayState(CurrentState());
  if (full_screen_request_) {
    const bool wanted = *full_screen_request_;
    full_screen_request_.reset();
    ReportFullScreenRequest(wanted);
  }
}

void FakeMediaPlayer::AskFullScreen(bool full_screen) {
  full_screen_request_ = full_screen;
}

void FakeMediaPlayer::WaitForEvents(std::chrono::milliseconds at_most) {
  clock_ += at_most;
  Poll();
}

PlayState FakeMediaPlayer::CurrentState() const {
  if (!Loaded()) {
    return PlayState::kUndefined;
  }
  if (stopped_) {
    return PlayState::kStopped;
  }
  return paused_ ? PlayState::kPaused : PlayState::kPlaying;
}

void FakeMediaPlayer::MoveTo(int64_t ms) {
  if (ms < film_.duration_ms) {
    position_ = ms;
    return;
  }
  // The film plays once: at its end it stops and goes back to the beginning.
  position_ = 0;
  paused_ = true;
  stopped_ = true;
}

}  // namespace media
