#include "editor/fps_valtas.h"

#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/rules/frame_rates.h"
#include "editor/rules/retime_rules.h"
#include "editor/table_scopes.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace editor {

namespace field = dataset::subtitle_field;

TFpsValtas::TFpsValtas(shell::Program& program)
    : Form(program.app, "FpsValtas"), program_(program) {
  SetCaption("Fps átváltása");
  SetBounds(0, 0, 380, 160);
  SetPosition(ui::FormPosition::kScreenCenter);

  Label1.SetCaption("Adja meg, hogy milyen FPS-ről milyen FPS-re akar áttérni:");
  cb1.SetItems(StandardFrameRates());
  Button1.SetCaption("Végrehajt");
  Button2.SetCaption("<<< Vissza");
  WireHandlers();
  Created();
}

void TFpsValtas::WireHandlers() {
  OnActivate = [this] { FormActivate(); };
  OnClose = [this](ui::CloseAction& action) { FormClose(action); };
  cb1.OnChange = [this] { cb1Change(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
}

void TFpsValtas::FormActivate() {
  cb1.SetItemIndex(-1);
  cb2.ClearItems();
  cb2.SetItemIndex(-1);
  FPSszazalek.SetProgress(0);
}

void TFpsValtas::cb1Change() {
  cb2.SetItems(TargetRates(cb1.Items(), cb1.Text()));
  if (!cb2.Items().empty())
    cb2.SetItemIndex(0);
}

void TFpsValtas::Button1Click() {
  const std::optional<timecode::FrameRate> from = timecode::ParseFrameRate(cb1.Text());
  const std::optional<timecode::FrameRate> to = timecode::ParseFrameRate(cb2.Text());
  // A pass needs both rates; the box still to be chosen takes the focus.
  if (!from) {
    cb1.SetFocus();
    return;
  }
  if (!to) {
    cb2.SetFocus();
    return;
  }
  TFelirat& editor = *program_.Felirat;
  dataset::RowTable& table = editor.cds;
  const bool time_based = editor.beosztas.Text() == timecode::kTimeBaseTime;
  auto converted = [&](const std::string& stored) {
    return time_based ? ConvertedTimeValue(stored, *from, *to)
                      : ConvertedFrameValue(stored, *from, *to);
  };
  {
    shell::ControlsOffScope controls_off(table);
    CommandUpdateScope update(editor);
    shell::GaugeScope gauge(FPSszazalek, table.RecordCount(),
                            shell::GaugeScope::AtEnd::kStaysShown);
    for (table.First(); !table.IsEmpty() && !table.Eof(); table.Next()) {
      const std::string start = table.Value(field::kKezdes);
      const std::string end = table.Value(field::kBefejezes);
      table.Edit();
      table.SetValue(field::kKezdes, converted(start));
      table.SetValue(field::kBefejezes, converted(end));
      table.Post();
      gauge.RowDone();
    }
    update.Lower();
    table.First();
  }
  // The session ends only once control is back in this window's loop, after the report is
  // answered; the window leaves the screen before the report shows.
  Close();
  Hide();
  editor.MarkModified();
  shell::Inform(program_, "FPS módosítás", "Az átváltás megtörtént!");
}

void TFpsValtas::Button2Click() {
  Close();
}

void TFpsValtas::FormClose(ui::CloseAction& /*action*/) {}

}  // namespace editor
