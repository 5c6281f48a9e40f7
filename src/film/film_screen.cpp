#include "film/film_screen.h"

namespace film {

TFilmScreen::TFilmScreen(ui::Application& app) : Form(app, "FilmFullScreen") {
  SetCaption("Film");
  SetBorderStyle(ui::BorderStyle::kNone);
  SetStayOnTop(true);
  SetColor(ui::colors::kBlack);
  SetKeyPreview(true);
  CoverScreen();
  OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { FormKeyDown(key, shift); };
  kep.OnDblClick = [this] { Close(); };
  Created();
}

void TFilmScreen::CoverScreen() {
  ui::Screen& screen = App().GetScreen();
  SetBounds(0, 0, screen.Width(), screen.Height());
  kep.SetBounds(0, 0, screen.Width(), screen.Height());
}

void TFilmScreen::FormKeyDown(ui::Key& key, ui::ShiftState) {
  // Every key stays here: the editor's shortcuts wait until the film is back in its window.
  if (key == ui::keys::kEscape)
    Close();
  key = 0;
}

}  // namespace film
