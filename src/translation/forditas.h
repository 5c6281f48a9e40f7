// The translation window `TForditas`: the source subtitle in the upper grid, its
// translation in the lower one, each over its own row table (`cdsE`, `cdsF`), with line
// editors for the current row, tool buttons, grid popups and the clock.
//
// Where the window's controls stand comes from the layout tables (forditas_layouts.h): the
// constructor places them by the 1024x768 one.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/document_path.h"
#include "platform/dataset/row_table.h"
#include "platform/ui/ui.h"
#include "translation/rows/side_parse.h"
#include "translation/rows/text_commands.h"
#include "translation/side_busy.h"

namespace shell {
class Program;
struct LayoutMenuStates;
}  // namespace shell

namespace translation {

struct WindowLayout;

class TForditas : public ui::Form {
 public:
  explicit TForditas(shell::Program& program);

  // What the start window asks of this window (forditas_reset.cpp): "Fordítás" starts with
  // both row tables open and empty, no paths, no search, the save and row commands disabled;
  // the layout menu offers what the screen allows but its own layout.
  void ResetForNewTranslation();
  void EnableLayoutMenus(const shell::LayoutMenuStates& menus);

  // ---- Row tables and their data sources (declared before the grids bound to them) ---
  dataset::RowTable cdsE{dataset::TranslationRowFields()};
  dataset::RowTable cdsF{dataset::TranslationRowFields()};
  ui::DataSource dsE{*this, "dsE"};
  ui::DataSource dsF{*this, "dsF"};

  // ---- Source side ----------------------------------------------------------------------
  // Path of the loaded source file.
  ui::Edit Efe{*this, "Efe"};
  ui::CheckBox cb1{*this, "cb1"};
  ui::BitBtn BitBtn2{*this, "BitBtn2"};
  ui::BitBtn Esave{*this, "Esave"};
  ui::BitBtn BitBtn3{*this, "BitBtn3"};
  ui::Button Button8{*this, "Button8"};
  ui::BitBtn Esorbe{*this, "Esorbe"};
  ui::BitBtn EsorDel{*this, "EsorDel"};
  ui::Button BEell{*this, "BEell"};
  ui::Edit EkerE{*this, "EkerE"};
  ui::BitBtn BkerE{*this, "BkerE"};
  ui::Gauge EEszazalek{*this, "EEszazalek"};
  // Timing mode of the source side: "Time" or "Frame".
  ui::Edit EEfm{*this, "EEfm"};
  ui::Button Button1{*this, "Button1"};
  ui::DbGrid Racsef{*this, "Racsef"};
  ui::Button Button2{*this, "Button2"};
  ui::Edit Edit0{*this, "Edit0"};
  ui::Edit Edit1{*this, "Edit1"};
  ui::Edit Edit2{*this, "Edit2"};

  // ---- Translated side ------------------------------------------------------------------
  // Path of the translation's file; empty while it has none.
  ui::Edit Eff{*this, "Eff"};
  ui::CheckBox atlatszo2{*this, "atlatszo2"};
  ui::BitBtn BitBtn4{*this, "BitBtn4"};
  ui::BitBtn Fsave{*this, "Fsave"};
  ui::Button Button9{*this, "Button9"};
  ui::BitBtn Fsorbe{*this, "Fsorbe"};
  ui::BitBtn FsorDel{*this, "FsorDel"};
  ui::Button BFell{*this, "BFell"};
  ui::Edit EkerF{*this, "EkerF"};
  ui::BitBtn BkerF{*this, "BkerF"};
  // Timing mode of the translated side: "Time" or "Frame".
  ui::Edit EFfm{*this, "EFfm"};
  ui::Button Button4{*this, "Button4"};
  ui::DbGrid Racsff{*this, "Racsff"};
  ui::Edit Edit4{*this, "Edit4"};
  ui::Edit Edit5{*this, "Edit5"};
  ui::Edit Edit6{*this, "Edit6"};
  ui::Button Button5{*this, "Button5"};
  ui::Gauge EFszazalek{*this, "EFszazalek"};

  // ---- Bottom row ---------------------------------------------------------------------------
  ui::Button Bfvissza{*this, "Bfvissza"};
  ui::Button BfKilepes{*this, "BfKilepes"};
  ui::Label ido1{*this, "ido1"};

