// Reading large generated subtitles into the editor's table on the headless backend: a SubRip
// file and a frame-based file of two-line texts with a few accented letters and one repair
// (SubRip) or one over-long line (frame-based) every 500 rows; and one SubRip block whose text
// runs over many lines, each followed by a blank line (every blank line ends a trim of the text
// gathered so far, so the read must stay linear in the text's length).
// BM_ParseSubRip times the parse alone (bytes in, rows out, no window and no table).
// srt_compare.py times python3-srt's parse of the same SubRip file in the same run.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "editor/felirat.h"
#include "files/read_into_editor.h"
#include "formats/subtitle_parse.h"
#include "platform/text/text.h"
#include "platform/ui/headless/driver.h"
#include "shell/hibaki.h"
#include "shell/program.h"
#include "timecode/timecode.h"

namespace {

std::string SubRipFile(int rows) {
  std::string file;
  file.reserve(static_cast<std::size_t>(rows) * 80);
  for (int i = 0; i < rows; ++i) {
    const int64_t start = int64_t{i} * 3000;
    file += text::IntToStr(i + 1) + "\r\n";
    file += timecode::MsToTimeCode(start) + " --> " + timecode::MsToTimeCode(start + 2500) + "\r\n";
    // Every 500th row has a blank before its first line: a repair with its entry.
    file +=
        (i % 500 == 499 ? " Első sor, ő és ű " : "Első sor, ő és ű ") + text::IntToStr(i) + "\r\n";
    file += "Második sor: árvíztűrő\r\n\r\n";
  }
  return file;
}

std::string FrameFile(int rows) {
  std::string file;
  file.reserve(static_cast<std::size_t>(rows) * 60);
  const std::string long_line(40, 'x');
  for (int i = 0; i < rows; ++i) {
    const int64_t start = int64_t{i} * 72;
    file += "{" + text::IntToStr(start) + "}{" + text::IntToStr(start + 60) + "}";
    file += i % 500 == 499 ? long_line : "Első sor, ő és ű " + text::IntToStr(i);
    file += "|Második sor: árvíztűrő\r\n";
  }
  return file;
}

// One block: its time line, then `lines` text lines "a ," each followed by a blank line.
std::string LongBlockFile(int lines) {
  std::string file = "1\r\n00:00:01,000 --> 00:00:02,000\r\n";
  file.reserve(file.size() + static_cast<std::size_t>(lines) * 7);
  for (int i = 0; i < lines; ++i)
    file += "a ,\r\n\r\n";
  return file;
}

std::filesystem::path WriteTemp(const std::string& name, const std::string& bytes) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                     ("vemko-read-bench-" + std::to_string(::getpid()) + name);
  std::ofstream(path, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

long PeakRssKb() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void ReadFile(benchmark::State& state, std::string (*make)(int), const char* name,
              int rows_expected) {
  const int rows = static_cast<int>(state.range(0));
  const std::filesystem::path path = WriteTemp(name, make(rows));
  ui::headless::Driver driver;
  driver.SetFailureHandler([](const std::string&) {});
  shell::Program program(driver.App(), shell::ProgramOptions{});
  editor::TFelirat& editor = *program.Felirat;
  editor.Beolvas.SetChecked(true);  // the result list is filled, not shown
  editor.cds.CreateDataSet();
  program.state.TextSlot = shell::text_slot::kMain;
  for (auto _ : state) {
    // The rows of the previous round are dropped outside the measured read.
    state.PauseTiming();
    editor.cds.EmptyDataSet();
    state.ResumeTiming();
    const std::string kind = files::ReadIntoEditor(program, path);
    benchmark::DoNotOptimize(kind);
    if (editor.cds.RecordCount() != (rows_expected > 0 ? rows_expected : rows))
      state.SkipWithError("rows missing");
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
  // The whole process at its peak: the program, the file's text and the table.
  state.counters["peak_rss_MB"] = static_cast<double>(PeakRssKb()) / 1024.0;
  std::filesystem::remove(path);
}

// The parse alone: bytes in, rows out, no window and no table.
void BM_ParseSubRip(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string bytes = SubRipFile(rows);
  files::ReadInput input;
  input.start_width = 12;
  input.end_width = 12;
  input.text_width = 220;
  for (auto _ : state) {
    state.PauseTiming();
    std::string copy = bytes;
    state.ResumeTiming();
    const files::ReadResult read = files::ParseSubtitle(std::move(copy), input, {});
    if (read.rows.size() != static_cast<std::size_t>(rows))
      state.SkipWithError("rows missing");
  }
  state.counters["rows/s"] =
      benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_ReadSubRip(benchmark::State& state) {
  ReadFile(state, SubRipFile, ".srt", 0);
}
void BM_ReadFrameBased(benchmark::State& state) {
  ReadFile(state, FrameFile, ".sub", 0);
}
void BM_ReadLongSubRipBlock(benchmark::State& state) {
  ReadFile(state, LongBlockFile, ".srt", 1);
}

// ---- Memory ------------------------------------------------------------------------------
// What a read of a file of tiny rows adds to the process at its peak, against the goal of 3 times
// the file's size plus 64 bytes per row, and against twice the file's size plus what the read
// keeps (the table and the result list, resident after the read). Peak resident memory is
// started afresh before the read (and the allocator gives back what it holds free), so the
// figures are the read's own.

std::string TinyFrameRows(int rows) {
  std::string file;
  for (int i = 0; i < rows; ++i)
    file += "{" + text::IntToStr(i * 10) + "}{" + text::IntToStr(i * 10 + 5) + "}a\r\n";
  return file;
}

std::string TinySubRipRows(int rows) {
  std::string file;
  for (int i = 0; i < rows; ++i) {
    file += text::IntToStr(i + 1) + "\r\n" + timecode::MsToTimeCode(int64_t{i} * 10) + " --> " +
            timecode::MsToTimeCode(int64_t{i} * 10 + 5) + "\r\na\r\n\r\n";
  }
  return file;
}

// Every row starts before the end of the row before it: one result-list entry per row.
std::string TinyOverlappingRows(int rows) {
  std::string file;
  for (int i = 0; i < rows; ++i)
    file += text::IntToStr(i + 1) + "\r\n00:00:01,000 --> 00:00:02,000\r\na\r\n\r\n";
  return file;
}

long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) {
      std::istringstream value(line.substr(std::string_view(key).size()));
      long kb = 0;
      value >> kb;
      return kb;
    }
  }
  return 0;
}

void ReadMemory(benchmark::State& state, std::string (*make)(int), const char* name) {
  const int rows = static_cast<int>(state.range(0));
  const std::string bytes = make(rows);
  const std::filesystem::path path = WriteTemp(name, bytes);
  ui::headless::Driver driver;
  driver.SetFailureHandler([](const std::string&) {});
  shell::Program program(driver.App(), shell::ProgramOptions{});
  editor::TFelirat& editor = *program.Felirat;
  editor.Beolvas.SetChecked(true);
  editor.cds.CreateDataSet();
  program.state.TextSlot = shell::text_slot::kMain;
  double added_mb = 0;
  double kept_mb = 0;
  for (auto _ : state) {
    state.PauseTiming();
    editor.cds.EmptyDataSet();
    program.Hibaki->ClearLines();
    ::malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
    const long base_kb = StatusKb("VmRSS:");
    state.ResumeTiming();
    benchmark::DoNotOptimize(files::ReadIntoEditor(program, path));
    state.PauseTiming();
    added_mb = static_cast<double>(StatusKb("VmHWM:") - base_kb) / 1024.0;
    kept_mb = static_cast<double>(StatusKb("VmRSS:") - base_kb) / 1024.0;
    if (editor.cds.RecordCount() != rows)
      state.SkipWithError("rows missing");
    state.ResumeTiming();
  }
  const double goal_mb = (3.0 * static_cast<double>(bytes.size()) + 64.0 * rows) / (1 << 20);
  state.counters["file_MB"] = static_cast<double>(bytes.size()) / (1 << 20);
  state.counters["peak_added_MB"] = added_mb;
  state.counters["goal_MB"] = goal_mb;
  state.counters["of_goal"] = added_mb / goal_mb;
  state.counters["kept_MB"] = kept_mb;
  state.counters["of_2x_file_plus_kept"] =
      added_mb / (2.0 * static_cast<double>(bytes.size()) / (1 << 20) + kept_mb);
  std::filesystem::remove(path);
}

void BM_MemoryTinyFrameRows(benchmark::State& state) {
  ReadMemory(state, TinyFrameRows, ".sub");
}
void BM_MemoryTinySubRipRows(benchmark::State& state) {
  ReadMemory(state, TinySubRipRows, ".srt");
}
void BM_MemoryTinyOverlappingRows(benchmark::State& state) {
  ReadMemory(state, TinyOverlappingRows, ".srt");
}

BENCHMARK(BM_ParseSubRip)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSubRip)->Arg(5000)->Arg(50000)->Arg(500000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadFrameBased)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLongSubRipBlock)->Arg(5000)->Arg(50000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryTinyFrameRows)->Arg(1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryTinySubRipRows)->Arg(250000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryTinyOverlappingRows)->Arg(250000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
