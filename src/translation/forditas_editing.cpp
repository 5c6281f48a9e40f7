// The translation window's line editors and the cursor coupling of its two tables: typing in a
// grid handed to the editor of its column, storing with Enter after the side's check, Up, Down
// and Escape in the editors, cell clicks, the data-change handlers, the first/last buttons and
// the read-only path boxes. Each routine is told once for both sides.
#include <array>
#include <optional>
#include <string>

#include "shell/message_box.h"
#include "shell/program.h"
#include "shell/state.h"
#include "timecode/key_filters.h"
#include "translation/forditas.h"
#include "translation/rows/line_editing.h"

namespace translation {

namespace {

namespace field = dataset::translation_field;

// The controls of one side's line editors, named once.
struct EditorSide {
  dataset::RowTable& table;
  dataset::RowTable& other_table;
  ui::DbGrid& grid;
  ui::Edit& mode_box;
  std::array<ui::Edit*, 3> editors;  // start, end, text
};

EditorSide EditorsOf(TForditas& f, TForditas::Side side) {
  if (side == TForditas::Side::kSource)
    return {f.cdsE, f.cdsF, f.Racsef, f.EEfm, {&f.Edit0, &f.Edit1, &f.Edit2}};
  return {f.cdsF, f.cdsE, f.Racsff, f.EFfm, {&f.Edit4, &f.Edit5, &f.Edit6}};
}

// The row field shown by the editor of a column.
int FieldOfColumn(int column) {
  return column == rows::kStartColumn ? field::kKezdes
         : column == rows::kEndColumn ? field::kBefejezes
                                      : field::kSzoveg;
}

void ShowRow(const EditorSide& side) {
  for (int column : {rows::kStartColumn, rows::kEndColumn, rows::kTextColumn})
    side.editors[column]->SetText(side.table.Value(FieldOfColumn(column)));
}

// Moves `table` to `rec_no` only when it stands elsewhere: a move settles a pending row, so a
// table already there is left alone (a "|" waiting for its post stays pending).
void MoveTo(dataset::RowTable& table, std::optional<int> rec_no) {
  if (rec_no && table.RecNo() != *rec_no)
    table.SetRecNo(*rec_no);
}

}  // namespace

void TForditas::WireEditingHandlers() {
  cdsE.OnBeforeEdit = [this] { cdsEBeforeEdit(); };
  cdsF.OnBeforeEdit = [this] { cdsFBeforeEdit(); };
  dsE.OnDataChange = [this](int changed) { dsEDataChange(changed); };
  dsF.OnDataChange = [this](int changed) { dsFDataChange(changed); };
  Racsef.OnKeyPress = [this](char& key) { RacsefKeyPress(key); };
  Racsff.OnKeyPress = [this](char& key) { RacsffKeyPress(key); };
  Racsef.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { RacsefKeyDown(key, shift); };
  Racsff.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { RacsffKeyDown(key, shift); };
  Racsef.OnCellClick = [this](int column) { RacsefCellClick(column); };
  Racsff.OnCellClick = [this](int column) { RacsffCellClick(column); };
  Edit0.OnKeyPress = [this](char& key) { Edit0KeyPress(key); };
  Edit1.OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
  Edit2.OnKeyPress = [this](char& key) { Edit2KeyPress(key); };
  Edit4.OnKeyPress = [this](char& key) { Edit4KeyPress(key); };
  Edit5.OnKeyPress = [this](char& key) { Edit5KeyPress(key); };
  Edit6.OnKeyPress = [this](char& key) { Edit6KeyPress(key); };
  Edit0.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit0KeyDown(key, shift); };
  Edit1.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit1KeyDown(key, shift); };
  Edit2.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit2KeyDown(key, shift); };
  Edit4.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit4KeyDown(key, shift); };
  Edit5.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit5KeyDown(key, shift); };
  Edit6.OnKeyDown = [this](ui::Key& key, ui::ShiftState shift) { Edit6KeyDown(key, shift); };
  Button1.OnClick = [this] { Button1Click(); };
  Button2.OnClick = [this] { Button2Click(); };
  Button4.OnClick = [this] { Button4Click(); };
  Button5.OnClick = [this] { Button5Click(); };
  Efe.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    EfeMouseDown(button, shift, x, y);
  };
  Eff.OnMouseDown = [this](ui::MouseButton button, ui::ShiftState shift, int x, int y) {
    EffMouseDown(button, shift, x, y);
  };
  Efe.OnKeyPress = [this](char& key) { EfeKeyPress(key); };
  Eff.OnKeyPress = [this](char& key) { EffKeyPress(key); };
  // Neither the keyboard nor a paste changes a path box.
  Efe.SetReadOnly(true);
  Eff.SetReadOnly(true);
}

