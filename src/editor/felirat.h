// The editor window `TFelirat`: the open subtitle's row table `cds` in the grid `racs`, the row
// panel, the commands. Its controls, their starting state and layouts are the form's
// (editor/felirat_form.h); this class is its behaviour, one block per concern named by the file
// of its handlers. Each of those files binds its own handlers in its `Wire...()` member, and the
// constructor (editor/window_life.cpp) calls them all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "corrections/reporting.h"
#include "editor/felirat_form.h"
#include "editor/message_hook.h"
#include "editor/row_write.h"
#include "editor/rules/style_tags.h"
#include "film/film_parts.h"
#include "timecode/timecode.h"

namespace shell {
struct LayoutMenuStates;
}

namespace editor {

class TFelirat : public FeliratForm {
 public:
  explicit TFelirat(shell::Program& program);

  // ---- Life cycle (editor/window_life.cpp) ----------------------------------------------
  void FormCreate();
  void FinishCreation();
  void FormActivate();
  void BkiClick();
  void AskSaveAndClose();
  // Why the rows are about to be thrown away.
  enum class Discard {
    kLeaving,    // the editor closes ("Kilépésnél: nincs kérdés" silences the question)
    kReplacing,  // another subtitle, a new one or a join takes their place
  };
  // While the subtitle is modified, "A felirat módosítva lett!" / "Elmenti?". True: go on
  // (nothing to save, "Nem", or saved); false: keep everything ("Mégsem", or no save).
  bool AskSaveBeforeDiscard(Discard why);
  void BvisszaClick();
  void Timer1Timer();
  void atlatszoClick();
  void ValtoChange();

  // ---- Window keys, options and small handlers (editor/window_keys.cpp) -------------------
  void ApplicationEvents1Message(ui::Message& message, bool& handled);
  void BelsoClick();
  void ButolsoClick();
  void BFPSClick();
  void MentAtClick();
  void BeolvasClick();
  void Max2Click();
  void UresNeClick();
  void szovegKeyDown(ui::Key& key, ui::ShiftState shift);
  void szovegKeyPress(char& key);
  void CopySelectionToClipboard();
  void EfilenevKeyPress(char& key);
  void EugrasKeyUp(ui::Key& key, ui::ShiftState shift);
  void kulonbsegClick();
  void kezdesMouseMove(ui::ShiftState shift, int x, int y);
  void befejezesMouseMove(ui::ShiftState shift, int x, int y);
  void EmodositasMouseMove(ui::ShiftState shift, int x, int y);
  void BTobbGombMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BTobbCheckMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void RacsPMPopup();

  // ---- The resolution menu (editor/resolution_menu.cpp) -----------------------------------
  void Felbonts1Click();
  void Felbonts2Click();
  void Felbonts3Click();

  // ---- Opening, saving, export (open_commands.cpp, save_commands.cpp, export_command.cpp) --
  void BtallozasClick();
  void MasikfeliratClick();
  void FormClose(ui::CloseAction& action);
  void Mentes1Click();
  void BmentesClick();
  void MentesMFClick();
  void Feliratmentsemsknt1Click();

