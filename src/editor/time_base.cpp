// The Frame/Time switch and the shift of all rows, with the keys of their boxes; the commands
// that open the detailed shift and the frame-rate conversion.
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/fps_valtas.h"
#include "editor/reszletes.h"
#include "editor/rules/retime_rules.h"
#include "editor/table_scopes.h"
#include "film/film_hooks.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/checks.h"
#include "timecode/key_filters.h"
#include "timecode/time_base.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr char kEnter = '\r';
// What the choose-only boxes turn every typed key into.
constexpr char kRefusedKey = 23;

bool IsArrow(ui::Key key) {
  return key == ui::keys::kLeft || key == ui::keys::kUp || key == ui::keys::kRight ||
         key == ui::keys::kDown;
}

// Delete right before a separator of a time code would pull the code out of shape.
bool BeforeSeparator(int caret) {
  return caret == 2 || caret == 5 || caret == 8;
}

}  // namespace

void TFelirat::WireTimeBase() {
  beosztas.OnChange = [this] { beosztasChange(); };
  beosztas.OnKeyPress = [this](char& key) { beosztasKeyPress(key); };
  cbFps.OnKeyPress = [this](char& key) { beosztasKeyPress(key); };
  CbPM.OnKeyPress = [this](char& key) { CbPMKeyPress(key); };
  Emodositas.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) {
    EmodositasKeyDown(key, shift);
  };
  Emodositas.OnKeyPress = [this](char& key) { EmodositasKeyPress(key); };
  Batvaltas.OnClick = [this] { BatvaltasClick(); };
  Bmodok.OnClick = [this] { BmodokClick(); };
  Breszletes.OnClick = [this] { BreszletesClick(); };
}

// Values of `beosztas`, `cbFps` and `CbPM` are only chosen, never typed.
void TFelirat::beosztasKeyPress(char& key) {
  key = kRefusedKey;
}

void TFelirat::CbPMKeyPress(char& key) {
  key = kRefusedKey;
}

// ---- The Frame/Time switch -----------------------------------------------------------------

// "Frame" or "Time" chosen in `beosztas`: every start and end converted at the rate of
// `cbFps`, and the commands that need time codes enabled or disabled.
void TFelirat::beosztasChange() {
  shell::SharedState& state = program_.state;
  const std::string target = beosztas.Text();
  if (target == state.CurrentTimeBase ||
      (target != timecode::kTimeBaseFrame && target != timecode::kTimeBaseTime))
    return;
  // The rate box offers only rates; should it ever hold none, nothing is converted and the
  // box goes back to the base the values are in.
  const std::optional<timecode::FrameRate> rate = timecode::ParseFrameRate(cbFps.Text());
  if (!rate) {
    beosztas.SetItemIndex(beosztas.IndexOf(state.CurrentTimeBase));
    return;
  }
  program_.film->TimeBaseSwitching();
  kezdes.SetText("");
  befejezes.SetText("");
  kulonbseg.SetText("");
  kulonbseg.SetColor(ui::colors::kWhite);
  szoveg.ClearLines();
  {
    shell::ControlsOffScope controls_off(cds);
    CommandUpdateScope update(*this);
    if (target == timecode::kTimeBaseFrame)
      SwitchToFrames(*rate);
    else
      SwitchToTimes(*rate);
    MarkModified();
    Btorles.SetEnabled(true);
    update.Lower();
  }
  program_.film->TimeBaseSwitched();
}

void TFelirat::SwitchToFrames(timecode::FrameRate rate) {
  program_.state.CurrentTimeBase = timecode::kTimeBaseFrame;
  B12.SetEnabled(false);
  B22.SetEnabled(false);
  B21.SetEnabled(false);
  shell::GaugeScope gauge(Fszazalek, cds.RecordCount());
  for (cds.First(); !cds.IsEmpty() && !cds.Eof(); cds.Next()) {
    const RowSpan span =
        SwitchedToFrames(cds.Value(field::kKezdes), cds.Value(field::kBefejezes), rate);
    cds.Edit();
    cds.SetValue(field::kKezdes, span.start);
    cds.SetValue(field::kBefejezes, span.end);
    cds.Post();
    gauge.RowDone();
  }
  // The row flags and their counters stay as they are; what needs time codes goes.
  BAtfedes.SetEnabled(false);
  agressziv.SetEnabled(false);
  Cbtobb.SetChecked(false);
  Cbtobb.SetEnabled(false);
  CB3sor.SetChecked(false);
  CB3sor.SetEnabled(false);
  SEbetu.SetEnabled(false);
  BTobbCheck.SetEnabled(false);
  Szinezes38.SetEnabled(false);
  Szinezes3.SetEnabled(false);
  cds.First();
  SetTimeBaseLimits(timecode::kTimeBaseFrame);
}

