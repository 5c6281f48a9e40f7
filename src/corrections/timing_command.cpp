// The overlap check, the half-second list and extension, and the full formatting over the
// editor's rows.
#include <optional>
#include <vector>

#include "corrections/atfedes.h"
#include "corrections/rules/timing_checks.h"
#include "corrections/time_base_only.h"
#include "corrections/timing_commands.h"
#include "editor/felirat.h"
#include "editor/table_scopes.h"
#include "platform/text/text.h"
#include "shell/hibaki.h"
#include "shell/message_box.h"
#include "shell/plain_message.h"
#include "shell/program.h"
#include "shell/scopes.h"
#include "timecode/timecode.h"

namespace corrections {

namespace {

namespace field = dataset::subtitle_field;

constexpr std::string_view kMore = "További információt a \"Lista\" gomb alatt találsz!";
void Info(shell::Program& program, std::string_view line1, std::string_view line2 = "") {
  shell::Inform(program, "Eredmény", line1, line2);
}

std::vector<TimedRow> ReadTimes(dataset::RowTable& table) {
  std::vector<TimedRow> rows;
  rows.reserve(static_cast<std::size_t>(table.RecordCount()));
  for (int row = 1; row <= table.RecordCount(); ++row)
    rows.push_back(TimedRow{.start = std::string(table.Cell(row, field::kKezdes)),
                            .end = std::string(table.Cell(row, field::kBefejezes))});
  return rows;
}

// Writes back the times that changed; gives whether any did.
bool WriteTimes(dataset::RowTable& table, const std::vector<TimedRow>& rows) {
  bool changed = false;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    if (table.Cell(row, field::kKezdes) == rows[i].start &&
        table.Cell(row, field::kBefejezes) == rows[i].end)
      continue;
    table.SetRecNo(row);
    table.Edit();
    table.SetValue(field::kKezdes, rows[i].start);
    table.SetValue(field::kBefejezes, rows[i].end);
    table.Post();
    changed = true;
  }
  return changed;
}

void ReportOverlapCheck(editor::TFelirat& editor, shell::Program& program, TAtfedes& window,
                        const OverlapOptions& options, const OverlapResult& result) {
  const std::string p = text::IntToStr(result.overlaps);
  const std::string q = text::IntToStr(result.errors);
  const std::string r = text::IntToStr(result.stretched);
  if (result.overlaps == 0 && result.errors == 0) {
    if (result.stretched > 0 && options.stretch) {
      editor.MarkModified();
      window.Blista.SetEnabled(true);
      Info(program, "Ennyi 0,5 mp alatti időt javítottam: " + r);
    } else {
      window.Blista.SetEnabled(false);
      Info(program, "Nem találtam átfedést/hibát!");
    }
    return;
  }
  if (result.changed)
    editor.MarkModified();
  window.Blista.SetEnabled(true);
  window.Blista.SetFocus();
  if (options.check_only && !options.errors_only)
    Info(program, "Ennyi átfedést/hibát találtam összesen: " + p + "/" + q, kMore);
  else if (options.check_only)
    Info(program, "Ennyi hibát találtam összesen: " + q + "/" + q, kMore);
  else if (result.stretched < 1)
    Info(program, "Ennyi átfedést javítottam ki: " + p + "/" + q, kMore);
  else
    shell::ShowPlainMessage(program, "Ennyi átfedést javítottam ki: " + p + "\r\n" +
                                         "Ebből ennyi 0,5mp-es változtatás: " + r + "\r\n" +
                                         std::string(kMore));
}

// The overlap window in repair mode with the stretch to half a second while the scope lives.
// When it ends, however the runs inside end, the two options are put back as the window's own
// controls do it: the stretch unchecked again when it was, and "Csak vizsgálat" clicked back
// on when the window was in check-only mode (its click also unchecks the stretch).
class RepairWithStretchScope {
 public:
  explicit RepairWithStretchScope(TAtfedes& window)
      : window_(window),
        repair_before_(window.RBV.Checked()),
        stretch_before_(window.CB5.Checked()) {
    window_.RBV.SetChecked(true);
    window_.CB5.SetChecked(true);
  }
  ~RepairWithStretchScope() {
    if (!stretch_before_)
      window_.CB5.SetChecked(false);
    if (!repair_before_)
      window_.CheckOnlyMode();
  }
  RepairWithStretchScope(const RepairWithStretchScope&) = delete;
  RepairWithStretchScope& operator=(const RepairWithStretchScope&) = delete;

 private:
  TAtfedes& window_;
  bool repair_before_;
  bool stretch_before_;
};

}  // namespace

