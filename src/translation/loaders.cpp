// The three loaders of the translation window: a subtitle file read into one side (or into
// the source side with an empty translation beside it), then the side's controls set by how
// the read ended.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/read_into_editor.h"
#include "platform/desktop/line_reader.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "shell/state.h"
#include "translation/forditas.h"
#include "translation/rows/side_parse.h"
#include "translation/rows/side_read.h"

namespace translation {

namespace {

namespace field = dataset::translation_field;
using rows::Row;

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
  // What the SubViewer gauge counts.
  rows::PairCount pair_count = rows::PairCount::kLines;
};

void ShowRefusal(shell::Program& program) {
  shell::ShowError(program, "Hiba", "Hiba a file-ban! Lehet, hogy nem nincs a file-ban semmi!",
                   "Vagy a file értelmezhetetlen típust tartalmaz!");
}

// The notices of a read that changed what the file held, in the result list as the editor's
// reader shows them.
void ShowLoadReport(shell::Program& program, const std::vector<std::string>& lines,
                    bool whole_read) {
  shell::THibaki& list = *program.Hibaki;
  // The list's note that it shows only after a whole read holds when the read was whole.
  list.StartReport(shell::kReadProblemsCaption, whole_read);
  for (const std::string& line : lines)
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
  rows::SideRead read;
  {
    const shell::InternalUpdateEndsLowered internal(state);
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
    shell::GaugeScope gauge(side.gauge);
    read = rows::ReadSideBytes(std::move(file.bytes), choices.pair_count,
                               [&gauge](int position) { gauge.SetPosition(position); });
    if (!read.refused) {
      rows::TrimTrailingBlankRows(read.parse.rows);
      FillTable(side.table, read.parse.rows);
      if (choices.empty_translation)
        FillTable(partner.table, rows::EmptyTranslationOf(read.parse.rows));
    }
    gauge.End();
  }

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
  if (std::vector<std::string> lines = rows::ReadReportLines(read); !lines.empty()) {
    f.ShowLoadNotice(
        [&program, lines = std::move(lines), whole = read.parse.end == rows::ReadEnd::kComplete] {
          ShowLoadReport(program, lines, whole);
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
        .pair_count = rows::PairCount::kLines});
}

void TForditas::LoadTranslated() {
  Load(*this, program_,
       {.source_side = false,
        .empty_translation = false,
        .editors_shown_always = true,
        .pair_count = rows::PairCount::kLines});
}

void TForditas::LoadSourceSubtitle() {
  Load(*this, program_,
       {.source_side = true,
        .empty_translation = false,
        .editors_shown_always = false,
        .pair_count = rows::PairCount::kPairs});
}

}  // namespace translation
