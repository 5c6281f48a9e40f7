// save FILE OUT [--second FILE2 OUT2]: FILE is opened as "Megnyitás" opens it (FILE2 as
// "Másik felirat beolvasása"), then the main text is saved with "Mentés Más Néven" (the second
// text with "Másik felirat mentése"). The file-name window is answered as a user would: its
// folder is set to OUT's folder and OUT's name is typed into its name box, so the window's own
// rules decide the name (a typed "." is refused, so OUT is best given without extension) and
// the extension (that of the time base). OUT's folder must exist.
// An existing file is overwritten ("Igen"); every other message is answered with OK.
//
// Prints the windows shown, in order, then "saved: PATH" or "not saved" for each text.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "editor/felirat.h"
#include "files/fileneve.h"
#include "files/kereses.h"
#include "files/saving.h"
#include "formats/document_path.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/hibaki.h"
#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace fs = std::filesystem;

struct SaveArguments {
  fs::path file;
  fs::path out;
  std::optional<fs::path> second;
  std::optional<fs::path> second_out;
};

bool ParseArguments(std::span<const std::string> arguments, SaveArguments& parsed,
                    std::string& error) {
  std::vector<fs::path> plain;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--second" && i + 2 < arguments.size()) {
      parsed.second = arguments[i + 1];
      parsed.second_out = arguments[i + 2];
      i += 2;
    } else if (!arguments[i].starts_with("--")) {
      plain.emplace_back(arguments[i]);
    } else {
      error = "unexpected argument: " + arguments[i];
      return false;
    }
  }
  if (plain.size() != 2) {
    error = "save needs FILE and OUT";
    return false;
  }
  parsed.file = plain[0];
  parsed.out = plain[1];
  // The file-name window can only be pointed at a folder that is there.
  for (const std::optional<fs::path>& out : {std::optional(parsed.out), parsed.second_out}) {
    if (out && !fs::is_directory(fs::absolute(*out).parent_path())) {
      error = "no such folder: " + fs::absolute(*out).parent_path().string();
      return false;
    }
  }
  return true;
}

// The next file-name window: OUT's folder, OUT's name typed, Ok.
void AnswerFileName(ui::headless::Driver& driver, shell::Program& program, const fs::path& out) {
  driver.OnModal("Fileneve", [&driver, &program, out] {
    files::TFileneve& window = *program.Fileneve;
    window.dlb.SetDirectory(out.parent_path());
    driver.Focus(window.e1);
    driver.Type(files::TextOfPath(out.filename()));
    driver.Click(window.Bok);
  });
}

std::string Saved(bool saved, const std::string& path) {
  return saved ? "saved: " + path : "not saved";
}

}  // namespace

// The answers of a user who overwrites what is there and takes note of everything else.
void AnswerAsAUser(ui::headless::Driver& driver, shell::Program& program) {
  driver.Verify();  // drops the probe's default answers
  constexpr int kAnswers = 64;
  for (int i = 0; i < kAnswers; ++i) {
    driver.OnModal("Kiszoveg", [&driver, &program] {
      shell::TKiszoveg& box = *program.Kiszoveg;
      if (box.Bigen.Visible() && box.Caption() == "Létező file")
        driver.Click(box.Bigen);
      else if (box.Bok.Visible())
        driver.Click(box.Bok);
      else
        driver.Click(box.Bmegsem);
    });
    driver.OnModal("Hibaki", [&driver, &program] { driver.Click(program.Hibaki->Button1); });
  }
}

// Picks `file` in the open window and opens it, as the user's click and "Megnyitás" do.
void OpenInEditor(shell::Program& program, const fs::path& file, bool second_text) {
  editor::TFelirat& editor = *program.Felirat;
  files::TKereses& window = *program.Kereses;
  program.state.CurrentDirectory = files::ShownPath(file.parent_path());
  if (second_text)
    editor.MasikfeliratClick();
  else
    editor.BtallozasClick();
  window.PendingDirectory = files::ShownPath(file.parent_path());
  window.PendingFilePath = files::ShownPath(file);
  window.PendingFileName = window.PendingFilePath.NameText();
  window.e1.SetText(window.PendingFileName);
  window.megnyitasClick();
  if (window.Visible())
    window.Close();
}

bool RunSave(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error) {
  SaveArguments parsed;
  if (!ParseArguments(arguments, parsed, error))
    return false;
  AnswerAsAUser(driver, program);
  editor::TFelirat& editor = *program.Felirat;
  editor.cds.CreateDataSet();
  OpenInEditor(program, fs::absolute(parsed.file), false);
  if (parsed.second)
    OpenInEditor(program, fs::absolute(*parsed.second), true);

  // What the user can click: "Mentés Más Néven" is there once a file was read.
  std::vector<std::string> results;
  bool saved = false;
  if (editor.BMMN.Enabled()) {
    AnswerFileName(driver, program, fs::absolute(parsed.out));
    editor.kulonbseg.SetText("");
    editor.Esorszam.SetText("");
    saved = files::SaveMainSubtitle(program, files::MainSave::kAskName);
  }
  results.push_back(Saved(saved, program.state.CurrentFilePath.Text()));
  if (parsed.second) {
    saved = false;
    if (editor.MentesMF.Enabled()) {
      AnswerFileName(driver, program, fs::absolute(*parsed.second_out));
      saved = files::SaveSecondSubtitle(program);
    }
    results.push_back(Saved(saved, program.state.SecondFilePath.Text()));
  }
  AppendShownWindows(driver, output);
  output.insert(output.end(), results.begin(), results.end());
  return true;
}

}  // namespace probe
