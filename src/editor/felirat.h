// The editor window `TFelirat`: the open subtitle's row table `cds`, shown row by row in the
// grid `racs`, with the row panel below the grid, the settings and activities groups on the
// left, the menus, the popup menus of the grid, the text boxes and the buttons, and the film
// area of the full build.
//
// The controls, their starting state and their layouts are the form's (editor/felirat_form.h).
// This class is the window's behaviour: one block per concern, named by the file that holds
// its handlers; each of those files binds its own handlers in its `Wire...()` member, and the
// constructor (editor/window_life.cpp) calls them all.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "editor/felirat_form.h"
#include "editor/message_hook.h"
#include "editor/style_tags.h"
#include "film/film_parts.h"
#include "platform/ui/ui.h"
#include "timecode/timecode.h"

namespace shell {
class Program;
}

namespace editor {

class TFelirat : public FeliratForm {
 public:
  explicit TFelirat(shell::Program& program);

  // ---- Life cycle (editor/window_life.cpp) ----------------------------------------------
  // The window's creation: the film player made (or its missing-player message), the layout
  // of ScreenLayout with the film area hidden, InternalUpdate raised, no time base yet.
  void FormCreate();
  // The last step of the creation, run by the program once it holds the editor: a subtitle
  // named on the command line (".srt" or ".sub") is opened in the editor at once, before the
  // start window is shown.
  void FinishCreation();
  // Every time the window becomes active coming from another window: the entry dispatch by
  // OpenMode (a new subtitle, the join panel), the command-line file, the open window.
  void FormActivate();
  // "Kilépés" (button, menu, Esc) and the window's close box: the exit question, then the
  // window closes unless the user chose "Mégsem" or the save on exit failed.
  void BkiClick();
  void AskSaveAndClose();
  // Why the rows are about to be thrown away.
  enum class Discard {
    kLeaving,    // the editor closes ("Kilépésnél: nincs kérdés" silences the question)
    kReplacing,  // another subtitle, a new one or a join takes their place
  };
  // Asked before the rows are thrown away: while the subtitle is modified, "A felirat
  // módosítva lett!" / "Elmenti?" (mode word "mentes2"). True: go on (nothing to save, "Nem",
  // or "Igen" and the subtitle was saved); false: keep everything as it is ("Mégsem", or the
  // save failed or got no name).
  bool AskSaveBeforeDiscard(Discard why);
  // "Vissza a főmenübe": the start window again, no question.
  void BvisszaClick();
  // The clock label `ido`; "Átlátszódás" and its spin edit `Valto`.
  void Timer1Timer();
  void atlatszoClick();
  void ValtoChange();

  // ---- Window keys, options and small handlers (editor/window_keys.cpp) -------------------
  // The application-message hook: wheel turns become arrow keys for the focused control,
  // and every right-button release picks the grid's popup by the grid's current column.
  void ApplicationEvents1Message(ui::Message& message, bool& handled);
  // "Első sor", "Utolsó sor"; "FPS érték AVI-ból": the AVI window for the frame rate.
  void BelsoClick();
  void ButolsoClick();
  void BFPSClick();
  // The option popup's items toggle their own tick.
  void MentAtClick();
  void BeolvasClick();
  void Max2Click();
  void UresNeClick();
  // The text box's keys: rows by Ctrl+Up / Ctrl+Down, the internal clipboard by Ctrl+C,
  // the subtitle marked modified by editing keys.
  void szovegKeyDown(ui::Key& key, ui::ShiftState shift);
  void szovegKeyPress(char& key);
  // TextClipboard := the text box's selection as a row text ("|" for a line break).
  void CopySelectionToClipboard();
  // The read-only name box hands the focus to "Tallózás"; the jump box hands it to the grid
  // on Up or Down; the difference box hands it to the end box; moving the mouse over a time
  // box drops its selection.
  void EfilenevKeyPress(char& key);
  void EugrasKeyUp(ui::Key& key, ui::ShiftState shift);
  void kulonbsegClick();
  void kezdesMouseMove(ui::ShiftState shift, int x, int y);
  void befejezesMouseMove(ui::ShiftState shift, int x, int y);
  void EmodositasMouseMove(ui::ShiftState shift, int x, int y);
  // The narrow buttons open the corrections and the options at the mouse pointer.
  void BTobbGombMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BTobbCheckMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  // Opening the grid's popup brings its format ticks up to date.
  void RacsPMPopup();

  // ---- The resolution menu (editor/resolution_menu.cpp) -----------------------------------
  // "800X600" (F1), "1024X768" (F2), "1280x1024" (F6): ask, then switch layouts.
  void Felbonts1Click();
  void Felbonts2Click();
  void Felbonts3Click();

