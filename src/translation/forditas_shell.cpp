// The translation window's frame: its two layouts, the commands that open files into it, the
// transparency switch, the clock, the exits and the reset done when the window is entered.
#include <ctime>
#include <initializer_list>
#include <utility>
#include <vector>

#include "editor/rules/window_rules.h"
#include "files/kereses.h"
#include "platform/base/scope.h"
#include "shell/fo_form.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace translation {

namespace {

constexpr std::string_view kLayoutCaption = "Felbontás átállítása!";

}  // namespace

void TForditas::WireHandlers() {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
  // The close box asks about unsaved changes as the exit buttons do; "Mégsem" stays.
  OnCloseBox = [this](bool& can_close) { can_close = MayLeave(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };
  BitBtn2.OnClick = [this] { BitBtn2Click(); };
  Eredetifeliratmegnyitsa1.OnClick = [this] { BitBtn2Click(); };
  BitBtn4.OnClick = [this] { BitBtn4Click(); };
  Fordtottfeliratmegnyitsa1.OnClick = [this] { BitBtn4Click(); };
  jprojectmegnyits1.OnClick = [this] { jprojectmegnyits1Click(); };
  BitBtn3.OnClick = [this] { BitBtn3Click(); };
  felbonts11.OnClick = [this] { felbonts11Click(); };
  felbonts22.OnClick = [this] { felbonts22Click(); };
  BfKilepes.OnClick = [this] { BfKilepesClick(); };
  Kilps1.OnClick = [this] { BfKilepesClick(); };
  Bfvissza.OnClick = [this] { BfvisszaClick(); };
  Visszafmenbe1.OnClick = [this] { BfvisszaClick(); };
  atlatszo2.OnClick = [this] { atlatszo2Click(); };
  WireSaveHandlers();
  WireEditingHandlers();
  WireCommandHandlers();
}

void TForditas::FormCreate() {
  EEszazalek.SetProgress(0);
  EFszazalek.SetProgress(0);
  if (program_.state.ScreenLayout == shell::kLayout800)
    LayoutTranslation800(LayoutShow::kNem);
  else
    LayoutTranslation1024(LayoutShow::kNem);
}

void TForditas::FormActivate() {
  if (!entry_reset_pending_)
    return;
  entry_reset_pending_ = false;
  Button8.Hide();
  Button9.Hide();
  for (ui::MenuItem* item : {&DoltE, &VastagitottE, &AlahuzottE, &DoltF, &VastagitottF, &AlahuzottF,
                             &eleE, &EleF, &MogeE, &MogeF, &MindenE, &MindenF}) {
    item->SetEnabled(false);
  }
  program_.state.TextClipboard.clear();
  EEszazalek.Hide();
  EFszazalek.Hide();
  // Every entry starts as the first: nothing of the last visit is offered over the empty
  // tables until a loader fills a side and shows its controls.
  for (ui::Edit* editor : {&Edit0, &Edit1, &Edit2, &Edit4, &Edit5, &Edit6})
    editor->Hide();
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Button1, &Button2, &Button4, &Button5})
    control->Hide();
  for (ui::Control* control :
       std::initializer_list<ui::Control*>{&Esave, &Fsave, &Esorbe, &Fsorbe, &EsorDel, &FsorDel,
                                           &BEell, &BFell, &EkerE, &EkerF, &BkerE, &BkerF}) {
    control->SetEnabled(false);
  }
  for (ui::MenuItem* item : {&Pem, &Pfm, &Pmm, &Kef, &kff, &KivagasE, &MasolasE, &BeillesztesE,
                             &KivagasF, &MasolasF, &BeillesztesF}) {
    item->SetEnabled(false);
  }
  SourcePath.clear();
  TranslationPath.clear();
  ForgetLoadedSides();
  source_saved_rows_.clear();
  translation_saved_rows_.clear();
}

// Neither side holds a load any more.
void TForditas::ForgetLoadedSides() {
  SourceLoaded = false;
  TranslationLoaded = false;
  SourcePartial = false;
  TranslationPartial = false;
  SourceTextsCut = false;
  TranslationTextsCut = false;
}

void TForditas::BitBtn2Click() {
  program_.state.OpenPurpose = shell::open_purpose::kEredeti;
  ShowOpenWindow();
}

void TForditas::BitBtn4Click() {
  program_.state.OpenPurpose = shell::open_purpose::kForditott;
  ShowOpenWindow();
}

void TForditas::ShowOpenWindow() {
  {
    const base::ValueRestorer<bool> hold(hold_load_notices_, true);
    program_.Kereses->ShowModal();
  }
  std::vector<std::function<void()>> notices = std::move(held_load_notices_);
  held_load_notices_.clear();
  for (const std::function<void()>& show : notices)
    show();
}

void TForditas::ShowLoadNotice(std::function<void()> show) {
  if (hold_load_notices_)
    held_load_notices_.push_back(std::move(show));
  else
    show();
}

void TForditas::jprojectmegnyits1Click() {
  program_.FordElott->ShowModal();
}

void TForditas::BitBtn3Click() {
  TFordElott& dialog = *program_.FordElott;
  dialog.Eef.SetText("");
  dialog.SourcePath.clear();
  dialog.Ferb1.SetChecked(true);
  dialog.ShowModal();
}

