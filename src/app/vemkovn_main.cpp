// The program without the film player; it never links the media library.
#include "app/run.h"

int main(int argc, char** argv) {
  shell::ProgramOptions options;
  options.film_player = false;
  return app::RunOnScreen(argc, argv, std::move(options));
}
