// read FILE [--second FILE2] [--fps RATE] [--limit N]: FILE is opened as "Megnyitás" opens it,
// FILE2 as "Másik felirat beolvasása" does, through the open window; then the table, the
// counters and the windows shown, as the user sees them.
#include <filesystem>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "files/reader.h"
#include "formats/document_path.h"
#include "formats/subtitle_kind.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "probe/probe.h"
#include "shell/program.h"

namespace probe {

namespace {

namespace field = dataset::subtitle_field;

struct ReadArguments {
  std::filesystem::path file;
  std::optional<std::filesystem::path> second;
  std::optional<std::string> fps;
  std::optional<int> limit;
};

bool ParseArguments(std::span<const std::string> arguments, ReadArguments& parsed,
                    std::string& error) {
  bool have_file = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool has_value = i + 1 < arguments.size();
    if (argument == "--second" && has_value) {
      parsed.second = arguments[++i];
    } else if (argument == "--fps" && has_value) {
      parsed.fps = arguments[++i];
    } else if (argument == "--limit" && has_value) {
      const std::optional<int32_t> limit = text::TryStrToInt(arguments[++i]);
      if (!limit) {
        error = "--limit takes a whole number";
        return false;
      }
      parsed.limit = *limit;
    } else if (!argument.starts_with("--") && !have_file) {
      parsed.file = argument;
      have_file = true;
    } else {
      error = "unexpected argument: " + argument;
      return false;
    }
  }
  if (!have_file)
    error = "read needs a FILE";
  return have_file;
}

void ChooseFrameRate(ui::ComboBox& box, const std::string& rate) {
  if (box.IndexOf(rate) < 0)
    box.AddItem(rate);
  box.SetItemIndex(box.IndexOf(rate));
}

// Picks `file` in the open window and opens it as the main text or the second text, as the
// user does; the kind is the one the reader finds in the file.
std::string ReadAs(shell::Program& program, const std::filesystem::path& file, bool second_text) {
  OpenInEditor(program, std::filesystem::absolute(file), second_text);
  return files::DetectFileKind(file);
}

}  // namespace

bool RunRead(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error) {
  ReadArguments parsed;
  if (!ParseArguments(arguments, parsed, error))
    return false;
  editor::TFelirat& editor = *program.Felirat;
  if (parsed.fps)
    ChooseFrameRate(editor.cbFps, *parsed.fps);
  if (parsed.limit)
    editor.SEbetu.SetValue(*parsed.limit);

  // "Megnyitás" on an empty table; the second text is read with the document path kept on the
  // main subtitle.
  editor.cds.CreateDataSet();
  output.push_back("kind: " + ReadAs(program, parsed.file, false));
  if (parsed.second)
    output.push_back("kind: " + ReadAs(program, *parsed.second, true));

  AppendEditorRows(program, output);
  AppendCounters(program, output);
  AppendShownWindows(driver, output);
  return true;
}

}  // namespace probe
