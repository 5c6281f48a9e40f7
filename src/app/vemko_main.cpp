// The full program, with the film player.
#include "app/run.h"

int main(int argc, char** argv) {
  shell::ProgramOptions options;
  options.film_player = true;
  return app::RunOnScreen(argc, argv, std::move(options));
}
