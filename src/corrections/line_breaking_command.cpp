// "Agresszív sortörés" and "4 soros sorok megtörése" over the editor's rows.
#include <string>

#include "corrections/commands.h"
#include "corrections/correction_frame.h"
#include "corrections/rules/line_breaking.h"
#include "corrections/time_base_only.h"
#include "editor/felirat.h"
#include "platform/text/text.h"
#include "shell/message_box.h"
#include "shell/plain_message.h"
#include "shell/program.h"

namespace corrections {

namespace {

namespace field = dataset::subtitle_field;

RowView CurrentRow(const CorrectionRows& rows) {
  return RowView{rows.Start(), rows.End(), rows.Text()};
}

// A row written by the split: its times and its text with the flags, posted. The row is in
// edit or insert state already.
void WritePart(CorrectionRows& rows, const RowView& part) {
  dataset::RowTable& table = rows.Table();
  table.SetValue(field::kKezdes, part.start);
  table.SetValue(field::kBefejezes, part.end);
  rows.StoreText(part.text, kRowInEditState);
}

// The rows of a break: the first replaces the current row, the others are placed after it
// (appended at the end, else inserted before the next row); the last one ends current.
void ApplyRowBreak(CorrectionRows& rows, const RowBreak& result) {
  if (result.rows.empty())
    return;
  if (result.rows.size() == 1) {
    rows.StoreText(result.rows.front().text);
    return;
  }
  dataset::RowTable& table = rows.Table();
  table.Edit();
  WritePart(rows, result.rows.front());
  for (std::size_t i = 1; i < result.rows.size(); ++i) {
    if (table.RecNo() == table.RecordCount()) {
      rows.Editor().AppendRow();
    } else {
      table.Next();
      table.Insert();
    }
    WritePart(rows, result.rows[i]);
  }
  rows.MarkModified();
}

void ReportAggressiveBreaking(shell::Program& program, CorrectionRows& rows,
                              const BreakCounters& counters) {
  if (counters.one_line == 0 && counters.two_line == 0 && counters.three_line == 0) {
    const std::string second =
        counters.unbreakable != 0
            ? "De volt " + text::IntToStr(counters.unbreakable) + " db nem törhető sor!"
            : std::string();
    shell::Inform(program, "Eredmény", "Nem találtam módosítandó sort!", second);
    return;
  }
  std::string message =
      "Ennyi sort módosítottam: \r\nEgysoros: " + text::IntToStr(counters.one_line) + "\r\n" +
      "Kétsoros: " + text::IntToStr(counters.two_line) + "\r\n" +
      "Háromsoros: " + text::IntToStr(counters.three_line) + "\r\n";
  if (counters.unbreakable == 0) {
    message += "További információ a Lista gomb alatt!";
  } else {
    message += "További információ a \"Lista\" gomb alatt!\r\nDe volt " +
               text::IntToStr(counters.unbreakable) + " db nem törhető sor!";
  }
  shell::ShowPlainMessage(program, message);
  rows.MarkModified();
}

}  // namespace

void RunAggressiveBreaking(editor::TFelirat& editor, shell::Program& program, Reporting show) {
  BreakCounters counters;
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kAggressiveBreakFrame,
               .show = show,
               .turn =
                   [&counters](CorrectionRows& rows) {
                     ApplyRowBreak(rows,
                                   BreakRowAggressively(CurrentRow(rows), rows.Row(),
                                                        rows.LetterLimit(), counters, rows.List()));
                   },
               .own_report =
                   [&program, &counters](CorrectionRows& rows) {
                     ReportAggressiveBreaking(program, rows, counters);
                   }});
}

void RunFourLineBreaking(editor::TFelirat& editor, shell::Program& program) {
  // The split re-times the rows as time codes: in the Frame base it refuses, as the timing
  // commands do.
  if (InFrameBase(editor)) {
    RefuseInFrameBase(program);
    return;
  }
  int split = 0;
  RunCorrectionFrame(
      editor, program,
      FrameRun{.choices = kFourLineFrame,
               .show = kShowReport,
               .turn =
                   [&split](CorrectionRows& rows) {
                     const RowBreak result =
                         SplitFourLineRow(CurrentRow(rows), rows.Row(), rows.List());
                     if (!result.rows.empty())
                       ++split;
                     ApplyRowBreak(rows, result);
                   },
               .own_report =
                   [&program, &split](CorrectionRows& /*rows*/) {
                     if (program.FilmPlayer())
                       return;
                     if (split > 0) {
                       shell::ShowPlainMessage(program,
                                               "Ennyi sort módosítottam: " + text::IntToStr(split) +
                                                   "\r\nTovábbi információ a Lista gomb alatt!");
                     } else {
                       shell::ShowPlainMessage(program, "Nem találtam módosítandó sort!");
                     }
                   }});
}

}  // namespace corrections