  // ---- Main menu ------------------------------------------------------------------------------
  ui::MainMenu MainMenu1{*this, "MainMenu1"};
  ui::MenuItem Megnyits1{MainMenu1, "Megnyits1", "Megnyitás"};
  ui::MenuItem Eredetifeliratmegnyitsa1{Megnyits1, "Eredetifeliratmegnyitsa1",
                                        "Eredeti felirat megnyitása"};
  ui::MenuItem Fordtottfeliratmegnyitsa1{Megnyits1, "Fordtottfeliratmegnyitsa1",
                                         "Fordított felirat megnyitása"};
  ui::MenuItem jprojectmegnyits1{Megnyits1, "jprojectmegnyits1", "Új project megnyitás"};
  ui::MenuItem Ments1{MainMenu1, "Ments1", "Mentés"};
  ui::MenuItem Pem{Ments1, "Pem", "Eredeti felirat mentése"};
  ui::MenuItem Pfm{Ments1, "Pfm", "Fordított felirat mentése"};
  ui::MenuItem Pmm{Ments1, "Pmm", "Mindkettő mentése"};
  ui::MenuItem Keress1{MainMenu1, "Keress1", "Keresés"};
  ui::MenuItem Kef{Keress1, "Kef", "Eredeti feliratban"};
  ui::MenuItem kff{Keress1, "kff", "Fordított feliratban"};
  ui::MenuItem Akci1{MainMenu1, "Akci1", "Akció"};
  ui::MenuItem Kilps1{Akci1, "Kilps1", "Kilépés"};
  ui::MenuItem Visszafmenbe1{Akci1, "Visszafmenbe1", "Vissza a főmenübe"};
  ui::MenuItem Felbonts1{MainMenu1, "Felbonts1", "Felbontás"};
  ui::MenuItem felbonts11{Felbonts1, "felbonts11", "800x600"};
  ui::MenuItem felbonts22{Felbonts1, "felbonts22", "1024x768"};

  // ---- Grid popup of the source side ----------------------------------------------------------
  ui::PopupMenu Pef{*this, "Pef"};
  ui::MenuItem DoltE{Pef, "DoltE", "Dőlt"};
  ui::MenuItem VastagitottE{Pef, "VastagitottE", "Vastagított"};
  ui::MenuItem AlahuzottE{Pef, "AlahuzottE", "Aláhúzott"};
  ui::MenuItem MindenE{Pef, "MindenE", "Minden formázás eltávolítása"};
  ui::MenuItem N1{Pef, "N1"};
  ui::MenuItem eleE{Pef, "eleE", "Egy sor beszúrása az aktuális sor elé"};
  ui::MenuItem MogeE{Pef, "MogeE", "Egy sor beszúrása az aktuális sor mögé"};
  ui::MenuItem N2{Pef, "N2", "-"};
  ui::MenuItem KivagasE{Pef, "KivagasE", "Kivágás"};
  ui::MenuItem MasolasE{Pef, "MasolasE", "Másolás"};
  ui::MenuItem BeillesztesE{Pef, "BeillesztesE", "Beillesztés"};

  // ---- Grid popup of the translated side --------------------------------------------------------
  ui::PopupMenu Pff{*this, "Pff"};
  ui::MenuItem DoltF{Pff, "DoltF", "Dőlt"};
  ui::MenuItem VastagitottF{Pff, "VastagitottF", "Vastagított"};
  ui::MenuItem AlahuzottF{Pff, "AlahuzottF", "Aláhúzott"};
  ui::MenuItem MindenF{Pff, "MindenF", "Minden formázás eltávolítása"};
  ui::MenuItem N3{Pff, "N3"};
  ui::MenuItem EleF{Pff, "EleF", "Egy sor beszúrása az aktuális sor elé"};
  ui::MenuItem MogeF{Pff, "MogeF", "Egy sor beszúrása az aktuális sor mögé"};
  ui::MenuItem N4{Pff, "N4", "-"};
  ui::MenuItem KivagasF{Pff, "KivagasF", "Kivágás"};
  ui::MenuItem MasolasF{Pff, "MasolasF", "Másolás"};
  ui::MenuItem BeillesztesF{Pff, "BeillesztesF", "Beillesztés"};
  ui::MenuItem N5{Pff, "N5", "-"};
  ui::MenuItem Sortrlse1{Pff, "Sortrlse1", "Sor törlése"};

  // ---- Insert popups of the "Sor beszúrása" buttons ------------------------------------------
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
  ui::MenuItem Epmu{PopupMenu1, "Epmu", "Sor beillesztése az aktuális sor után"};
  ui::MenuItem Epme{PopupMenu1, "Epme", "Sor beillesztése az aktuális sor elé"};
  ui::PopupMenu PopupMenu2{*this, "PopupMenu2"};
  ui::MenuItem Fpmu{PopupMenu2, "Fpmu", "Sor beillesztése az aktuális sor után"};
  ui::MenuItem Fpme{PopupMenu2, "Fpme", "Sor beillesztése az aktuális sor elé"};

