// join PART1 PART2 START OUT: the editor's two-part panel is switched to "2 CD -> 1 CD" and the
// join is driven through its dialogs as a user would: "File-ok kiválasztása", a double click on
// PART1 and one on PART2 in the chooser's list (its folder and filter set to each part's),
// "Érvényesítés"; START into the start-value window, "Tallozás" with OUT's folder chosen and OUT's
// name typed in the file-name window (so the window's rules decide the name and the extension:
// OUT is best given without one), "Érvényesít"; then "Végrehajtás" when it is enabled.
// A dialog that refuses is left with "<<< Vissza". An existing file is overwritten ("Igen"),
// every other message is answered with OK, a question with "Mégsem".
//
// Prints the table, the counters and the windows shown, as `read` prints them, then
// "saved: PATH" or "not saved".
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "files/cd2cd1.h"
#include "files/ertek2cd.h"
#include "files/fileneve.h"
#include "formats/document_path.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace fs = std::filesystem;
namespace field = dataset::subtitle_field;

// The chooser shows the part's folder with the filter of its extension, and the part is
// double-clicked; a file the list does not show cannot be picked (a line says so).
void PickPart(shell::Program& program, ui::headless::Driver& driver, const fs::path& part,
              Output& notes) {
  files::TCd2cd1& chooser = *program.Cd2cd1;
  chooser.DirectoryListBox1.SetDirectory(part.parent_path());
  const bool frames = text::LowerCase(files::TextOfPath(part.extension())) == ".sub";
  driver.Choose(chooser.FilterComboBox1, frames ? 1 : 0);
  const text::LineList& items = chooser.filelistbox.Items();
  const auto found = std::find(items.begin(), items.end(), files::TextOfPath(part.filename()));
  if (found == items.end()) {
    notes.push_back("not listed: " + files::TextOfPath(part));
    return;
  }
  driver.DoubleClickItem(chooser.filelistbox, static_cast<int>(found - items.begin()));
}

}  // namespace

bool RunJoinParts(shell::Program& program, ui::headless::Driver& driver,
                  std::span<const std::string> arguments, Output& output, std::string& error) {
  if (arguments.size() != 4) {
    error = "join needs PART1 PART2 START OUT";
    return false;
  }
  const fs::path part1 = fs::absolute(arguments[0]);
  const fs::path part2 = fs::absolute(arguments[1]);
  const std::string start = arguments[2];
  const fs::path out = fs::absolute(arguments[3]);
  if (!fs::is_directory(out.parent_path())) {
    error = "no such folder: " + out.parent_path().string();
    return false;
  }
  AnswerAsAUser(driver, program);

  editor::TFelirat& editor = *program.Felirat;
  files::TCd2cd1& chooser = *program.Cd2cd1;
  files::TErtek2cd& start_window = *program.Ertek2cd;
  editor.cds.CreateDataSet();
  editor.Show();
  // Setting a radio button runs its click handler, as the user's click does.
  editor.RB12.SetChecked(true);
  if (!editor.RB12cd2.Checked())
    editor.RB12cd2.SetChecked(true);

  Output notes;
  driver.OnModal("Cd2cd1", [&] {
    PickPart(program, driver, part1, notes);
    PickPart(program, driver, part2, notes);
    if (chooser.Bervenyesit.Enabled())
      driver.Click(chooser.Bervenyesit);
    // Refused, or back from the start-value window: the chooser is left.
    if (!editor.Bvegre21.Enabled())
      driver.Click(chooser.Button2);
  });
  driver.OnModal("Ertek2cd", [&] {
    start_window.Edit2.SetText(start);
    driver.OnModal("Fileneve", [&] {
      files::TFileneve& window = *program.Fileneve;
      window.dlb.SetDirectory(out.parent_path());
      driver.Focus(window.e1);
      driver.Type(files::TextOfPath(out.filename()));
      if (!driver.Click(window.Bok))
        driver.Click(window.Button1);
    });
    driver.Click(start_window.Btalloz);
    if (start_window.B2ervenyesit.Enabled())
      driver.Click(start_window.B2ervenyesit);
    if (!editor.Bvegre21.Enabled())
      driver.Click(start_window.Button2);
  });
  editor.BfilekiClick();

  bool joined = false;
  if (editor.Bvegre21.Enabled()) {
    editor.Bvegre21Click();
    joined = true;
  }

  const shell::SharedState& state = program.state;
  output.insert(output.end(), notes.begin(), notes.end());
  AppendEditorRows(program, output);
  AppendCounters(program, output);
  AppendShownWindows(driver, output);
  const std::string& target = start_window.E2cdfilenev.Text();
  const bool saved = joined && !editor.Bmentes.Enabled() && !target.empty() &&
                     state.CurrentFilePath.Text() == target;
  output.push_back(saved ? "saved: " + target : "not saved");
  return true;
}

}  // namespace probe
