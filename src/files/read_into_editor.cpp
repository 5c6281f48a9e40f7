#include "files/read_into_editor.h"

#include "editor/felirat.h"
#include "files/reader.h"
#include "formats/document_path.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"

namespace files {

std::string ReadIntoEditor(shell::Program& program) {
  return ReadIntoEditor(program, program.state.CurrentFilePath.Path());
}

std::string ReadIntoEditor(shell::Program& program, const std::filesystem::path& file) {
  return ReadFileIntoEditor(program, file).kind;
}

SubtitleRead ReadFileIntoEditor(shell::Program& program, const std::filesystem::path& file) {
  editor::TFelirat& editor = *program.Felirat;
  dataset::RowTable& table = editor.cds;
  shell::InternalUpdateGuard internal(program.state);
  ui::HourglassCursor hourglass(program.app);
  program.state.ReadErrorDetail.clear();
  if (!table.Active())
    table.CreateDataSet();
  SubtitleRead read;
  {
    shell::ControlsOffScope detached(table);
    if (program.state.TextSlot == shell::text_slot::kSecond) {
      table.First();
    } else {
      table.EmptyDataSet();
      // The counters start from this file's own rows, whatever the read finds.
      editor.ResetFlagCounters();
    }
    read = ReadSubtitle(program, file, 0);
    if (read.out_of_memory) {
      // A part of a main text is no subtitle to edit: its rows go and give their memory back.
      // A second text leaves the main rows as they are.
      table.Cancel();
      if (program.state.TextSlot != shell::text_slot::kSecond)
        table.EmptyDataSet();
    }
    table.First();
    table.MergeChangeLog();
  }
  editor.Fszazalek.SetVisible(false);
  return read;
}

void ShowUnusableFileMessage(shell::Program& program) {
  shell::ShowError(program, "Hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                   "Vagy a file értelmezhetetlen típust tartalmaz!");
}

void ShowOutOfMemoryMessage(shell::Program& program, const std::filesystem::path& file) {
  shell::ShowError(
      program, "Hiba",
      "Nincs elég memória a következő file beolvasásához: " + TextOfPath(file.filename()),
      "A file-t nem tudtam betölteni!");
}

void ShowUnreadableFileMessage(shell::Program& program, const std::filesystem::path& file,
                               desktop::FileError error) {
  std::string reason;
  switch (error) {
    case desktop::FileError::kNotFound:
      reason = "A file nem létezik!";
      break;
    case desktop::FileError::kNotRegularFile:
      reason = "Ez nem file, hanem mappa vagy eszköz!";
      break;
    case desktop::FileError::kUnreadable:
    case desktop::FileError::kNone:
      reason = "A file nem olvasható!";
      break;
  }
  shell::ShowError(program, "Hiba",
                   "Nem tudtam beolvasni a következő file-t: " + TextOfPath(file.filename()),
                   reason);
}

}  // namespace files
