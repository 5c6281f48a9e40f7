// read FILE [--second FILE2] [--fps RATE] [--limit N]: FILE is read as "Megnyitás" reads it,
// FILE2 as "Másik felirat beolvasása" does; then the table, the counters and the windows shown.
#include <filesystem>
#include <optional>
#include <string>

#include "editor/felirat.h"
#include "files/read_into_editor.h"
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

// Reads one file into the editor as the open driver does for `slot`.
std::string ReadAs(shell::Program& program, const std::filesystem::path& file,
                   std::string_view slot) {
  program.state.TextSlot = std::string(slot);
  const std::string kind = files::ReadIntoEditor(program, file);
  if (!files::IsEditorKind(kind))
    files::ShowUnusableFileMessage(program);
  return kind;
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

  // "Megnyitás": the document path names the file, the table is created empty.
  shell::SharedState& state = program.state;
  state.CurrentFilePath = files::ShownPath(parsed.file);
  state.CurrentFileName = state.CurrentFilePath.NameText();
  state.CurrentDirectory = files::ShownPath(parsed.file.parent_path());
  editor.cds.CreateDataSet();
  output.push_back("kind: " + ReadAs(program, parsed.file, "1"));
  if (parsed.second) {
    // The second text is read with the document path kept on the main subtitle.
    output.push_back("kind: " + ReadAs(program, *parsed.second, "2"));
  }

  AppendEditorRows(program, output);
  AppendCounters(program, output);
  AppendShownWindows(driver, output);
  return true;
}

}  // namespace probe
