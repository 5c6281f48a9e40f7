// Passes over a subtitle table that insert or delete at the cursor while walking it, as the
// editor's row splitting and clean-up commands do. rows/s should stay flat as the table grows.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/dataset/row_table.h"

namespace {

using dataset::RowTable;
namespace field = dataset::subtitle_field;

void Fill(RowTable& table, int rows) {
  table.CreateDataSet();
  table.DisableControls();
  for (int i = 0; i < rows; ++i) {
    table.Append();
    table.SetValue(field::kKezdes, "00:00:01,000");
    table.SetValue(field::kBefejezes, "00:00:02,500");
    table.SetValue(field::kSzoveg, "Ez egy felirat sora|a második sorral");
    table.Post();
  }
  table.EnableControls();
}

// First, then RecordCount times: delete every other row, step on.
void BM_DeleteEveryOtherRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    RowTable table(dataset::SubtitleRowFields());
    Fill(table, rows);
    state.ResumeTiming();
    table.DisableControls();
    table.First();
    for (int i = 0, n = table.RecordCount(); i < n; ++i) {
      if (i % 2 == 0) {
        table.Delete();
      } else {
        table.Next();
      }
    }
    table.EnableControls();
    benchmark::DoNotOptimize(table.RecordCount());
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

// First, then RecordCount times: insert a row after the current row, step past it.
void BM_InsertAfterEveryRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    RowTable table(dataset::SubtitleRowFields());
    Fill(table, rows);
    state.ResumeTiming();
    table.DisableControls();
    table.First();
    for (int i = 0, n = table.RecordCount(); i < n; ++i) {
      table.Next();
      if (table.Eof()) {
        table.Append();
      } else {
        table.Insert();
      }
      table.SetValue(field::kSzoveg, "új sor");
      table.Post();
      table.Next();
    }
    table.EnableControls();
    benchmark::DoNotOptimize(table.RecordCount());
  }
  state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(),
                                                benchmark::Counter::kIsRate);
}

BENCHMARK(BM_DeleteEveryOtherRow)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertAfterEveryRow)
    ->Arg(12500)
    ->Arg(25000)
    ->Arg(50000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
