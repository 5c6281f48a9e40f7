// NullFilm: the film of a program without a player. Every hook and command keeps the
// empty body of FilmHooks, and the editor's creation goes on as with a player.
#pragma once

#include <memory>

#include "film/film_hooks.h"

namespace film {

class NullFilm final : public FilmHooks {};

std::unique_ptr<FilmHooks> MakeNullFilm();

}  // namespace film
