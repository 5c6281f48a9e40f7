// FilmPlayer: the film of the full build, the media player inside the editor window.
//
//   shell::ProgramOptions options;
//   options.make_film = [](shell::Program& program) {
//     return film::MakeFilmPlayer(program, film::MpvPlayerFactory({}));
//   };
//
// When the editor window is created the player is made inside the editor's media-player host
// `wmp1` (its native window, when the GUI backend has one) and hidden, and a timer of the
// editor starts polling it. A player that cannot be made leaves the program without a film:
// the editor then shows its missing-player message.
//
// The module keeps the film time table of the editor's rows and the sync cursor
// (film/sync/film_sync.h), runs the film timer `Timer2` (the position label and the overlay
// over the picture), opens, describes and closes films, and carries out the film's commands
// and the hooks of film/film_hooks.h. Film state is read from the editor's controls, as
// film_hooks.h says. The time table follows the rows by itself: it watches the editor's row
// table, and a row about to be edited or inserted, a posted row, a written field or a changed
// row count marks it out of date; the next tick (or command that reads it) builds it again and
// puts the cursor back on its row. A change of time base or of the film's rate does the same.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "editor/layouts.h"
#include "film/film_hooks.h"
#include "film/sync/film_sync.h"
#include "film/sync/overlay_text.h"
#include "platform/media/media_player.h"
#include "platform/media/mpv_media_player.h"
#include "timecode/timecode.h"

namespace shell {
class Program;
}

namespace ui {
class Timer;
}

