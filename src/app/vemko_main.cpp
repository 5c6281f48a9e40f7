// The full program, with the film player.
#include "app/run.h"
#include "film/film_player.h"

int main(int argc, char** argv) {
  shell::ProgramOptions options;
  options.film_player = true;
  options.make_film = [](shell::Program& program) {
    return film::MakeFilmPlayer(program, film::MpvPlayerFactory(film::ScreenPlayerSettings()));
  };
  return app::RunOnScreen(argc, argv, std::move(options));
}