void TFelirat::SwitchToTimes(timecode::FrameRate rate) {
  shell::SharedState& state = program_.state;
  state.CurrentTimeBase = timecode::kTimeBaseTime;
  B12.SetEnabled(true);
  B22.SetEnabled(true);
  B21.SetEnabled(true);
  state.LongLineRowCount = 0;
  state.ManyLineRowCount = 0;
  shell::GaugeScope gauge(Fszazalek, cds.RecordCount());
  for (cds.First(); !cds.IsEmpty() && !cds.Eof(); cds.Next()) {
    const RowSpan span =
        SwitchedToTimes(cds.Value(field::kKezdes), cds.Value(field::kBefejezes), rate);
    cds.Edit();
    cds.SetValue(field::kKezdes, span.start);
    cds.SetValue(field::kBefejezes, span.end);
    cds.Post();
    // The counters were zeroed, so every row is counted afresh.
    CountRowFlags();
    gauge.RowDone();
  }
  ShowFlagCounters();
  BAtfedes.SetEnabled(true);
  agressziv.SetEnabled(true);
  Cbtobb.SetEnabled(true);
  Cbtobb.SetChecked(false);
  CB3sor.SetEnabled(true);
  CB3sor.SetChecked(false);
  SEbetu.SetEnabled(true);
  BTobbCheck.SetEnabled(true);
  Szinezes38.SetEnabled(true);
  Szinezes3.SetEnabled(true);
  cds.First();
  SetTimeBaseLimits(timecode::kTimeBaseTime);
}

// ---- The shift of all rows ------------------------------------------------------------------

// Adds the shift box's value to (or, with "-" in `CbPM`, takes it from) the start and end
// of every row.
void TFelirat::ShiftAllTimes() {
  const std::string value = Emodositas.Text();
  if (IsZeroShift(value)) {
    Fszazalek.SetVisible(false);
    program_.Reszletes->szazalek.SetVisible(false);
    shell::Inform(program_, "Felhívás", "0-val nem lenne értelme módosítani!");
    return;
  }
  const bool time_based = beosztas.Text() == timecode::kTimeBaseTime;
  const timecode::Check check =
      time_based ? timecode::ValidateTimeCode(value) : timecode::ValidateFrameNumber(value);
  if (!shell::ShowCheck(program_, check)) {
    LoadRowIntoEditor();
    return;
  }
  const int64_t magnitude = time_based ? timecode::TimeCodeToMs(value) : FrameShiftAmount(value);
  const int64_t amount = CbPM.Text() == "-" ? -magnitude : magnitude;
  {
    CommandUpdateScope update(*this);
    const int remembered = cds.RecNo();
    {
      shell::ControlsOffScope controls_off(cds);
      shell::GaugeScope gauge(Fszazalek, cds.RecordCount());
      for (cds.First(); !cds.IsEmpty() && !cds.Eof(); cds.Next()) {
        const std::string start = cds.Value(field::kKezdes);
        const std::string end = cds.Value(field::kBefejezes);
        cds.Edit();
        if (time_based) {
          cds.SetValue(field::kKezdes, ShiftedTimeValue(start, amount));
          cds.SetValue(field::kBefejezes, ShiftedTimeValue(end, amount));
        } else {
          cds.SetValue(field::kKezdes, ShiftedFrameValue(start, amount));
          cds.SetValue(field::kBefejezes, ShiftedFrameValue(end, amount));
        }
        cds.Post();
        gauge.RowDone();
      }
      MarkModified();
      if (!cds.IsEmpty())
        cds.SetRecNo(remembered);
    }
    Emodositas.SetText(time_based ? timecode::kZeroTimeCode : "0");
  }
  LoadRowIntoEditor();
}

void TFelirat::BmodokClick() {
  ShiftAllTimes();
  racs.SetFocus();
}

// The shift box: no selection by keyboard, no deleting a time code's separators; Enter
// shifts, other keys are filtered for the time base.
void TFelirat::EmodositasKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (IsArrow(key) && shift.Has(ui::ShiftState::kShift))
    key = 0;
  else if (key == ui::keys::kDelete && BeforeSeparator(Emodositas.SelStart()))
    key = 0;
}

void TFelirat::EmodositasKeyPress(char& key) {
  if (key == kEnter) {
    key = 0;
    ShiftAllTimes();
    racs.SetFocus();
    return;
  }
  key = beosztas.Text() == timecode::kTimeBaseTime
            ? timecode::TimeKeyFilterAtCaret(key, Emodositas.SelStart())
            : timecode::DigitKeyFilter(key);
}

// ---- The two windows --------------------------------------------------------------------------

void TFelirat::BreszletesClick() {
  Hide();
  if (beosztas.Text() == timecode::kTimeBaseTime &&
      Emodositas.Text().size() != timecode::kZeroTimeCode.size())
    Emodositas.SetText(timecode::kZeroTimeCode);
  TReszletes& window = *program_.Reszletes;
  window.Emodositas2.SetText(Emodositas.Text());
  window.ShowModal();
}

// "Átváltás", the shift's "Ok" and "Részletes>>>".
void TFelirat::BatvaltasClick() {
  program_.FpsValtas->ShowModal();
}

}  // namespace editor
