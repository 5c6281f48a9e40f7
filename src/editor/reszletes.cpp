#include "editor/reszletes.h"

#include <string>

#include "editor/felirat.h"
#include "editor/rules/retime_rules.h"
#include "editor/table_scopes.h"
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

}  // namespace

TReszletes::TReszletes(shell::Program& program)
    : Form(program.app, "Reszletes"), program_(program) {
  SetCaption("Részletes módosítás");
  SetBounds(0, 0, 416, 330);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetCloseBox(false);

  Label1.SetCaption("Aktuális pont:");
  CbPMR.SetItems({"+", "-"});
  CbPMR.SetItemIndex(0);
  Emodositas2.SetMaxLength(12);
  Emodositas2.SetText("0");
  Bmodok.SetCaption("Módosítás");
  szazalek.SetVisible(false);

  Label2.SetCaption("Módosítás feltételei az aktuális ponttól:");
  Felfele.SetCaption("Felfele (pl.10-0)");
  Lefele.SetCaption("Lefele(pl.10-100)");
  Lefele.SetChecked(true);
  RB3.SetCaption("Az összeset");
  RB3.SetChecked(true);
  RB4.SetCaption("Eddig a sorig:");
  Edit2.SetMaxLength(5);
  Edit2.SetEnabled(false);

  GBertek.SetCaption("Melyik értéket változtassam meg:");
  cbKezdo.SetCaption("Kezdő érték");
  cbKezdo.SetChecked(true);
  cbBefejezo.SetCaption("Befejező érték");
  cbBefejezo.SetChecked(true);

  Edit3.SetVisible(false);
  Button1.SetCaption("<<< Vissza");
  WireHandlers();
  Created();
}

void TReszletes::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  Felfele.OnClick = [this] { FelfeleClick(); };
  Lefele.OnClick = [this] { LefeleClick(); };
  RB3.OnClick = [this] { RB3Click(); };
  RB4.OnClick = [this] { RB4Click(); };
  Edit2.OnKeyPress = [this](char& key) { Edit2KeyPress(key); };
  Emodositas2.OnKeyPress = [this](char& key) { Emodositas2KeyPress(key); };
  cbKezdo.OnClick = [this] { cbKezdoClick(); };
  cbBefejezo.OnClick = [this] { cbKezdoClick(); };
  Bmodok.OnClick = [this] { BmodokClick(); };
  Button1.OnClick = [this] { Button1Click(); };
}

void TReszletes::FormActivate() {
  szazalek.SetVisible(false);
  Lefele.SetChecked(true);
  ResetRange();
  TFelirat& editor = *program_.Felirat;
  Edit3.SetText(editor.beosztas.Text());
  Edit4.SetText(editor.cds.Value(field::kKezdes));
  Edit5.SetText(editor.cds.Value(field::kBefejezes));
  Edit6.SetText(editor.cds.Value(field::kSzoveg));
  CbPMR.SetFocus();
}

void TReszletes::ResetRange() {
  RB3.SetChecked(true);
  RB3Click();
}

void TReszletes::FelfeleClick() {
  ResetRange();
}

void TReszletes::LefeleClick() {
  ResetRange();
}

void TReszletes::RB3Click() {
  Edit2.SetText("");
  Edit2.SetEnabled(false);
}

void TReszletes::RB4Click() {
  Edit2.SetEnabled(true);
  Edit2.SetFocus();
}

void TReszletes::Edit2KeyPress(char& key) {
  key = timecode::DigitKeyFilter(key);
}

void TReszletes::Emodositas2KeyPress(char& key) {
  if (key == kEnter) {
    key = 0;
    Bmodok.SetFocus();
    return;
  }
  key = Edit3.Text() == timecode::kTimeBaseTime
            ? timecode::TimeKeyFilterAtCaret(key, Emodositas2.SelStart())
            : timecode::DigitKeyFilter(key);
}

void TReszletes::cbKezdoClick() {
  Bmodok.SetEnabled(cbKezdo.Checked() || cbBefejezo.Checked());
}

void TReszletes::BmodokClick() {
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  const std::string value = Emodositas2.Text();
  const bool time_based = Edit3.Text() == timecode::kTimeBaseTime;
  bool go = shell::ShowCheck(program_, time_based ? timecode::ValidateTimeCode(value)
                                                  : timecode::ValidateFrameNumber(value));
  if (IsZeroShift(value)) {
    go = false;
    shell::Inform(program_, "Felhívás", "0-val nem lenne értelme módosítani!");
    Emodositas2.SetFocus();
  }
  const bool upwards = Felfele.Checked();
  const int current = table.RecNo();
  const DetailedRange range =
      DetailedShiftRange(current, table.RecordCount(), upwards, RB4.Checked(), Edit2.Text());
  if (!range.refusal.empty()) {
    go = false;
    shell::Inform(program_, "Felhívás", range.refusal);
  }
  if (!go) {
    Emodositas2.SetFocus();
    return;
  }
  const int64_t magnitude = time_based ? timecode::TimeCodeToMs(value) : FrameShiftAmount(value);
  const int64_t amount = CbPMR.Text() == "-" ? -magnitude : magnitude;
  const bool starts = cbKezdo.Checked();
  const bool ends = cbBefejezo.Checked();
  auto shifted = [time_based, amount](const std::string& stored) {
    return time_based ? ShiftedTimeValue(stored, amount) : ShiftedFrameValue(stored, amount);
  };
  {
    CommandUpdateScope update(editor);
    {
      shell::ControlsOffScope controls_off(table);
      const int count = range.last - range.first + 1;
      shell::GaugeScope gauge(szazalek, count);
      for (int step = 0; step < count; ++step) {
        table.SetRecNo(upwards ? current - step : current + step);
        const std::string start = table.Value(field::kKezdes);
        const std::string end = table.Value(field::kBefejezes);
        table.Edit();
        if (starts)
          table.SetValue(field::kKezdes, shifted(start));
        if (ends)
          table.SetValue(field::kBefejezes, shifted(end));
        table.Post();
        gauge.RowDone();
      }
      if (!table.IsEmpty())
        table.SetRecNo(current);
    }
  }
  editor.LoadRowIntoEditor();
  editor.MarkModified();
  editor.Show();
  editor.racs.SetFocus();
  Close();
}

void TReszletes::Button1Click() {
  program_.Felirat->Show();
  Close();
}

}  // namespace editor