// ---- Showing the current row ----------------------------------------------------------------

void TForditas::ShowRowInEditorsE() {
  ShowRow(EditorsOf(*this, Side::kSource));
}

void TForditas::ShowRowInEditorsF() {
  ShowRow(EditorsOf(*this, Side::kTranslation));
}

// ---- Typing handed over from a grid -----------------------------------------------------------

// After a store (column 4) the source side still lowers InternalUpdate, so the store that follows
// refreshes the source editors and drags the translation; the translated side returns at once.
void TForditas::RedirectTyping(Side side) {
  if (side == Side::kTranslation && ActiveColumn == rows::kStoredColumn)
    return;
  const EditorSide editors = EditorsOf(*this, side);
  const shell::InternalUpdateEndsLowered internal(program_.state);
  if (const std::optional<int> column =
          rows::RedirectTarget(ActiveColumn, TypedKey, editors.mode_box.Text())) {
    ui::Edit& editor = *editors.editors[*column];
    // A hidden editor is never focused nor filled.
    if (editor.Visible()) {
      editor.SetFocus();
      if (TypedKey != 0) {
        editor.SetText(std::string(1, TypedKey));
        editor.SetSelStart(1);
      }
    }
  }
}

void TForditas::RedirectTypingE() {
  RedirectTyping(Side::kSource);
}

void TForditas::RedirectTypingF() {
  RedirectTyping(Side::kTranslation);
}

void TForditas::cdsEBeforeEdit() {
  RedirectTypingE();
}

void TForditas::cdsFBeforeEdit() {
  RedirectTypingF();
}

void TForditas::GridKeyPress(Side side, char& key) {
  if (key == timecode::kEscape)
    return;
  const EditorSide editors = EditorsOf(*this, side);
  const int selected = editors.grid.SelectedIndex();
  if (selected < rows::kStartColumn || selected > rows::kTextColumn)
    return;
  ActiveColumn = static_cast<std::uint8_t>(selected);
  if (key == '\r') {
    // Enter starts changing the stored value.
    editors.editors[selected]->SetFocus();
    key = 0;
    return;
  }
  // Tab and the other control characters stay with the grid and are not remembered.
  if (static_cast<unsigned char>(key) < 32)
    return;
  TypedKey = key;
  RedirectTyping(side);
}

void TForditas::RacsefKeyPress(char& key) {
  GridKeyPress(Side::kSource, key);
}

void TForditas::RacsffKeyPress(char& key) {
  GridKeyPress(Side::kTranslation, key);
}

// Ctrl+Delete in either grid deletes the current row after a question: one row at most.
bool TForditas::GridDeleteKey(Side side, ui::Key& key, ui::ShiftState shift) {
  if (key != ui::keys::kDelete || shift.Modifiers() != ui::ShiftState::kCtrl)
    return false;
  key = 0;
  dataset::RowTable& table = EditorsOf(*this, side).table;
  if (table.IsEmpty())
    return true;
  shell::SharedState& state = program_.state;
  state.DialogReply = shell::dialog_reply::kTorol;
  shell::AskYesNo(program_, "Megerősítés", "Törli a sort?");
  if (state.DialogReply == shell::dialog_reply::kIgen)
    table.Delete();
  return true;
}

