#include "files/join.h"

#include <initializer_list>

#include "editor/felirat.h"
#include "editor/table_scopes.h"
#include "files/cd2cd1.h"
#include "files/ertek2cd.h"
#include "files/open_flow.h"
#include "files/read_into_editor.h"
#include "files/reader.h"
#include "files/saving.h"
#include "formats/document_path.h"
#include "formats/subtitle_kind.h"
#include "platform/desktop/line_reader.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/path_text.h"
#include "timecode/time_base.h"

namespace files {

namespace {

void ShowStyleMessage(shell::Program& program) {
  shell::ShowError(program, "Stílushiba!", "A két file eltérő stílusú/Frame,Time/!");
}

// Reads both parts into the emptied table; false when a part could not be read at all.
bool ReadBothParts(shell::Program& program, const ShownPath& first, const ShownPath& second) {
  shell::SharedState& state = program.state;
  editor::TFelirat& editor = *program.Felirat;
  state.ReadErrorDetail.clear();
  if (!editor.cds.Active())
    editor.cds.CreateDataSet();
  editor.cds.EmptyDataSet();
  state.CurrentFilePath = first;
  if (ReadSubtitleFile(program, 0).empty())
    return false;
  state.CurrentFilePath = second;
  editor.Fszazalek.SetProgress(0);
  return !ReadSubtitleFile(program, 1).empty();
}

// The joined file: the one the file-name window gave, while its box still shows it.
ShownPath JoinedFile(const shell::Program& program) {
  return PathShownIn(program.Ertek2cd->E2cdfilenev.Text(), program.Ertek2cd->JoinTarget);
}

}  // namespace

void RunJoin(shell::Program& program) {
  shell::SharedState& state = program.state;
  editor::TFelirat& editor = *program.Felirat;
  const ShownPath first = program.Cd2cd1->JoinFirstPath;
  const ShownPath second = program.Cd2cd1->JoinSecondPath;
  editor.Bvegre21.SetEnabled(false);

  // A part that is gone or cannot be read is named as the open window names it. The kinds are
  // told from the files themselves: a refused join leaves the document path, the name box, the
  // time base and the rows exactly as they were.
  for (const ShownPath* part : {&first, &second}) {
    const desktop::FileError error = desktop::ReadFilePrefix(part->Path(), 1).error;
    if (error != desktop::FileError::kNone) {
      ShowUnreadableFileMessage(program, part->Path(), error);
      return;
    }
  }
  const std::string first_kind = DetectFileKind(first.Path());
  const std::string second_kind = DetectFileKind(second.Path());
  switch (JoinRefusalOf(first_kind, second_kind)) {
    case JoinRefusal::kStyle:
      ShowStyleMessage(program);
      return;
    case JoinRefusal::kUnusable:
      ShowUnusableFileMessage(program);
      return;
    case JoinRefusal::kNone:
      break;
  }

  editor.beosztas.SetItemIndex(editor.beosztas.IndexOf(
      first_kind == kFrameKind ? timecode::kTimeBaseFrame : timecode::kTimeBaseTime));
  state.FileChosen = true;
  state.TextSlot = shell::text_slot::kMain;
  // The panel shows the joined subtitle's current row once the join is over.
  editor::CommandUpdateScope update(editor);
  bool saved = false;
  {
    shell::ControlsOffScope detached(editor.cds);
    if (ReadBothParts(program, first, second)) {
      state.CurrentFilePath = JoinedFile(program);
      saved = SaveMainSubtitle(program, MainSave::kConfirmed);
    } else {
      // Half a join is not saved: the target file stays as it was.
      shell::ShowError(program, "Hiba", "A file-t nem tudtam beolvasni!", state.ReadErrorDetail);
      state.CurrentFilePath = JoinedFile(program);
    }
    editor.cds.First();
  }
  editor.Fszazalek.SetVisible(false);
  EnableEditingControls(program);
  // Rows that are not in the file yet keep the save commands.
  if (saved)
    editor.MarkSaved();
  else
    editor.MarkModified();
  AfterFileChosen(program, true);
  state.CurrentFileName = state.CurrentFilePath.NameText();
  editor.Efilenev.SetText(state.CurrentFileName);
  for (ui::Button* button :
       {&editor.Bbeszuras, &editor.Belemoge, &editor.Btorles, &editor.BTorlesTobb, &editor.BMMN})
    button->SetEnabled(true);
  editor.racs.SetFocus();
}

}  // namespace files