namespace film {

class TFilmScreen;

// Makes a player drawing into the native window `window_id` (0: none; the player then opens
// a window of its own when a film plays). Gives nullptr with `error` set when no player can be
// made.
using PlayerFactory =
    std::function<std::unique_ptr<media::MediaPlayer>(std::int64_t window_id, std::string& error)>;

// The libmpv player with these settings, its window id set from the call.
PlayerFactory MpvPlayerFactory(media::MpvSettings settings);

// The settings of the real program: the picture drawn by the graphics output, in software
// where there is no graphics card.
media::MpvSettings ScreenPlayerSettings();

// How often the player is polled for what it has to report.
inline constexpr std::int64_t kPlayerPollMs = 50;
// How long opening a film may take before it counts as failed.
inline constexpr std::chrono::milliseconds kFilmOpenLimit{15'000};

// What the film timer has learnt of the loaded film.
struct FilmFacts {
  bool info_read = false;  // the length texts below belong to the loaded film
  int64_t duration_ms = 0;
  std::string duration_text;  // "HH:MM:SS,mmm"; empty until a first film's length is read
  int64_t frame_count = 0;
  std::string frame_count_text;
  std::string fps_text;         // the editor's rate after the film's own rate was read
  std::int64_t size_bytes = 0;  // the film file's size
};

class FilmPlayer final : public FilmHooks, public editor::LayoutFilmPlayer {
 public:
  FilmPlayer(shell::Program& program, PlayerFactory make_player);
  ~FilmPlayer() override;

  // The player, once the editor window has made it; nullptr before and when it could not be
  // made. It lives as long as the editor window.
  media::MediaPlayer* Player() const { return player_; }
  // Why the player could not be made ("" when it was, or was not tried yet).
  const std::string& PlayerError() const { return error_; }

  // The film time table and the sync cursor, brought up to date with the rows first.
  const FilmTimeTable& TimeTable();
  const FilmSync& Sync() const { return sync_; }
  const FilmFacts& Facts() const { return facts_; }

  // The film timer's tick (every 100 ms while the film plays).
  void Timer2Timer();
  // The player's play-state event.
  void PlayStateChanged(media::PlayState state);

  // ---- Film state, read from the editor's controls ----
  // A film is loaded (the film menu's "Információ" item is enabled).
  bool FilmLoaded() const;
  // The overlay is in use: its on or its off button is shown.
  bool OverlayInUse() const;
  // The film plays (the film timer runs).
  bool FilmPlaying() const;

  // ---- Hooks ----
  bool EditorCreated(editor::TFelirat& editor) override;
  void NewSubtitleStarted() override;
  void BackToMainMenu() override;
  void EditorClosed() override;

  void SubtitleOpening() override;
  void SubtitleRead() override;
  void FileChosen() override;
  void EditingControlsEnabled() override;

  void FilmAreaHidden() override;
  void RowsMerged(int row) override;

  void TimeBaseSwitching() override;
  void TimeBaseSwitched() override;

  // ---- Commands ----
  void OpenFilmWindow() override;
  void OpenChosenFilm() override;
  void CloseFilm() override;
  void ShowFilmInformation() override;
  void ToggleFilmView() override;
  void StopFilm() override;
  void PlayFilm() override;
  void PauseFilm() override;
  void BackOneSecond() override;
  void PreviousRowOfFilm() override;
  void NextRowOfFilm() override;
  void FilmToCurrentRow() override;
  void StartFromFilm() override;
  void EndFromFilm() override;
  void EndAndNextStartFromFilm() override;
  void OverlayOff() override;
  void OverlayOn() override;

  // ---- The layout switch (editor/layouts.h) ----
  bool HoldsFilm() const override;
  editor::HeldFilm PauseAndHold() override;
  void Reopen(const editor::HeldFilm& film) override;
  void ShowOverlayRow(int row) override;

  // Shows the film buttons (the pause button too with PauseButton::kShown, else the pause
  // and play buttons as they were) and fills the film time table from every row; hides every
  // film button.
  enum class PauseButton { kShown, kAsItWas };
  void ShowFilmButtons(PauseButton pause);
  void HideFilmButtons();
  // The editor's film view shown: the film area of the current layout.
  void ShowFilmView();
  // The labels (and the player's text layer) over the picture hidden.
  void HideFilmOverlay();
  // Shows row `row` over the film (the grid goes to it); false when the overlay is not
  // active or the row does not exist.
  bool PaintOverlayRow(int row);

  // Full screen: the picture moved into the film's full-screen window (shown modally, from a
  // timer of its own, so that this returns at once) and back into the editor's player. The
  // player's own means ask for it (OnFullScreenRequest), and a double click on the picture.
  void EnterFullScreen();
  void LeaveFullScreen();
  // The full-screen window is up.
  bool InFullScreen() const;
  TFilmScreen* FullScreenWindow() const { return screen_; }

 private:
  // The tick's and the cursor moves' view of the overlay.
  class Painter final : public OverlayPainter {
   public:
    explicit Painter(FilmPlayer& film) : film_(film) {}
    bool ShowRow(int row) override;
    void Hide() override;
    void WipeFullScreen() override;

   private:
    FilmPlayer& film_;
  };

  // The row shown over the picture (overlay_) drawn into the player's text layer: in the
  // window the labels' lines where they stand, on the full screen the drawn lines.
  void DrawOverlayLayer();
  void RunFullScreen();
  // Paints every shown window now, taking no input (the wait of an opening film).
  void RepaintShownWindows();

  bool TimeBase() const;
  timecode::FrameRate Rate() const;
  void MarkTableOutOfDate() { table_out_of_date_ = true; }
  void LoadFilmTimeTable();
  // The position label written afresh, then centred over the film area or left where it is.
  enum class LabelPlace { kCentred, kLeftWhereItIs };
  void WritePositionLabel(LabelPlace place);
  void CentrePositionLabel();
  void EnableSaveCommands();
  void SetFilmMenus(bool enabled);
  // While a window is shown modally over the editor the film leaves the current row alone.
  bool ModalOverEditor() const;
  // The film's position written into the current row's start or end, and posted.
  enum class RowTime { kStart, kEnd };
  struct TimeFromFilm {
    RowTime into = RowTime::kStart;
    // In the Time base: 100 ms earlier while the film plays (StartFromFilmMs).
    bool earlier_while_playing = false;
    // In the Time base: the overlay hidden once the value is written.
    bool hide_overlay = false;
  };
  void TakeTimeFromFilm(TimeFromFilm taken);

  shell::Program& program_;
  PlayerFactory make_player_;
  editor::TFelirat* editor_ = nullptr;
  media::MediaPlayer* player_ = nullptr;  // owned by the editor's film parts
  std::string error_;

  FilmTimeTable table_;
  FilmSync sync_;
  bool table_out_of_date_ = true;
  bool built_time_base_ = false;
  timecode::FrameRate built_rate_{};
  FilmFacts facts_;
  PauseButton pause_after_read_ = PauseButton::kShown;
  std::optional<OverlayText> overlay_;  // the row over the picture, as laid out
  TFilmScreen* screen_ = nullptr;       // owned by the editor's film parts
  ui::Timer* enter_full_screen_ = nullptr;
  bool opening_ = false;  // a film is being opened: the film's timers wait
};

std::unique_ptr<FilmHooks> MakeFilmPlayer(shell::Program& program, PlayerFactory make_player);

}  // namespace film
