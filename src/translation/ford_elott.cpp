#include "translation/ford_elott.h"

#include "files/kereses.h"
#include "shell/program.h"
#include "translation/forditas.h"
#include "translation/tool_pictures.h"

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
  // The two choosers open a subtitle through the open window, as the translation window's
  // open buttons do, and look as they look.
  K1.SetGlyph(DrawToolPicture(ToolPicture::kOpenSubtitle));
  K2.SetGlyph(DrawToolPicture(ToolPicture::kOpenSubtitle));
  BFetovabb.SetCaption("Betöltés");
  BFetovabb.SetEnabled(false);
  Button1.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

void TFordElott::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  K1.OnClick = [this] { K1Click(); };
  K2.OnClick = [this] { K2Click(); };
  Eef.OnChange = [this] { EefChange(); };
  Eff.OnChange = [this] { EefChange(); };
  Ferb1.OnClick = [this] { Ferb1Click(); };
  Ferb2.OnClick = [this] { Ferb2Click(); };
  BFetovabb.OnClick = [this] { BFetovabbClick(); };
  Button1.OnClick = [this] { Button1Click(); };
  Eef.OnKeyPress = [this](char& key) { EefKeyPress(key); };
  Eff.OnClick = [this] { EffClick(); };
}

bool TFordElott::LoadRuleHolds() const {
  return !Eef.Text().empty() && ((Ferb1.Checked() && !Eff.Text().empty()) || Ferb2.Checked());
}

void TFordElott::FormActivate() {
  BFetovabb.SetEnabled(false);
}

void TFordElott::K1Click() {
  program_.state.OpenPurpose = shell::open_purpose::kForditas1;
  program_.Kereses->ShowModal();
}

void TFordElott::K2Click() {
  program_.state.OpenPurpose = shell::open_purpose::kForditas2;
  program_.Kereses->ShowModal();
}

void TFordElott::EefChange() {
  if (LoadRuleHolds())
    BFetovabb.SetEnabled(true);
}

void TFordElott::Ferb1Click() {
  Eff.SetEnabled(true);
  Eff.SetColor(ui::colors::kWhite);
  K2.SetEnabled(true);
  BFetovabb.SetEnabled(LoadRuleHolds());
}

void TFordElott::Ferb2Click() {
  Eff.SetEnabled(false);
  Eff.SetColor(ui::Bgr(192, 192, 192));
  Eff.SetText("");
  TranslationPath.clear();
  K2.SetEnabled(false);
  if (LoadRuleHolds())
    BFetovabb.SetEnabled(true);
}

void TFordElott::BFetovabbClick() {
  shell::SharedState& state = program_.state;
  TForditas& window = *program_.Forditas;
  {
    ui::HourglassCursor hourglass(App());
    const files::ShownPath source = files::PathShownIn(Eef.Text(), SourcePath);
    if (!Eff.Text().empty()) {
      state.BuildEmptyTranslation = false;
      state.CurrentFilePath = source;
      window.LoadSourceWithTranslation();
      state.CurrentFilePath = files::PathShownIn(Eff.Text(), TranslationPath);
      window.LoadTranslated();
    } else {
      state.BuildEmptyTranslation = true;
      state.CurrentFilePath = source;
      window.LoadSourceWithTranslation();
    }
  }
  Close();
}

void TFordElott::Button1Click() {
  Close();
}

void TFordElott::EefKeyPress(char& key) {
  key = 0;
  K1.SetFocus();
}

void TFordElott::EffClick() {
  K2.SetFocus();
}

}  // namespace translation
