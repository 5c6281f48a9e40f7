#include "files/mentes_maskent.h"

#include <optional>
#include <string>

#include "editor/felirat.h"
#include "editor/rules/frame_rates.h"
#include "files/fileneve.h"
#include "files/saving.h"
#include "formats/document_path.h"
#include "platform/desktop/atomic_writer.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace files {

namespace {

constexpr char kEscape = 27;

// The editor's table while an export walks it: InternalUpdate raised and the attached
// controls disabled, the table on its first row. However the export ends, the table is put
// back on its first row, InternalUpdate is restored and then the controls are enabled, so
// that the row panel shows the first row too.
class TableWalk {
 public:
  TableWalk(shell::SharedState& state, dataset::RowTable& table) : table_(table) {
    internal_.emplace(state);
    table_.DisableControls();
    table_.First();
  }
  ~TableWalk() {
    table_.First();
    internal_.reset();
    table_.EnableControls();
  }
  TableWalk(const TableWalk&) = delete;
  TableWalk& operator=(const TableWalk&) = delete;

 private:
  std::optional<shell::InternalUpdateGuard> internal_;
  dataset::RowTable& table_;
};

// An export writes a copy: whatever the run does to the document path (the file-name window
// points it at the exported file, the native saver marks the subtitle saved and shows the
// name), the editor goes on editing the file it was editing, as modified as it was.
class DocumentKept {
 public:
  explicit DocumentKept(shell::Program& program)
      : program_(program),
        path_(program.state.CurrentFilePath),
        name_(program.state.CurrentFileName),
        shown_name_(program.Felirat->Efilenev.Text()),
        modified_(program.Felirat->IsModified()) {}
  ~DocumentKept() {
    editor::TFelirat& editor = *program_.Felirat;
    program_.state.CurrentFilePath = path_;
    program_.state.CurrentFileName = name_;
    editor.Efilenev.SetText(shown_name_);
    if (modified_)
      editor.MarkModified();
    else
      editor.MarkSaved();
  }
  DocumentKept(const DocumentKept&) = delete;
  DocumentKept& operator=(const DocumentKept&) = delete;

 private:
  shell::Program& program_;
  const ShownPath path_;
  const std::string name_;
  const std::string shown_name_;
  const bool modified_;
};

timecode::FrameRate RateOf(std::string_view frame_rate) {
  if (const std::optional<timecode::FrameRate> rate = timecode::ParseFrameRate(frame_rate))
    return *rate;
  return *timecode::ParseFrameRate(editor::kDefaultFrameRate);
}

}  // namespace

std::vector<ExportRow> ExportRowsOfTable(const dataset::RowTable& table, std::string_view time_base,
                                         std::string_view frame_rate) {
  namespace field = dataset::subtitle_field;
  std::vector<ExportRow> rows;
  const int count = table.RecordCount();
  rows.reserve(static_cast<size_t>(count));
  for (int row = 1; row <= count; ++row) {
    rows.push_back({std::string(table.Cell(row, field::kKezdes)),
                    std::string(table.Cell(row, field::kBefejezes)),
                    std::string(table.Cell(row, field::kSzoveg))});
  }
  if (time_base == timecode::kTimeBaseFrame)
    return FrameRowsToTimeRows(rows, RateOf(frame_rate));
  return rows;
}

TMentesMaskent::TMentesMaskent(shell::Program& program)
    : Form(program.app, "MentesMaskent"), program_(program) {
  SetCaption("Mentés másként");
  SetBounds(0, 0, 554, 278);
  SetConstraints({.min_width = 554, .max_width = 554, .min_height = 278, .max_height = 278});
  SetBorderIcons({.system_menu = true, .minimize = true, .maximize = false});
  SetPosition(ui::FormPosition::kScreenCenter);
  SetColor(ui::Bgr(31, 107, 152));

  Label1.SetCaption("Dupla kattintás a kiválasztandó formátumra:");
  ui::Font label_font = Label1.GetFont();
  label_font.size = 16;
  label_font.color = ui::Bgr(183, 208, 200);
  Label1.SetFont(label_font);

  for (const ExportFormat& format : ExportFormats()) {
    Lista.AddItem(format.caption, 0);
  }

  Button1.SetCaption("<<< Vissza");

  WireHandlers();
  Created();
}