// Escape in a grid drops a pending change of its row (a "|" not yet stored). Delete alone in the
// translated grid deletes its row at once; the key is consumed either way, so no modified Delete
// deletes a second row.
void TForditas::RacsefKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (GridDeleteKey(Side::kSource, key, shift))
    return;
  if (key == ui::keys::kEscape)
    cdsE.Cancel();
}

void TForditas::RacsffKeyDown(ui::Key& key, ui::ShiftState shift) {
  if (GridDeleteKey(Side::kTranslation, key, shift))
    return;
  if (key == ui::keys::kEscape) {
    cdsF.Cancel();
    return;
  }
  if (key != ui::keys::kDelete)
    return;
  if (shift.Empty() && !cdsF.IsEmpty())
    cdsF.Delete();
  key = 0;
}

// ---- Storing from a line editor ----------------------------------------------------------------

void TForditas::StoreFromTimeEditor(Side side, int column, char& key) {
  const EditorSide editors = EditorsOf(*this, side);
  ui::Edit& editor = *editors.editors[column];
  const shell::InternalUpdateEndsLowered internal(program_.state);
  if (key != '\r') {
    key = rows::FilterTimeEditorKey(key, editors.mode_box.Text());
    return;
  }
  key = 0;
  ActiveColumn = rows::kStoredColumn;
  const std::string value = editor.Text();
  if (shell::ShowCheck(program_, rows::CheckStoredValue(column, value, editors.mode_box.Text()))) {
    editors.table.Edit();
    editors.table.SetValue(FieldOfColumn(column), value);
    editors.table.Post();
    editors.editors[column + 1]->SetFocus();
  }
}

void TForditas::StoreFromTextEditor(Side side, char& key) {
  if (key != '\r')
    return;
  key = 0;
  const EditorSide editors = EditorsOf(*this, side);
  const shell::InternalUpdateEndsLowered internal(program_.state);
  ActiveColumn = rows::kStoredColumn;
  const std::string value = editors.editors[rows::kTextColumn]->Text();
  if (shell::ShowCheck(program_,
                       rows::CheckStoredValue(rows::kTextColumn, value, editors.mode_box.Text()))) {
    editors.table.Edit();
    editors.table.SetValue(field::kSzoveg, value);
    editors.table.Post();
    editors.grid.SetFocus();
    editors.grid.SetSelectedIndex(rows::kTextColumn);
  }
}

void TForditas::Edit0KeyPress(char& key) {
  StoreFromTimeEditor(Side::kSource, rows::kStartColumn, key);
}
void TForditas::Edit1KeyPress(char& key) {
  StoreFromTimeEditor(Side::kSource, rows::kEndColumn, key);
}
void TForditas::Edit2KeyPress(char& key) {
  StoreFromTextEditor(Side::kSource, key);
}
void TForditas::Edit4KeyPress(char& key) {
  StoreFromTimeEditor(Side::kTranslation, rows::kStartColumn, key);
}
void TForditas::Edit5KeyPress(char& key) {
  StoreFromTimeEditor(Side::kTranslation, rows::kEndColumn, key);
}
void TForditas::Edit6KeyPress(char& key) {
  StoreFromTextEditor(Side::kTranslation, key);
}

// ---- Up, Down and Escape in a line editor -----------------------------------------------------

// Typing not stored with Enter is dropped: the editors show the row the cursor stands on, also
// when Up on the first row or Down on the last did not move.
void TForditas::EditorKeyDown(Side side, int column, ui::Key& key) {
  const EditorSide editors = EditorsOf(*this, side);
  if (key == ui::keys::kUp || key == ui::keys::kDown) {
    if (key == ui::keys::kUp)
      editors.table.Prior();
    else
      editors.table.Next();
    editors.grid.SetFocus();
    editors.grid.SetSelectedIndex(column);
    ShowRow(editors);
    key = 0;
  } else if (key == ui::keys::kEscape) {
    editors.grid.SetFocus();
    editors.editors[column]->SetText(editors.table.Value(FieldOfColumn(column)));
    key = 0;
  }
}

