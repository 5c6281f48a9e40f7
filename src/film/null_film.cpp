#include "film/null_film.h"

namespace film {

std::unique_ptr<FilmHooks> MakeNullFilm() {
  return std::make_unique<NullFilm>();
}

}  // namespace film
