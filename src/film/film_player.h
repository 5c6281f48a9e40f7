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
// Of the hooks, this module acts on the editor's creation and closing, on a new subtitle and on
// the way back to the start window; the others do nothing yet. Film state is read from the
// editor's controls, as film_hooks.h says.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "film/film_hooks.h"
#include "platform/media/media_player.h"
#include "platform/media/mpv_media_player.h"

namespace shell {
class Program;
}

namespace film {

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

class FilmPlayer final : public FilmHooks {
 public:
  FilmPlayer(shell::Program& program, PlayerFactory make_player);

  // The player, once the editor window has made it; nullptr before and when it could not be
  // made. It lives as long as the editor window.
  media::MediaPlayer* Player() const { return player_; }
  // Why the player could not be made ("" when it was, or was not tried yet).
  const std::string& PlayerError() const { return error_; }

  bool FilmLoaded() const override;
  bool OverlayInUse() const override;
  bool FilmPlaying() const override;

  bool EditorCreated(editor::TFelirat& editor) override;
  void NewSubtitleStarted() override;
  void BackToMainMenu() override;
  void EditorClosed() override;

  void SubtitleOpening() override {}
  void SubtitleRead() override {}
  void FileChosen() override {}
  void EditingControlsEnabled() override {}

  void EditedStartStored(int) override {}
  void EditedEndStored(int) override {}

  void WholeWindowLaidOut() override {}
  void FilmAreaHidden() override {}
  bool ResolutionSwitching() override { return false; }
  void ResolutionSwitched() override {}

  void NextRowStartSet(int) override {}
  void RowDeleted() override {}
  void RowAppended(int) override {}
  void RowInsertedBefore() override {}
  void RowInsertedAfter() override {}
  void FiveRowsInserting() override {}
  void FiveRowsRowInserted() override {}
  void FiveRowsInserted() override {}
  void PreviousRowEndDivided(int) override {}
  void RowStartDivided(int) override {}
  void RowsMerged(int) override {}
  void RowsMergedAsDialogue(int) override {}

  void TimeBaseSwitching() override {}
  void TimeBaseSwitched() override {}
  void AllTimesShifted() override {}
  void DetailedShiftApplied() override {}

 private:
  shell::Program& program_;
  PlayerFactory make_player_;
  editor::TFelirat* editor_ = nullptr;
  media::MediaPlayer* player_ = nullptr;  // owned by the editor's film parts
  std::string error_;
};

std::unique_ptr<FilmHooks> MakeFilmPlayer(shell::Program& program, PlayerFactory make_player);

}  // namespace film