void TMentesMaskent::WireHandlers() {
  Lista.OnDblClick = [this] { ListaDblClick(); };
  Lista.OnKeyPress = [this](char& ch) {
    // Return runs the export of the selected entry, as a double click does.
    if (ch == '\r') {
      ch = 0;
      ListaDblClick();
      return;
    }
    FormKeyPress(ch);
  };
  OnKeyPress = [this](char& ch) { FormKeyPress(ch); };
  Button1.OnClick = [this] { Button1Click(); };
}

void TMentesMaskent::ListaDblClick() {
  ExportSelectedEntry();
}

void TMentesMaskent::Button1Click() {
  Close();
}

void TMentesMaskent::FormKeyPress(char& ch) {
  if (ch == kEscape) {
    Close();
    ch = 0;
  }
}

ExportOutcome TMentesMaskent::ExportSelectedEntry() {
  if (Lista.ItemIndex() < 0)
    return ExportOutcome::kNothingSelected;
  shell::SharedState& state = program_.state;
  state.FileDialogCaller = shell::file_dialog_caller::kMentesMaskent;

  const ExportFormat* format = FindExportFormat(Lista.SelectedCaption());
  if (format == nullptr || format->handling == ExportHandling::kNotProgrammed) {
    shell::Inform(program_, kNotProgrammedCaption, kNotProgrammedMessage);
    state.DialogReply = shell::dialog_reply::kNem;
    return ExportOutcome::kNotProgrammed;
  }

  ExportOutcome outcome = ExportOutcome::kNoName;
  {
    DocumentKept document(program_);
    program_.Fileneve->ShowModal();
    if (state.DialogReply == shell::dialog_reply::kNem || state.FileDialogPending)
      return ExportOutcome::kNoName;
    outcome = format->handling == ExportHandling::kNativeSaver ? SaveThroughNativeSaver()
                                                               : WriteWithLayout(*format);
  }
  Close();
  return outcome;
}

ExportOutcome TMentesMaskent::WriteWithLayout(const ExportFormat& format) {
  editor::TFelirat& editor = *program_.Felirat;
  const shell::SharedState& state = program_.state;
  // The target is taken now: the path is that of the file the name was given for.
  const ShownPath path = state.CurrentFilePath;
  const std::string name = state.CurrentFileName;
  std::string bytes;
  {
    TableWalk walk(program_.state, editor.cds);
    bytes = format.writer(ExportRowsOfTable(editor.cds, editor.TimeBase(), editor.cbFps.Text()),
                          export_context);
  }
  if (desktop::WriteFileAtomic(path.Path(), bytes))
    return ExportOutcome::kWritten;
  shell::ShowError(program_, "Írásvédett file!", "Írásvédett a következő file: " + name,
                   "A kért mentés nem sikerült!");
  return ExportOutcome::kNotWritten;
}

ExportOutcome TMentesMaskent::SaveThroughNativeSaver() {
  editor::TFelirat& editor = *program_.Felirat;
  bool saved = false;
  {
    TableWalk walk(program_.state, editor.cds);
    saved = SaveMainSubtitle(program_, MainSave::kConfirmed);
    const std::string& layout = program_.state.ScreenLayout;
    const int rows = editor.cds.RecordCount();
    if ((layout == shell::kLayout1024 && rows < 15) || (layout == shell::kLayout800 && rows < 10))
      editor.racs.ShowVerticalScrollBar(false);
    editor.racs.SetFocus();
  }
  return saved ? ExportOutcome::kWritten : ExportOutcome::kNotWritten;
}

}  // namespace files
