#include "shell/program.h"

#include "film/null_film.h"

#include <utility>

#include "corrections/atfedes.h"
#include "corrections/hangutanzo.h"
#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "editor/fps_valtas.h"
#include "editor/kereses_csere.h"
#include "editor/reszletes.h"
#include "editor/reszletes_k.h"
#include "editor/torles_tobb.h"
#include "files/cd2cd1.h"
#include "files/ertek2cd.h"
#include "files/fileneve.h"
#include "files/kereses.h"
#include "files/mentes_maskent.h"
#include "shell/fo_form.h"
#include "shell/hibaki.h"
#include "shell/info.h"
#include "shell/kiszoveg.h"
#include "shell/leiras.h"
#include "shell/uj_felirat.h"
#include "shell/verzioinfo.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace shell {

Program::Program(ui::Application& application, ProgramOptions program_options)
    : app(application), options(std::move(program_options)) {
  film = options.make_film ? options.make_film(*this) : film::MakeNullFilm();
  FoForm = std::make_unique<shell::TFoForm>(*this);
  MentesMaskent = std::make_unique<files::TMentesMaskent>(*this);
  Cd2cd1 = std::make_unique<files::TCd2cd1>(*this);
  Reszletes = std::make_unique<editor::TReszletes>(*this);
  Forditas = std::make_unique<translation::TForditas>(*this);
  Kereses = std::make_unique<files::TKereses>(*this);
  FordElott = std::make_unique<translation::TFordElott>(*this);
  Kereses->LoadSourceSubtitle = [this] { Forditas->LoadSourceSubtitle(); };
  Kereses->LoadTranslated = [this] { Forditas->LoadTranslated(); };
  Fileneve = std::make_unique<files::TFileneve>(*this);
  Kiszoveg = std::make_unique<shell::TKiszoveg>(*this);
  Info = std::make_unique<shell::TInfo>(*this);
  UjFelirat = std::make_unique<shell::TUjFelirat>(*this);
  Leiras = std::make_unique<shell::TLeiras>(*this);
  AviKi = std::make_unique<editor::TAviKi>(*this);
  ReszletesK = std::make_unique<editor::TReszletesK>(*this);
  FpsValtas = std::make_unique<editor::TFpsValtas>(*this);
  Ertek2cd = std::make_unique<files::TErtek2cd>(*this);
  Hibaki = std::make_unique<shell::THibaki>(*this);
  KeresesCsere = std::make_unique<editor::TKeresesCsere>(*this);
  Atfedes = std::make_unique<corrections::TAtfedes>(*this);
  Verzioinfo = std::make_unique<shell::TVerzioinfo>(*this);
  Hangutanzo = std::make_unique<corrections::THangutanzo>(*this);
  TorlesTobb = std::make_unique<editor::TTorlesTobb>(*this);
  Felirat = std::make_unique<editor::TFelirat>(*this);
  // The editor opens the command-line subtitle only now that the program holds it: its
  // handlers reach the editor through Felirat.
  Felirat->FinishCreation();
}

// Windows go in the reverse order of their creation.
Program::~Program() {
  Felirat.reset();
  TorlesTobb.reset();
  Hangutanzo.reset();
  Verzioinfo.reset();
  Atfedes.reset();
  KeresesCsere.reset();
  Hibaki.reset();
  Ertek2cd.reset();
  FpsValtas.reset();
  ReszletesK.reset();
  AviKi.reset();
  Leiras.reset();
  UjFelirat.reset();
  Info.reset();
  Kiszoveg.reset();
  Fileneve.reset();
  FordElott.reset();
  Kereses.reset();
  Forditas.reset();
  Reszletes.reset();
  Cd2cd1.reset();
  MentesMaskent.reset();
  FoForm.reset();
}

void Program::Run() {
  app.Run();
}

int RunProgram(ui::Application& application, ProgramOptions options) {
  Program program(application, std::move(options));
  program.Run();
  return 0;
}

}  // namespace shell
