#include "files/open_flow.h"

#include <initializer_list>
#include <new>
#include <vector>

#include "editor/felirat.h"
#include "files/kereses.h"
#include "files/read_into_editor.h"
#include "files/reader.h"
#include "formats/document_path.h"
#include "formats/subtitle_kind.h"
#include "platform/ui/enable.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/time_base.h"

namespace files {

namespace {

using Controls = std::initializer_list<ui::Control*>;
using MenuItems = std::initializer_list<ui::MenuItem*>;

using ui::Enable;

std::vector<ui::MenuItem*> StyleItems(editor::TFelirat& f) {
  return {&f.dolt, &f.dolt2, &f.Vastagitott, &f.Alahuzott, &f.osszesel};
}

std::vector<ui::MenuItem*> GridItems(editor::TFelirat& f) {
  return {&f.soreleRacs,     &f.sormogeRacs, &f.sor5mogeRacs, &f.SorTorlese,
          &f.Tobbsortorlese, &f.Kivagas,     &f.Masolas};
}

// The grid for the text about to be read (the reader empties the table for a main text and
// starts a second text on the first row).
void PrepareGrid(shell::Program& program, bool second_text) {
  editor::TFelirat& f = *program.Felirat;
  const int text_column = f.racs.ColumnOfField("Szoveg");
  const int second_column = f.racs.ColumnOfField("Szoveg2");
  if (second_text) {
    f.racs.SetColumnVisible(second_column, true);
    f.racs.SetColumnWidth(second_column, 254);
    f.racs.SetColumnWidth(text_column, 254);
    SetGridRowSelect(program, false);
    f.Mov.SetVisible(true);
    f.movm.SetVisible(true);
  } else {
    if (f.racs.Column(second_column).visible) {
      f.racs.SetColumnVisible(second_column, false);
      f.racs.SetColumnWidth(text_column, 510);
    }
    SetGridRowSelect(program, true);
    f.Mov.SetVisible(false);
    f.movm.SetVisible(false);
  }
}

// A file that was read: editing on, the features of its time base on.
void EnableByTimeBase(shell::Program& program, bool second_text, bool was_modified) {
  editor::TFelirat& f = *program.Felirat;
  f.LoadRowIntoEditor();
  f.UpdateFormatChecks();
  EnableEditingControls(program);
  // A second text leaves the main text's modified state as it was.
  if (second_text && was_modified) {
    f.MarkModified();
  }
  if (program.Kereses->ReadErrorsListed) {
    f.MarkModified();
  }
  if (f.cds.IsEmpty()) {
    Enable(Controls{&f.Btorles, &f.Belemoge, &f.BTorlesTobb}, false);
  } else {
    Enable(Controls{&f.Btorles, &f.Belemoge, &f.BTorlesTobb, &f.Esorszam, &f.Bvegelso, &f.mpm},
           true);
    Enable(MenuItems{&f.BeKeEr, &f.BeBeEr, &f.Masikfelirat}, true);
    Enable(StyleItems(f), true);
    Enable(GridItems(f), true);
    if (second_text) {
      f.MentesMF.SetEnabled(true);
      f.EditorTwoTextLayout();
    } else {
      f.EditorOneTextLayout();
    }
    const bool time_based = program.state.CurrentTimeBase == timecode::kTimeBaseTime;
    Enable(MenuItems{&f.BAtfedes, &f.agressziv, &f.Szinezes38, &f.Szinezes3}, time_based);
    Enable(Controls{&f.Cbtobb, &f.CB3sor, &f.SEbetu, &f.BTobbCheck, &f.B12, &f.B22, &f.B21},
           time_based);
  }
  Enable(Controls{&f.Bbeszuras, &f.cburessor}, true);
  program.state.StartState = shell::start_state::kFelvitt;
  program.state.OpenMode = shell::open_mode::kMegnyitas;
  f.BMMN.SetEnabled(true);
  f.racs.SetFocus();
}

// A file of no usable kind, or one that could not be read: editing off. A refused main text can
// no longer be saved over the file it came from. The caller shows why.
void DisableAfterRefusal(shell::Program& program, bool second_text) {
  editor::TFelirat& f = *program.Felirat;
  f.szoveg.SetText("");
  f.kezdes.SetText("");
  f.befejezes.SetText("");
  f.RB1.SetEnabled(false);
  f.Fszazalek.SetVisible(false);
  f.Batvaltas.SetEnabled(false);
  Enable(StyleItems(f), false);
  Enable(GridItems(f), false);
  f.Beillesztes.SetEnabled(false);
  program.state.TextClipboard.clear();
  Enable(Controls{&f.Esorszam, &f.Cbtobb, &f.CB3sor, &f.SEbetu, &f.BTobbCheck, &f.B12, &f.B22,
                  &f.B21, &f.Bvegelso, &f.mpm},
         false);
  if (second_text) {
    f.MentesMF.SetEnabled(false);
  } else {
    Enable(Controls{&f.Bmentes, &f.BMMN}, false);
    Enable(MenuItems{&f.Mentes1, &f.MentM1}, false);
  }
}

// Why a file was refused: it could not be read at all, memory ran out, or it holds no subtitle
// the editor reads.
void ShowRefusal(shell::Program& program, const std::filesystem::path& file,
                 const SubtitleRead& read) {
  if (read.out_of_memory)
    ShowOutOfMemoryMessage(program, file);
  else if (read.file_error != desktop::FileError::kNone)
    ShowUnreadableFileMessage(program, file, read.file_error);
  else
    ShowUnusableFileMessage(program);
}

// The kind of a file offered as the second text, and why it could not be read.
SubtitleRead KindOfSecondText(const std::filesystem::path& file) {
  SubtitleRead read;
  try {
    const desktop::FileBytes bytes = desktop::ReadFileBytes(file);
    read.file_error = bytes.error;
    if (bytes.ok())
      read.kind = DetectKindOfBytes(bytes.bytes);
  } catch (const std::bad_alloc&) {
    read.out_of_memory = true;
  }
  return read;
}

}  // namespace

std::string OpenWindowFilter(bool opening_second_text, std::string_view time_base) {
  if (!opening_second_text)
    return "Feliratok (*.srt,*.sub)|*.srt;*.sub";
  return time_base == timecode::kTimeBaseTime ? "Feliratok (*.srt)|*.srt"
                                              : "Feliratok (*.sub)|*.sub";
}

bool GridNeedsScrollBar(std::string_view screen_layout, int row_count) {
  if (screen_layout == shell::kLayout1280)
    return row_count > 37;
  if (screen_layout == shell::kLayout1024)
    return row_count > 15;
  if (screen_layout == shell::kLayout800)
    return row_count > 10;
  return false;
}

bool FitsAsSecondText(std::string_view kind, std::string_view time_base) {
  if (kind == "1")
    return time_base == timecode::kTimeBaseFrame;
  if (kind == "2" || kind == "3")
    return time_base == timecode::kTimeBaseTime;
  return false;
}

void SetGridRowSelect(shell::Program& program, bool on) {
  program.Felirat->racs.SetRowSelect(on);
}

void UpdateGridScrollBar(shell::Program& program) {
  editor::TFelirat& f = *program.Felirat;
  const std::string& layout = program.state.ScreenLayout;
  if (!f.cds.Active() || layout.empty())
    return;
  f.racs.ShowVerticalScrollBar(GridNeedsScrollBar(layout, f.cds.RecordCount()));
}

void AfterFileChosen(shell::Program& program, bool show_name) {
  editor::TFelirat& f = *program.Felirat;
  program.state.FileChosen = true;
  if (show_name)
    f.Efilenev.SetText(program.Kereses->e1.Text());
  Enable(Controls{&f.racs, &f.Ekereses, &f.Bkeresok, &f.Bmodok, &f.BKreszletes, &f.Breszletes},
         true);
  Enable(MenuItems{&f.BMKeres, &f.BMReszker, &f.Mkercsere}, true);
  f.RB1.SetEnabled(true);
  f.RB1.SetChecked(true);
  program.film->FileChosen();
}

void EnableEditingControls(shell::Program& program) {
  editor::TFelirat& f = *program.Felirat;
  Enable(Controls{&f.kezdes, &f.befejezes, &f.szoveg, &f.kulonbseg, &f.Emodositas, &f.Bmodok},
         true);
  f.MarkSaved();
  Enable(Controls{&f.Breszletes, &f.BKreszletes, &f.Batvaltas, &f.BFPS}, true);
  f.RB1.SetChecked(true);
  Enable(Controls{&f.BTobbGomb, &f.Bvonal, &f.Blista, &f.Bov, &f.Bovm, &f.BOsszes, &f.L05, &f.Boh},
         true);
  f.Belso.SetVisible(true);
  f.Butolso.SetVisible(true);
  f.beosztas.SetEnabled(true);
  program.film->EditingControlsEnabled();
}

void OpenSubtitleFile(shell::Program& program) {
  shell::SharedState& state = program.state;
  if (!state.FileChosen)
    return;
  editor::TFelirat& f = *program.Felirat;
  const bool second_text = state.TextSlot == shell::text_slot::kSecond;
  program.Kereses->megnyitas.SetEnabled(false);
  program.film->SubtitleOpening();
  state.ReadErrorDetail.clear();
  state.InternalUpdate = true;
  const std::filesystem::path file = state.CurrentFilePath.Path();
  // A second text must be of the subtitle's own time base: anything else is refused before the
  // rows or the controls are touched.
  const SubtitleRead second = second_text ? KindOfSecondText(file) : SubtitleRead{};
  if (second_text && !FitsAsSecondText(second.kind, f.TimeBase())) {
    ShowRefusal(program, file, second);
  } else {
    ui::HourglassCursor hourglass(program.app);
    const bool was_modified = f.IsModified();
    if (program.app.GetScreen().Width() > 1024)
      f.SetTop(10);
    PrepareGrid(program, second_text);
    const SubtitleRead read = ReadFileIntoEditor(program, file);
    if (IsEditorKind(read.kind)) {
      EnableByTimeBase(program, second_text, was_modified);
      program.film->SubtitleRead();
    } else {
      DisableAfterRefusal(program, second_text);
      ShowRefusal(program, file, read);
    }
  }
  program.Kereses->megnyitas.SetEnabled(true);
  f.Fszazalek.SetVisible(false);
  state.InternalUpdate = false;
  UpdateGridScrollBar(program);
}

}  // namespace files
