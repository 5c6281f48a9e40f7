#include "shell/fo_form.h"

#include <filesystem>
#include <initializer_list>
#include <optional>

#include "editor/felirat.h"
#include "formats/document_path.h"
#include "shell/message_box.h"
#include "shell/pictures.h"
#include "shell/program.h"
#include "shell/start.h"
#include "shell/uj_felirat.h"
#include "shell/verzioinfo.h"
#include "translation/forditas.h"

namespace shell {

namespace {

constexpr char kEscape = 27;

// The second line of the failed association's message.
std::string AssociationFailureText(const desktop::AssociationResult& result) {
  using desktop::AssociationFailure;
  switch (result.failure) {
    case AssociationFailure::kBadProgramPath:
      return "A program helye nem írható be a hozzárendelésbe!";
    case AssociationFailure::kNoApplicationsFolder:
      return "Nem található a felhasználó alkalmazásmappája!";
    case AssociationFailure::kEntryNotWritten:
      return "Nem írható a következő file: " + files::TextOfPath(result.desktop_file);
    case AssociationFailure::kNoXdgMime:
      return "Nincs telepítve az xdg-mime program (xdg-utils csomag)!";
    case AssociationFailure::kDefaultNotSet:
      return "Az xdg-mime nem tudta beállítani az alapértelmezett programot!";
    case AssociationFailure::kNotTheDefault:
    case AssociationFailure::kNone:
      break;
  }
  return "Az srt file-ok alapértelmezett programja mégsem a Vemko lett!";
}

}  // namespace

TFoForm::TFoForm(shell::Program& program) : Form(program.app, "FoForm"), program_(program) {
  SetCaption(program.FilmPlayer() ? "Vemko v6.873" : "Vemko v6.873VN");
  SetConstraints({.min_width = 273, .max_width = 293, .min_height = 355, .max_height = 375});
  SetBounds(0, 0, 293, 375);
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);

  Image1.SetBounds(0, 0, ClientWidth(), ClientHeight());
  Image1.SetStretch(true);
  Image1.SetPicture(LoadPicture("start"));

  Button1.SetCaption("Verzióinfo");
  BitBtn3.SetCaption("Megnyitás");
  BitBtn3.SetGlyph(LoadPicture("megnyitas"));
  BitBtn2.SetCaption("Új felirat készítése");
  BitBtn2.SetGlyph(LoadPicture("uj"));
  BitBtn4.SetCaption("Fordítás");
  BitBtn4.SetGlyph(LoadPicture("forditas"));
  BitBtn1.SetGlyph(LoadPicture("kilepes"));
  BitBtn1.SetHint("Kilépés");
  Button2.SetCaption(".srt kiterjesztés hozzárendelése a Vemko-hoz");

  BitBtn3.SetTabOrder(0);
  BitBtn2.SetTabOrder(1);
  BitBtn4.SetTabOrder(2);
  BitBtn1.SetTabOrder(3);
  Button1.SetTabOrder(4);
  Button2.SetTabOrder(5);

  BitBtn3.OnClick = [this] { BMegnyitasClick(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  BitBtn4.OnClick = [this] { BitBtn4Click(); };
  BitBtn1.OnClick = [this] { BitBtn1Click(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  for (ui::Button* button : std::initializer_list<ui::Button*>{&BitBtn3, &BitBtn2, &BitBtn4,
                                                               &BitBtn1, &Button1, &Button2}) {
    button->OnKeyPress = [this](char& ch) { BitBtn1KeyPress(ch); };
  }
  OnActivate = [this] { FormActivate(); };
  OnCreate = [this] { FormCreate(); };
  Created();
}

void TFoForm::FormCreate() {
  SharedState& state = program_.state;
  const ui::Screen& screen = App().GetScreen();
  state.ScreenLayout = ClassifyScreen(screen.Width(), screen.Height());
  state.StartFile = std::filesystem::path(JoinArguments(program_.options.arguments));
  state.StartState = start_state::kBe;
}

void TFoForm::FormActivate() {
  SharedState& state = program_.state;
  if (state.ScreenLayout == kLayoutTooSmall) {
    ShowError(program_, "Probléma!", "A képernyő felbontása túl kicsi!",
              "Minimum felbontás:800x600");
    Close();
    return;
  }
  if (std::optional<LayoutMenuStates> menus = LayoutMenusFor(state.ScreenLayout)) {
    program_.Felirat->EnableLayoutMenus(*menus);
    program_.Forditas->EnableLayoutMenus(*menus);
  }
  if (state.StartState == start_state::kKi)
    Close();
}

void TFoForm::BMegnyitasClick() {
  SharedState& state = program_.state;
  editor::TFelirat& editor = *program_.Felirat;

  Hide();
  state.OpenMode = open_mode::kMegnyitas;
  if (state.StartState == start_state::kVissza || state.StartState == start_state::kBe2)
    state.StartState = start_state::kBe;

  editor.ResetForOpening();
  editor.ShowModal();
  if (state.StartState == start_state::kKi)
    Close();
}

void TFoForm::BitBtn2Click() {
  SharedState& state = program_.state;
  Hide();
  state.OpenMode = open_mode::kUj;
  if (state.StartState == start_state::kBe2)
    state.StartState = start_state::kBe;

  program_.UjFelirat->ShowModal();
  if (state.StartState == start_state::kKi) {
    Close();
  } else if (state.StartState == start_state::kBe2) {
    state.StartState = start_state::kBe;
  }
}

void TFoForm::BitBtn4Click() {
  SharedState& state = program_.state;
  state.StartState = start_state::kFor;
  Hide();
  program_.Forditas->ResetForNewTranslation();
  program_.Forditas->ShowModal();
  if (state.StartState == start_state::kKi)
    Close();
}

void TFoForm::BitBtn1Click() {
  Close();
}

void TFoForm::Button1Click() {
  program_.Verzioinfo->ShowModal();
}

void TFoForm::Button2Click() {
  SharedState& state = program_.state;
  state.DialogReply = dialog_reply::kHozzarendeles;
  AskYesNo(program_, "Hozzárendelés", "Tényleg hozzá szeretné rendelni a",
           "Vemko progamot az srt kiterjesztéshez?");
  if (state.DialogReply != dialog_reply::kIgen)
    return;
  const desktop::AssociationResult result = desktop::AssociateSubRipFiles(association);
  if (!result.ok) {
    ShowError(program_, "Kiterjesztés átállítása", "Nem sikerült az asszociáció!",
              AssociationFailureText(result));
    return;
  }
  Inform(program_, "Kiterjesztés átállítása", "Sikeresen végrehajtódott az asszociáció!",
         "Kérem indítsa újra a gépet!");
}

void TFoForm::BitBtn1KeyPress(char& ch) {
  if (ch == kEscape)
    Close();
}

void ResetTranslationWindow(Program& program) {
  program.Forditas->ResetForNewTranslation();
}

}  // namespace shell
