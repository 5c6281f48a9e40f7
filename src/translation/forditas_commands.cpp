// The translation window's row and text commands, each present once per side: deleting and
// inserting rows, the style items, cut, copy and paste through the program's own text clipboard,
// the line separator button and the search of one side's texts. Each is told once for both
// sides; none keeps the two tables in step.
#include <optional>
#include <string>

#include "shell/message_box.h"
#include "shell/program.h"
#include "translation/forditas.h"

namespace translation {

namespace {

namespace field = dataset::translation_field;
using rows::InsertCommand;

// The controls of one side's commands, named once.
struct CommandSide {
  dataset::RowTable& table;
  ui::MenuItem& italic;
  ui::MenuItem& bold;
  ui::MenuItem& underline;
  ui::MenuItem& paste;
  ui::BitBtn& save;
  ui::Edit& search_box;
};

CommandSide CommandsOf(TForditas& f, TForditas::Side side) {
  if (side == TForditas::Side::kSource)
    return {f.cdsE, f.DoltE, f.VastagitottE, f.AlahuzottE, f.BeillesztesE, f.Esave, f.EkerE};
  return {f.cdsF, f.DoltF, f.VastagitottF, f.AlahuzottF, f.BeillesztesF, f.Fsave, f.EkerF};
}

// A command whose result would not fit the row's 220 characters changes nothing.
void ShowWouldNotFit(shell::Program& program, std::string_view what) {
  shell::Inform(program, "Figyelmeztetés", what, "A sor nem változott.");
}

void StoreRowText(dataset::RowTable& table, std::string_view text) {
  table.Edit();
  table.SetValue(field::kSzoveg, text);
  table.Post();
}

void PopupAtPointer(ui::Control& button, ui::PopupMenu& menu, int x, int y) {
  const ui::Point screen = button.ClientToScreen({x, y});
  menu.Popup(screen.x, screen.y);
}

}  // namespace

void TForditas::WireCommandHandlers() {
  EsorDel.OnClick = [this] { EsorDelClick(); };
  FsorDel.OnClick = [this] { FsorDelClick(); };
  Sortrlse1.OnClick = [this] { Sortrlse1Click(); };
  Esorbe.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    EsorbeMouseDown(button, shift, x, y);
  };
  Fsorbe.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    FsorbeMouseDown(button, shift, x, y);
  };
  Epmu.OnClick = [this] { EpmuClick(); };
  Epme.OnClick = [this] { EpmeClick(); };
  Fpmu.OnClick = [this] { FpmuClick(); };
  Fpme.OnClick = [this] { FpmeClick(); };
  eleE.OnClick = [this] { eleEClick(); };
  MogeE.OnClick = [this] { MogeEClick(); };
  EleF.OnClick = [this] { EleFClick(); };
  MogeF.OnClick = [this] { MogeFClick(); };
  DoltE.OnClick = [this] { DoltEClick(); };
  VastagitottE.OnClick = [this] { VastagitottEClick(); };
  AlahuzottE.OnClick = [this] { AlahuzottEClick(); };
  DoltF.OnClick = [this] { DoltFClick(); };
  VastagitottF.OnClick = [this] { VastagitottFClick(); };
  AlahuzottF.OnClick = [this] { AlahuzottFClick(); };
  MindenE.OnClick = [this] { MindenEClick(); };
  MindenF.OnClick = [this] { MindenFClick(); };
  KivagasE.OnClick = [this] { KivagasEClick(); };
  MasolasE.OnClick = [this] { MasolasEClick(); };
  BeillesztesE.OnClick = [this] { BeillesztesEClick(); };
  KivagasF.OnClick = [this] { KivagasFClick(); };
  MasolasF.OnClick = [this] { MasolasFClick(); };
  BeillesztesF.OnClick = [this] { BeillesztesFClick(); };
  Button8.OnClick = [this] { Button8Click(); };
  Button9.OnClick = [this] { Button9Click(); };
  BkerE.OnClick = [this] { BkerEClick(); };
  BkerF.OnClick = [this] { BkerFClick(); };
  EkerE.OnKeyPress = [this](char& key) { EkerEKeyPress(key); };
  EkerF.OnKeyPress = [this](char& key) { EkerFKeyPress(key); };
  Kef.OnClick = [this] { KefClick(); };
  kff.OnClick = [this] { kffClick(); };
}

// ---- Deleting and inserting rows ----------------------------------------------------------------

