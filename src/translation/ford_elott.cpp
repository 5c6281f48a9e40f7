#include "translation/ford_elott.h"

#include "shell/program.h"

namespace translation {

namespace {

constexpr ui::Color kLime = ui::Bgr(0, 255, 0);

void SetTextColor(ui::Control& control, ui::Color color) {
  ui::Font font = control.GetFont();
  font.color = color;
  control.SetFont(font);
}

}  // namespace

TFordElott::TFordElott(shell::Program& program)
    : Form(program.app, "FordElott"), program_(program) {
  SetCaption("Feliratok bekérése");
  SetBounds(0, 0, 364, 200);
  SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);
  SetColor(ui::Bgr(31, 106, 152));

  Label1.SetCaption("Eredeti felirat:");
  SetTextColor(Label1, kLime);
  Eef.SetColor(ui::colors::kWhite);
  Eef.SetTabStop(false);
  Ferb1.SetCaption("Fordított felirat:");
  SetTextColor(Ferb1, kLime);
  Ferb1.SetChecked(true);
  Ferb2.SetCaption("Üres felirat");
  SetTextColor(Ferb2, kLime);
  Eff.SetColor(ui::colors::kWhite);
  Eff.SetTabStop(false);
  BFetovabb.SetCaption("Betöltés");
  BFetovabb.SetEnabled(false);
  Button1.SetCaption("<<< Vissza");

  Created();
}

}  // namespace translation
