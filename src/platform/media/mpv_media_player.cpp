#include "platform/media/mpv_media_player.h"

#include <mpv/client.h>

#include <algorithm>
#include <clocale>
#include <utility>
#include <vector>

#include "platform/text/text.h"

namespace media {
namespace {

// The id of our one text layer among libmpv's overlays.
constexpr const char* kOverlayId = "1";

// The settings the player starts with: no film, volume 50 of 100, not muted, plays a film
// once, keeps it loaded at its end (we turn the end into a stop), seeks exactly, reads no
// configuration of the user's own player and prints nothing.
std::vector<std::pair<std::string, std::string>> Options(const MpvSettings& settings) {
  std::vector<std::pair<std::string, std::string>> options = {
      {"config", "no"},
      {"terminal", "no"},
      {"load-scripts", "no"},
      {"ytdl", "no"},
      {"idle", "yes"},
      {"keep-open", "yes"},
      {"loop-file", "no"},
      {"hr-seek", "yes"},
      {"volume", "50"},
      {"mute", "no"},
      {"keepaspect", "yes"},
      {"input-vo-keyboard", "no"},  // the keys belong to the program's windows
      {"vo", settings.video_output},
      {"osc", settings.own_controls ? "yes" : "no"},
      {"input-default-bindings", settings.own_controls ? "yes" : "no"},
  };
  if (!settings.audio_output.empty()) {
    options.emplace_back("ao", settings.audio_output);
  }
  if (settings.software_rendering) {
    options.emplace_back("gpu-sw", "yes");
  }
  return options;
}

std::string MpvError(std::string_view what, int code) {
  return std::string(what) + ": " + mpv_error_string(code);
}

}  // namespace

std::unique_ptr<MpvMediaPlayer> MpvMediaPlayer::Create(const MpvSettings& settings,
                                                       std::string& error) {
  std::setlocale(LC_NUMERIC, "C");
  mpv_handle* mpv = mpv_create();
  if (mpv == nullptr) {
    error = "libmpv: the player cannot be created";
    return nullptr;
  }
  // From here the player owns the handle, also on the failures below.
  std::unique_ptr<MpvMediaPlayer> player(new MpvMediaPlayer(mpv, settings.wakeup));
  for (const auto& [name, value] : Options(settings)) {
    if (const int code = mpv_set_option_string(mpv, name.c_str(), value.c_str()); code < 0) {
      error = MpvError("libmpv option " + name + "=" + value, code);
      return nullptr;
    }
  }
  if (settings.window_id) {
    int64_t wid = *settings.window_id;
    if (const int code = mpv_set_option(mpv, "wid", MPV_FORMAT_INT64, &wid); code < 0) {
      error = MpvError("libmpv option wid", code);
      return nullptr;
    }
  }
  if (const int code = mpv_initialize(mpv); code < 0) {
    error = MpvError("libmpv", code);
    return nullptr;
  }
  mpv_observe_property(mpv, 0, "eof-reached", MPV_FORMAT_FLAG);
  mpv_observe_property(mpv, 0, "pause", MPV_FORMAT_FLAG);
  mpv_observe_property(mpv, 0, "fullscreen", MPV_FORMAT_FLAG);
  player->window_id_ = settings.window_id.value_or(0);
  if (player->wakeup_) {
    mpv_set_wakeup_callback(mpv, &MpvMediaPlayer::Wakeup, player.get());
  }
  return player;
}

MpvMediaPlayer::MpvMediaPlayer(mpv_handle* mpv, std::function<void()> wakeup)
    : mpv_(mpv), wakeup_(std::move(wakeup)) {}

MpvMediaPlayer::~MpvMediaPlayer() {
  mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
  mpv_terminate_destroy(mpv_);
}

void MpvMediaPlayer::Wakeup(void* self) {
  static_cast<MpvMediaPlayer*>(self)->wakeup_();
}

void MpvMediaPlayer::SetURL(const std::filesystem::path& path) {
  const bool was_busy = Busy();
  Forget();
  if (!alive_) {
    return;
  }
  if (path.empty()) {
    if (was_busy) {
      const char* stop[] = {"stop", nullptr};
      mpv_command(mpv_, stop);
    }
    return;
  }
  SetPaused(false);  // a film starts playing by itself once it is open
  // An absolute path, so that no file name reads as one of libmpv's protocols ("av://").
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  const std::string file = (absolute.empty() ? path : absolute).string();
  const char* load[] = {"loadfile", file.c_str(), "replace", nullptr};
  mpv_node result;
  if (mpv_command_ret(mpv_, load, &result) < 0) {
    open_state_ = OpenState::kFailed;
    return;
  }
  if (result.format == MPV_FORMAT_NODE_MAP) {
    const mpv_node_list& map = *result.u.list;
    for (int i = 0; i < map.num; ++i) {
      if (std::string_view(map.keys[i]) == "playlist_entry_id" &&
          map.values[i].format == MPV_FORMAT_INT64) {
        entry_id_ = map.values[i].u.int64;
      }
    }
  }
  mpv_free_node_contents(&result);
  url_ = path;
  open_state_ = OpenState::kOpening;
}

void MpvMediaPlayer::Play() {
  if (Busy()) {
    stopped_ = false;
    SetPaused(false);
  }
}

void MpvMediaPlayer::Pause() {
  if (Busy()) {
    SetPaused(true);
  }
}

void MpvMediaPlayer::Stop() {
  // libmpv's own stop unloads the film; ours keeps it, paused at the beginning.
  if (Busy()) {
    stopped_ = true;
    SetPaused(true);
    SetCurrentPosition(0);
  }
}

int64_t MpvMediaPlayer::CurrentPosition() const {
  if (Busy() && !Loaded()) {
    return pending_position_.value_or(0);
  }
  if (!Loaded()) {
    return 0;
  }
  return seek_target_ ? *seek_target_ : std::max<int64_t>(SecondsProperty("time-pos"), 0);
}

void MpvMediaPlayer::SetCurrentPosition(int64_t ms) {
  // libmpv reads a negative absolute seek as counted from the end.
  ms = std::max<int64_t>(ms, 0);
  if (Loaded()) {
    Seek(ms);
  } else if (Busy()) {
    pending_position_ = ms;
  }
}

int64_t MpvMediaPlayer::Duration() const {
  return Loaded() ? std::max<int64_t>(SecondsProperty("duration"), 0) : 0;
}

int MpvMediaPlayer::ImageSourceWidth() const {
  return Loaded() ? IntProperty("width") : 0;
}
int MpvMediaPlayer::ImageSourceHeight() const {
  return Loaded() ? IntProperty("height") : 0;
}

void MpvMediaPlayer::SetFullScreen(bool full_screen) {
  full_screen_ = full_screen;
  // libmpv's own flag follows, so that the next double click or the full-screen button of
  // its controls asks for the other state; its change is not a request of the user's.
  if (alive_) {
    int flag = full_screen ? 1 : 0;
    mpv_set_property(mpv_, "fullscreen", MPV_FORMAT_FLAG, &flag);
  }
}

void MpvMediaPlayer::SetVideoWindow(std::int64_t window_id) {
  if (!alive_ || window_id == 0 || window_id == window_id_)
    return;
  window_id_ = window_id;
  mpv_set_property(mpv_, "wid", MPV_FORMAT_INT64, &window_id);
  // libmpv reads the window when it sets up its video output: the video track is taken off
  // and put back, which sets it up again in the new window (at the same position).
  char* track = mpv_get_property_string(mpv_, "vid");
  if (track == nullptr)
    return;
  const std::string vid = track;
  mpv_free(track);
  if (vid == "no")
    return;
  mpv_set_property_string(mpv_, "vid", "no");
  mpv_set_property_string(mpv_, "vid", vid.c_str());
}

void MpvMediaPlayer::DrawOverlayText(const std::vector<OverlayLine>& lines, Canvas canvas) {
  if (!alive_)
    return;
  if (lines.empty()) {
    const char* remove[] = {"osd-overlay", kOverlayId, "none", "", nullptr};
    mpv_command(mpv_, remove);
    return;
  }
  const std::string data = OverlayEvents(lines);
  const std::string res_x = std::to_string(std::max(canvas.width, 1));
  const std::string res_y = std::to_string(std::max(canvas.height, 1));
  // Above the player's own controls (z 0).
  const char* add[] = {"osd-overlay", kOverlayId,    "ass-events", data.c_str(),
                       res_x.c_str(), res_y.c_str(), "1",          nullptr};
  mpv_command(mpv_, add);
}

void MpvMediaPlayer::Poll() {
  while (alive_) {
    const mpv_event* event = mpv_wait_event(mpv_, 0);
    if (event->event_id == MPV_EVENT_NONE) {
      break;
    }
    Handle(*event);
  }
  ReportPlayState(CurrentState());
  if (full_screen_request_) {
    const bool wanted = *full_screen_request_;
    full_screen_request_.reset();
    ReportFullScreenRequest(wanted);
  }
}

void MpvMediaPlayer::WaitForEvents(std::chrono::milliseconds at_most) {
  if (alive_) {
    const mpv_event* event = mpv_wait_event(mpv_, static_cast<double>(at_most.count()) / 1000);
    if (event->event_id != MPV_EVENT_NONE) {
      Handle(*event);
    }
  }
  Poll();
}

void MpvMediaPlayer::Handle(const mpv_event& event) {
  switch (event.event_id) {
    case MPV_EVENT_START_FILE: {
      const auto& start = *static_cast<const mpv_event_start_file*>(event.data);
      if (open_state_ == OpenState::kOpening &&
          (entry_id_ < 0 || start.playlist_entry_id == entry_id_)) {
        entry_id_ = start.playlist_entry_id;
        entry_started_ = true;
      }
      break;
    }
    case MPV_EVENT_FILE_LOADED:
      if (open_state_ == OpenState::kOpening && entry_started_) {
        open_state_ = OpenState::kOpen;
        if (pending_position_) {
          Seek(*pending_position_);
          pending_position_.reset();
        }
      }
      break;
    case MPV_EVENT_END_FILE: {
      const auto& end = *static_cast<const mpv_event_end_file*>(event.data);
      const bool ours = entry_id_ >= 0 ? end.playlist_entry_id == entry_id_ : entry_started_;
      if (Busy() && ours) {
        // The film was lost (unreadable, or taken away by libmpv itself).
        const bool was_open = Loaded();
        Forget();
        open_state_ = was_open ? OpenState::kClosed : OpenState::kFailed;
      }
      break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
      seek_target_.reset();
      break;
    case MPV_EVENT_PROPERTY_CHANGE: {
      const auto& change = *static_cast<const mpv_event_property*>(event.data);
      if (std::string_view(change.name) == "fullscreen" && change.format == MPV_FORMAT_FLAG) {
        // The user toggled libmpv's flag (it only follows ours otherwise).
        const bool wanted = *static_cast<int*>(change.data) != 0;
        if (wanted != full_screen_)
          full_screen_request_ = wanted;
        else
          full_screen_request_.reset();
        break;
      }
      const bool at_end = std::string_view(change.name) == "eof-reached" &&
                          change.format == MPV_FORMAT_FLAG && *static_cast<int*>(change.data);
      // A film plays once: at its end it stops and goes back to the beginning.
      if (at_end && Loaded() && !stopped_) {
        Stop();
      }
      break;
    }
    case MPV_EVENT_SHUTDOWN:
      Forget();
      alive_ = false;
      break;
    default:
      break;
  }
}

void MpvMediaPlayer::SetPaused(bool paused) {
  int flag = paused ? 1 : 0;
  mpv_set_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
}

bool MpvMediaPlayer::Paused() const {
  int flag = 1;
  mpv_get_property(mpv_, "pause", MPV_FORMAT_FLAG, &flag);
  return flag != 0;
}

void MpvMediaPlayer::Seek(int64_t ms) {
  const std::string seconds = SecondsText(ms);
  const char* seek[] = {"seek", seconds.c_str(), "absolute+exact", nullptr};
  if (mpv_command(mpv_, seek) >= 0) {
    seek_target_ = ms;
  }
}

int64_t MpvMediaPlayer::SecondsProperty(const char* name) const {
  char* text = mpv_get_property_string(mpv_, name);
  if (text == nullptr) {
    return 0;
  }
  const std::optional<int64_t> ms = ParseSecondsText(text);
  mpv_free(text);
  return ms.value_or(0);
}

int MpvMediaPlayer::IntProperty(const char* name) const {
  int64_t value = 0;
  if (mpv_get_property(mpv_, name, MPV_FORMAT_INT64, &value) < 0 || value < 0 ||
      value > 1'000'000) {
    return 0;
  }
  return static_cast<int>(value);
}

void MpvMediaPlayer::Forget() {
  url_.clear();
  open_state_ = OpenState::kClosed;
  entry_id_ = -1;
  entry_started_ = false;
  pending_position_.reset();
  seek_target_.reset();
  stopped_ = false;
}

PlayState MpvMediaPlayer::CurrentState() {
  if (!Loaded()) {
    return PlayState::kUndefined;
  }
  if (!Paused()) {
    stopped_ = false;  // also when the user played with the on-screen controls
    return PlayState::kPlaying;
  }
  return stopped_ ? PlayState::kStopped : PlayState::kPaused;
}

}  // namespace media
