// The editor's film commands: the "Film" menu, the film buttons, the overlay switches and the
// grid's double click hand their work to the film module (nothing in the build without the
// film player).
#include "editor/felirat.h"
#include "shell/program.h"

namespace editor {

void TFelirat::WireFilm() {
  Bfilm.OnClick = [this] { BfilmClick(); };
  Fmegnyit.OnClick = [this] { BfilmClick(); };
  Fbezar.OnClick = [this] { FbezarClick(); };
  Filminfo.OnClick = [this] { FilminfoClick(); };
  Fshow.OnClick = [this] { FshowClick(); };
  Feliratshow.OnClick = [this] { FeliratshowClick(); };
  Lejtszs2.OnClick = [this] { SBplayClick(); };
  SBplay.OnClick = [this] { SBplayClick(); };
  Sznet1.OnClick = [this] { SBpauseClick(); };
  SBpause.OnClick = [this] { SBpauseClick(); };
  Meglls1.OnClick = [this] { Meglls1Click(); };
  BeKezdoEr.OnClick = [this] { BeKezdoErClick(); };
  BeKeEr.OnClick = [this] { BeKezdoErClick(); };
  SBkezdo.OnClick = [this] { BeKezdoErClick(); };
  BeBefejezoEr.OnClick = [this] { BeBefejezoErClick(); };
  BeBeEr.OnClick = [this] { BeBefejezoErClick(); };
  SBbefejezes.OnClick = [this] { BeBefejezoErClick(); };
  SBvissza1mp.OnClick = [this] { SBvissza1mpClick(); };
  SBvissza.OnClick = [this] { SBvisszaClick(); };
  SBelore.OnClick = [this] { SBeloreClick(); };
  SBkezdbefejez.OnClick = [this] { SBkezdbefejezClick(); };
  SBSub.OnClick = [this] { SBSubClick(); };
  SBNonSub.OnClick = [this] { SBNonSubClick(); };
  racs.OnDblClick = [this] { racsDblClick(); };
}

void TFelirat::BfilmClick() {
  program_.film->OpenFilmWindow();
}
void TFelirat::FbezarClick() {
  program_.film->CloseFilm();
}
void TFelirat::FilminfoClick() {
  program_.film->ShowFilmInformation();
}
void TFelirat::FshowClick() {
  program_.film->ToggleFilmView();
}
void TFelirat::FeliratshowClick() {
  if (Feliratshow.Checked()) {
    Feliratshow.SetChecked(false);
    SBSubClick();
  } else {
    Feliratshow.SetChecked(true);
    SBNonSubClick();
  }
}
void TFelirat::SBplayClick() {
  program_.film->PlayFilm();
}
void TFelirat::SBpauseClick() {
  program_.film->PauseFilm();
}
void TFelirat::Meglls1Click() {
  program_.film->StopFilm();
}
void TFelirat::BeKezdoErClick() {
  program_.film->StartFromFilm();
}
void TFelirat::BeBefejezoErClick() {
  program_.film->EndFromFilm();
}
void TFelirat::SBvissza1mpClick() {
  program_.film->BackOneSecond();
}
void TFelirat::SBvisszaClick() {
  program_.film->PreviousRowOfFilm();
}
void TFelirat::SBeloreClick() {
  program_.film->NextRowOfFilm();
}
void TFelirat::SBkezdbefejezClick() {
  program_.film->EndAndNextStartFromFilm();
}
void TFelirat::SBSubClick() {
  program_.film->OverlayOff();
}
void TFelirat::SBNonSubClick() {
  program_.film->OverlayOn();
}

// Double click on the grid: the film to the current row's start.
void TFelirat::racsDblClick() {
  program_.film->FilmToCurrentRow();
}

}  // namespace editor
