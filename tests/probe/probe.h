// The probe's operations: each runs on a fresh headless program and writes its result lines.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace shell {
class Program;
}
namespace ui::headless {
class Driver;
}

namespace probe {

// The lines an operation prints; each becomes one line of output, its bytes as they are.
using Output = std::vector<std::string>;

// An operation gets the arguments after its name; it gives false (with a reason in `error`)
// when they are not what it takes.
struct Operation {
  std::string_view name;
  std::string_view usage;
  bool (*run)(shell::Program& program, ui::headless::Driver& driver,
              std::span<const std::string> arguments, Output& output, std::string& error);
};

// Every operation the probe knows.
std::span<const Operation> Operations();

// The windows the program showed so far, in the order shown: "message: ..." for the message
// window, "list: CAPTION" and "| LINE" lines for the result list.
void AppendShownWindows(const ui::headless::Driver& driver, Output& output);

// The editor's time base and table: "timebase: ..." and a "row N:
// START\tEND\tTEXT\tTEXT2\tsor3\tbetu38" line per row.
void AppendEditorRows(shell::Program& program, Output& output);
// "counters: long=N many=N second=N": the flag counters and the second-text row count.
void AppendCounters(const shell::Program& program, Output& output);

// The answers of a user who overwrites what is there ("Igen" to "Létező file") and takes note
// of everything else (OK, or "Mégsem" to a question). Replaces the probe's default answers.
void AnswerAsAUser(ui::headless::Driver& driver, shell::Program& program);

// Picks `file` in the open window and opens it (as the main text, or as the second text), as
// the user's click and "Megnyitás" do.
void OpenInEditor(shell::Program& program, const std::filesystem::path& file, bool second_text);

bool RunRead(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error);
bool RunSave(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error);
bool RunExport(shell::Program& program, ui::headless::Driver& driver,
               std::span<const std::string> arguments, Output& output, std::string& error);

// rows FILE COMMAND...: the editor's row commands on a subtitle (tests/probe/rows_operation.cpp).
inline constexpr std::string_view kRowsUsage =
    "rows FILE COMMAND...\n"
    "      COMMAND (each runs the handler named):\n"
    "        append (BbeszurasClick), insert-before (pmsoreleClick),\n"
    "        insert-after (pmsormogeClick), insert5 (sor5mogeRacsClick),\n"
    "        insert20 (N10sorbeszrsaazaktulissormg1Click), new (jfelirat1Click),\n"
    "        delete (BtorlesClick), delete-range FIRST LAST (TTorlesTobb, typed),\n"
    "        G (BvegelsoClick), split12 split22 split21 (B12Click B22Click B21Click),\n"
    "        merge (BovClick), merge-dialogue (BovmClick), dialogue (mpmClick),\n"
    "        word-down (N6Click), word-up (Utolsktsz1Click), jump TEXT (BugrasClick),\n"
    "        F3 F4 (Szinezes38Click Szinezes3Click), limit N (SEbetu typed),\n"
    // Retiming, searching, style tags, the clipboard and the second text
    // (tests/probe/rows_retime_search.cpp).
    "        shift VALUE +|- (BmodokClick),\n"
    "        detailed-shift +|- VALUE up|down all|ROW start|end|both|none\n"
    "          (BreszletesClick, then TReszletes.BmodokClick),\n"
    "        timebase Frame|Time (beosztasChange), fps RATE (cbFps chosen),\n"
    "        convert FROM TO (BatvaltasClick, then TFpsValtas.Button1Click),\n"
    "        search TEXT OPTIONS (BkeresokClick; CBugras,CBsortores),\n"
    "        detailed-search TEXT OPTIONS (TReszletesK.BkeresokClick;\n"
    "          cbkisnagy,cbteljes,cbvissza,CBsortores2),\n"
    "        find-next TEXT OPTIONS (TKeresesCsere.BkskeresesClick; CBknb,CBelsok),\n"
    "        replace TEXT WITH OPTIONS (TKeresesCsere.BcsereClick; CBknb,CBelsok),\n"
    "        replace-all TEXT WITH OPTIONS (TKeresesCsere.BosszesClick; CBknb,CBelsok,\n"
    "          Lista: then BlistaaClick),\n"
    "        italic italic2 bold underline plain (doltClick dolt2Click VastagitottClick\n"
    "          AlahuzottClick osszeselClick), cut copy paste (KivagasClick MasolasClick\n"
    "          BeillesztesClick), each after RacsPMPopup,\n"
    "        italic-selection bold-selection underline-selection START LENGTH\n"
    "          (kszdClick kszvClick kszaClick), memo-copy memo-cut START LENGTH\n"
    "          (SzPMClick SzPKClick), memo-cut-new-row memo-cut-next-row START LENGTH\n"
    "          (SzPK1BClick KivagKovBeElejeClick), memo-paste CARET (SzPBClick),\n"
    "          each after SzovegPopPopup; START, LENGTH, CARET in the text box's\n"
    "          characters from 0 (a line break counts two),\n"
    "        second FILE (MasikfeliratClick, FILE picked in the open window),\n"
    "        OPTIONS: the boxes to tick, joined by commas, or - for none,\n"
    "        option cburessor|CBdelete|Cbtobb|CB3sor on|off,\n"
    "        goto N (the grid's cursor), answer Igen|Nem|Mégsem (the next question),\n"
    "        split ROW START (BvegrehajtClick: ROW picked, START typed; the part\n"
    "          paths are printed last)\n"
    "      corrections (Show = 1): fix (BOsszesClick), break (agresszivClick),\n"
    "        four-lines (N4sorossorokmegtrse1Click), list (BlistaClick)\n"
    // The sound-word removal, the clean-up commands and the timing checks.
    "      clean-up: sounds (HangutnzszavaksNevektrlse1Click),\n"
    "        sounds-extra (Hangutnzszavaksnevektrlse2Click), dashes (BvonalClick),\n"
    "        blank-after (karakterekutntegyenspacet1Click), join-short (BohClick),\n"
    "        l-to-i (lgomb1Click), accents (kezgomb1Click),\n"
    "        lower (sszesbetkisbetlegyen1Click), delete-empty (ressoroktrlse1Click),\n"
    "        halve (Sorfelezs3872bet1Click),\n"
    "        blanks-before (karakterekelttispaceeltntetse1Click),\n"
    "        half-seconds (L05Click), extend-half (N05mpessorkibvtse1Click),\n"
    "        full-format (FeliratTeljesClick), full-format-save (FeliratTeljesMClick),\n"
    "        overlap check|repair OPTIONS (RbCsak or RBV checked, OPTIONS from\n"
    "          CBhiba,CB5,CBstat, then TAtfedes.BinditasClick),\n"
    "        overlap-list (TAtfedes.BlistaClick), overlap-stat (TAtfedes.StatClick)";
bool RunRows(shell::Program& program, ui::headless::Driver& driver,
             std::span<const std::string> arguments, Output& output, std::string& error);
// The retiming, search, style, clipboard and second-text words of `rows`: runs the word at
// `arguments[i]`, leaving `i` on its last argument; `known` false for a word it does not know.
bool RunRetimeSearchCommand(shell::Program& program, ui::headless::Driver& driver,
                            std::span<const std::string> arguments, std::size_t& i, bool& known,
                            std::string& error);

// The rows word "split ROW START" at `arguments[i]` (tests/probe/split_word.cpp); `i` is left on
// its last argument and the part paths go to `parts`.
bool RunSplitWord(shell::Program& program, std::span<const std::string> arguments, std::size_t& i,
                  Output& parts, std::string& error);

// join PART1 PART2 START OUT: the two-part panel's join through its dialogs
// (tests/probe/join_operation.cpp).
inline constexpr std::string_view kJoinUsage =
    "join PART1 PART2 START OUT\n"
    "      the parts double-clicked in \"File-ok kiválasztása\", START typed and OUT named\n"
    "      (Tallozás: OUT's folder, OUT's name typed) in the start-value window, then\n"
    "      \"Végrehajtás\" (Bvegre21Click)";
bool RunJoinParts(shell::Program& program, ui::headless::Driver& driver,
                  std::span<const std::string> arguments, Output& output, std::string& error);

// translate SOURCE [TRANSLATION|--empty]: the translation window's pair dialog and "Betöltés"
// (tests/probe/translate_operation.cpp).
inline constexpr std::string_view kTranslateUsage =
    "translate SOURCE [TRANSLATION|--empty] [COMMAND...]\n"
    "      \"Fordítás\", SOURCE and TRANSLATION chosen in \"Feliratok bekérése\" (or\n"
    "      \"Üres felirat\" without one), then \"Betöltés\" (BFetovabbClick); prints\n"
    "      E N: and F N: rows, the modes, the paths, the save controls and partial sides\n"
    // The line editors and the row and text commands (tests/probe/translate_commands.cpp).
    "      COMMAND (after TRANSLATION or --empty; SIDE is E or F; each runs the handler\n"
    "        named, and after any of them the cursors, the editors and the clipboard print):\n"
    "        type EDITOR TEXT (Edit0..Edit2, Edit4..Edit6 focused, its text selected, TEXT\n"
    "          typed through Edit0KeyPress..Edit6KeyPress), enter EDITOR, escape EDITOR,\n"
    "          up EDITOR, down EDITOR (Enter, Escape, Up, Down: Edit0KeyPress, Edit0KeyDown..),\n"
    "        grid-type SIDE COLUMN TEXT (the grid's COLUMN 0-2 selected, TEXT typed:\n"
    "          RacsefKeyPress RacsffKeyPress), delete-key SIDE, ctrl-delete-key SIDE\n"
    "          (RacsefKeyDown RacsffKeyDown; the question answered \"Mégsem\"),\n"
    "        goto SIDE N (the table's cursor), sync on|off (cb1),\n"
    "        first SIDE, last SIDE (Button1Click Button2Click / Button4Click Button5Click),\n"
    "        insert-after SIDE (EpmuClick FpmuClick), insert-above SIDE (EpmeClick\n"
    "          FpmeClick), insert-before SIDE (eleEClick EleFClick), insert-behind SIDE\n"
    "          (MogeEClick MogeFClick), delete SIDE (EsorDelClick FsorDelClick),\n"
    "        italic bold underline plain SIDE (DoltEClick VastagitottEClick\n"
    "          AlahuzottEClick MindenEClick and the F twins), cut copy paste SIDE\n"
    "          (KivagasEClick MasolasEClick BeillesztesEClick and the F twins),\n"
    "        bar SIDE (Button8Click Button9Click), search SIDE TEXT (TEXT in EkerE or\n"
    "          EkerF, then BkerEClick BkerFClick),\n"
    // The check and save words (tests/probe/translate_save_words.cpp).
    "        check-source check-translation (BEellClick BFellClick),\n"
    "        save-source PATH (EsaveClick; PATH in place of the source's file),\n"
    "        save-translation PATH|--cancel (FsaveClick; PATH in place of the\n"
    "          translation's file, or, when it has none, PATH's folder and name without\n"
    "          its extension given in the file-name window; --cancel keeps the file, or\n"
    "          leaves the file-name window by Mégsem),\n"
    "        save-both PATH PATH|--cancel (PmmClick; the two paths as above)";
bool RunTranslate(shell::Program& program, ui::headless::Driver& driver,
                  std::span<const std::string> arguments, Output& output, std::string& error);
// The command words of `translate` (tests/probe/translate_commands.cpp): false, with the reason
// in `error`, for a word it does not know or one missing its arguments.
bool RunTranslateCommands(shell::Program& program, ui::headless::Driver& driver,
                          std::span<const std::string> words, std::string& error);
// "cursor: E=N/COUNT F=N/COUNT", "editors: E=START\tEND\tTEXT F=..." and "clipboard: TEXT".
void AppendTranslateCursor(const shell::Program& program, Output& output);
// The check and save words of `translate`: runs the word at `arguments[i]`, leaving `i` on its
// last argument; `known` false for a word it does not know.
bool RunTranslateSaveWord(shell::Program& program, ui::headless::Driver& driver,
                          std::span<const std::string> arguments, std::size_t& i, bool& known,
                          std::string& error);

}  // namespace probe
