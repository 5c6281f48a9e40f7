// The editor window's life: its creation, the entry dispatch of its activation, the exit
// question, the way back to the start window, the clock and the transparency.
#include <ctime>
#include <filesystem>
#include <initializer_list>

#include "editor/felirat.h"
#include "editor/reszletes_k.h"
#include "editor/window_rules.h"
#include "files/document_path.h"
#include "files/kereses.h"
#include "files/open_flow.h"
#include "platform/ui/enable.h"
#include "shell/fo_form.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/path_text.h"
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

void TFelirat::WireWindow() {
  OnCreate = [this] { FormCreate(); };
  OnActivate = [this] { FormActivate(); };
  message_hook_.Bind(
      [this](ui::Message& message, bool& handled) { ApplicationEvents1Message(message, handled); });
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
  Belso.OnClick = [this] { BelsoClick(); };
  Butolso.OnClick = [this] { ButolsoClick(); };
  BFPS.OnClick = [this] { BFPSClick(); };

  MentAt.OnClick = [this] { MentAtClick(); };
  Beolvas.OnClick = [this] { BeolvasClick(); };
  Max2.OnClick = [this] { Max2Click(); };
  UresNe.OnClick = [this] { UresNeClick(); };

  szoveg.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { szovegKeyDown(key, shift); };
  szoveg.OnKeyPress = [this](char& key) { szovegKeyPress(key); };
  Efilenev.OnKeyPress = [this](char& key) { EfilenevKeyPress(key); };
  Eugras.OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { EugrasKeyUp(key, shift); };
  kulonbseg.OnClick = [this] { kulonbsegClick(); };
  kezdes.OnMouseMove = [this](ui::ShiftState shift, int x, int y) { kezdesMouseMove(shift, x, y); };
  befejezes.OnMouseMove = [this](ui::ShiftState shift, int x, int y) {
    befejezesMouseMove(shift, x, y);
  };
  Emodositas.OnMouseMove = [this](ui::ShiftState shift, int x, int y) {
    EmodositasMouseMove(shift, x, y);
  };
  BTobbGomb.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    BTobbGombMouseDown(button, shift, x, y);
  };
  BTobbCheck.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    BTobbCheckMouseDown(button, shift, x, y);
  };
  RacsPM.OnPopup = [this] { RacsPMPopup(); };
}

// ---- Creation ------------------------------------------------------------------------------

void TFelirat::FormCreate() {
  shell::SharedState& state = program_.state;
  // The film module makes the player inside `wmp1` and hides it; the window of a program
  // that has no player has nothing to make.
  if (!program_.film->EditorCreated(*this)) {
    shell::ShowBox(program_, "Hiány", shell::kIconError,
                   "A program hibával leáll! Valószínűleg nincs",
                   "fent a Windows Media Player 9-es verziója!", true, false, false);
    return;
  }
  LayoutFor(LayoutOf(state.ScreenLayout), LayoutShow::kNem, false);
  state.InternalUpdate = true;
  state.CurrentTimeBase.clear();
  start_file_pending_ = !state.StartFile.empty() && IsStartSubtitle(state.StartFile);
}

void TFelirat::FinishCreation() {
  if (!start_file_pending_)
    return;
  start_file_pending_ = false;
  ShowModal();
}

// ---- Activation ------------------------------------------------------------------------------

void TFelirat::FormActivate() {
  shell::SharedState& state = program_.state;
  Fszazalek.Hide();
  if (program_.ReszletesK->Visible())
    program_.ReszletesK->Close();

  if (state.OpenMode == "uj") {
    StartNewSubtitle();
  } else if (state.OpenMode == "2cd1cd") {
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

  if (Efilenev.Text().empty() && state.OpenMode == "megnyitas")
    beosztas.SetEnabled(false);

  if (!state.StartFile.empty() && IsStartSubtitle(state.StartFile)) {
    const std::filesystem::path whole = WholePath(state.StartFile);
    state.CurrentFilePath = files::ShownPath(whole);
    state.CurrentFileName = state.CurrentFilePath.NameText();
    state.CurrentDirectory = files::ShownPath(whole.parent_path());
    Efilenev.SetText(state.CurrentFileName);
    program_.Kereses->e1.SetText(state.CurrentFileName);
    cds.CreateDataSet();
    state.TextSlot = "1";
    files::AfterFileChosen(program_, true);
    files::OpenSubtitleFile(program_);
    // The colouring comes on by itself after a time-based file (its boxes are enabled then).
    Szinezes38.Click();
    Szinezes3.Click();
    state.StartFile.clear();
  }

  if (state.StartState == "be" && state.OpenMode == "megnyitas") {
    if (cds.Active())
      cds.EmptyDataSet();
    state.OpenPurpose = "Felirat";
    state.OpenMode = "mas";
    state.TextSlot = "1";
    EditorOneTextLayout();
    program_.Kereses->OpeningSecondText = false;
    program_.Kereses->ShowModal();
  }

  state.InternalUpdate = false;
}

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
  state.OpenMode = "mas";

  // The rows are in the time base chosen for the new subtitle from now on, whatever an
  // earlier subtitle left behind.
  const std::string time_base = beosztas.Text() == "Time" ? "Time" : "Frame";
  const bool time_based = time_base == "Time";
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

void TFelirat::BkiClick() {
  AskSaveAndClose();
}

void TFelirat::AskSaveAndClose() {
  if (AskSaveBeforeDiscard(Discard::kLeaving))
    Close();
}

bool TFelirat::AskSaveBeforeDiscard(Discard why) {
  shell::SharedState& state = program_.state;
  state.DialogReply = "mentes2";
  state.ExitSaveInProgress = false;
  const bool silenced = why == Discard::kLeaving && Cbki.Checked();
  if (!silenced && Bmentes.Enabled()) {
    // "Igen" saves through Program::SaveMainSubtitleOnExit; a save that failed or got no name
    // answers "nemlepki", so the rows are never dropped unsaved.
    shell::ShowBox(program_, "A felirat mentése!", shell::kIconQuestion,
                   "A felirat módosítva lett!", "Elmenti?", false, true, true);
  }
  return state.DialogReply != "nemlepki";
}

void TFelirat::BvisszaClick() {
  shell::SharedState& state = program_.state;
  program_.film->BackToMainMenu();
  program_.FoForm->Show();
  state.InternalUpdate = true;
  state.StartState = "be2";
  Close();
}

// ---- Clock and transparency --------------------------------------------------------------------

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
