// Keys of the row panel: the text box stores on every key release; the start and end boxes
// filter what is typed and move on with Enter.
#include <string>

#include "editor/felirat.h"
#include "editor/rules/row_text.h"
#include "shell/program.h"
#include "timecode/key_filters.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace editor {

namespace field = dataset::subtitle_field;

namespace {

constexpr char kEnter = '\r';
constexpr char kTab = '\t';
// A time code box's text one digit short of a whole time code ("00:00:01,50").
constexpr std::size_t kShortTimeCode = 11;
constexpr std::size_t kWholeTimeCode = 12;

bool IsArrow(ui::Key key) {
  return key == ui::keys::kLeft || key == ui::keys::kUp || key == ui::keys::kRight ||
         key == ui::keys::kDown;
}

// Delete right before a separator of a time code would pull the code out of shape.
bool BeforeSeparator(int caret) {
  return caret == 2 || caret == 5 || caret == 8;
}

void CompleteTimeCode(ui::Edit& box) {
  if (box.Text().size() == kShortTimeCode)
    box.SetText(box.Text() + "0");
}

}  // namespace

void TFelirat::WireRowPanelKeys() {
  szoveg.OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { szovegKeyUp(key, shift); };
  kezdes.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { kezdesKeyDown(key, shift); };
  kezdes.OnKeyPress = [this](char& key) { kezdesKeyPress(key); };
  befejezes.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) {
    befejezesKeyDown(key, shift);
  };
  befejezes.OnKeyPress = [this](char& key) { befejezesKeyPress(key); };
}

void TFelirat::szovegKeyUp(ui::Key& /*key*/, ui::ShiftState /*shift*/) {
  shell::InternalUpdateGuard guard(program_.state);
  SetRowText1(MemoTextToRowText(szoveg.Text()), RowWrite::kEdit);
  sordarab.SetCaption(LetterCountLabel(cds.Value(field::kSzoveg)));
}

void TFelirat::kezdesKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (IsArrow(key) && shift.Has(ui::ShiftState::kShift)) {
    key = 0;
  } else if (key == ui::keys::kDelete) {
    if (beosztas.Text() == timecode::kTimeBaseTime && BeforeSeparator(kezdes.SelStart()))
      key = 0;
    else
      Bertek.SetEnabled(true);
  }
}

void TFelirat::befejezesKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (IsArrow(key) && shift.Has(ui::ShiftState::kShift)) {
    key = 0;
  } else if (key == ui::keys::kDelete) {
    if (beosztas.Text() == timecode::kTimeBaseTime && BeforeSeparator(befejezes.SelStart()))
      key = 0;
    else
      Bertek.SetEnabled(true);
  } else if (key == ui::keys::kBack) {
    Bertek.SetEnabled(true);
  }
}

void TFelirat::kezdesKeyPress(char& key) {
  if (key == kTab)
    return;
  if (key == kEnter) {
    key = 0;
    CompleteTimeCode(kezdes);
    if (kezdes.Text().size() == kWholeTimeCode &&
        timecode::TimeCodeToMs(kezdes.Text()) > timecode::TimeCodeToMs(befejezes.Text())) {
      befejezes.SetText(kezdes.Text());
      Bertek.SetEnabled(true);
    }
    befejezes.SetFocus();
    return;
  }
  key = beosztas.Text() == timecode::kTimeBaseTime
            ? timecode::TimeKeyFilterAtCaret(key, kezdes.SelStart())
            : timecode::DigitKeyFilter(key);
  if (key == timecode::kEscape)
    kezdes.SetText(cds.Value(field::kKezdes));
  else
    Bertek.SetEnabled(true);
}

void TFelirat::befejezesKeyPress(char& key) {
  if (key == kTab)
    return;
  if (key == kEnter) {
    key = 0;
    if (Bertek.Enabled()) {
      CompleteTimeCode(befejezes);
      Bertek.SetFocus();
    } else {
      szoveg.SetFocus();
    }
    return;
  }
  key = beosztas.Text() == timecode::kTimeBaseTime
            ? timecode::TimeKeyFilterAtCaret(key, befejezes.SelStart())
            : timecode::DigitKeyFilter(key);
}

}  // namespace editor
