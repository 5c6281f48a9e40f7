// FilmParts: what the film module keeps inside the editor window.
//
// The player draws into the editor's media-player host and a timer of the editor polls it,
// so both must go before the window's controls do. The editor holds them as its last member
// (TFelirat::film_parts), which is destroyed first; the film module fills it when the window
// is created. A program without a player leaves it empty.
#pragma once

namespace film {

class FilmParts {
 public:
  FilmParts() = default;
  virtual ~FilmParts() = default;
  FilmParts(const FilmParts&) = delete;
  FilmParts& operator=(const FilmParts&) = delete;
};

}  // namespace film