void TForditas::DeleteCurrentRow(Side side) {
  dataset::RowTable& table = CommandsOf(*this, side).table;
  if (!table.IsEmpty())
    table.Delete();
}

void TForditas::EsorDelClick() {
  DeleteCurrentRow(Side::kSource);
}

void TForditas::FsorDelClick() {
  DeleteCurrentRow(Side::kTranslation);
}

void TForditas::Sortrlse1Click() {
  DeleteCurrentRow(Side::kTranslation);
}

void TForditas::EsorbeMouseDown(ui::MouseButton, ui::ShiftState, int x, int y) {
  PopupAtPointer(Esorbe, PopupMenu1, x, y);
}

void TForditas::FsorbeMouseDown(ui::MouseButton, ui::ShiftState, int x, int y) {
  PopupAtPointer(Fsorbe, PopupMenu2, x, y);
}

// The new row is empty, posted at once and current.
void TForditas::InsertEmptyRow(Side side, InsertCommand command) {
  const CommandSide commands = CommandsOf(*this, side);
  dataset::RowTable& table = commands.table;
  const int count = table.RecordCount();
  const std::optional<int> position = rows::InsertedRowPosition(command, table.RecNo(), count);
  if (!position)
    return;
  if (*position > count) {
    table.Append();
  } else {
    if (table.RecNo() != *position)
      table.SetRecNo(*position);
    table.Insert();
  }
  table.Post();
  if (command == InsertCommand::kBefore || command == InsertCommand::kAfter)
    commands.save.SetEnabled(true);
}

void TForditas::EpmuClick() {
  InsertEmptyRow(Side::kSource, InsertCommand::kPopupAfter);
}
void TForditas::EpmeClick() {
  InsertEmptyRow(Side::kSource, InsertCommand::kPopupBefore);
}
void TForditas::FpmuClick() {
  InsertEmptyRow(Side::kTranslation, InsertCommand::kPopupAfter);
}
void TForditas::FpmeClick() {
  InsertEmptyRow(Side::kTranslation, InsertCommand::kPopupBefore);
}
void TForditas::eleEClick() {
  InsertEmptyRow(Side::kSource, InsertCommand::kBefore);
}
void TForditas::MogeEClick() {
  InsertEmptyRow(Side::kSource, InsertCommand::kAfter);
}
void TForditas::EleFClick() {
  InsertEmptyRow(Side::kTranslation, InsertCommand::kBefore);
}
void TForditas::MogeFClick() {
  InsertEmptyRow(Side::kTranslation, InsertCommand::kAfter);
}

// ---- Style tags
// ------------------------------------------------------------------------------------

// The item's check mark is the state: ticked removes the pair, unticked wraps the whole text. An
// empty table has no row to style (an edit there would insert one).
void TForditas::ToggleStyle(Side side, ui::MenuItem& item, rows::TagPair tags) {
  dataset::RowTable& table = CommandsOf(*this, side).table;
  if (table.IsEmpty())
    return;
  const rows::TagToggle toggle = rows::ToggleTag(table.Value(field::kSzoveg), tags, item.Checked());
  if (toggle.refused) {
    ShowWouldNotFit(program_, "A formázással a sor hosszabb lenne 220 karakternél!");
    return;
  }
  if (toggle.text)
    StoreRowText(table, *toggle.text);
  item.SetChecked(toggle.checked);
}

void TForditas::DoltEClick() {
  ToggleStyle(Side::kSource, DoltE, rows::kItalicTags);
}
void TForditas::VastagitottEClick() {
  ToggleStyle(Side::kSource, VastagitottE, rows::kBoldTags);
}
void TForditas::AlahuzottEClick() {
  ToggleStyle(Side::kSource, AlahuzottE, rows::kUnderlineTags);
}
void TForditas::DoltFClick() {
  ToggleStyle(Side::kTranslation, DoltF, rows::kItalicTags);
}
void TForditas::VastagitottFClick() {
  ToggleStyle(Side::kTranslation, VastagitottF, rows::kBoldTags);
}
void TForditas::AlahuzottFClick() {
  ToggleStyle(Side::kTranslation, AlahuzottF, rows::kUnderlineTags);
}

