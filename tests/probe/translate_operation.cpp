// translate SOURCE [TRANSLATION|--empty] [COMMAND...]: the translation window entered from the
// start window, SOURCE (and TRANSLATION, or an empty translation) chosen in the pair dialog as
// the open window puts them there, then "Betöltés"; the command words run
// (tests/probe/translate_commands.cpp); both tables, the save controls and the windows shown.
#include <filesystem>
#include <string>

#include "formats/document_path.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/fo_form.h"
#include "shell/program.h"
#include "translation/ford_elott.h"
#include "translation/forditas.h"

namespace probe {

namespace {

namespace field = dataset::translation_field;

void AppendTable(const dataset::RowTable& table, std::string_view side, Output& output) {
  for (int row = 1; row <= table.RecordCount(); ++row) {
    std::string line = std::string(side) + " " + text::IntToStr(row) + ":";
    for (int column : {field::kKezdes, field::kBefejezes, field::kSzoveg}) {
      line += column == field::kKezdes ? ' ' : '\t';
      line += table.Cell(row, column);
    }
    output.push_back(std::move(line));
  }
}

std::string OnOff(bool on) {
  return on ? "on" : "off";
}

}  // namespace

bool RunTranslate(shell::Program& program, ui::headless::Driver& driver,
                  std::span<const std::string> arguments, Output& output, std::string& error) {
  if (arguments.empty()) {
    error = "translate needs SOURCE and at most one TRANSLATION or --empty";
    return false;
  }
  const bool empty_translation = arguments.size() == 1 || arguments[1] == "--empty";
  translation::TForditas& window = *program.Forditas;
  translation::TFordElott& dialog = *program.FordElott;

  // "Fordítás" on the start window.
  program.state.StartState = shell::start_state::kFor;
  shell::ResetTranslationWindow(program);
  window.Show();

  // "Új project megnyitás": the pair dialog, its boxes filled as the open window fills them,
  // then "Betöltés".
  bool pressed = false;
  driver.OnModal("FordElott", [&] {
    dialog.SourcePath = files::ShownPath(arguments[0]);
    dialog.Eef.SetText(dialog.SourcePath.Text());
    if (empty_translation) {
      driver.Click(dialog.Ferb2);
    } else {
      dialog.TranslationPath = files::ShownPath(arguments[1]);
      dialog.Eff.SetText(dialog.TranslationPath.Text());
    }
    pressed = driver.Click(dialog.BFetovabb);
    if (!pressed)
      driver.Click(dialog.Button1);
  });
  driver.ChooseMenuItem(window.jprojectmegnyits1);
  if (!pressed) {
    error = "\"Betöltés\" could not be pressed";
    return false;
  }

  // The command words come after TRANSLATION or --empty.
  const std::span<const std::string> commands =
      arguments.size() > 2 ? arguments.subspan(2) : std::span<const std::string>();
  if (!RunTranslateCommands(program, driver, commands, error))
    return false;

  AppendTable(window.cdsE, "E", output);
  AppendTable(window.cdsF, "F", output);
  output.push_back("mode: E=" + window.EEfm.Text() + " F=" + window.EFfm.Text());
  output.push_back("path: E=" + window.Efe.Text() + " F=" + window.Eff.Text());
  output.push_back("save: Esave=" + OnOff(window.Esave.Enabled()) + " Fsave=" +
                   OnOff(window.Fsave.Enabled()) + " Pem=" + OnOff(window.Pem.Enabled()) +
                   " Pfm=" + OnOff(window.Pfm.Enabled()) + " Pmm=" + OnOff(window.Pmm.Enabled()));
  output.push_back("partial: E=" + OnOff(window.SourcePartial) +
                   " F=" + OnOff(window.TranslationPartial));
  if (!commands.empty())
    AppendTranslateCursor(program, output);
  AppendShownWindows(driver, output);
  return true;
}

}  // namespace probe
