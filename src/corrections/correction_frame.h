// The correction frame: the sequence every correction command of the editor runs in.
//
//   the current row remembered, the grid's updates off and InternalUpdate raised (both put
//   back however the pass ends), the change list emptied, the first row, the pass (single,
//   re-run or the command's own) with its percent gauge, InternalUpdate lowered, the row
//   restored (the last row when fewer remain), the save commands enabled when something was
//   found, the report when `show` is kShowReport, the focus to the grid.
//
// Each command names its choices in the table below; the pass itself is the command's turn,
// run on the current row.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "corrections/reporting.h"
#include "corrections/rules/change_list.h"
#include "editor/row_write.h"

namespace dataset {
class RowTable;
}
namespace editor {
class TFelirat;
}
namespace shell {
class Program;
}
namespace ui {
class ListBox;
}

namespace corrections {

enum class PassShape {
  kSingle,         // each row once
  kRerun,          // a row is handled again until a turn changes nothing
  kPendingAction,  // the command walks the rows itself
};
enum class RowCountTaken { kAtStart, kEachTurn };
enum class RowRestore {
  kRemembered,    // the remembered row number
  kLastRowLimit,  // the remembered number, or the last row when fewer rows remain
};
enum class FrameReport { kStandard, kOwn, kNone };

struct FrameChoices {
  bool empties_list = true;
  PassShape pass = PassShape::kSingle;
  RowCountTaken row_count = RowCountTaken::kAtStart;
  bool gauge = false;
  RowRestore restore = RowRestore::kRemembered;
  FrameReport report = FrameReport::kStandard;
  bool focus_to_grid = true;
};

// The frame choices of the correction commands.
inline constexpr FrameChoices kGeneralFixerFrame{.pass = PassShape::kRerun,
                                                 .restore = RowRestore::kLastRowLimit};
inline constexpr FrameChoices kAggressiveBreakFrame{
    .gauge = true, .report = FrameReport::kOwn, .focus_to_grid = false};
inline constexpr FrameChoices kFourLineFrame{
    .gauge = true, .report = FrameReport::kOwn, .focus_to_grid = false};
inline constexpr FrameChoices kSoundWordFrame{.pass = PassShape::kPendingAction,
                                              .restore = RowRestore::kLastRowLimit,
                                              .report = FrameReport::kOwn};
inline constexpr FrameChoices kDialogueDashFrame{.report = FrameReport::kOwn};
inline constexpr FrameChoices kBlankAfterPunctuationFrame{};
inline constexpr FrameChoices kJoinShortRowsFrame{};
inline constexpr FrameChoices kLowerLToCapitalIFrame{};
inline constexpr FrameChoices kAccentRemovalFrame{.empties_list = false,
                                                  .report = FrameReport::kOwn};
inline constexpr FrameChoices kLowerCaseFrame{.empties_list = false, .report = FrameReport::kOwn};
inline constexpr FrameChoices kEmptyRowDeletionFrame{.restore = RowRestore::kLastRowLimit,
                                                     .report = FrameReport::kOwn};
inline constexpr FrameChoices kLineHalvingFrame{};
inline constexpr FrameChoices kBlanksBeforeMarksFrame{.pass = PassShape::kRerun};

// How a correction stores a row text: the editor's own combinations.
using RowTextStore = editor::RowWrite;
// A correction rewrites the current row.
inline constexpr RowTextStore kRewriteRow = editor::RowWrite::kEdit;
// A row already in edit or insert state (a split's parts).
inline constexpr RowTextStore kRowInEditState = editor::RowWrite::kInEditState;

// The editor's rows as a correction's turn sees them: the current row's text, its store
// and deletion, the letter limit, the change list being written and the finding count.
class CorrectionRows {
 public:
  explicit CorrectionRows(editor::TFelirat& editor);

  editor::TFelirat& Editor() { return editor_; }
  dataset::RowTable& Table();
  // The current row's number, text, start and end.
  int Row() const;
  std::string Text() const;
  std::string Start() const;
  std::string End() const;
  // Stores a new main text into the current row as the corrections do (edit, the option that
  // drops leading line breaks, the flags, post) and marks the subtitle modified.
  void StoreText(std::string_view text, const RowTextStore& store = kRewriteRow);
  // Deletes the current row: it is stored empty first, so the flag counters lose its share;
  // the following row (or the new last one) becomes current.
  void DeleteRow();
  // The subtitle counts as modified.
  void MarkModified();
  // The letter limit `SEbetu`.
  int LetterLimit() const;

  // The lines the pass adds to the change list; the frame hands them to the list at the end.
  ChangeList& List() { return list_; }
  int findings = 0;

 private:
  editor::TFelirat& editor_;
  ChangeList list_;
};

struct FrameRun {
  const FrameChoices& choices;
  Reporting show = kShowReport;
  // One turn on the current row. For kPendingAction: the whole pass, from the first row.
  std::function<void(CorrectionRows& rows)> turn;
  // The command's own report (FrameReport::kOwn), shown when `show` is kShowReport.
  std::function<void(CorrectionRows& rows)> own_report = {};
};

// A re-run pass gives up on a row after this many turns that changed it.
inline constexpr int kRerunTurnLimit = 1000;

// The change list of a pass: the list box's lines are taken out into `list` (and emptied when
// the command empties the list) and handed back in one go when the scope ends, with the lines
// the pass added. An emptied list's memory takes the new lines, so a large change list is not
// asked of the system afresh at every run; a list control that heard of every line would be
// rebuilt once per line.
class ChangeListScope {
 public:
  ChangeListScope(ui::ListBox& list_box, ChangeList& list, bool empties_list);
  ~ChangeListScope();
  ChangeListScope(const ChangeListScope&) = delete;
  ChangeListScope& operator=(const ChangeListScope&) = delete;

 private:
  ui::ListBox& list_box_;
  ChangeList& list_;
};

// Runs the frame around the command's turn; gives the finding count.
int RunCorrectionFrame(editor::TFelirat& editor, shell::Program& program, const FrameRun& run);

// The standard report: "Ennyit találtam: " + count, or "Nem találtam módosítandó sort!".
void ShowStandardReport(shell::Program& program, int findings);

}  // namespace corrections