  // ---- Opening (editor/open_commands.cpp) -------------------------------------------------
  // "Tallózás" and "Felirat megnyitása" (Ctrl+O): the open window for the main text;
  // "Másik felirat beolvasása" (Ctrl+M): the open window for the second text; both modeless.
  void BtallozasClick();
  void MasikfeliratClick();
  // The editor closes (every way, the close box too): its modeless open window closes with it,
  // so that a later pick never reads into a closed table; the clock and the film timer stop;
  // StartState becomes "ki" unless the user went back to the start window; the rows go.
  void FormClose(ui::CloseAction& action);

  // ---- Saving (editor/save_commands.cpp) ----------------------------------------------------
  // "Mentés" and "Felirat mentése" (Ctrl+S); "Mentés Más Néven" and "Felirat mentése más
  // néven" (Shift+Ctrl+M); "Másik felirat mentése" (Ctrl+F).
  void Mentes1Click();
  void BmentesClick();
  void MentesMFClick();

  // ---- Export (editor/export_command.cpp) ---------------------------------------------------
  // "Felirat konvertálása" (Ctrl+Shift+S): the export window, modally; always enabled.
  void Feliratmentsemsknt1Click();

  // ---- Row panel: the current row in and out of the panel (editor/row_panel.cpp) -----------
  // Shows the current row in the panel: start, end, difference, the text and, while the
  // grid's second-text column is visible, the second text, with their letter counts.
  void LoadRowIntoEditor();
  // Writes the current row's main text (after the option `Max2`), brings its flags up to
  // date (`UpdateRowFlags` when `useUpdateRowFlags`, else the reader's flag rule), lowers
  // InternalUpdate when `clearInternal`, posts, and marks the subtitle modified. With
  // `doEdit` the row is put into edit state first.
  void SetRowText1(std::string_view text, bool doEdit, bool clearInternal, bool useUpdateRowFlags);
  // Whether SetRowText1 would store `text` whole: after the `Max2` rule it fits the main text's
  // field (220 characters). A command whose result does not fit is not carried out.
  bool FitsMainText(std::string_view text) const;
  // Whether `text` fits the second text's field whole (no `Max2` rule there).
  bool FitsSecondText(std::string_view text) const;
  // The warning of a command refused because its result would not fit the row: `what` is the
  // first line ("A formázással a sor hosszabb lenne 220 karakternél!"); the row is unchanged.
  void ShowRowWouldNotFit(std::string_view what);
  // As SetRowText1 for `Szoveg2`, without the `Max2` rule; leaves the save commands alone.
  void SetRowText2(std::string_view text, bool doEdit, bool clearInternal, bool useUpdateRowFlags);
  // Sets or clears `betu38` and `sor3` of the current row (in edit or insert state) from its
  // text, keeps the two counters and shows them; the text box keeps its caret.
  void UpdateRowFlags();
  // "(" + counter + ")" into `Lbetu` and `Lsor`.
  void ShowFlagCounters();
  // Measures a row text into the shared LineLengths.
  void SplitLineLengths(std::string_view text);
  // Fill `szoveg` / `szoveg2` with the lines of a non-empty row text, measure it into
  // LineLengths and set the letter-count label; drop their trailing line break (the caret
  // goes to the start).
  void ShowTextInMemo1(std::string_view text);
  void ShowTextInMemo2(std::string_view text);
  void TrimMemo1();
  void TrimMemo2();
  // Fills the difference box `kulonbseg` (end minus start, on red when negative).
  void ShowTimeDifference();
  // Checks the start and end boxes and writes them into the current row (`Bertek`).
  void ApplyEditedTimes();
  void BertekClick();
  // "Time" or "Frame": the boxes' maximum lengths and the shift box's start value.
  void SetTimeBaseLimits(std::string_view time_base);
  // The panel for one text, or for the main and the second text side by side.
  void EditorOneTextLayout();
  void EditorTwoTextLayout();
  // The check marks of the format items from the current row's tags.
  void UpdateFormatChecks();
  void UpdateFormatChecks2();
  // The letter limit of the row flags (`SEbetu`).
  int LetterLimit() const;
  // The data source's handlers.
  void dsDataChange(int field);
  void dsUpdateData();

