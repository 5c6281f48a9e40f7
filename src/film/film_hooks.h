// FilmHooks: the places where the editor's operations act on the film.
//
// In the build with the film player, operations that change rows, times or the layout also
// pause the film, keep the film time table and its sync cursor current, hide the overlay or
// show the film buttons. Each such operation calls its hook here, at the place named below,
// and the hook itself tests its condition (a film loaded, the overlay in use, the film
// playing: state held in the editor's controls) and does its work. The caller never tests
// film state for a hook.
//
// Every hook and command does nothing unless the film module overrides it. NullFilm
// (film/null_film.h) is the film of vemkovn, and of every program that has no player: it
// only answers its queries with "no film".
//
// The program owns one FilmHooks for its whole run, created before the editor window.
// Row numbers count from 1, as the grid's row-number column does.
#pragma once

namespace editor {
class TFelirat;
}

namespace film {

class FilmHooks {
 public:
  FilmHooks() = default;
  virtual ~FilmHooks() = default;
  FilmHooks(const FilmHooks&) = delete;
  FilmHooks& operator=(const FilmHooks&) = delete;

  // ---- Film state -----------------------------------------------------------------------------

  // A film is loaded (the film menu's "Információ" item is enabled).
  virtual bool FilmLoaded() const = 0;
  // The overlay is in use: its on or its off button is shown.
  virtual bool OverlayInUse() const = 0;
  // The film plays (the film timer runs).
  virtual bool FilmPlaying() const = 0;

  // ---- The editor window ------------------------------------------------------------------

  // While the editor window is created, before its first layout: prepares the drawing
  // surface of the full-screen overlay and hides the player. False when the player cannot
  // be created; the editor then shows its missing-player message and skips the rest of its
  // creation.
  [[nodiscard]] virtual bool EditorCreated(editor::TFelirat& editor) {
    (void)editor;
    return true;
  }
  // Activation for a new subtitle, after InternalUpdate is raised: hides the overlay texts.
  virtual void NewSubtitleStarted() {}
  // "Vissza a főmenübe", before the start window is shown: unloads the film.
  virtual void BackToMainMenu() {}
  // The editor window closes (with the clock timer): stops the film timer.
  virtual void EditorClosed() {}

  // ---- Opening a subtitle -------------------------------------------------------------------

  // At the start of reading a subtitle into the editor: pauses a film whose view is shown,
  // and remembers whether the pause button is to be shown afterwards.
  virtual void SubtitleOpening() {}
  // After the subtitle was read successfully: with a film loaded, enables the overlay items
  // and shows the film buttons, which fills the film time table from every row.
  virtual void SubtitleRead() {}
  // At the end of taking the chosen file (AfterFileChosen): hides the overlay texts.
  virtual void FileChosen() {}
  // At the end of enabling the editing controls (EnableEditingControls): hides the overlay.
  virtual void EditingControlsEnabled() {}

  // ---- Row panel ----------------------------------------------------------------------------

  // "Értékek beállítása", before the row is posted: the start box was written into `row`,
  // or the end box was.
  virtual void EditedStartStored(int row) { (void)row; }
  virtual void EditedEndStored(int row) { (void)row; }

  // ---- Layouts ---------------------------------------------------------------------------

  // At the end of the whole-window layouts for 1280x1024 and 1024x768 (not 800x600): shows
  // the current row over a playing film again.
  virtual void WholeWindowLaidOut() {}
  // The film area was hidden: hides the overlay.
  virtual void FilmAreaHidden() {}
  // A resolution menu, before the new layout: with a film loaded and the row table active,
  // takes the film's state (path, position, overlay hidden by the user) and pauses it.
  // True when a state was taken; the caller then calls ResolutionSwitched() after the new
  // layout, which reopens the film there, paused, and starts the film timer.
  [[nodiscard]] virtual bool ResolutionSwitching() { return false; }
  virtual void ResolutionSwitched() {}

  // ---- Row commands -------------------------------------------------------------------------

  // "G": the start of `row` (the next row) was set from the end before it and posted.
  virtual void NextRowStartSet(int row) { (void)row; }
  // After a row was deleted; the caller lowers InternalUpdate afterwards.
  virtual void RowDeleted() {}
  // A row was appended at the end; `row` is the new last row.
  virtual void RowAppended(int row) { (void)row; }
  // A row was inserted before, or after, the current one and posted. Before pauses the
  // film while the time table is refilled; both let a film that played play again.
  virtual void RowInsertedBefore() {}
  virtual void RowInsertedAfter() {}
  // Five rows after the current one: before the first, after each inserted row, and after
  // the last.
  virtual void FiveRowsInserting() {}
  virtual void FiveRowsRowInserted() {}
  virtual void FiveRowsInserted() {}
  // Dividing the previous row's time ("1-2", "2-2", "2-1"): the end of `row` (the previous
  // row) was posted; then the start of `row` (the row that was current) was posted.
  virtual void PreviousRowEndDivided(int row) { (void)row; }
  virtual void RowStartDivided(int row) { (void)row; }
  // "ÖV" and "ÖV-": the current row was merged into `row` (the previous one).
  virtual void RowsMerged(int row) { (void)row; }
  virtual void RowsMergedAsDialogue(int row) { (void)row; }

  // ---- Time base and shifts ------------------------------------------------------------------

  // The Frame/Time switch, when the base really changes: before converting (pauses a film
  // whose view is shown) and after it (rewrites the position label in the new base).
  virtual void TimeBaseSwitching() {}
  virtual void TimeBaseSwitched() {}
  // Shifting all rows, after returning to the remembered row; the caller lowers
  // InternalUpdate afterwards.
  virtual void AllTimesShifted() {}
  // The detailed shift, after returning to the row that was current when it began; the
  // caller lowers InternalUpdate afterwards.
  virtual void DetailedShiftApplied() {}

  // ---- The film's commands ---------------------------------------------------------------
  // The editor's film handlers (menu "Film", the film buttons, the grid's double click) and
  // the AVI window's "Film megnyitása" hand their work to these.

  // "Film betöltése" and "Megnyitás": the AVI window in film mode.
  virtual void OpenFilmWindow() {}
  // "Film megnyitása" of the AVI window: opens its chosen file as the film.
  virtual void OpenChosenFilm() {}
  // "Bezárás", "Információ", "Film mutatása", "Leállítás".
  virtual void CloseFilm() {}
  virtual void ShowFilmInformation() {}
  virtual void ToggleFilmView() {}
  virtual void StopFilm() {}
  // Play, pause, one second back, one row back or on, the film to the current row.
  virtual void PlayFilm() {}
  virtual void PauseFilm() {}
  virtual void BackOneSecond() {}
  virtual void PreviousRowOfFilm() {}
  virtual void NextRowOfFilm() {}
  virtual void FilmToCurrentRow() {}
  // The current row's start, its end, or its end and the next row's start from the film.
  virtual void StartFromFilm() {}
  virtual void EndFromFilm() {}
  virtual void EndAndNextStartFromFilm() {}
  // The overlay switched off and on by the user.
  virtual void OverlayOff() {}
  virtual void OverlayOn() {}
};

}  // namespace film