void TForditas::RemoveAllStyles(Side side) {
  const CommandSide commands = CommandsOf(*this, side);
  if (!commands.table.IsEmpty()) {
    const std::string text = commands.table.Value(field::kSzoveg);
    const std::string plain = rows::WithoutStyleTags(text);
    if (plain != text)
      StoreRowText(commands.table, plain);
  }
  for (ui::MenuItem* item : {&commands.italic, &commands.bold, &commands.underline})
    item->SetChecked(false);
}

void TForditas::MindenEClick() {
  RemoveAllStyles(Side::kSource);
}
void TForditas::MindenFClick() {
  RemoveAllStyles(Side::kTranslation);
}

// ---- Cut, copy and paste through TextClipboard -------------------------------------------------

void TForditas::CutRowText(Side side) {
  const CommandSide commands = CommandsOf(*this, side);
  if (commands.table.IsEmpty())
    return;
  program_.state.TextClipboard = commands.table.Value(field::kSzoveg);
  StoreRowText(commands.table, "");
  commands.paste.SetEnabled(true);
}

// An empty clipboard has nothing to paste: the row keeps its text.
void TForditas::PasteRowText(Side side) {
  dataset::RowTable& table = CommandsOf(*this, side).table;
  const std::string& clipboard = program_.state.TextClipboard;
  if (table.IsEmpty() || clipboard.empty())
    return;
  if (!rows::FitsRowText(clipboard)) {
    ShowWouldNotFit(program_, "A beillesztéssel a sor hosszabb lenne 220 karakternél!");
    return;
  }
  StoreRowText(table, clipboard);
}

void TForditas::KivagasEClick() {
  CutRowText(Side::kSource);
}

void TForditas::MasolasEClick() {
  program_.state.TextClipboard = cdsE.Value(field::kSzoveg);
  BeillesztesE.SetEnabled(true);
}

void TForditas::BeillesztesEClick() {
  PasteRowText(Side::kSource);
}

void TForditas::KivagasFClick() {
  CutRowText(Side::kTranslation);
}

// The translated grid copies the current SOURCE row's text, to be pasted into the translation.
void TForditas::MasolasFClick() {
  program_.state.TextClipboard = cdsE.Value(field::kSzoveg);
  BeillesztesF.SetEnabled(true);
}

void TForditas::BeillesztesFClick() {
  PasteRowText(Side::kTranslation);
}

// ---- The line separator
// --------------------------------------------------------------------------

// "|" is appended in edit state and not posted: the row's next post stores it, Escape in the
// grid drops it.
void TForditas::AppendLineSeparator(Side side) {
  dataset::RowTable& table = CommandsOf(*this, side).table;
  if (table.IsEmpty())
    return;
  const std::optional<std::string> text = rows::WithLineSeparator(table.Value(field::kSzoveg));
  if (!text) {
    ShowWouldNotFit(program_, "A művelettel a sor hosszabb lenne 220 karakternél!");
    return;
  }
  table.Edit();
  table.SetValue(field::kSzoveg, *text);
}

void TForditas::Button8Click() {
  AppendLineSeparator(Side::kSource);
}

void TForditas::Button9Click() {
  AppendLineSeparator(Side::kTranslation);
}

// ---- Search
// ------------------------------------------------------------------------------------------

// The rows below the current one are read as the grid shows them, without moving the cursor; the
// one move to the match then refreshes the editors and drags the other side as a scroll would.
void TForditas::SearchSide(Side side) {
  const CommandSide commands = CommandsOf(*this, side);
  dataset::RowTable& table = commands.table;
  const std::string needle = commands.search_box.Text();
  const std::optional<int> found = rows::FindNextRow(
      table.RecNo(), table.RecordCount(),
      [&table](int row) { return table.Cell(row, field::kSzoveg); }, needle);
  if (found) {
    table.SetRecNo(*found);
    return;
  }
  shell::Inform(program_, "Információ", "Nincs (több) ilyen: ", needle);
}

void TForditas::BkerEClick() {
  SearchSide(Side::kSource);
}

void TForditas::BkerFClick() {
  SearchSide(Side::kTranslation);
}

void TForditas::EkerEKeyPress(char& key) {
  if (key != '\r')
    return;
  key = 0;
  BkerEClick();
}

void TForditas::EkerFKeyPress(char& key) {
  if (key != '\r')
    return;
  key = 0;
  BkerFClick();
}

void TForditas::KefClick() {
  EkerE.SetFocus();
}

void TForditas::kffClick() {
  EkerF.SetFocus();
}

}  // namespace translation