  // The clock: shows the date and time in `ido1` once a second.
  ui::Timer Timer1{*this, "Timer1"};

  // ---- Loaders (loaders.cpp) -----------------------------------------------------------------
  // Each reads the file named by CurrentFilePath into its side; success and failure are shown
  // in the window (messages, enabled controls).
  // The source, and with BuildEmptyTranslation an empty translation beside it.
  void LoadSourceWithTranslation();
  // The translation alone.
  void LoadTranslated();
  // The source alone.
  void LoadSourceSubtitle();

  // 1 while a side holds rows of a load that was not refused (or the empty translation built
  // beside the source): only such a side offers its line editors and its check.
  bool SourceLoaded = false;
  bool TranslationLoaded = false;
  // 1 while a side holds less than its file: the rows read before a bad line stopped its read,
  // or texts cut to the field's width. Saving it would write less than its file holds, so the
  // save asks first.
  bool SourcePartial = false;
  bool TranslationPartial = false;
  // 1 when the side is partial only because texts were cut (its read went to the end).
  bool SourceTextsCut = false;
  bool TranslationTextsCut = false;
  enum class Side { kSource, kTranslation };
  // Before a side is saved: true at once for a side read whole; for a partial side the user is
  // asked first, and true only on "Igen".
  bool ConfirmSaveOfSide(Side side);

  // Shows a message of a load: at once, or, while the open window is shown over this window
  // (it stays above every window but the message window), once it has closed.
  void ShowLoadNotice(std::function<void()> show);

  // The rows of a side as they are now count as saved: after a load and after a save.
  void KeepRowsAsSaved(Side side);
  // The side's rows differ from those last loaded or saved (a row still being edited counts).
  bool SideChanged(Side side) const;
  // Before the window is left: true at once when neither side changed; otherwise the user is
  // asked, and true after "Igen" once each changed side was saved, and after "Nem".
  bool MayLeave();

  // The file each side was read from (the path boxes show it as text).
  files::ShownPath SourcePath;
  files::ShownPath TranslationPath;

  // ---- Checks and saving (forditas_checks.cpp, forditas_saving.cpp) -------------------------
  // A side's busy state while its rows are checked or written; its end returns the side's
  // cursor to SavedRecNo.
  BusySide BeginBusyE();
  BusySide BeginBusyF();
  // kShown: the check of the "E" button, which ends the busy state itself and reports a clean
  // side; kQuiet: the check before a save, which leaves a clean side busy for the save.
  enum class CheckReport { kQuiet, kShown };
  // The row check of a side; a failing row's message is shown after `busy` has ended.
  bool EEllenorzes(BusySide& busy, CheckReport report);
  bool FEllenorzes(BusySide& busy, CheckReport report);
  // The side written whole to CurrentFilePath as a frame-based or a SubRip file; a failed write
  // ends `busy`, says so and leaves the file that was there as it was.
  bool KimentFrameEF(Side side, BusySide& busy);
  bool KimentTimeEF(Side side, BusySide& busy);
  void BEellClick();
  void BFellClick();
  void EsaveClick();
  void FsaveClick();
  void PmmClick();

  // ---- Window shell (forditas_shell.cpp) ---------------------------------------------------
  void FormCreate();
  void FormActivate();
  void BitBtn2Click();
  void BitBtn4Click();
  void jprojectmegnyits1Click();
  void BitBtn3Click();
  void felbonts11Click();
  void felbonts22Click();
  void BfKilepesClick();
  void BfvisszaClick();
  void FormClose(ui::CloseAction& action);
  void atlatszo2Click();
  void Timer1Timer();
  // The show word of the layout routines: kIgen after a switch, kNem at creation.
  enum class LayoutShow { kNem, kIgen };
  void LayoutTranslation1024(LayoutShow show);
  void LayoutTranslation800(LayoutShow show);

  // ---- Line editors and cursor coupling (forditas_editing.cpp) -----------------------------
  // The three line editors of a side always show the side's current row.
  void ShowRowInEditorsE();
  void ShowRowInEditorsF();
  // Hand TypedKey to the line editor of ActiveColumn.
  void RedirectTypingE();
  void RedirectTypingF();
  void cdsEBeforeEdit();
  void cdsFBeforeEdit();
  void RacsefKeyPress(char& key);
  void RacsffKeyPress(char& key);
  void RacsefKeyDown(ui::Key& key, ui::ShiftState shift);
  void RacsffKeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit0KeyPress(char& key);
  void Edit1KeyPress(char& key);
  void Edit2KeyPress(char& key);
  void Edit4KeyPress(char& key);
  void Edit5KeyPress(char& key);
  void Edit6KeyPress(char& key);
  void Edit0KeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit1KeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit2KeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit4KeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit5KeyDown(ui::Key& key, ui::ShiftState shift);
  void Edit6KeyDown(ui::Key& key, ui::ShiftState shift);
  void RacsefCellClick(int column);
  void RacsffCellClick(int column);
  void dsEDataChange(int field);
  void dsFDataChange(int field);
  void Button1Click();
  void Button2Click();
  void Button4Click();
  void Button5Click();
  void EfeMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void EfeKeyPress(char& key);
  void EffMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void EffKeyPress(char& key);

