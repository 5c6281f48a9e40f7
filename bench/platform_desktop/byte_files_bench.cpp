// Reading and writing a subtitle of 50,000 rows (about 3 MB).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/desktop/atomic_writer.h"
#include "platform/desktop/line_reader.h"

namespace {

std::string LargeSubtitle() {
  std::string bytes;
  for (int row = 1; row <= 50000; ++row) {
    bytes += std::to_string(row) +
             "\r\n00:12:34,567 --> 00:12:36,789\r\nEz egy hosszabb felirat első sora,|és a "
             "második sora is.\r\n\r\n";
  }
  return bytes;
}

// A folder of its own under the temporary folder, removed at the end.
class BenchFolder {
 public:
  BenchFolder()
      : path_(std::filesystem::temp_directory_path() /
              ("vemko-desktop-bench-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~BenchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

void BM_ReadLines(benchmark::State& state) {
  BenchFolder folder;
  const std::string bytes = LargeSubtitle();
  const auto path = folder.path() / "large.srt";
  if (!desktop::WriteFileAtomic(path, bytes)) {
    state.SkipWithError("cannot write the subtitle");
    return;
  }
  for (auto _ : state) {
    desktop::FileLines file = desktop::ReadLines(path);
    benchmark::DoNotOptimize(file.lines.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond);

void BM_WriteLines(benchmark::State& state) {
  BenchFolder folder;
  const desktop::TextLines lines(LargeSubtitle());
  const auto path = folder.path() / "large.srt";
  for (auto _ : state) {
    desktop::AtomicFileWriter writer(path);
    for (std::string_view line : lines) {
      writer.AppendLine(line);
    }
    benchmark::DoNotOptimize(writer.Commit().ok);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * lines.bytes().size()));
}
BENCHMARK(BM_WriteLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
