#include "files/saving.h"

#include <string>

#include "editor/felirat.h"
#include "files/fileneve.h"
#include "formats/document_path.h"
#include "formats/native_writers.h"
#include "platform/desktop/atomic_writer.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/time_base.h"

namespace files {

namespace {

// The progress gauge, shown while a writer walks the rows and hidden however it ends.
class GaugeShown {
 public:
  GaugeShown(ui::Gauge& gauge, int row_count) : gauge_(gauge), step_(row_count / 100) {
    gauge_.SetVisible(true);
  }
  ~GaugeShown() { gauge_.SetVisible(false); }
  GaugeShown(const GaugeShown&) = delete;
  GaugeShown& operator=(const GaugeShown&) = delete;

  // Moves the gauge once per hundredth of the rows (from 100 rows on).
  RowCounter Stepper() {
    return [this](int counted) {
      if (step_ > 0 && counted % step_ == 0)
        gauge_.SetProgress(counted / step_);
    };
  }

 private:
  ui::Gauge& gauge_;
  int step_;
};

struct SlotTarget {
  ShownPath path;
  std::string name;
  int text_field;
};

SlotTarget TargetOf(const shell::SharedState& state, std::string_view slot) {
  if (slot == shell::text_slot::kMain)
    return {state.CurrentFilePath, state.CurrentFileName, dataset::subtitle_field::kSzoveg};
  return {state.SecondFilePath, state.SecondFileName, dataset::subtitle_field::kSzoveg2};
}

// Writes the bytes whole; a failure is reported, and the main text stays marked modified.
bool PutFile(shell::Program& program, std::string_view slot, const SlotTarget& target,
             std::string_view bytes) {
  if (desktop::WriteFileAtomic(target.path.Path(), bytes))
    return true;
  shell::ShowError(program, "Írásvédett file!", "Írásvédett a következő file: " + target.name,
                   "A kért mentés nem sikerült!");
  if (slot == shell::text_slot::kMain)
    program.Felirat->MarkModified();
  return false;
}

void ShowSaved(shell::Program& program) {
  shell::Inform(program, "Mentés", "A file-t elmentettem!", "", shell::BoxRole::kSaveConfirmation);
}

// Shows the file-name window for the editor; true when a name was accepted.
bool AskFileName(shell::Program& program) {
  program.state.FileDialogCaller = shell::file_dialog_caller::kFelirat;
  program.Fileneve->ShowModal();
  return !program.state.FileDialogPending;
}

std::string_view WantedExtension(const editor::TFelirat& editor) {
  return editor.TimeBase() == timecode::kTimeBaseTime ? ".srt" : ".sub";
}

bool WriteMainText(shell::Program& program) {
  if (program.Felirat->TimeBase() == timecode::kTimeBaseTime)
    return WriteSubRipFile(program, shell::text_slot::kMain);
  return WriteMicroDvdFile(program, shell::text_slot::kMain);
}

void EmptyRowPanel(editor::TFelirat& editor) {
  editor.szoveg.SetText("");
  editor.kezdes.SetText("");
  editor.befejezes.SetText("");
}

}  // namespace

bool WriteMicroDvdFile(shell::Program& program, std::string_view slot) {
  editor::TFelirat& editor = *program.Felirat;
  const SlotTarget target = TargetOf(program.state, slot);
  std::string bytes;
  {
    shell::ControlsOffScope controls(editor.cds);
    GaugeShown gauge(editor.Fszazalek, editor.cds.RecordCount());
    shell::InternalUpdateGuard internal(program.state);
    editor.cds.First();
    bytes = MicroDvdBytes(RowsOfTable(editor.cds, target.text_field), gauge.Stepper());
    editor.cds.First();
  }
  return PutFile(program, slot, target, bytes);
}

bool WriteSubRipFile(shell::Program& program, std::string_view slot) {
  editor::TFelirat& editor = *program.Felirat;
  const SlotTarget target = TargetOf(program.state, slot);
  const SubRipOptions options{.check_times = editor.MentAt.Checked(),
                              .skip_empty_text = editor.UresNe.Checked()};
  SubRipFile file;
  {
    shell::ControlsOffScope controls(editor.cds);
    GaugeShown gauge(editor.Fszazalek, editor.cds.RecordCount());
    shell::InternalUpdateGuard internal(program.state);
    editor.cds.First();
    file = SubRipBytes(RowsOfTable(editor.cds, target.text_field), options, gauge.Stepper());
    editor.cds.First();
    editor.cds.MergeChangeLog();
  }
  if (!PutFile(program, slot, target, file.bytes))
    return false;
  shell::THibaki& list = *program.Hibaki;
  list.ClearLines();
  for (const std::string& line : file.report)
    list.AddLine(line);
  const std::string summary = SubRipSummaryLine(file);
  if (!summary.empty()) {
    shell::Inform(program, kSummaryCaption, summary, kSummaryLine2);
  }
  return true;
}

bool SaveMainSubtitle(shell::Program& program, const MainSave& how) {
  editor::TFelirat& editor = *program.Felirat;
  shell::SharedState& state = program.state;
  const bool was_modified = editor.IsModified();
  state.FileDialogPending = false;
  state.FileDialogCaller = shell::file_dialog_caller::kFelirat;
  // Assigned from a string: "= \"1\"" trips GCC 12's false -Wrestrict at -O3.
  state.TextSlot = std::string(shell::text_slot::kMain);
  EmptyRowPanel(editor);

  if (how.ask_name)
    AskFileName(program);

  bool written = false;
  if (!state.FileDialogPending) {
    editor.MarkSaved();
    if (LowerCaseExtension(state.CurrentFilePath.Text()) == WantedExtension(editor)) {
      written = WriteMainText(program);
    } else {
      state.FileDialogPending = true;
      shell::Inform(program, "Eltérés!", "A file neve nem egyezik meg a típussal!",
                    "Következmény: filenév bekérés");
      if (AskFileName(program))
        written = WriteMainText(program);
    }
    editor.Efilenev.SetText(state.CurrentFileName);
    if (written && !state.FileDialogPending) {
      editor.Mentes1.SetEnabled(false);
      editor.Bertek.SetEnabled(false);
      if (how.show_message)
        ShowSaved(program);
    }
  }

  if (state.FileDialogPending) {
    if (was_modified && !editor.IsModified())
      editor.MarkModified();
    editor.LoadRowIntoEditor();
    editor.Esorszam.Refresh();
  }
  return written && !state.FileDialogPending;
}

bool SaveSecondSubtitle(shell::Program& program) {
  editor::TFelirat& editor = *program.Felirat;
  shell::SharedState& state = program.state;
  state.FileDialogPending = false;
  state.FileDialogCaller = shell::file_dialog_caller::kFelirat;
  state.TextSlot = std::string(shell::text_slot::kSecond);
  EmptyRowPanel(editor);

  if (!AskFileName(program)) {
    editor.LoadRowIntoEditor();
    return false;
  }
  bool written = false;
  if (editor.TimeBase() == timecode::kTimeBaseTime) {
    const int row = editor.cds.RecNo();
    written = WriteSubRipFile(program, shell::text_slot::kSecond);
    editor.cds.SetRecNo(row);
  } else {
    written = WriteMicroDvdFile(program, shell::text_slot::kSecond);
  }
  if (written) {
    editor.Bertek.SetEnabled(false);
    ShowSaved(program);
  }
  return written;
}

}  // namespace files
