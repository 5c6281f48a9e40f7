// NullFilm: the film of a program without a player. Every hook does nothing; every query
// answers "no film".
#pragma once

#include <memory>

#include "film/film_hooks.h"

namespace film {

class NullFilm final : public FilmHooks {
 public:
  bool FilmLoaded() const override { return false; }
  bool OverlayInUse() const override { return false; }
  bool FilmPlaying() const override { return false; }

  // Nothing to create, so nothing can fail.
  bool EditorCreated(editor::TFelirat&) override { return true; }
  void NewSubtitleStarted() override {}
  void BackToMainMenu() override {}
  void EditorClosed() override {}

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
};

std::unique_ptr<FilmHooks> MakeNullFilm();

}  // namespace film
