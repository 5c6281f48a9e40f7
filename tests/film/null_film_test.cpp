#include <gtest/gtest.h>

#include "film/null_film.h"

namespace film {
namespace {

// The program without a player: whatever the editor does, the film stays "no film" and a
// resolution switch never asks for a restore.
TEST(NullFilm, StaysWithoutAFilmWhateverTheEditorDoes) {
  const std::unique_ptr<FilmHooks> film = MakeNullFilm();
  film->SubtitleOpening();
  film->SubtitleRead();
  film->RowAppended(1);
  film->FiveRowsInserting();
  film->FiveRowsRowInserted();
  film->FiveRowsInserted();
  film->TimeBaseSwitching();
  film->TimeBaseSwitched();
  EXPECT_FALSE(film->ResolutionSwitching());
  EXPECT_FALSE(film->FilmLoaded());
  EXPECT_FALSE(film->OverlayInUse());
  EXPECT_FALSE(film->FilmPlaying());
}

}  // namespace
}  // namespace film
