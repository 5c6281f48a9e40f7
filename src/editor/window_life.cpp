// The editor window's life: its construction (every concern's bindings), its creation, the
// entry dispatch of its activation, the exit question, the way back to the start window, the
// clock, the transparency and the "Info" menu.
#include <ctime>
#include <filesystem>
#include <initializer_list>

#include "editor/felirat.h"
#include "editor/reszletes_k.h"
#include "editor/rules/window_rules.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "formats/document_path.h"
#include "platform/ui/enable.h"
#include "shell/fo_form.h"
#include "shell/info.h"
#include "shell/leiras.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/path_text.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr int kMinAlpha = 70;
constexpr int kMaxAlpha = 255;

using ui::Enable;

// A command-line path made whole, so that the open window and the file-name window start in
// its folder. The command line is in the system's own bytes: it names the file as it is.
std::filesystem::path WholePath(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::path whole = std::filesystem::absolute(path, error);
  return error ? path : whole.lexically_normal();
}

}  // namespace

TFelirat::TFelirat(shell::Program& program) : FeliratForm(program) {
  WireWindow();
  WireWindowKeys();
  WireLayouts();
  WireOpenCommands();
  WireSaveCommands();
  WireExportCommand();
  WireRowPanel();
  WireRowPanelKeys();
  WireGridColouring();
  WireGridKeys();
  WireRowCommands();
  WireRowTiming();
  WireRowTexts();
  WireTimeBase();
  WireSearch();
  WireStyleCommands();
  WireSecondText();
  WireSplitPanel();
  WireJoinPanel();
  WireFilm();
  WireCorrections();
  Created();
}

void TFelirat::WireWindow() {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  Timer1.OnTimer = [this] { Timer1Timer(); };

  Bki.OnClick = [this] { BkiClick(); };
  // The close box leaves as "Kilépés" does: the same question, and "Mégsem" stays.
  OnCloseBox = [this](bool& can_close) {
    can_close = false;
    AskSaveAndClose();
  };
  Kilps2.OnClick = [this] { BkiClick(); };
  Bvissza.OnClick = [this] { BvisszaClick(); };
  VisszaaFmenbe1.OnClick = [this] { BvisszaClick(); };
  atlatszo.OnClick = [this] { atlatszoClick(); };
  Valto.OnChange = [this] { ValtoChange(); };
  // "Leírás" and "Info".
  Info1.OnClick = [this] { program_.Leiras->ShowModal(); };
  Info2.OnClick = [this] { program_.Info->ShowModal(); };
}

// ---- Creation ------------------------------------------------------------------------------

// The window's creation: the film player made (or its missing-player message), the layout
// of ScreenLayout with the film area hidden, InternalUpdate raised, no time base yet.
void TFelirat::FormCreate() {
  shell::SharedState& state = program_.state;
  // The film module makes the player inside `wmp1` and hides it; the window of a program
  // that has no player has nothing to make.
  if (!program_.film->EditorCreated(*this)) {
    shell::ShowError(program_, "Hiány", "A program hibával leáll! Valószínűleg nincs",
                     "fent a Windows Media Player 9-es verziója!");
    return;
  }
  LayoutFor(LayoutOf(state.ScreenLayout), LayoutShow::kNem, false);
  state.InternalUpdate = true;
  state.CurrentTimeBase.clear();
  start_file_pending_ = !state.StartFile.empty() && IsStartSubtitle(state.StartFile);
}

// The last step of the creation, run by the program once it holds the editor: a subtitle
// named on the command line (".srt" or ".sub") is opened in the editor at once, before the
// start window is shown.
void TFelirat::FinishCreation() {
  if (!start_file_pending_)
    return;
  start_file_pending_ = false;
  ShowModal();
}

// ---- Activation ------------------------------------------------------------------------------

// Every time the window becomes active coming from another window: the entry dispatch by
// OpenMode (a new subtitle, the join panel), the command-line file, the open window.
void TFelirat::FormActivate() {
  shell::SharedState& state = program_.state;
  Fszazalek.Hide();
  if (program_.ReszletesK->Visible())
    program_.ReszletesK->Close();

  if (state.OpenMode == shell::open_mode::kUj) {
    StartNewSubtitle();
  } else if (state.OpenMode == shell::open_mode::k2cd1cd) {
    GB1.Hide();
    state.InternalUpdate = true;
    GB12.Show();
    RB12cd2.SetChecked(true);
    state.InternalUpdate = false;
  } else {
    GB1.Show();
    state.InternalUpdate = true;
    GB12.Hide();
    RB12.SetChecked(false);
  }

  if (Efilenev.Text().empty() && state.OpenMode == shell::open_mode::kMegnyitas)
    beosztas.SetEnabled(false);

  if (!state.StartFile.empty() && IsStartSubtitle(state.StartFile)) {
    const std::filesystem::path whole = WholePath(state.StartFile);
    state.CurrentFilePath = files::ShownPath(whole);
    state.CurrentFileName = state.CurrentFilePath.NameText();
    state.CurrentDirectory = files::ShownPath(whole.parent_path());
    Efilenev.SetText(state.CurrentFileName);
    program_.Kereses->e1.SetText(state.CurrentFileName);
    cds.CreateDataSet();
    state.TextSlot = shell::text_slot::kMain;
    files::AfterFileChosen(program_, true);
    files::OpenSubtitleFile(program_);
    // The colouring comes on by itself after a time-based file (its boxes are enabled then).
    Szinezes38.Click();
    Szinezes3.Click();
    state.StartFile.clear();
  }

  if (state.StartState == shell::start_state::kBe &&
      state.OpenMode == shell::open_mode::kMegnyitas) {
    if (cds.Active())
      cds.EmptyDataSet();
    state.OpenPurpose = shell::open_purpose::kFelirat;
    state.OpenMode = shell::open_mode::kMas;
    state.TextSlot = shell::text_slot::kMain;
    EditorOneTextLayout();
    program_.Kereses->OpeningSecondText = false;
    program_.Kereses->ShowModal();
  }

  state.InternalUpdate = false;
}

