#include "formats/native_writers.h"

#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace files {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kValueLabel = "      Érték: ";

bool HasTimes(const NativeRow& row) {
  return !row.start.empty() && !row.end.empty();
}

std::string TimesText(const NativeRow& row) {
  std::string times(row.start);
  times += "-->";
  times += row.end;
  return times;
}

std::string RowNumber(size_t index) {
  return text::IntToStr(static_cast<int64_t>(index) + 1);
}

// The text cut at every "|": each piece before a "|" ends with CR LF; the piece after the last
// "|" is left out when the text ends with "|", and has no line end on the table's last row. An
// empty text is one empty line.
void AppendTextLines(std::string& out, std::string_view text, bool last_row) {
  if (text.empty()) {
    out += kLineEnd;
    return;
  }
  size_t start = 0;
  for (size_t bar = text.find('|'); bar != std::string_view::npos; bar = text.find('|', start)) {
    out += text.substr(start, bar - start);
    out += kLineEnd;
    start = bar + 1;
  }
  if (start == text.size())
    return;
  out += text.substr(start);
  if (!last_row)
    out += kLineEnd;
}

class Checks {
 public:
  explicit Checks(SubRipFile& file) : file_(file) {}

  void Times(std::span<const NativeRow> rows, size_t index, const NativeRow*& previous,
             size_t& previous_index) {
    const NativeRow& row = rows[index];
    const int64_t start = timecode::TimeCodeToMs(row.start);
    const int64_t end = timecode::TimeCodeToMs(row.end);
    if (previous != nullptr && start < timecode::TimeCodeToMs(previous->end)) {
      Add({"Sor száma: " + RowNumber(previous_index) + std::string(kValueLabel) +
               TimesText(*previous),
           "Sor száma: " + RowNumber(index) + std::string(kValueLabel) + TimesText(row),
           "A " + RowNumber(index) + ". sor kezdő értéke kisebb, mint az " +
               RowNumber(previous_index) + ". sor befejező értéke!"});
      ++file_.time_problems;
    }
    if (start > end) {
      Add({"Sor száma: " + RowNumber(index) + std::string(kValueLabel) + TimesText(row),
           "A " + RowNumber(index) + ". sor kezdő értéke nagyobb, mint a befejező értéke!"});
      ++file_.time_problems;
    }
    previous = &row;
    previous_index = index;
  }

  void FirstCharacter(const NativeRow& row, size_t index) {
    if (row.text.empty())
      return;
    std::string_view heading;
    if (row.text.front() == ' ')
      heading = "Ebben a sorban az első karakter \"space\"!";
    else if (row.text.front() == '|')
      heading = "Hiba oka: sorelválasztó probléma";
    else
      return;
    Add({std::string(heading), "Sor száma: " + RowNumber(index), TimesText(row),
         std::string(row.text)});
    ++file_.other_problems;
  }

 private:
  void Add(std::initializer_list<std::string> lines) {
    file_.report.emplace_back();
    for (const std::string& line : lines)
      file_.report.push_back(line);
  }

  SubRipFile& file_;
};

}  // namespace

std::vector<NativeRow> RowsOfTable(const dataset::RowTable& table, int text_field) {
  std::vector<NativeRow> rows;
  const int count = table.RecordCount();
  rows.reserve(static_cast<size_t>(count));
  for (int row = 1; row <= count; ++row) {
    rows.push_back({table.Cell(row, dataset::subtitle_field::kKezdes),
                    table.Cell(row, dataset::subtitle_field::kBefejezes),
                    table.Cell(row, text_field)});
  }
  return rows;
}

std::string MicroDvdBytes(std::span<const NativeRow> rows, const RowCounter& counted) {
  std::string out;
  for (size_t i = 0; i < rows.size(); ++i) {
    const NativeRow& row = rows[i];
    if (HasTimes(row)) {
      out += '{';
      out += row.start;
      out += "}{";
      out += row.end;
      out += '}';
      out += row.text;
      if (i + 1 != rows.size())
        out += kLineEnd;
    }
    if (counted)
      counted(static_cast<int>(i) + 1);
  }
  return out;
}

SubRipFile SubRipBytes(std::span<const NativeRow> rows, const SubRipOptions& options,
                       const RowCounter& counted) {
  SubRipFile file;
  Checks checks(file);
  const NativeRow* previous = nullptr;
  size_t previous_index = 0;
  int block = 1;
  for (size_t i = 0; i < rows.size(); ++i) {
    const NativeRow& row = rows[i];
    if (!HasTimes(row) || (options.skip_empty_text && row.text.empty()))
      continue;
    if (block > 1)
      file.bytes += kLineEnd;
    file.bytes += text::IntToStr(block);
    file.bytes += kLineEnd;
    file.bytes += row.start;
    file.bytes += " --> ";
    file.bytes += row.end;
    file.bytes += kLineEnd;
    if (options.check_times)
      checks.Times(rows, i, previous, previous_index);
    checks.FirstCharacter(row, i);
    AppendTextLines(file.bytes, row.text, i + 1 == rows.size());
    if (counted)
      counted(block);
    ++block;
  }
  return file;
}

std::string SubRipSummaryLine(const SubRipFile& file) {
  if (file.time_problems > 0) {
    std::string line = "Ennyi átfedési hibát találtam: " + text::IntToStr(file.time_problems);
    if (file.other_problems > 0)
      line += "; Egyéb hiba: " + text::IntToStr(file.other_problems);
    return line;
  }
  if (file.other_problems > 0)
    return "Ennyi hibát találtam: " + text::IntToStr(file.other_problems);
  return {};
}

}  // namespace files
