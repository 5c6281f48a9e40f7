// The three loaders of the translation window: a subtitle file read into one side (or into
// the source side with an empty translation beside it), then the side's controls set by how
// the read ended.
#include <optional>
#include <string>
#include <vector>

#include "files/read_into_editor.h"
#include "formats/subtitle_kind.h"
#include "platform/desktop/line_reader.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "translation/forditas.h"
#include "translation/rows/side_parse.h"

namespace translation {

namespace {

namespace field = dataset::translation_field;
using rows::Row;

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// The controls of one side, named once so that the loaders tell their differences only.
struct SideControls {
  dataset::RowTable& table;
  ui::Edit& mode_box;
  ui::Edit& path_box;
  files::ShownPath& path;
  bool& loaded;
  bool& partial;
  bool& texts_cut;
  ui::Gauge& gauge;
  ui::DbGrid& grid;
  ui::Button& bar_button;
  ui::Button& first_button;
  ui::Button& last_button;
  std::vector<ui::Edit*> line_editors;
  // Enabled after every load that was not refused.
  std::vector<ui::Control*> commands;
  std::vector<ui::MenuItem*> command_items;
  // The "Mindkettő mentése" item and the other side's save item it waits for.
  ui::MenuItem& both_item;
  ui::MenuItem& other_save_item;
  // Enabled when the side has rows.
  std::vector<ui::MenuItem*> row_items;
  ui::MenuItem& paste_item;
  ui::MenuItem& other_paste_item;
  // The style, remove-formatting and insert items, disabled after a refused file.
  std::vector<ui::MenuItem*> format_items;
};

SideControls SourceSide(TForditas& f) {
  return {f.cdsE,
          f.EEfm,
          f.Efe,
          f.SourcePath,
          f.SourceLoaded,
          f.SourcePartial,
          f.SourceTextsCut,
          f.EEszazalek,
          f.Racsef,
          f.Button8,
          f.Button1,
          f.Button2,
          {&f.Edit0, &f.Edit1, &f.Edit2},
          {&f.Esave, &f.Esorbe, &f.EsorDel, &f.BEell, &f.EkerE, &f.BkerE},
          {&f.Pem, &f.Kef},
          f.Pmm,
          f.Pfm,
          {&f.DoltE, &f.VastagitottE, &f.AlahuzottE, &f.MindenE, &f.eleE, &f.MogeE, &f.KivagasE,
           &f.MasolasE},
          f.BeillesztesE,
          f.BeillesztesF,
          {&f.DoltE, &f.VastagitottE, &f.AlahuzottE, &f.MindenE, &f.eleE, &f.MogeE}};
}

SideControls TranslationSide(TForditas& f) {
  return {f.cdsF,
          f.EFfm,
          f.Eff,
          f.TranslationPath,
          f.TranslationLoaded,
          f.TranslationPartial,
          f.TranslationTextsCut,
          f.EFszazalek,
          f.Racsff,
          f.Button9,
          f.Button4,
          f.Button5,
          {&f.Edit4, &f.Edit5, &f.Edit6},
          {&f.Fsave, &f.Fsorbe, &f.FsorDel, &f.BFell, &f.EkerF, &f.BkerF},
          {&f.Pfm, &f.kff},
          f.Pmm,
          f.Pem,
          {&f.DoltF, &f.VastagitottF, &f.AlahuzottF, &f.MindenF, &f.EleF, &f.MogeF, &f.KivagasF,
           &f.MasolasF},
          f.BeillesztesF,
          f.BeillesztesE,
          {&f.DoltF, &f.VastagitottF, &f.AlahuzottF, &f.MindenF, &f.EleF, &f.MogeF}};
}

// Which loader runs: what it fills and what it does with the line editors.
struct LoaderChoices {
  bool source_side = true;
  bool empty_translation = false;
  // The line editors hidden at the start and shown at the end, also after a refused file.
  bool editors_shown_always = false;
  // The SubViewer gauge counts lines (three a pair) instead of pairs.
  bool gauge_counts_lines = true;
};

// What a file was read as.
enum class Encoding { kWindows1250, kUtf8, kUtf16 };

// What a file gave: the parse, or the reason it was refused.
struct FileRead {
  bool refused = false;
  Encoding encoding = Encoding::kWindows1250;
  rows::SideParse parse;
};

void ShowRefusal(shell::Program& program) {
  shell::ShowError(program, "Hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                   "Vagy a file értelmezhetetlen típust tartalmaz!");
}

// The lines from `first` on, as the parsers take them.
std::vector<std::string_view> LinesFrom(const desktop::TextLines& lines, std::size_t first) {
  std::vector<std::string_view> taken;
  taken.reserve(lines.size() - first);
  for (std::size_t i = first; i < lines.size(); ++i)
    taken.push_back(lines[i]);
  return taken;
}

class GaugeSteps {
 public:
  GaugeSteps(ui::Gauge& gauge, std::size_t line_count, int per_counter, int offset)
      : gauge_(gauge), step_(line_count / 100), per_counter_(per_counter), offset_(offset) {}
  void operator()(std::size_t counter) const {
    if (step_ > 0)
      gauge_.SetProgress(static_cast<int>((per_counter_ * counter + offset_) / step_));
  }

 private:
  ui::Gauge& gauge_;
  std::size_t step_;
  std::size_t per_counter_;
  std::size_t offset_;
};

// The bytes of a file read as the editor's reader reads them: UTF-8 (with a byte-order mark, or
// without one when it holds multi-byte sequences and nothing else) and UTF-16LE text as the
// Windows-1250 text they hold; then the lines of the first kind found go to its parser.
FileRead ParseSide(std::string bytes, ui::Gauge& gauge, const LoaderChoices& choices) {
  FileRead read;
  const std::size_t bom = bytes.size() - files::StripUtf8Bom(bytes).size();
  bytes.erase(0, bom);
  if (bom > 0 || files::IsUtf8Text(bytes)) {
    bytes = files::DecodeUtf8(bytes);
    read.encoding = Encoding::kUtf8;
  }
  const desktop::TextLines raw(std::move(bytes));

  std::string kind;
  std::size_t next = 0;
  std::string_view kind_line;
  while (kind.empty() && next < raw.size()) {
    kind_line = raw[next++];
    kind = files::ClassifySubtitleLine(kind_line);
  }
  if (kind.empty()) {
    read.refused = true;
    return read;
  }
  // UTF-16LE text is read as the text it holds, from its kind line on; its kind is that of the
  // text.
  desktop::TextLines decoded;
  std::size_t kind_index = next - 1;
  if (files::IsUtf16LeLine(kind_line)) {
    const std::size_t offset = static_cast<std::size_t>(kind_line.data() - raw.bytes().data());
    decoded = desktop::TextLines(
        files::DecodeUtf16Le(std::string_view(raw.bytes()).substr(offset + kUtf16Bom.size())));
    read.encoding = Encoding::kUtf16;
    kind.clear();
    for (kind_index = 0; kind.empty() && kind_index < decoded.size(); ++kind_index)
      kind = files::ClassifySubtitleLine(decoded[kind_index]);
    if (kind.empty()) {
      read.refused = true;
      return read;
    }
    --kind_index;
  }
  const desktop::TextLines& lines = read.encoding == Encoding::kUtf16 ? decoded : raw;

  const std::size_t line_count = raw.size();
  if (kind == files::kFrameKind) {
    read.parse =
        rows::ParseFrameBased(LinesFrom(lines, kind_index), GaugeSteps(gauge, line_count, 1, 0));
  } else if (kind == files::kSubRipKind) {
    read.parse =
        rows::ParseSubRip(LinesFrom(lines, kind_index + 1), GaugeSteps(gauge, line_count, 1, 0));
  } else if (kind == files::kSubViewerKind) {
    const GaugeSteps steps = choices.gauge_counts_lines ? GaugeSteps(gauge, line_count, 3, 3)
                                                        : GaugeSteps(gauge, line_count, 1, 0);
    read.parse = rows::ParseSubViewer(LinesFrom(lines, kind_index), steps);
  } else {
    read.refused = true;
  }
  return read;
}

// The notices of a read that changed what the file held: the text decoded from UTF-8 or
// UTF-16 (saved again as Windows-1250), and every text cut to its field. They show in the
// result list as the editor's reader shows them.
void ShowLoadReport(shell::Program& program, Encoding encoding,
                    const std::vector<std::string>& cut_entries, bool whole_read) {
  shell::THibaki& list = *program.Hibaki;
  // The list's note that it shows only after a whole read holds when the read was whole.
  list.StartReport(shell::kReadProblemsCaption, whole_read);
  const std::string bangs(49, '!');
  if (encoding == Encoding::kUtf8) {
    for (std::string_view line :
         {std::string_view(), std::string_view(bangs),
          std::string_view("Ez a felirat UTF-8-as file-ból lett betöltve!!!"),
          std::string_view("Kérem mentse el a file-t!"),
          std::string_view("Mentéskor Windows-1250-es kódolású lesz!"), std::string_view(bangs)})
      list.AddLine(line);
  } else if (encoding == Encoding::kUtf16) {
    for (std::string_view line :
         {std::string_view(), std::string_view(bangs),
          std::string_view("Ez a felirat Unicode-os file-ból lett betöltve!!!"),
          std::string_view("Kérem mentse el a file-t!"), std::string_view(bangs)})
      list.AddLine(line);
  }
  for (const std::string& line : cut_entries)
    list.AddLine(line);
  list.ShowReport();
}

void FillTable(dataset::RowTable& table, const std::vector<Row>& rows) {
  for (const Row& row : rows) {
    table.Append();
    table.SetValue(field::kKezdes, row.start);
    table.SetValue(field::kBefejezes, row.end);
    table.SetValue(field::kSzoveg, row.text);
    table.Post();
  }
  table.First();
}

void EnableLoadedSide(const SideControls& side) {
  for (ui::Control* control : side.commands)
    control->SetEnabled(true);
  for (ui::MenuItem* item : side.command_items)
    item->SetEnabled(true);
  if (side.other_save_item.Enabled())
    side.both_item.SetEnabled(true);
  const bool has_rows = !side.table.IsEmpty();
  for (ui::MenuItem* item : side.row_items)
    item->SetEnabled(has_rows);
  if (has_rows && side.other_paste_item.Enabled())
    side.paste_item.SetEnabled(true);
  side.first_button.Show();
  side.last_button.Show();
  side.bar_button.SetVisible(side.mode_box.Text() == rows::kFrameMode);
}

// A refused file leaves the side empty with nothing to save, edit or search.
void DisableRefusedSide(const SideControls& side) {
  for (ui::Control* control : side.commands)
    control->SetEnabled(false);
  for (ui::MenuItem* item : side.command_items)
    item->SetEnabled(false);
  side.both_item.SetEnabled(false);
  for (ui::MenuItem* item : side.row_items)
    item->SetEnabled(false);
  side.paste_item.SetEnabled(false);
  side.first_button.Hide();
  side.last_button.Hide();
  side.mode_box.SetText("");
  side.bar_button.Hide();
  side.loaded = false;
  side.partial = false;
  side.texts_cut = false;
  // Nothing is offered for a side that holds no rows.
  for (ui::Edit* editor : side.line_editors)
    editor->Hide();
}

void Load(TForditas& f, shell::Program& program, const LoaderChoices& choices) {
  shell::SharedState& state = program.state;
  const SideControls side = choices.source_side ? SourceSide(f) : TranslationSide(f);
  const SideControls partner = TranslationSide(f);
  const files::ShownPath path = state.CurrentFilePath;

  state.ReadErrorDetail.clear();
  // A file that cannot be read at all leaves the side as it was.
  desktop::FileBytes file = desktop::ReadFileBytes(path.Path());
  if (!file.ok()) {
    state.ReadErrorDetail = file.detail;
    f.ShowLoadNotice([&program, file = path.Path(), error = file.error] {
      files::ShowUnreadableFileMessage(program, file, error);
    });
    return;
  }
  FileRead read;
  {
    shell::InternalUpdateGuard internal(state);
    shell::ControlsOffScope side_off(side.table);
    std::optional<shell::ControlsOffScope> partner_off;
    side.table.EmptyDataSet();
    if (choices.empty_translation) {
      partner_off.emplace(partner.table);
      partner.table.EmptyDataSet();
    }
    if (choices.editors_shown_always) {
      for (ui::Edit* editor : side.line_editors)
        editor->Hide();
    }
    side.gauge.SetProgress(0);
    side.gauge.Show();
    read = ParseSide(std::move(file.bytes), side.gauge, choices);
    if (!read.refused) {
      rows::TrimTrailingBlankRows(read.parse.rows);
      FillTable(side.table, read.parse.rows);
      if (choices.empty_translation)
        FillTable(partner.table, rows::EmptyTranslationOf(read.parse.rows));
    }
    side.gauge.Hide();
  }
  state.InternalUpdate = false;

  const TForditas::Side side_name =
      choices.source_side ? TForditas::Side::kSource : TForditas::Side::kTranslation;
  if (read.refused) {
    DisableRefusedSide(side);
    f.KeepRowsAsSaved(side_name);
    if (choices.empty_translation) {
      DisableRefusedSide(partner);
      f.KeepRowsAsSaved(TForditas::Side::kTranslation);
    }
    f.ShowLoadNotice([&program] { ShowRefusal(program); });
    return;
  }

  side.path = path;
  side.path_box.SetText(path.Text());
  side.mode_box.SetText(read.parse.mode);
  side.loaded = true;
  // A side that holds less than its file (a read stopped early, texts cut to their field) asks
  // before it is saved over anything.
  const bool stopped = read.parse.end == rows::ReadEnd::kStopped;
  side.partial = stopped || !read.parse.cuts.empty();
  side.texts_cut = !stopped && !read.parse.cuts.empty();
  EnableLoadedSide(side);
  for (ui::Edit* editor : side.line_editors)
    editor->Show();
  f.KeepRowsAsSaved(side_name);
  if (choices.empty_translation) {
    partner.mode_box.SetText(read.parse.mode);
    partner.loaded = true;
    partner.partial = false;
    partner.texts_cut = false;
    partner.path.clear();
    partner.path_box.SetText("");
    EnableLoadedSide(partner);
    for (ui::Edit* editor : partner.line_editors)
      editor->Show();
    f.KeepRowsAsSaved(TForditas::Side::kTranslation);
  }
  // The loaded tables stand on their first rows: the line editors show them and the other side
  // follows as after a move.
  if (choices.source_side || choices.empty_translation)
    f.dsEDataChange(dataset::kWholeRow);
  if (!choices.source_side || choices.empty_translation)
    f.dsFDataChange(dataset::kWholeRow);
  if (f.Visible())
    side.grid.SetFocus();
  if (read.encoding != Encoding::kWindows1250 || !read.parse.cuts.empty()) {
    f.ShowLoadNotice([&program, encoding = read.encoding,
                      lines = rows::CutTextEntries(read.parse.cuts),
                      whole = read.parse.end == rows::ReadEnd::kComplete] {
      ShowLoadReport(program, encoding, lines, whole);
    });
  }
  if (read.parse.end == rows::ReadEnd::kStopped) {
    state.ReadErrorDetail = read.parse.detail;
    f.ShowLoadNotice([&program, line1 = read.parse.message1, line2 = read.parse.message2] {
      shell::ShowError(program, "Hiba", line1, line2);
    });
  }
}

}  // namespace

bool TForditas::ConfirmSaveOfSide(Side side) {
  const bool source = side == Side::kSource;
  if (!(source ? SourcePartial : TranslationPartial))
    return true;
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kSemmit;
  shell::AskYesNo(program_, "Mentés",
                  (source ? SourceTextsCut : TranslationTextsCut)
                      ? "A felirat néhány szövege betöltéskor le lett vágva!"
                      : "A felirat csak a hibás sorig töltődött be!",
                  "Elmenti?");
  return state.DialogReply == shell::dialog_reply::kIgen;
}

void TForditas::LoadSourceWithTranslation() {
  Load(*this, program_,
       {.source_side = true,
        .empty_translation = program_.state.BuildEmptyTranslation,
        .editors_shown_always = false,
        .gauge_counts_lines = true});
}

void TForditas::LoadTranslated() {
  Load(*this, program_,
       {.source_side = false,
        .empty_translation = false,
        .editors_shown_always = true,
        .gauge_counts_lines = true});
}

void TForditas::LoadSourceSubtitle() {
  Load(*this, program_,
       {.source_side = true,
        .empty_translation = false,
        .editors_shown_always = false,
        .gauge_counts_lines = false});
}

}  // namespace translation