  // ---- Row and text commands (forditas_commands.cpp) ---------------------------------------
  void EsorDelClick();
  void FsorDelClick();
  void Sortrlse1Click();
  void EsorbeMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void FsorbeMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void EpmuClick();
  void EpmeClick();
  void FpmuClick();
  void FpmeClick();
  void eleEClick();
  void MogeEClick();
  void EleFClick();
  void MogeFClick();
  void DoltEClick();
  void VastagitottEClick();
  void AlahuzottEClick();
  void DoltFClick();
  void VastagitottFClick();
  void AlahuzottFClick();
  void MindenEClick();
  void MindenFClick();
  void KivagasEClick();
  void MasolasEClick();
  void BeillesztesEClick();
  void KivagasFClick();
  void MasolasFClick();
  void BeillesztesFClick();
  void Button8Click();
  void Button9Click();
  void BkerEClick();
  void BkerFClick();
  void EkerEKeyPress(char& key);
  void EkerFKeyPress(char& key);
  void KefClick();
  void kffClick();

 private:
  void ForgetLoadedSides();
  void WireHandlers();
  // Every control the layout names to its place (forditas_shell.cpp).
  void PlaceControls(const WindowLayout& layout);
  // The window hidden, sized and placed by the layout, then shown again after a switch.
  void ApplyLayout(const WindowLayout& layout, LayoutShow show);
  // The open window for the purpose set; the messages of its load follow once it has closed.
  void ShowOpenWindow();
  // Checks and saving (forditas_checks.cpp, forditas_saving.cpp).
  void WireSaveHandlers();
  bool CheckSide(Side side, BusySide& busy, CheckReport report);
  using SideWriter = std::string (*)(std::span<const rows::Row>, const rows::Progress&);
  bool WriteSide(Side side, BusySide& busy, SideWriter writer);
  // Sets CurrentFilePath to where the side is saved; false when no name was given.
  bool ChooseSaveTarget(Side side);
  // True when the side was written.
  bool SaveSide(Side side);

  // ---- Line editors and row commands, told once for both sides (forditas_editing.cpp,
  // forditas_commands.cpp) --------------------------------------------------------------------
  void WireEditingHandlers();
  void WireCommandHandlers();
  void RedirectTyping(Side side);
  void GridKeyPress(Side side, char& key);
  void StoreFromTimeEditor(Side side, int column, char& key);
  void StoreFromTextEditor(Side side, char& key);
  void EditorKeyDown(Side side, int column, ui::Key& key);
  void CellClick(Side side, int column);
  // Ctrl+Delete in a grid; true when it was that key.
  bool GridDeleteKey(Side side, ui::Key& key, ui::ShiftState shift);
  void DataChange(Side side);
  void DeleteCurrentRow(Side side);
  void InsertEmptyRow(Side side, rows::InsertCommand command);
  void ToggleStyle(Side side, ui::MenuItem& item, rows::TagPair tags);
  void RemoveAllStyles(Side side);
  void CutRowText(Side side);
  void PasteRowText(Side side);
  void AppendLineSeparator(Side side);
  void SearchSide(Side side);

  shell::Program& program_;
  // 1 until the window is next entered from the start window: the entry reset runs on that
  // activation only, never when a layout switch hides and shows the window.
  bool entry_reset_pending_ = true;
  // The grid column the user last clicked or typed in: 0 start, 1 end, 2 text; 4 after a
  // value was stored from a line editor.
  std::uint8_t ActiveColumn = 0;
  // The last character typed into a grid cell.
  char TypedKey = 0;
  // Record number to return to after a check or a save.
  std::int32_t SavedRecNo = 0;
  // The messages of loads waiting for the open window to close.
  bool hold_load_notices_ = false;
  std::vector<std::function<void()>> held_load_notices_;
  // The rows of each side as last loaded or saved.
  std::vector<rows::Row> source_saved_rows_;
  std::vector<rows::Row> translation_saved_rows_;
};

}  // namespace translation
