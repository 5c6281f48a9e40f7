#include "files/read_into_editor.h"

#include "editor/felirat.h"
#include "files/document_path.h"
#include "files/reader.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace files {

namespace {

// Detaches the table's controls for its lifetime.
class DetachedControls {
 public:
  explicit DetachedControls(dataset::RowTable& table) : table_(table) { table_.DisableControls(); }
  ~DetachedControls() { table_.EnableControls(); }
  DetachedControls(const DetachedControls&) = delete;
  DetachedControls& operator=(const DetachedControls&) = delete;

 private:
  dataset::RowTable& table_;
};

}  // namespace

std::string ReadIntoEditor(shell::Program& program) {
  return ReadIntoEditor(program, PathOfText(program.state.CurrentFilePath));
}

std::string ReadIntoEditor(shell::Program& program, const std::filesystem::path& file) {
  editor::TFelirat& editor = *program.Felirat;
  dataset::RowTable& table = editor.cds;
  shell::InternalUpdateGuard internal(program.state);
  ui::HourglassCursor hourglass(program.app);
  program.state.ReadErrorDetail.clear();
  if (!table.Active())
    table.CreateDataSet();
  std::string kind;
  {
    DetachedControls detached(table);
    if (program.state.TextSlot == "2") {
      table.First();
    } else {
      table.EmptyDataSet();
      // The counters start from this file's own rows, whatever the read finds.
      editor.ResetFlagCounters();
    }
    kind = ReadSubtitleFile(program, file, 0);
    table.First();
    table.MergeChangeLog();
  }
  editor.Fszazalek.SetVisible(false);
  return kind;
}

void ShowUnusableFileMessage(shell::Program& program) {
  shell::ShowBox(program, "Hiba", shell::kIconError,
                 "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                 "Vagy a file értelmezhetetlen típust tartalmaz!", true, false, false);
}

}  // namespace files
