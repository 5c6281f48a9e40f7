// The program: the application's windows, created once in a fixed order, and the shared
// state through which they hand control to each other.
//
// The windows see only this declaration; the construction that makes every window lives
// beside main() (app/program.cpp, library vemko_program). `vemko` and `vemkovn` build one
// Program over the Qt backend and run its message loop; tests build a fresh Program per test
// over the headless backend.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "film/film_hooks.h"
#include "platform/ui/ui.h"
#include "shell/state.h"

namespace shell {
class TFoForm;
class TKiszoveg;
class TInfo;
class TUjFelirat;
class TLeiras;
class THibaki;
class TVerzioinfo;
}  // namespace shell
namespace files {
class TMentesMaskent;
class TCd2cd1;
class TKereses;
class TFileneve;
class TErtek2cd;
}  // namespace files
namespace editor {
class TReszletes;
class TAviKi;
class TReszletesK;
class TFpsValtas;
class TKeresesCsere;
class TTorlesTobb;
class TFelirat;
}  // namespace editor
namespace corrections {
class TAtfedes;
class THangutanzo;
}  // namespace corrections
namespace translation {
class TForditas;
class TFordElott;
}  // namespace translation

namespace shell {

class Program;

struct ProgramOptions {
  // The full build has the film player; vemkovn has not.
  bool film_player = true;
  // Command-line parameters after the program name.
  std::vector<std::string> arguments;
  // Makes the film module of the full build; empty: the film of a program without a player.
  std::function<std::unique_ptr<film::FilmHooks>(Program&)> make_film = {};
};

class Program {
 public:
  // Creates every window in the program's order; the editor, created last, may already
  // open the subtitle named on the command line.
  Program(ui::Application& application, ProgramOptions options);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Runs the message loop until the start window closes.
  void Run();

  bool FilmPlayer() const { return options.film_player; }

  // The save of the main subtitle that "Igen" to the exit question runs ("mentes2"): writes
  // the subtitle in the native format of its time base, asking for a file name only when the
  // editor's name box is empty, and gives true when the file was written. It runs after the
  // question has closed, inside ExitSaveScope, so its own messages and questions are shown
  // and only its success confirmation (BoxRole::kSaveConfirmation) is kept back. The editor
  // fills it in; while it is empty nothing is saved and the answer is "nemlepki" (the
  // editor stays open, nothing is lost).
  std::function<bool()> SaveMainSubtitleOnExit;

  ui::Application& app;
  const ProgramOptions options;
  SharedState state;
  // The film: created before the windows, so the editor's creation can reach it.
  std::unique_ptr<film::FilmHooks> film;

  std::unique_ptr<shell::TFoForm> FoForm;
  std::unique_ptr<files::TMentesMaskent> MentesMaskent;
  std::unique_ptr<files::TCd2cd1> Cd2cd1;
  std::unique_ptr<editor::TReszletes> Reszletes;
  std::unique_ptr<translation::TForditas> Forditas;
  std::unique_ptr<files::TKereses> Kereses;
  std::unique_ptr<translation::TFordElott> FordElott;
  std::unique_ptr<files::TFileneve> Fileneve;
  std::unique_ptr<shell::TKiszoveg> Kiszoveg;
  std::unique_ptr<shell::TInfo> Info;
  std::unique_ptr<shell::TUjFelirat> UjFelirat;
  std::unique_ptr<shell::TLeiras> Leiras;
  std::unique_ptr<editor::TAviKi> AviKi;
  std::unique_ptr<editor::TReszletesK> ReszletesK;
  std::unique_ptr<editor::TFpsValtas> FpsValtas;
  std::unique_ptr<files::TErtek2cd> Ertek2cd;
  std::unique_ptr<shell::THibaki> Hibaki;
  std::unique_ptr<editor::TKeresesCsere> KeresesCsere;
  std::unique_ptr<corrections::TAtfedes> Atfedes;
  std::unique_ptr<shell::TVerzioinfo> Verzioinfo;
  std::unique_ptr<corrections::THangutanzo> Hangutanzo;
  std::unique_ptr<editor::TTorlesTobb> TorlesTobb;
  std::unique_ptr<editor::TFelirat> Felirat;
};

// Builds the program over `application`, runs its message loop until the start window
// closes, and gives the process's exit status. The mains of vemko and vemkovn call it.
int RunProgram(ui::Application& application, ProgramOptions options);

}  // namespace shell