  // ---- Row panel: the current row in and out of the panel (editor/row_panel.cpp) -----------
  void LoadRowIntoEditor();
  // Writes the current row's main text (after the option `Max2`), brings its flags up to
  // date (`UpdateRowFlags` with `how.full_flag_update`, else the reader's flag rule), lowers
  // InternalUpdate with `how.lower_internal_update`, posts, and marks the subtitle modified.
  // With `how.edit_first` the row is put into edit state first.
  void SetRowText1(std::string_view text, const RowWrite& how);
  // `text` as SetRowText1 stores it before the field's width: without up to two leading
  // line breaks when `Max2` is ticked.
  // A view into `text`.
  std::string_view MainTextAfterMax2(std::string_view text) const;
  // Whether SetRowText1 would store `text` whole: after the `Max2` rule it fits the main text's
  // field (220 characters). A command whose result does not fit is not carried out.
  bool FitsMainText(std::string_view text) const;
  // Whether `text` fits the second text's field whole (no `Max2` rule there).
  bool FitsSecondText(std::string_view text) const;
  // The warning of a command refused because its result would not fit the row: `what` is the
  // first line ("A formázással a sor hosszabb lenne 220 karakternél!"); the row is unchanged.
  void ShowRowWouldNotFit(std::string_view what);
  // As SetRowText1 for `Szoveg2`, without the `Max2` rule; leaves the save commands alone.
  void SetRowText2(std::string_view text, const RowWrite& how);
  // Sets or clears `betu38` and `sor3` of the current row (in edit or insert state) from its
  // text, keeps the two counters and shows them; the text box keeps its caret.
  void UpdateRowFlags();
  // The flag rule of reading: sets or clears `betu38` and `sor3` of the current row (in edit
  // or insert state) from its stored `Szoveg`, keeping the two counters. Shows nothing.
  void UpdateRowFlagFields();
  // A row's two flags measured on `stored` (the text as its field keeps it) into LineLengths,
  // against the flags it holds (`was_long`, `was_many`): the flags it is to hold, and the two
  // counters brought up to date for each that changes (not shown). No row is written.
  struct FlagChange {
    bool long_line = false;   // `betu38`
    bool many_lines = false;  // `sor3`
    bool long_line_changed = false;
    bool many_lines_changed = false;
  };
  FlagChange CountRowFlagChange(std::string_view stored, bool was_long, bool was_many);
  void ShowFlagCounters();
  void SplitLineLengths(std::string_view text);
  void ShowTextInMemo1(std::string_view text);
  void ShowTextInMemo2(std::string_view text);
  // Fills `szoveg2` and `sordarab2` from the current row's second text.
  void ShowSecondTextOfRow();
  void TrimMemo1();
  void TrimMemo2();
  void ShowTimeDifference();
  void ApplyEditedTimes();
  void BertekClick();
  void SetTimeBaseLimits(std::string_view time_base);
  void EditorOneTextLayout();
  void EditorTwoTextLayout();
  void UpdateFormatChecks();
  void UpdateFormatChecks2();
  int LetterLimit() const;
  void dsDataChange(int field);
  void dsUpdateData();
  // At the end of a command that wrote rows or moved the cursor while InternalUpdate was
  // raised: the panel shows the current row again, unless the table's controls are still
  // off (their last EnableControls does it). Nothing while the table is closed.
  void ShowCurrentRowAfterCommand();
  // Its keys (editor/row_panel_keys.cpp).
  void szovegKeyUp(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyDown(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyPress(char& key);
  void befejezesKeyDown(ui::Key& key, ui::ShiftState shift);
  void befejezesKeyPress(char& key);

  // ---- Row flags and grid colouring (editor/grid_colouring.cpp) ----------------------------
  void SEbetuChange();
  void CountRowFlags();
  void DecrementRowFlagCounters();
  void ResetFlagCounters();
  void CbtobbClick();
  void CB3sorClick();
  void Szinezes38Click();
  void Szinezes3Click();
  void racsDrawColumnCell(const ui::Rect& rect, int column, const ui::GridColumn& col,
                          ui::GridCellState state, ui::CellCanvas& canvas);
  // The grid's keys (editor/grid_keys.cpp).
  void racsKeyDown(ui::Key& key, ui::ShiftState shift);
  void racsKeyPress(char& key);

  // ---- Deleting and inserting rows (editor/row_commands.cpp) --------------------------------
  void BtorlesClick();
  void BTorlesTobbMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BtobbsorClick();
  void TobbsortorleseClick();
  // Deletes rows `first` to `last` (1 <= first <= last <= row count), each as BtorlesClick
  // deletes one; the row that moves into `first` becomes current.
  void DeleteRowRange(int first, int last);
  void BbeszurasClick();
  void BelemogeMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void pmsoreleClick();
  void pmsormogeClick();
  void sor5mogeRacsClick();
  void Beszur5sorClick();
  void N10sorbeszrsaazaktulissormg1Click();
  void jfelirat1Click();
  // Appends a row to `cds` as a new last row. Every append to a table with rows goes through
  // here, so that the second-text row count stays where it is.
  void AppendRow();
  void ClientDataSet1BeforeInsert();

  // ---- Timing and the jump box (editor/row_commands_timing.cpp) ----------------------------
  void BvegelsoClick();
  void B12Click();
  void B22Click();
  void B21Click();
  void DividePreviousRowTime(int part, int parts);
  void EugrasKeyPress(char& key);
  void BugrasClick();

  // ---- Row texts (editor/row_commands_text.cpp) ---------------------------------------------
  void BovClick();
  void BovmClick();
  void mpmClick();
  void N6Click();
  void Utolsktsz1Click();

  // ---- Time base switch and shifting (editor/time_base.cpp) ---------------------------------
  void beosztasChange();
  void beosztasKeyPress(char& key);
  void CbPMKeyPress(char& key);
  void ShiftAllTimes();
  void EmodositasKeyDown(ui::Key& key, ui::ShiftState shift);
  void EmodositasKeyPress(char& key);
  void BatvaltasClick();
  void BmodokClick();
  void BreszletesClick();

  // ---- Searching (editor/search_commands.cpp) ------------------------------------------------
  void BMKeresClick();
  void BKreszletesClick();
  void MkercsereClick();
  void BkeresokClick();
  void EkeresesKeyPress(char& key);

  // ---- Style tags and the internal clipboard (editor/style_commands.cpp) ----------------------
  void doltClick();
  void dolt2Click();
  void VastagitottClick();
  void AlahuzottClick();
  void osszeselClick();
  void KivagasClick();
  void MasolasClick();
  void BeillesztesClick();
  void SzPK1BClick();
  void KivagKovBeElejeClick();
  void SzPKClick();
  void SzPMClick();
  void SzPBClick();
  void kszdClick();
  void kszvClick();
  void kszaClick();
  void SzovegPopPopup();

  // ---- Second-text column (editor/second_text_commands.cpp) -----------------------------------
  void resmsikfelirat1Click();
  void MovClick();
  void movmClick();
  void doltSz2Click();
  void BeszurPMBClick();
  void TorlesPMBClick();
  void Beszrsasorel1Click();
  void Beszrsasorutn1Click();
  void Kivgs1Click();
  void RemoveSecondTextCell();
  void InsertSecondTextCell(bool report);
  void BeTorlesPMPopup();
  void szoveg2KeyUp(ui::Key& key, ui::ShiftState shift);
  void szoveg2KeyDown(ui::Key& key, ui::ShiftState shift);
  void racsMouseMove(ui::ShiftState shift, int x, int y);
  void racsMouseUp(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  // The drag state: armed by a mouse release over the grid (not at the start); "Sz2" while a
  // second-text cell is dragged; the dragged text; the grid row under the pointer (1 the first
  // data row shown, 0 the title row, -1 outside).
  bool DragArmed = false;
  std::string DragSource;
  std::string DragText;
  int MouseGridRow = 0;
  // The multi-drag cursor is shown over the grid while a second-text cell is dragged.
  bool DragCursorShown() const { return drag_cursor_shown_; }

  // ---- Splitting into two parts (editor/split_commands.cpp) ---------------------------------
  void RB1Click();
  void RB12Click();
  void BvegrehajtClick();
  void racsCellClick(int column);
  void E4kezdoujKeyPress(char& key);
  void DBEdit1Change();
  void OfferSplitRow();

  // ---- Joining two parts (editor/join_panel.cpp) ----------------------------------------------
  void RB12cd1Click();
  void RB12cd2Click();
  void BfilekiClick();
  void Bvegre21Click();

  // ---- The film (editor/film_commands.cpp): the film module does the work -------------------
  void BfilmClick();
  void FbezarClick();
  void FilminfoClick();
  void FshowClick();
  void FeliratshowClick();
  void SBplayClick();
  void SBpauseClick();
  void Meglls1Click();
  void BeKezdoErClick();
  void BeBefejezoErClick();
  void SBvissza1mpClick();
  void SBvisszaClick();
  void SBeloreClick();
  void SBkezdbefejezClick();
  void SBSubClick();
  void SBNonSubClick();
  void racsDblClick();

  // ---- Corrections and checks (editor/correction_commands.cpp) --------------------------------
  void BAtfedesClick();
  void N05mpessorkibvtse1Click();
  void agresszivClick();
  void BlistaClick();
  void BvonalClick();
  void BohClick();
  void BOsszesClick();
  void BOsszesN(corrections::Reporting show);
  void BagresszivN(corrections::Reporting show);
  void HangutanzoN(corrections::Reporting show);
  void BvonalN(corrections::Reporting show);
  void BkarakterN(corrections::Reporting show);
  void BohN(corrections::Reporting show);
  void L05Click();
  void HangutnzszavaksNevektrlse1Click();
  void Hangutnzszavaksnevektrlse2Click();
  void lgomb1Click();
  void kezgomb1Click();
  void sszesbetkisbetlegyen1Click();
  void ressoroktrlse1Click();
  void N4sorossorokmegtrse1Click();
  void Sorfelezs3872bet1Click();
  void karakterekelttispaceeltntetse1Click();
  void karakterekutntegyenspacet1Click();
  void FeliratTeljesClick();
  void FeliratTeljesMClick();

  // The film module's parts inside this window (film/film_parts.h); destroyed before the
  // form's controls, after the message hook is unbound.
  std::unique_ptr<film::FilmParts> film_parts;

  // Bmentes and Mentes1 enabled: the subtitle counts as modified; disabled: as saved.
  void MarkModified();
  void MarkSaved();

  // ---- What the other windows ask of the editor (editor/window_state.cpp) -------------------
  // Whether the subtitle has changes not saved yet: MarkModified enables both save commands,
  // MarkSaved disables both, and this reads the button.
  bool IsModified() const;
  // "Frame" or "Time": the time base the time-base box shows, that of the rows' values.
  std::string TimeBase() const;
  // "Megnyitás" on the start window, before the editor is shown: no rows, no file name, an
  // empty row panel and program clipboard, every command that needs a subtitle disabled. The
  // activation then shows the open window; the load enables the commands again.
  void ResetForOpening();
  // The kind chosen in the new-subtitle window, before the editor is shown: the time-base box
  // shows `time_base` ("Time" or "Frame") and "Sor módosítása és felvitele" can be chosen; a
  // time-based subtitle starts with its row controls disabled. The activation makes the new
  // subtitle's first row and enables them.
  void PrepareNewSubtitle(std::string_view time_base);
  // The row controls disabled and the difference box emptied, before a new time-based subtitle.
  void DisableRowControlsForNewSubtitle();
  // The resolution menu as the start window found the screen: the screen's own layout is not
  // offered.
  void EnableLayoutMenus(const shell::LayoutMenuStates& menus);

 private:
  friend class CommandUpdateScope;  // raises and lowers InternalUpdate

  // Each concern's bindings, in the file of its handlers.
  void WireWindow();         // window_life.cpp
  void WireWindowKeys();     // window_keys.cpp
  void WireLayouts();        // resolution_menu.cpp
  void WireOpenCommands();   // open_commands.cpp
  void WireSaveCommands();   // save_commands.cpp
  void WireExportCommand();  // export_command.cpp
  void WireRowPanel();       // row_panel.cpp
  void WireRowPanelKeys();   // row_panel_keys.cpp
  void WireGridColouring();  // grid_colouring.cpp
  void WireGridKeys();       // grid_keys.cpp
  void WireRowCommands();    // row_commands.cpp
  void WireRowTiming();      // row_commands_timing.cpp
  void WireRowTexts();       // row_commands_text.cpp
  void WireTimeBase();       // time_base.cpp
  void WireSearch();         // search_commands.cpp
  void WireStyleCommands();  // style_commands.cpp
  void WireSecondText();     // second_text_commands.cpp
  void WireSplitPanel();     // split_commands.cpp
  void WireJoinPanel();      // join_panel.cpp
  void WireFilm();           // film_commands.cpp
  void WireCorrections();    // correction_commands.cpp

  // window_life.cpp
  void StartNewSubtitle();
  bool start_file_pending_ = false;         // FormCreate left the file for FinishCreation
  MessageHookBinding message_hook_{App()};  // bound to this window while it exists
  // window_keys.cpp
  bool MemoEditPending = false;  // set by the text box's key-down for a key that edits
  int wheel_rest_ = 0;           // wheel delta not yet worth a whole arrow key
  // resolution_menu.cpp
  void SwitchLayout(Layout target);
  void RepaintGridWhole();
  // row_commands.cpp
  void DeleteCurrentRowCounted();
  void DisableRowButtonsWhenEmpty();
  void InsertAfterCurrent(const std::string& start, const std::string& end, bool at_last);
  void ShowRowCommandInfo(std::string_view caption, std::string_view line);
  bool appending_row_ = false;
  // row_commands_text.cpp
  void MergeIntoPreviousRow(bool dialogue);
  void StoreCommandText(std::string_view text);
  // time_base.cpp
  void SwitchToFrames(timecode::FrameRate rate);
  void SwitchToTimes(timecode::FrameRate rate);
  // style_commands.cpp
  void ToggleTagPair(ui::MenuItem& item, TagPair tags, bool closing);
  void RemoveTagPair(TagPair tags);
  void WrapSelection(TagPair tags);
  void StoreTextFixItalic(std::string_view text);
  void CutClipboardTextFromRow();
  void PasteClipboardAtCaret();
  std::string PastedAtCaret() const;
  bool PasteFits(std::string_view pasted);
  // second_text_commands.cpp
  bool SecondColumnShown() const;
  int DropTargetRow() const;
  void StoreSecondText(std::string_view text);
  void MergeSecondTextIntoAbove(bool dialogue);
  void InsertDraggedRow(bool after);
  std::string MouseColumnName;
  bool drag_cursor_shown_ = false;
};

}  // namespace editor