void TForditas::Edit0KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kSource, rows::kStartColumn, key);
}
void TForditas::Edit1KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kSource, rows::kEndColumn, key);
}
void TForditas::Edit2KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kSource, rows::kTextColumn, key);
}
void TForditas::Edit4KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kTranslation, rows::kStartColumn, key);
}
void TForditas::Edit5KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kTranslation, rows::kEndColumn, key);
}
void TForditas::Edit6KeyDown(ui::Key& key, ui::ShiftState) {
  EditorKeyDown(Side::kTranslation, rows::kTextColumn, key);
}

// ---- Cell clicks and the data-change handlers ---------------------------------------------------

void TForditas::CellClick(Side side, int column) {
  const EditorSide editors = EditorsOf(*this, side);
  MoveTo(editors.other_table, rows::CoupledRecNo(editors.table.RecNo(),
                                                 editors.other_table.RecordCount(), cb1.Checked()));
  if (column >= rows::kStartColumn && column <= rows::kTextColumn)
    ActiveColumn = static_cast<std::uint8_t>(column);
  ShowRow(editors);
}

void TForditas::RacsefCellClick(int column) {
  CellClick(Side::kSource, column);
}

void TForditas::RacsffCellClick(int column) {
  CellClick(Side::kTranslation, column);
}

// Moving in the source drags the translation only with "Egyidejűség" ticked; moving in the
// translation always drags the source.
void TForditas::DataChange(Side side) {
  if (program_.state.InternalUpdate)
    return;
  const EditorSide editors = EditorsOf(*this, side);
  ShowRow(editors);
  const bool follows = side == Side::kTranslation || cb1.Checked();
  MoveTo(editors.other_table,
         rows::CoupledRecNo(editors.table.RecNo(), editors.other_table.RecordCount(), follows));
}

void TForditas::dsEDataChange(int) {
  DataChange(Side::kSource);
}

void TForditas::dsFDataChange(int) {
  DataChange(Side::kTranslation);
}

// ---- First and last rows ----------------------------------------------------------------------

// The source grid's buttons move both tables without the data-change handlers, then show the
// rows they stopped on, so that Enter in an editor never stores an old value into the new row.
// Only the moves are quiet: the flag is put back as it was found.
void TForditas::Button1Click() {
  {
    shell::InternalUpdateGuard internal(program_.state);
    cdsE.First();
    if (!cdsF.IsEmpty())
      cdsF.First();
  }
  ShowRowInEditorsE();
  ShowRowInEditorsF();
}

void TForditas::Button2Click() {
  {
    shell::InternalUpdateGuard internal(program_.state);
    cdsE.Last();
    if (!cdsF.IsEmpty())
      cdsF.Last();
  }
  ShowRowInEditorsE();
  ShowRowInEditorsF();
}

void TForditas::Button4Click() {
  cdsF.First();
  cdsE.First();
}

void TForditas::Button5Click() {
  cdsF.Last();
  cdsE.Last();
}

// ---- The path boxes ---------------------------------------------------------------------------

void TForditas::EfeMouseDown(ui::MouseButton, ui::ShiftState, int, int) {
  Racsef.SetFocus();
}

void TForditas::EfeKeyPress(char& key) {
  key = timecode::kEscape;
  Racsef.SetFocus();
}

void TForditas::EffMouseDown(ui::MouseButton, ui::ShiftState, int, int) {
  Racsff.SetFocus();
}

void TForditas::EffKeyPress(char& key) {
  key = timecode::kEscape;
  Racsff.SetFocus();
}

}  // namespace translation
