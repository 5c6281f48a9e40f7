// MediaPlayer: the film-player control that the editor embeds.
//
// A film is opened by writing its path into `URL`; opening takes a while, and the player
// reports the change of its playing state through OnPlayStateChange. Times are whole
// milliseconds. Every query is safe without a film: no film has length 0, position 0 and a
// picture of 0 x 0.
//
// The player never calls back on its own: the caller drives it by calling Poll() from the
// GUI thread (a timer, or a wake-up the backend asks for), and the state-change event is
// delivered from there.
//
// Two implementations: MpvMediaPlayer (platform/media/mpv_media_player.h, libmpv, in the
// library vemko_platform_media_mpv) and FakeMediaPlayer (platform/media/fake_media_player.h,
// scripted, for tests).
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace media {

// The playing state as the program's handlers read it: 1 stopped, 2 paused, 3 playing.
// kUndefined (0) stands for "no film"; the handlers ignore it.
enum class PlayState : int { kUndefined = 0, kStopped = 1, kPaused = 2, kPlaying = 3 };

// Where the opening of the film named by `URL` stands.
enum class OpenState {
  kClosed,   // no film: `URL` is empty
  kOpening,  // `URL` was written; the player is still reading the file
  kOpen,     // the film is loaded
  kFailed,   // the last film could not be opened; `URL` is empty again
};

enum class OpenResult { kOpened, kFailed, kTimedOut };

class MediaPlayer {
 public:
  MediaPlayer() = default;
  virtual ~MediaPlayer() = default;
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // ---- The film ----------------------------------------------------------------------------

  // The film's path; empty when no film is loaded or being opened.
  virtual std::filesystem::path URL() const = 0;
  // A path starts opening that file (the one loaded before is unloaded first); the film
  // starts playing by itself once it is open. The empty path unloads the film. Returns at
  // once: see Open() for waiting.
  virtual void SetURL(const std::filesystem::path& path) = 0;
  virtual OpenState GetOpenState() const = 0;

  // Writes `URL` and waits until the film is open or has failed, calling `process_messages`
  // on every round so that the windows stay alive. When `limit` passes first, the film is
  // unloaded and kTimedOut is given. An empty path gives kFailed.
  OpenResult Open(const std::filesystem::path& path, const std::function<void()>& process_messages,
                  std::chrono::milliseconds limit);

  // ---- Playback -------------------------------------------------------------------------------

  // Play, pause and stop may be asked while the film is still opening: they are applied once
  // it is open. Stop keeps the film loaded and puts it back to position 0.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;

  // The playing position, 0 without a film. While a seek is under way it is the position
  // asked for.
  virtual int64_t CurrentPosition() const = 0;
  // Moves playback to `ms`; a negative position counts as 0. A position asked before the
  // film is open is applied once it is. Ignored without a film.
  virtual void SetCurrentPosition(int64_t ms) = 0;

  // The film's length, 0 until it is known.
  virtual int64_t Duration() const = 0;
  // The length as DurationText writes it.
  std::string DurationString() const;

  // Picture size in pixels, 0 without a film.
  virtual int ImageSourceWidth() const = 0;
  virtual int ImageSourceHeight() const = 0;

  // True while the picture fills the whole screen. The host that shows the player says so
  // (SetFullScreen) when it has put the picture on the full screen or taken it back.
  virtual bool FullScreen() const = 0;
  virtual void SetFullScreen(bool full_screen) = 0;
  // Moves the picture into another native window of the host (an X11 window id): the
  // full-screen window and back. Ignored by a player without a picture of its own.
  virtual void SetVideoWindow(std::int64_t window_id) { (void)window_id; }

  // ---- Text over the picture -----------------------------------------------------------------

  // A line of Windows-1250 text drawn over the picture, as it stands (a tag is text), with
  // the top-left corner of its text at `left`, `top` of the canvas.
  struct OverlayLine {
    std::string text;
    int left = 0;
    int top = 0;
    int font_size = 0;  // pixel height
    std::string font_name;
    bool italic = false;
    std::uint32_t color = 0;  // BGR (0x00BBGGRR)
    bool operator==(const OverlayLine&) const = default;
  };
  // The canvas the lines are placed on, stretched over the whole area of the player's window
  // (the whole screen while full screen): give it that area's size and a pixel is a pixel.
  struct Canvas {
    int width = 0;
    int height = 0;
    bool operator==(const Canvas&) const = default;
  };
  // Draws `lines` over the picture; an empty list takes the text away. The text layer belongs
  // to the player's own picture, so it stands over the video in a window and on the full
  // screen alike, and above the player's own controls.
  void SetOverlayText(std::vector<OverlayLine> lines, Canvas canvas);
  const std::vector<OverlayLine>& OverlayText() const { return overlay_; }
  Canvas OverlayCanvas() const { return canvas_; }

  // ---- Events ---------------------------------------------------------------------------------

  // Handles what the player has reported since the last call and fires OnPlayStateChange for
  // a change of the playing state. Never blocks.
  virtual void Poll() = 0;

  // The playing state last reported through OnPlayStateChange.
  PlayState GetPlayState() const { return reported_; }

  std::function<void(PlayState)> OnPlayStateChange;
  // The user asked with the player's own means (a double click on the picture, the full-screen
  // button of its controls) to have the picture on the full screen (true) or back (false).
  // The player itself does nothing about it: the host moves the picture and says so through
  // SetFullScreen.
  std::function<void(bool)> OnFullScreenRequest;

 protected:
  // Waits at most `at_most` for something to report and handles it as Poll() does.
  virtual void WaitForEvents(std::chrono::milliseconds at_most) = 0;
  // The clock Open() measures its limit with.
  virtual std::chrono::steady_clock::time_point Now() const;

  // Fires OnPlayStateChange when `state` differs from the state last reported.
  void ReportPlayState(PlayState state);
  // Fires OnFullScreenRequest.
  void ReportFullScreenRequest(bool full_screen);
  // Draws the overlay text (see SetOverlayText); the fake draws nothing.
  virtual void DrawOverlayText(const std::vector<OverlayLine>& lines, Canvas canvas) {
    (void)lines;
    (void)canvas;
  }

 private:
  PlayState reported_ = PlayState::kUndefined;
  std::vector<OverlayLine> overlay_;
  Canvas canvas_;
};

// The overlay lines as libass events, one line of text per event (UTF-8): each placed by its
// top-left corner, in its font, size, style and colour, with a thin dark outline; the text is
// literal (a backslash or a brace starts no tag) and line breaks in it are dropped.
std::string OverlayEvents(const std::vector<MediaPlayer::OverlayLine>& lines);

// A film length as the player writes it: "MM:SS" below one hour, "HH:MM:SS" from one hour
// (more hour digits when needed). Whole seconds, truncated; a negative length counts as 0.
std::string DurationText(int64_t ms);

// Reads a seconds value written with '.' as decimal point ("2.520000", "-0.5") as whole
// milliseconds, truncated toward zero; nullopt when the text is not such a number.
std::optional<int64_t> ParseSecondsText(std::string_view text);

// Writes whole milliseconds as seconds with '.' and three decimals ("2.500", "-0.040").
std::string SecondsText(int64_t ms);

}  // namespace media
