// NullFilm: the film of a program without a player. Every hook and command keeps the
// empty body of FilmHooks; every query answers "no film".
#pragma once

#include <memory>

#include "film/film_hooks.h"

namespace film {

class NullFilm final : public FilmHooks {
 public:
  bool FilmLoaded() const override { return false; }
  bool OverlayInUse() const override { return false; }
  bool FilmPlaying() const override { return false; }
};

std::unique_ptr<FilmHooks> MakeNullFilm();

}  // namespace film
