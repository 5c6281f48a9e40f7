// The general fixer and the aggressive line breaking over large generated subtitles in which
// every second row needs a fix (a blank before "?" and "!", a lone pair of dots) or a break
// (a 40-letter line with a comma near its middle, or an 80-letter line to split), on the
// headless backend. The rules alone are measured too, over the same texts.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "corrections/correction_frame.h"
#include "corrections/rules/change_list.h"
#include "corrections/rules/general_fixer.h"
#include "editor/felirat.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "shell/hibaki.h"
#include "shell/program.h"
#include "shell/state.h"
#include "timecode/time_base.h"
#include "timecode/timecode.h"

namespace {

namespace field = dataset::subtitle_field;

std::string FixerText(int i) {
  if (i % 2 == 0)
    return "Jó napot kívánok mindenkinek|Hogy vagy ma este, " + text::IntToStr(i);
  return "Mi ez ? Jó napot " + text::IntToStr(i) + "|Hogy vagy ma .. Na !";
}

std::string BreakText(int i) {
  if (i % 2 == 0)
    return "Rövid sor " + text::IntToStr(i) + "|és egy másik";
  if (i % 4 == 1)
    return std::string(19, 'a') + ", " + std::string(19, 'b');
  return std::string(40, 'a') + ". " + std::string(38, 'b');
}

struct Subtitle {
  Subtitle() : program(driver.App(), shell::ProgramOptions{}) {
    driver.SetFailureHandler([](const std::string&) {});
    editor().cds.CreateDataSet();
    editor().beosztas.SetItemIndex(editor().beosztas.IndexOf(timecode::kTimeBaseTime));
  }
  editor::TFelirat& editor() { return *program.Felirat; }

  void Fill(int rows, std::string (*make)(int)) {
    editor::TFelirat& f = editor();
    shell::InternalUpdateGuard guard(program.state);
    f.cds.DisableControls();
    f.cds.EmptyDataSet();
    program.state.LongLineRowCount = 0;
    program.state.ManyLineRowCount = 0;
    for (int i = 0; i < rows; ++i) {
      f.AppendRow();
      f.cds.SetValue(field::kKezdes, timecode::MsToTimeCode(int64_t{i} * 3000));
      f.cds.SetValue(field::kBefejezes, timecode::MsToTimeCode(int64_t{i} * 3000 + 2500));
      f.SetRowText1(make(i), editor::RowWrite::kInEditState);
    }
    f.cds.First();
    f.cds.EnableControls();
  }

  ui::headless::Driver driver;
  shell::Program program;
};

void GeneralFixerRules(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::vector<std::string> texts;
  for (int i = 0; i < rows; ++i)
    texts.push_back(FixerText(i));
  for (auto _ : state) {
    corrections::ChangeList list;
    for (const std::string& text : texts) {
      std::string current = text;
      while (true) {
        corrections::WorkingText working{.text = current, .row = 1, .list = &list};
        corrections::RunFixerTurn(working);
        if (working.text == current || working.row_deleted)
          break;
        current = std::move(working.text);
      }
    }
    benchmark::DoNotOptimize(list);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

void GeneralFixerCommand(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Subtitle subtitle;
  for (auto _ : state) {
    state.PauseTiming();
    subtitle.Fill(rows, FixerText);
    state.ResumeTiming();
    subtitle.editor().BOsszesN(corrections::kShowNothing);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

// What the fixer's change list alone costs: the result list's previous lines emptied as the
// correction frame empties them, the entries of four edits on every second row written as the
// logged edits write them, then handed back to the result list in one go.
void ChangeListToResultList(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Subtitle subtitle;
  for (auto _ : state) {
    corrections::ChangeList list;
    corrections::ChangeListScope scope(subtitle.program.Hibaki->LBhiba, list,
                                       /*empties_list=*/true);
    for (int row = 1; row <= rows; row += 2) {
      const std::string text = FixerText(row);
      for (int edit = 0; edit < 4; ++edit) {
        corrections::LogRowChange(list, corrections::EntryKind::kChanged, row, text);
        list.push_back(corrections::kAfterLabel, text);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

void AggressiveBreakingCommand(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  Subtitle subtitle;
  for (auto _ : state) {
    state.PauseTiming();
    subtitle.Fill(rows, BreakText);
    state.ResumeTiming();
    subtitle.editor().BagresszivN(corrections::kShowNothing);
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

}  // namespace

BENCHMARK(GeneralFixerRules)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(GeneralFixerCommand)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ChangeListToResultList)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(AggressiveBreakingCommand)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
