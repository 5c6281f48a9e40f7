#include "shell/uj_felirat.h"

#include "editor/felirat.h"
#include "shell/fo_form.h"
#include "shell/program.h"
#include "timecode/time_base.h"

namespace shell {

namespace {

constexpr char kEscape = 27;

}  // namespace

TUjFelirat::TUjFelirat(shell::Program& program)
    : Form(program.app, "UjFelirat"), program_(program) {
  SetCaption("Új felirat készítése");
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Válasszon egyet:");
  Button1.SetCaption("Másodperc alapú (.srt)");
  Button2.SetCaption("Képkocka alapján (.sub)");
  Button3.SetCaption("Vissza");

  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button3.OnClick = [this] { Button3Click(); };
  OnKeyPress = [this](char& ch) { FormKeyPress(ch); };
  for (ui::Button* button : {&Button1, &Button2, &Button3}) {
    button->OnKeyPress = [this](char& ch) { FormKeyPress(ch); };
  }
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
  OnCreate = [this] { FormCreate(); };
  Created();
}

void TUjFelirat::FormCreate() {
  SetBounds(0, 0, 475, 155);
  SetConstraints({.min_width = 475, .max_width = 475, .min_height = 155, .max_height = 155});
}

void TUjFelirat::Button1Click() {
  StartEditor(timecode::kTimeBaseTime);
}

void TUjFelirat::Button2Click() {
  StartEditor(timecode::kTimeBaseFrame);
}

void TUjFelirat::StartEditor(std::string_view time_base) {
  editor::TFelirat& editor = *program_.Felirat;
  Hide();
  Close();
  editor.PrepareNewSubtitle(time_base);
  editor.ShowModal();
}

void TUjFelirat::Button3Click() {
  program_.state.StartState = start_state::kBe2;
  Close();
  program_.FoForm->Show();
}

void TUjFelirat::FormKeyPress(char& ch) {
  if (ch == kEscape)
    Button3Click();
}

void TUjFelirat::FormClose(ui::CloseAction& /*action*/) {
  if (program_.state.StartState != start_state::kBe2)
    program_.state.StartState = start_state::kKi;
}

void DisableEditorRowControls(Program& program) {
  program.Felirat->DisableRowControlsForNewSubtitle();
}

}  // namespace shell