// The new-subtitle branch of the activation.
void TFelirat::StartNewSubtitle() {
  shell::SharedState& state = program_.state;
  state.InternalUpdate = true;
  program_.film->NewSubtitleStarted();
  Bbeszuras.SetEnabled(true);
  cburessor.SetEnabled(true);
  EditorOneTextLayout();
  for (ui::Control* box : std::initializer_list<ui::Control*>{&Efilenev, &Ekereses, &kezdes,
                                                              &befejezes, &szoveg, &kulonbseg}) {
    box->SetText("");
  }
  state.OpenMode = shell::open_mode::kMas;

  // The rows are in the time base chosen for the new subtitle from now on, whatever an
  // earlier subtitle left behind.
  const std::string time_base(beosztas.Text() == timecode::kTimeBaseTime
                                  ? timecode::kTimeBaseTime
                                  : timecode::kTimeBaseFrame);
  const bool time_based = time_base == timecode::kTimeBaseTime;
  state.CurrentTimeBase = time_base;
  SetTimeBaseLimits(time_base);

  cds.CreateDataSet();
  cds.EmptyDataSet();
  // The counters count this subtitle's rows, never those of the subtitle before it.
  ResetFlagCounters();
  cds.Append();
  cds.SetValue(field::kKezdes, time_based ? timecode::kZeroTimeCode : "0");
  cds.SetValue(field::kBefejezes, time_based ? "00:00:01,000" : "10");
  state.InternalUpdate = false;
  cds.Post();
  Emodositas.SetText(time_based ? timecode::kZeroTimeCode : "0");
  files::EnableEditingControls(program_);

  Enable({&BMKeres, &BMReszker, &Mkercsere, &MentM1, &Mentes1, &dolt, &dolt2, &Vastagitott,
          &Alahuzott, &osszesel, &soreleRacs, &sormogeRacs, &sor5mogeRacs, &Kivagas, &Masolas,
          &SorTorlese, &Tobbsortorlese},
         true);
  Enable({&Bkeresok, &Bertek, &Belemoge, &BTorlesTobb, &Btorles, &BMMN, &Bmentes}, true);
  // The features of the time base, as a load sets them.
  Enable({&BAtfedes, &agressziv, &Szinezes38, &Szinezes3}, time_based);
  Enable({&Cbtobb, &CB3sor, &SEbetu, &BTobbCheck, &B12, &B22, &B21}, time_based);
  GB12.Hide();
  szoveg.SetFocus();
}

// ---- Leaving ---------------------------------------------------------------------------------

// "Kilépés" (button, menu, Esc) and the window's close box: the exit question, then the
// window closes unless the user chose "Mégsem" or the save on exit failed.
void TFelirat::BkiClick() {
  AskSaveAndClose();
}

void TFelirat::AskSaveAndClose() {
  if (AskSaveBeforeDiscard(Discard::kLeaving))
    Close();
}

// Asked before the rows are thrown away: while the subtitle is modified, "A felirat
// módosítva lett!" / "Elmenti?" (mode word "mentes2"). True: go on (nothing to save, "Nem",
// or "Igen" and the subtitle was saved); false: keep everything as it is ("Mégsem", or the
// save failed or got no name).
bool TFelirat::AskSaveBeforeDiscard(Discard why) {
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kMentes2;
  state.ExitSaveInProgress = false;
  const bool silenced = why == Discard::kLeaving && Cbki.Checked();
  if (!silenced && Bmentes.Enabled()) {
    // "Igen" saves through Program::SaveMainSubtitleOnExit; a save that failed or got no name
    // answers "nemlepki", so the rows are never dropped unsaved.
    shell::AskYesNo(program_, "A felirat mentése!", "A felirat módosítva lett!", "Elmenti?");
  }
  return state.DialogReply != shell::dialog_reply::kNemlepki;
}

// "Vissza a főmenübe": the start window again. The rows go with the editor, so a modified
// subtitle is offered for saving first, as on leaving; "Mégsem" (or a save that failed or got
// no name) stays in the editor.
void TFelirat::BvisszaClick() {
  if (!AskSaveBeforeDiscard(Discard::kLeaving))
    return;
  shell::SharedState& state = program_.state;
  program_.film->BackToMainMenu();
  program_.FoForm->Show();
  state.InternalUpdate = true;
  state.StartState = shell::start_state::kBe2;
  Close();
}

// ---- Clock and transparency --------------------------------------------------------------------

// The clock label `ido`; "Átlátszódás" and its spin edit `Valto`.
void TFelirat::Timer1Timer() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) != nullptr)
    ido.SetCaption(ClockText(local));
}

void TFelirat::atlatszoClick() {
  const bool on = atlatszo.Checked();
  SetAlphaBlend(on);
  Valto.SetEnabled(on);
}

void TFelirat::ValtoChange() {
  const int value = Valto.Value();
  if (atlatszo.Checked() && value >= kMinAlpha && value <= kMaxAlpha)
    SetAlphaBlendValue(value);
}

}  // namespace editor
