// FilmHooks: the places where the editor's operations act on the film.
//
// In the build with the film player some of the editor's operations also pause the film,
// hide the text over the picture, show the film buttons or rewrite the position label. Each
// such operation calls its hook here, at the place named below, and the hook itself tests
// its condition (a film loaded, the overlay in use, the film's view shown: state held in the
// editor's controls) and does its work. The caller never tests film state for a hook.
//
// Changes of rows and times need no hook: the film module watches the editor's row table and
// builds its film time table again from the rows before it next reads it.
//
// Every hook and command does nothing unless the film module overrides it. NullFilm
// (film/null_film.h) is the film of vemkovn, and of every program that has no player.
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

  // ---- The editor window ------------------------------------------------------------------

  // While the editor window is created, before its first layout: makes the player inside the
  // editor's player host (hidden), the timer that polls it and the full-screen window. False
  // when the player cannot be made; the editor then shows its missing-player message and
  // skips the rest of its creation.
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

  // ---- Layouts and row commands --------------------------------------------------------------

  // The film area was hidden: hides the overlay.
  virtual void FilmAreaHidden() {}
  // "ÖV" and "ÖV-", after the current row was merged into `row` (the previous one): with the
  // overlay in use and the film inside the merged row's new span, shows that row over the film.
  virtual void RowsMerged(int row) { (void)row; }

  // ---- Time base -----------------------------------------------------------------------------

  // The Frame/Time switch, when the base really changes: before converting (pauses a film
  // whose view is shown) and after it (with a film loaded, rewrites the position label in the
  // new base).
  virtual void TimeBaseSwitching() {}
  virtual void TimeBaseSwitched() {}

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
