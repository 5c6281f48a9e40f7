// export FILE "ENTRY CAPTION" OUT [--fps RATE]: FILE is opened as "Megnyitás" opens it, the
// editor's frame rate is set to RATE when given, then "Felirat konvertálása" shows the export
// window and the entry with that caption is run. The file-name window is answered as a user
// would: its folder set to OUT's folder, its name box emptied and OUT's name typed in; the
// window adds the entry's extension, so an OUT that already ends in it is typed without it.
// "SubRip" goes through the subtitle saver, which asks the name again when the extension does
// not fit the time base; it gets the same answer. An existing file is overwritten ("Igen");
// every other message is answered with OK.
//
// Prints the windows shown, in order, then "exported: PATH" or "not exported".
#include <filesystem>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "files/fileneve.h"
#include "files/mentes_maskent.h"
#include "formats/document_path.h"
#include "formats/export_formats.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace fs = std::filesystem;

struct ExportArguments {
  fs::path file;
  std::string caption;
  fs::path out;
  std::optional<std::string> fps;
};

bool ParseArguments(std::span<const std::string> arguments, ExportArguments& parsed,
                    std::string& error) {
  std::vector<std::string> plain;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "--fps" && i + 1 < arguments.size()) {
      parsed.fps = arguments[++i];
    } else if (!arguments[i].starts_with("--")) {
      plain.push_back(arguments[i]);
    } else {
      error = "unexpected argument: " + arguments[i];
      return false;
    }
  }
  if (plain.size() != 3) {
    error = "export needs FILE, \"ENTRY CAPTION\" and OUT";
    return false;
  }
  parsed.file = plain[0];
  parsed.caption = plain[1];
  parsed.out = fs::absolute(plain[2]);
  if (files::FindExportFormat(parsed.caption) == nullptr) {
    error = "no export entry: " + parsed.caption;
    return false;
  }
  if (!fs::is_directory(parsed.out.parent_path())) {
    error = "no such folder: " + parsed.out.parent_path().string();
    return false;
  }
  return true;
}

// OUT's name as the user types it: without the extension the window adds.
std::string TypedName(const fs::path& out, std::string_view extension) {
  std::string name = files::TextOfPath(out.filename());
  if (!extension.empty() && name.size() > extension.size() && name.ends_with(extension))
    name.resize(name.size() - extension.size());
  return name;
}

void AnswerFileName(ui::headless::Driver& driver, shell::Program& program, const fs::path& folder,
                    const std::string& name) {
  driver.OnModal("Fileneve", [&driver, &program, folder, name] {
    files::TFileneve& window = *program.Fileneve;
    window.dlb.SetDirectory(folder);
    window.e1.SetText("");
    driver.Focus(window.e1);
    driver.Type(name);
    driver.Click(window.Bok);
  });
}

void ChooseFrameRate(ui::ComboBox& box, const std::string& rate) {
  if (box.IndexOf(rate) < 0)
    box.AddItem(rate);
  box.SetItemIndex(box.IndexOf(rate));
}

}  // namespace

bool RunExport(shell::Program& program, ui::headless::Driver& driver,
               std::span<const std::string> arguments, Output& output, std::string& error) {
  ExportArguments parsed;
  if (!ParseArguments(arguments, parsed, error))
    return false;
  AnswerAsAUser(driver, program);
  editor::TFelirat& editor = *program.Felirat;
  editor.cds.CreateDataSet();
  OpenInEditor(program, fs::absolute(parsed.file), false);
  if (parsed.fps)
    ChooseFrameRate(editor.cbFps, *parsed.fps);

  const files::ExportFormat& format = *files::FindExportFormat(parsed.caption);
  const std::string name = TypedName(parsed.out, format.extension);
  AnswerFileName(driver, program, parsed.out.parent_path(), name);
  if (format.handling == files::ExportHandling::kNativeSaver)
    AnswerFileName(driver, program, parsed.out.parent_path(), name);

  files::TMentesMaskent& window = *program.MentesMaskent;
  files::ExportOutcome outcome = files::ExportOutcome::kNothingSelected;
  driver.OnModal("MentesMaskent", [&] {
    const auto& items = window.Lista.Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].caption == parsed.caption)
        window.Lista.SetItemIndex(static_cast<int>(i));
    }
    outcome = window.ExportSelectedEntry();
    if (window.GetModalResult() == ui::modal::kNone)
      driver.Click(window.Button1);
  });
  editor.Feliratmentsemsknt1Click();

  AppendShownWindows(driver, output);
  output.push_back(outcome == files::ExportOutcome::kWritten
                       ? "exported: " + program.state.CurrentFilePath.Text()
                       : std::string("not exported"));
  return true;
}

}  // namespace probe
