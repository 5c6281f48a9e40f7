// MpvMediaPlayer: the MediaPlayer on libmpv, drawing into a native window of the host.
//
//   media::MpvSettings settings;
//   settings.window_id = host_wid;
//   std::string error;
//   auto player = media::MpvMediaPlayer::Create(settings, error);
//   if (!player) ...  // the player cannot be used: show `error`'s consequence to the user
//
// libmpv runs threads of its own, but nothing of ours runs on them: events are taken in
// Poll(), on the caller's thread. Call Poll() from a GUI timer, or give `wakeup`, which
// libmpv calls from one of its threads when events wait; it must do nothing but ask the GUI
// thread to call Poll() (post an event).
//
// Creating a player sets the C library's LC_NUMERIC to "C", which libmpv requires; the
// program uses no locale-dependent functions.
#pragma once

#include <memory>
#include <optional>

#include "platform/media/media_player.h"

struct mpv_handle;
struct mpv_event;

namespace media {

struct MpvSettings {
  // The native window (X11 window id) the picture is drawn into; none: libmpv opens a
  // window of its own when a film plays.
  std::optional<int64_t> window_id;
  // libmpv's video and audio outputs ("null" for tests); an empty audio output lets
  // libmpv choose.
  std::string video_output = "gpu";
  std::string audio_output;
  // Software rendering for the "gpu" output (works without a graphics card, e.g. Xvfb).
  bool software_rendering = false;
  // The on-screen playback controls over the picture (play, pause, seek with the mouse).
  bool own_controls = true;
  // See the file comment; may be empty.
  std::function<void()> wakeup;
};

class MpvMediaPlayer final : public MediaPlayer {
 public:
  // The player, or nullptr with `error` set when libmpv cannot be set up.
  static std::unique_ptr<MpvMediaPlayer> Create(const MpvSettings& settings, std::string& error);
  ~MpvMediaPlayer() override;

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
  void SetFullScreen(bool full_screen) override;
  void SetVideoWindow(std::int64_t window_id) override;

  void Poll() override;

 protected:
  void WaitForEvents(std::chrono::milliseconds at_most) override;
  // libmpv's own on-screen text layer ("osd-overlay"), over the picture.
  void DrawOverlayText(const std::vector<OverlayLine>& lines, Canvas canvas) override;

 private:
  MpvMediaPlayer(mpv_handle* mpv, std::function<void()> wakeup);
  static void Wakeup(void* self);

  bool Loaded() const { return open_state_ == OpenState::kOpen && alive_; }
  bool Busy() const { return Loaded() || (open_state_ == OpenState::kOpening && alive_); }
  void Handle(const mpv_event& event);
  void SetPaused(bool paused);
  bool Paused() const;
  void Seek(int64_t ms);
  int64_t SecondsProperty(const char* name) const;
  int IntProperty(const char* name) const;
  void Forget();
  PlayState CurrentState();

  mpv_handle* mpv_;
  const std::function<void()> wakeup_;
  bool alive_ = true;  // false once libmpv's core has shut down

  std::filesystem::path url_;
  OpenState open_state_ = OpenState::kClosed;
  int64_t entry_id_ = -1;  // libmpv's id of the film being opened or shown
  bool entry_started_ = false;
  std::optional<int64_t> pending_position_;  // asked for while the film was opening
  std::optional<int64_t> seek_target_;       // a seek under way
  bool stopped_ = false;
  bool full_screen_ = false;
  std::optional<bool> full_screen_request_;  // reported on the next Poll()
  std::int64_t window_id_ = 0;               // where the picture is drawn
};

}  // namespace media