void RunOverlapCheckCommand(editor::TFelirat& editor, shell::Program& program, TAtfedes& window,
                            Reporting show) {
  if (InFrameBase(editor)) {
    if (show == kShowReport)
      RefuseInFrameBase(program);
    return;
  }
  const OverlapOptions options = window.Options();
  dataset::RowTable& table = editor.cds;
  OverlapResult result;
  shell::GaugeScope gauge(window.FszazalekAF);
  {
    editor::CommandUpdateScope update(editor);
    shell::ControlsOffScope controls_off(table);
    std::vector<TimedRow> rows = ReadTimes(table);
    result = RunOverlapCheck(rows, options);
    WriteTimes(table, rows);
    program.Hibaki->LBhiba.SetItems(std::move(result.list));
    window.statistics = result.statistics;
    if (!table.IsEmpty())
      table.First();
  }
  gauge.End();
  if (options.statistics)
    window.Stat.SetEnabled(true);
  // Every time written marks the subtitle modified, also under the full formatting.
  if (result.changed)
    editor.MarkModified();
  if (show == kShowReport)
    ReportOverlapCheck(editor, program, window, options, result);
}

void ListHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program) {
  dataset::RowTable& table = editor.cds;
  std::vector<TimedRow> rows;
  int count = 0;
  {
    shell::ControlsOffScope controls_off(table);
    editor::CommandUpdateScope update(editor);
    rows = ReadTimes(table);
    std::vector<TimedRow> measured = rows;
    if (InFrameBase(editor)) {
      const std::optional<timecode::FrameRate> rate = timecode::ParseFrameRate(editor.cbFps.Text());
      if (!rate) {
        RefuseInFrameBase(program);
        return;
      }
      // The frame numbers are measured at the rate of `cbFps`; the list shows them as they
      // stand.
      for (TimedRow& row : measured) {
        row.start = timecode::FramesToTimeCode(text::StrToIntDef(row.start, 0), *rate);
        row.end = timecode::FramesToTimeCode(text::StrToIntDef(row.end, 0), *rate);
      }
    }
    ChangeList list;
    count = ListHalfSecondRows(measured, list, &rows);
    program.Hibaki->LBhiba.SetItems(std::move(list));
  }
  if (count > 0)
    Info(program, "Ennyit találtam: " + text::IntToStr(count), kMore);
  else
    Info(program, "Nem találtam ilyen sort!");
  editor.racs.SetFocus();
}

void ExtendAllHalfSecondRowsCommand(editor::TFelirat& editor, shell::Program& program,
                                    Reporting show) {
  if (InFrameBase(editor)) {
    if (show == kShowReport)
      RefuseInFrameBase(program);
    return;
  }
  dataset::RowTable& table = editor.cds;
  int count = 0;
  shell::GaugeScope gauge(editor.Fszazalek);
  {
    shell::ControlsOffScope controls_off(table);
    editor::CommandUpdateScope update(editor);
    std::vector<TimedRow> rows = ReadTimes(table);
    ChangeList list;
    count = ExtendAllHalfSecondRows(rows, list);
    WriteTimes(table, rows);
    program.Hibaki->LBhiba.SetItems(std::move(list));
    if (!table.IsEmpty())
      table.First();
  }
  gauge.End();
  if (count > 0)
    editor.MarkModified();
  if (show != kShowReport)
    return;
  if (count > 0)
    Info(program, "Ennyi sort módosítottam: " + text::IntToStr(count), kMore);
  else
    Info(program, "Nem találtam módosítandó sort!");
}

void RunFullFormattingSteps(const FullFormattingSteps& steps, TAtfedes& window) {
  steps.blank_after();
  steps.sound_words();
  steps.fixer();
  steps.aggressive();
  steps.dashes();
  steps.join_short();
  {
    RepairWithStretchScope repair(window);
    steps.overlap();
    steps.overlap();
  }
  steps.extend();
}

void RunFullFormatting(editor::TFelirat& editor, shell::Program& program) {
  TAtfedes& window = *program.Atfedes;
  const bool frame_base = InFrameBase(editor);
  RunFullFormattingSteps(
      FullFormattingSteps{
          .blank_after = [&] { editor.BkarakterN(kShowNothing); },
          .sound_words = [&] { editor.HangutanzoN(kShowNothing); },
          .fixer = [&] { editor.BOsszesN(kShowNothing); },
          .aggressive = [&] { editor.BagresszivN(kShowNothing); },
          .dashes = [&] { editor.BvonalN(kShowNothing); },
          .join_short = [&] { editor.BohN(kShowNothing); },
          .overlap = [&] { window.RunOverlapCheck(kShowNothing); },
          .extend = [&] { ExtendAllHalfSecondRowsCommand(editor, program, kShowNothing); },
      },
      window);
  // In the Frame base the timing steps did nothing: say so once.
  if (frame_base)
    RefuseInFrameBase(program);
}

}  // namespace corrections
