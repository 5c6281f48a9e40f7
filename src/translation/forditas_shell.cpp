// The translation window's frame: its two layouts applied, the commands that open files into it,
// the transparency switch, the clock, the exits and the reset done when the window is entered.
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
#include "translation/forditas_layouts.h"

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

void TForditas::PlaceControls(const WindowLayout& layout) {
  for (const ControlPlace& place : layout.places) {
    ui::Control* control = FindControl(place.control);
    if (control == nullptr)
      continue;
    const auto* label = dynamic_cast<const ui::Label*>(control);
    if (label != nullptr && label->AutoSize())
      control->SetBounds(place.bounds.left, place.bounds.top, control->Width(), control->Height());
    else
      control->SetBounds(place.bounds);
  }
}

void TForditas::ApplyLayout(const WindowLayout& layout, LayoutShow show) {
  Hide();
  SetConstraints({});
  SetBounds(Left(), Top(), layout.width, layout.height);
  SetConstraints({.min_width = layout.width,
                  .max_width = layout.width,
                  .min_height = layout.height,
                  .max_height = layout.height});
  PlaceControls(layout);
  if (show == LayoutShow::kIgen)
    Show();
}

void TForditas::LayoutTranslation1024(LayoutShow show) {
  ApplyLayout(TranslationLayout1024(), show);
}

void TForditas::LayoutTranslation800(LayoutShow show) {
  ApplyLayout(TranslationLayout800(), show);
}

}  // namespace translation
