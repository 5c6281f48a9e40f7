// The editor window's keys and small handlers: the application-message hook, the text box's
// keys, the boxes that hand the focus on, the narrow popup buttons, the option items, "Első
// sor", "Utolsó sor" and "FPS érték AVI-ból".
#include "editor/avi_ki.h"
#include "editor/felirat.h"
#include "editor/rules/window_rules.h"
#include "formats/document_path.h"
#include "shell/program.h"

namespace editor {

namespace {

bool IsArrow(ui::Key key) {
  return key == ui::keys::kLeft || key == ui::keys::kUp || key == ui::keys::kRight ||
         key == ui::keys::kDown;
}

// Keys that move in the text box without editing it.
bool IsMovingKey(ui::Key key) {
  return IsArrow(key) || key == ui::keys::kEnd || key == ui::keys::kHome ||
         key == ui::keys::kPrior || key == ui::keys::kNext || key == ui::keys::kNumLock ||
         key == ui::keys::kLWin;
}

void PopupAtMouse(ui::PopupMenu& popup, ui::Control& button, int x, int y) {
  const ui::Point at = button.ClientToScreen({x, y});
  popup.Popup(at.x, at.y);
}

}  // namespace

void TFelirat::WireWindowKeys() {
  message_hook_.Bind(
      [this](ui::Message& message, bool& handled) { ApplicationEvents1Message(message, handled); });
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

// ---- The application-message hook -----------------------------------------------------------

// The application-message hook: wheel turns become arrow keys for the focused control,
// and every right-button release picks the grid's popup by the grid's current column.
// The text layer reads and writes numbers with the decimal comma whatever the system's number
// settings are, so nothing here follows them; and the hook turns no error of another window
// into a message of its own.
void TFelirat::ApplicationEvents1Message(ui::Message& message, bool& handled) {
  switch (message.kind) {
    case ui::MessageKind::kMouseWheel: {
      const int notches = TakeWheelNotches(wheel_rest_, message.wheel_delta);
      if (notches == 0) {
        handled = true;
        return;
      }
      const ui::Key arrow = notches > 0 ? ui::keys::kUp : ui::keys::kDown;
      message.kind = ui::MessageKind::kKeyDown;
      message.key = arrow;
      message.ch = 0;
      // One delta worth several notches: the keys beyond the first go as key-downs of their
      // own, to the same window.
      for (int extra = (notches > 0 ? notches : -notches) - 1; extra > 0; --extra)
        message.form->App().KeyDown(*message.form, arrow, message.shift, 0);
      return;
    }
    case ui::MessageKind::kMouseUp:
      if (message.button != ui::MouseButton::kRight)
        return;
      switch (GridPopupFor(racs.SelectedField(), cds.RecNo(), program_.state.SecondTextRowCount)) {
        case GridPopup::kRacsPM:
          racs.SetPopupMenu(&RacsPM);
          break;
        case GridPopup::kBeTorlesPM:
          racs.SetPopupMenu(&BeTorlesPM);
          break;
        case GridPopup::kNone:
          racs.SetPopupMenu(nullptr);
          break;
      }
      return;
    default:
      return;
  }
}

// ---- The text box ------------------------------------------------------------------------------

// Bmentes and Mentes1 enabled: the subtitle counts as modified.
void TFelirat::MarkModified() {
  Bmentes.SetEnabled(true);
  Mentes1.SetEnabled(true);
}

void TFelirat::MarkSaved() {
  Bmentes.SetEnabled(false);
  Mentes1.SetEnabled(false);
}

// The text box's keys: rows by Ctrl+Up / Ctrl+Down, the internal clipboard by Ctrl+C,
// the subtitle marked modified by editing keys.
void TFelirat::szovegKeyDown(ui::Key& key, ui::ShiftState shift) {
  MemoEditPending = false;
  const ui::ShiftState modifiers = shift.Modifiers();
  if (modifiers == ui::kCtrl) {
    if (key == ui::keys::kUp || key == ui::keys::kDown) {
      if (key == ui::keys::kUp)
        cds.Prior();
      else
        cds.Next();
      racs.SetFocus();
      key = 0;
    } else if ((key == 'C' || key == ui::keys::kInsert) && szoveg.SelLength() > 0) {
      // The box copies to the system's clipboard itself; the program keeps its own copy.
      CopySelectionToClipboard();
    } else if (key == 'V') {
      MemoEditPending = true;
    }
    return;
  }
  if (modifiers == ui::kShift) {
    if (key != ui::keys::kShift && !IsArrow(key))
      MarkModified();
    return;
  }
  if (IsMovingKey(key))
    return;
  if (key == ui::keys::kDelete || key == ui::keys::kSpace) {
    MarkModified();
    return;
  }
  MemoEditPending = true;
}

void TFelirat::szovegKeyPress(char& /*key*/) {
  if (!MemoEditPending)
    return;
  MemoEditPending = false;
  MarkModified();
}

// TextClipboard := the text box's selection as a row text ("|" for a line break).
void TFelirat::CopySelectionToClipboard() {
  std::string& clipboard = program_.state.TextClipboard;
  clipboard.clear();
  for (const char ch : szoveg.SelText()) {
    if (ch == '\n')
      clipboard += '|';
    else if (ch != '\r' && ch != '\0')
      clipboard += ch;
  }
}

// ---- Boxes that hand the focus on -------------------------------------------------------------

// The read-only name box hands the focus to "Tallózás"; the jump box hands it to the grid
// on Up or Down; the difference box hands it to the end box; moving the mouse over a time
// box drops its selection.
void TFelirat::EfilenevKeyPress(char& key) {
  key = 0;
  Btallozas.SetFocus();
}

void TFelirat::EugrasKeyUp(ui::Key& key, ui::ShiftState /*shift*/) {
  if (key == ui::keys::kUp || key == ui::keys::kDown)
    racs.SetFocus();
}

void TFelirat::kulonbsegClick() {
  befejezes.SetFocus();
  befejezes.SetSelLength(0);
}

void TFelirat::kezdesMouseMove(ui::ShiftState /*shift*/, int /*x*/, int /*y*/) {
  kezdes.SetSelLength(0);
}

void TFelirat::befejezesMouseMove(ui::ShiftState /*shift*/, int /*x*/, int /*y*/) {
  befejezes.SetSelLength(0);
}

void TFelirat::EmodositasMouseMove(ui::ShiftState /*shift*/, int /*x*/, int /*y*/) {
  Emodositas.SetSelLength(0);
}

// ---- Popups
// --------------------------------------------------------------------------------------

// The narrow buttons open the corrections and the options at the mouse pointer.
void TFelirat::BTobbGombMouseDown(ui::MouseButton /*button*/, ui::ShiftState /*shift*/, int x,
                                  int y) {
  PopupAtMouse(PMtobbgomb, BTobbGomb, x, y);
}

void TFelirat::BTobbCheckMouseDown(ui::MouseButton /*button*/, ui::ShiftState /*shift*/, int x,
                                   int y) {
  PopupAtMouse(PMTobbCheck, BTobbCheck, x, y);
}

// Opening the grid's popup brings its format ticks up to date.
void TFelirat::RacsPMPopup() {
  UpdateFormatChecks();
}

// The option popup's items toggle their own tick.
void TFelirat::MentAtClick() {
  MentAt.SetChecked(!MentAt.Checked());
}

void TFelirat::BeolvasClick() {
  Beolvas.SetChecked(!Beolvas.Checked());
}

void TFelirat::Max2Click() {
  Max2.SetChecked(!Max2.Checked());
}

void TFelirat::UresNeClick() {
  UresNe.SetChecked(!UresNe.Checked());
}

// ---- Rows and the frame rate ------------------------------------------------------------------

// "Első sor", "Utolsó sor"; "FPS érték AVI-ból": the AVI window for the frame rate.
void TFelirat::BelsoClick() {
  program_.state.InternalUpdate = false;
  cds.First();
  racs.SetFocus();
}

void TFelirat::ButolsoClick() {
  program_.state.InternalUpdate = false;
  cds.Last();
  racs.SetFocus();
}

void TFelirat::BFPSClick() {
  TAviKi& avi = *program_.AviKi;
  if (!program_.state.CurrentDirectory.empty())
    avi.DirectoryListBox2.SetDirectory(program_.state.CurrentDirectory.Path());
  program_.state.AviPurpose = shell::avi_purpose::kFps;
  avi.SetCaption("Fps érték kinyerése Avi file-ból");
  avi.ShowModal();
}

}  // namespace editor