  // ---- The row panel's keys (editor/row_panel_keys.cpp) --------------------------------------
  void szovegKeyUp(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyDown(ui::Key& key, ui::ShiftState shift);
  void kezdesKeyPress(char& key);
  void befejezesKeyDown(ui::Key& key, ui::ShiftState shift);
  void befejezesKeyPress(char& key);

  // ---- Row flags and grid colouring (editor/grid_colouring.cpp) ----------------------------
  // The letter limit `SEbetu` changed: both flags of every row are set again and counted.
  void SEbetuChange();
  // Sets or clears both flags of the current row from its text against the letter limit and
  // adds the row to the counters (the caller has zeroed them).
  void CountRowFlags();
  // Before the current row is merged away: takes its share, judged from its text, off the
  // counters and shows them.
  void DecrementRowFlagCounters();
  // "(0)" counters for a table that has no flagged row (a new or emptied table).
  void ResetFlagCounters();
  // The colouring boxes, and their menu items F3 and F4 (which reverse an enabled box).
  void CbtobbClick();
  void CB3sorClick();
  void Szinezes38Click();
  void Szinezes3Click();
  // Recolours a cell the grid painted: short rows, long lines, many lines.
  void racsDrawColumnCell(const ui::Rect& rect, int column, const ui::GridColumn& col,
                          ui::GridCellState state, ui::CellCanvas& canvas);

  // ---- The grid's keys (editor/grid_keys.cpp) --------------------------------------------------
  // Delete deletes the row; Enter and Ctrl+Enter move into the row panel; "i", "b" and "u"
  // toggle the style tags of the row.
  void racsKeyDown(ui::Key& key, ui::ShiftState shift);
  void racsKeyPress(char& key);

  // ---- Deleting and inserting rows (editor/row_commands.cpp) --------------------------------
  // Deleting: one with its question ("Sor törlése", Delete in the grid), several through
  // `TTorlesTobb`.
  void BtorlesClick();
  void BTorlesTobbMouseDown(ui::MouseButton button, ui::ShiftState shift, int x, int y);
  void BtobbsorClick();
  void TobbsortorleseClick();
  // Deletes rows `first` to `last` (1 <= first <= last <= row count), each as BtorlesClick
  // deletes one; the row that moves into `first` becomes current.
  void DeleteRowRange(int first, int last);
  // Inserting: appended at the end, one before or after the current row, five or twenty
  // after it; "Új felirat" starts over with one appended row.
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
  // Before every Insert or Append of `cds`: a row inserted at or above the last second-text
  // row moves that row down.
  void ClientDataSet1BeforeInsert();

  // ---- Timing and the jump box (editor/row_commands_timing.cpp) ----------------------------
  // "G" (the next row starts where the current one ends) and "1-2", "2-2", "2-1" (the
  // previous row's span divided with the current row).
  void BvegelsoClick();
  void B12Click();
  void B22Click();
  void B21Click();
  void DividePreviousRowTime(int part, int parts);
  // The jump box: Enter or "Ok" goes to the row typed.
  void EugrasKeyPress(char& key);
  void BugrasClick();

  // ---- Row texts (editor/row_commands_text.cpp) ---------------------------------------------
  // Merging into the previous row ("ÖV", "ÖV-"; no action without the film player), dialogue
  // dashes ("-|-") and the word moves across the first line break.
  void BovClick();
  void BovmClick();
  void mpmClick();
  void N6Click();
  void Utolsktsz1Click();

  // ---- Time base switch and shifting (editor/time_base.cpp) ---------------------------------
  // "Frame" or "Time" chosen in `beosztas`: every start and end converted at the rate of
  // `cbFps`, and the commands that need time codes enabled or disabled.
  void beosztasChange();
  // Values of `beosztas`, `cbFps` and `CbPM` are only chosen, never typed.
  void beosztasKeyPress(char& key);
  void CbPMKeyPress(char& key);
  // Adds the shift box's value to (or, with "-" in `CbPM`, takes it from) the start and end
  // of every row.
  void ShiftAllTimes();
  // The shift box: no selection by keyboard, no deleting a time code's separators; Enter
  // shifts, other keys are filtered for the time base.
  void EmodositasKeyDown(ui::Key& key, ui::ShiftState shift);
  void EmodositasKeyPress(char& key);
  // "Átváltás", the shift's "Ok" and "Részletes>>>".
  void BatvaltasClick();
  void BmodokClick();
  void BreszletesClick();

  // ---- Searching (editor/search_commands.cpp) ------------------------------------------------
  // "Keresés", "Részletes keresés", "Keresés és csere", the search box's "Ok"; Enter in the
  // search box `Ekereses` searches.
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
  // Opening the text box's popup: the selection commands only with a selection, the paste only
  // with something in TextClipboard.
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
  // Drops the current row's second-text cell: the cells below it, up to the last second-text
  // row, move up one row; the main rows stay.
  void RemoveSecondTextCell();
  // An empty second-text cell at the current row: the cells below move down one row (the
  // table's last cell falls off); `report` confirms with a message.
  void InsertSecondTextCell(bool report);
  // Opening the second-text popup ticks "Dőlt" by the current second text.
  void BeTorlesPMPopup();
  // The second text box: every key release stores its text; Ctrl+Up and Ctrl+Down change the
  // row and give the focus to the grid.
  void szoveg2KeyUp(ui::Key& key, ui::ShiftState shift);
  void szoveg2KeyDown(ui::Key& key, ui::ShiftState shift);
  // Dragging a second-text cell onto the main text column.
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
  // A click on a grid cell offers the current row as the first row of part 2.
  void racsCellClick(int column);
  void E4kezdoujKeyPress(char& key);
  void DBEdit1Change();
  // In split mode (RB12 and RB12cd1 selected): the current row becomes the first row of part 2,
  // or a message says it has no times.
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
  // Double click on the grid: the film to the current row's start.
  void racsDblClick();

  // ---- Corrections and checks (editor/correction_commands.cpp) --------------------------------
  void BAtfedesClick();
  void N05mpessorkibvtse1Click();
  void agresszivClick();
  void BlistaClick();
  void BvonalClick();
  void BohClick();
  void BOsszesClick();
  // The general fixer, the aggressive line breaking, the sound-word removal and three
  // clean-up commands: `Show` 1 (corrections::kShowReport) ends with the report, 0 (the full
  // formatting) shows nothing.
  void BOsszesN(std::uint8_t Show);
  void BagresszivN(std::uint8_t Show);
  void HangutanzoN(std::uint8_t Show);
  void BvonalN(std::uint8_t Show);
  void BkarakterN(std::uint8_t Show);
  void BohN(std::uint8_t Show);
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

  // The film module's parts inside this window (film/film_parts.h). Declared before the
  // message hook, so that the hook is unbound first.
  std::unique_ptr<film::FilmParts> film_parts;

 private:
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

  // window_life.cpp: the new-subtitle branch of the activation; FormCreate left the
  // command-line file for FinishCreation; the application-message hook, bound to this window
  // while it exists.
  void StartNewSubtitle();
  bool start_file_pending_ = false;
  MessageHookBinding message_hook_{App()};

  // window_keys.cpp: Bmentes and Mentes1 enabled, the subtitle counts as modified; set by the
  // text box's key-down for a key that edits, read by its key press; the wheel delta of small
  // turns not yet worth a whole arrow key.
  void MarkModified();
  bool MemoEditPending = false;
  int wheel_rest_ = 0;

  // resolution_menu.cpp
  void SwitchLayout(Layout target);

  // row_commands.cpp: the bookkeeping of one row deletion (counters, second-text row count,
  // the delete itself); what an emptied table can no longer offer.
  void DeleteCurrentRowCounted();
  void DisableRowButtonsWhenEmpty();
  void InsertAfterCurrent(const std::string& start, const std::string& end, bool at_last);
  void ShowRowCommandInfo(std::string_view caption, std::string_view line);
  bool appending_row_ = false;

  // row_commands_text.cpp: writes a new main text into the current row with its flags, as the
  // text commands do.
  void MergeIntoPreviousRow(bool dialogue);
  void StoreCommandText(std::string_view text);

  // time_base.cpp
  void SwitchToFrames(timecode::FrameRate rate);
  void SwitchToTimes(timecode::FrameRate rate);

  // style_commands.cpp
  // The grid popup's toggles on the whole row text; `closing` adds the closing tag too.
  void ToggleTagPair(ui::MenuItem& item, TagPair tags, bool closing);
  // Every tag of the pair out of the row text, stored when there was one.
  void RemoveTagPair(TagPair tags);
  // The first occurrence of the text box's selection in the row text between the tags.
  void WrapSelection(TagPair tags);
  // Stores `text` as the row's main text, a dangling closing italic tag at its end dropped.
  void StoreTextFixItalic(std::string_view text);
  // TextClipboard cut out of the row text / inserted at the text box's caret, then stored.
  void CutClipboardTextFromRow();
  void PasteClipboardAtCaret();
  // The row text with TextClipboard inserted at the text box's caret.
  std::string PastedAtCaret() const;
  // Whether the pasted row text `pasted` fits; a message when it does not.
  bool PasteFits(std::string_view pasted);

  // second_text_commands.cpp: whether the grid shows the second-text column; the table row
  // under the pointer at the last mouse move (0 when none).
  bool SecondColumnShown() const;
  int DropTargetRow() const;
  void StoreSecondText(std::string_view text);
  void MergeSecondTextIntoAbove(bool dialogue);
  void InsertDraggedRow(bool after);
  std::string MouseColumnName;
  bool drag_cursor_shown_ = false;
};

}  // namespace editor