void TForditas::felbonts11Click() {
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kFelbontas;
  shell::AskYesNo(program_, kLayoutCaption,
                  "Biztos át akar térni a 800x600-as programbéli felbontásra?");
  if (state.DialogReply != shell::dialog_reply::kIgen)
    return;
  state.ScreenLayout = shell::kLayout800;
  felbonts11.SetEnabled(false);
  felbonts22.SetEnabled(true);
  LayoutTranslation800(LayoutShow::kIgen);
}

void TForditas::felbonts22Click() {
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kFelbontas;
  const ui::Screen& screen = App().GetScreen();
  if (screen.Width() <= 800 || screen.Height() <= 600) {
    shell::Inform(program_, kLayoutCaption, "Túl kicsi a képernyő felbontása ahhoz,",
                  "hogy átállítsam a program felbontását!");
    return;
  }
  shell::AskYesNo(program_, kLayoutCaption,
                  "Biztos át akar térni a 1024x768-as programbéli felbontásra?");
  if (state.DialogReply != shell::dialog_reply::kIgen)
    return;
  state.ScreenLayout = shell::kLayout1024;
  felbonts11.SetEnabled(true);
  felbonts22.SetEnabled(false);
  LayoutTranslation1024(LayoutShow::kIgen);
}

void TForditas::BfKilepesClick() {
  if (!MayLeave())
    return;
  program_.state.StartState = shell::start_state::kKi;
  Close();
}

void TForditas::BfvisszaClick() {
  if (!MayLeave())
    return;
  program_.state.StartState = shell::start_state::kVissza;
  Close();
}

// Every way the window closes, its close box included: StartState becomes "ki" unless the user
// went back ("vissza"), both tables are closed and the start window is shown again, which ends
// the program on "ki" and stays on "vissza".
void TForditas::FormClose(ui::CloseAction&) {
  shell::SharedState& state = program_.state;
  if (state.StartState != shell::start_state::kVissza)
    state.StartState = shell::start_state::kKi;
  cdsE.Close();
  cdsF.Close();
  ForgetLoadedSides();
  entry_reset_pending_ = true;
  program_.FoForm->Show();
}

void TForditas::atlatszo2Click() {
  SetAlphaBlend(atlatszo2.Checked());
}

void TForditas::Timer1Timer() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) != nullptr)
    ido1.SetCaption(editor::ClockText(local));
}

void TForditas::LayoutTranslation1024(LayoutShow show) {
  Hide();
  SetConstraints({});
  SetBounds(Left(), Top(), 678, 616);
  SetConstraints({.min_width = 678, .max_width = 678, .min_height = 616, .max_height = 616});
  const int top = 22;
  for (auto [control, left] : std::initializer_list<std::pair<ui::Control*, int>>{{&BitBtn2, 0},
                                                                                  {&Esave, 48},
                                                                                  {&BitBtn3, 96},
                                                                                  {&Button8, 144},
                                                                                  {&Esorbe, 168},
                                                                                  {&EsorDel, 216},
                                                                                  {&BEell, 264},
                                                                                  {&BkerE, 440}}) {
    control->SetLeft(left);
    control->SetTop(top);
  }
  EkerE.SetBounds(312, 24, 121, 21);
  Racsef.SetBounds(0, 50, 670, 184);
  Button2.SetTop(234);
  for (ui::Edit* edit : {&Edit0, &Edit1, &Edit2})
    edit->SetTop(234);
  Eff.SetTop(262);
  atlatszo2.SetTop(264);
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &BitBtn4, &Fsave, &Button9, &Fsorbe, &FsorDel, &BFell, &BkerF}) {
    control->SetTop(284);
  }
  EkerF.SetTop(288);
  EFfm.SetTop(272);
  Button4.SetTop(295);
  Racsff.SetBounds(0, 312, 670, 184);
  for (ui::Edit* edit : {&Edit4, &Edit5, &Edit6})
    edit->SetTop(496);
  Button5.SetTop(497);
  EFszazalek.SetTop(520);
  Bfvissza.SetTop(528);
  BfKilepes.SetTop(528);
  ido1.SetTop(538);
  if (show == LayoutShow::kIgen)
    Show();
}

void TForditas::LayoutTranslation800(LayoutShow show) {
  Hide();
  SetConstraints({});
  SetBounds(Left(), Top(), 681, 565);
  SetConstraints({.min_width = 681, .max_width = 681, .min_height = 565, .max_height = 565});
  Racsef.SetBounds(0, 50, 673, 158);
  Button2.SetTop(208);
  for (ui::Edit* edit : {&Edit0, &Edit1, &Edit2})
    edit->SetTop(208);
  Eff.SetTop(238);
  atlatszo2.SetTop(240);
  for (ui::Control* control : std::initializer_list<ui::Control*>{
           &BitBtn4, &Fsave, &Button9, &Fsorbe, &FsorDel, &BFell, &BkerF}) {
    control->SetTop(260);
  }
  EkerF.SetTop(262);
  EFfm.SetTop(248);
  Button4.SetTop(271);
  Racsff.SetBounds(0, 288, 673, 159);
  for (ui::Edit* edit : {&Edit4, &Edit5, &Edit6})
    edit->SetTop(447);
  Button5.SetTop(447);
  EFszazalek.SetTop(472);
  Bfvissza.SetTop(476);
  BfKilepes.SetTop(476);
  ido1.SetTop(490);
  if (show == LayoutShow::kIgen)
    Show();
}

}  // namespace translation
