#include "translation/rows/side_parse.h"

#include <cstdint>

#include "formats/line_parsers.h"
#include "platform/text/text.h"

namespace translation::rows {

namespace {

constexpr std::string_view kStopLine1 = "Hiba a file-ban!";
constexpr std::string_view kStopLine2 = "Csak eddig tudtam betölteni a file-t!";
constexpr std::string_view kSubRipStopLine1 =
    "Hiba a file-ban! Csak eddig tudtam betölteni a file-t!";
constexpr std::string_view kBadTimeLine = "A hiba oka: A következő sorban hiba van: ";
constexpr std::string_view kBadNumberStart = "A hiba oka: A következő sor sorszáma ez:'";
constexpr std::string_view kBadNumberEnd = "', ami talán rossz!";
constexpr std::string_view kBadNumberHint = "(vagy a 2. sor üres)";
constexpr std::string_view kBadInterval = "Az idő intervalluma rosszul van megadva a sorban!";
// A sequence-number line longer than this is shortened in the message.
constexpr std::size_t kShownNumberLength = 10;

std::string Cut(std::string_view value, std::size_t width) {
  return std::string(value.substr(0, width));
}

// Stores `text` into the row `index`, noting the part that did not fit.
void StoreText(SideParse& parse, std::size_t index, std::string_view text) {
  parse.rows[index].text = Cut(text, kTextWidth);
  if (text.size() > kTextWidth)
    parse.cuts.push_back({index, std::string(text.substr(kTextWidth))});
}

void AddRow(SideParse& parse, std::string_view start, std::string_view end, std::string_view text) {
  parse.rows.push_back({Cut(start, kTimeWidth), Cut(end, kTimeWidth), ""});
  StoreText(parse, parse.rows.size() - 1, text);
}

// No line from `from` on holds anything: the blank lines at the end of a file.
bool OnlyBlankLinesFrom(std::span<const std::string_view> lines, std::size_t from) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (!IsBlankLine(lines[i]))
      return false;
  }
  return true;
}

// "00:00:01,000 --> 00:00:02,500": the fixed positions of a SubRip time line.
bool IsSubRipTimeLine(std::string_view line) {
  auto at = [line](int pos) { return text::CharAt(line, pos); };
  return line.size() >= 26 && at(3) == ':' && at(6) == ':' && at(9) == ',' && at(14) == '-' &&
         at(15) == '-' && at(16) == '>' && at(20) == ':' && at(23) == ':' && at(26) == ',';
}

// "00:00:01.50,00:00:03.00": the fixed positions of a SubViewer-style time line.
bool IsSubViewerPairTime(std::string_view line) {
  auto at = [line](int pos) { return text::CharAt(line, pos); };
  return line.size() >= 21 && at(3) == ':' && at(6) == ':' && at(9) == '.' && at(12) == ',' &&
         at(15) == ':' && at(18) == ':' && at(21) == '.';
}

std::string BadNumberDetail(std::string_view line) {
  const std::string shown =
      line.size() > kShownNumberLength ? std::string(line.substr(0, 9)) + "..." : std::string(line);
  return std::string(kBadNumberStart) + shown + std::string(kBadNumberEnd) + "\r\n" +
         std::string(23, ' ') + std::string(kBadNumberHint);
}

void Stop(SideParse& parse, std::string_view line1, std::string_view line2, std::string detail) {
  parse.end = ReadEnd::kStopped;
  parse.message1 = std::string(line1);
  parse.message2 = std::string(line2);
  parse.detail = std::move(detail);
}

void Tell(const Progress& progress, std::size_t counter) {
  if (progress)
    progress(counter);
}

}  // namespace

bool HasTimes(const Row& row) {
  return !row.start.empty() || !row.end.empty();
}

bool IsBlankRow(const Row& row) {
  return row.start.empty() && row.end.empty() && row.text.empty();
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r\n\v\f") == std::string_view::npos;
}

SideParse ParseSubRip(std::span<const std::string_view> lines, const Progress& progress) {
  // What the next line is expected to be.
  enum class Expect { kTimeLine, kFirstText, kFurtherText, kNumber };
  SideParse parse;
  parse.mode = std::string(kTimeMode);
  Expect state = Expect::kTimeLine;
  std::size_t counter = 1;
  for (std::string_view line : lines) {
    const bool blank = IsBlankLine(line);
    switch (state) {
      case Expect::kTimeLine:
        if (!IsSubRipTimeLine(line)) {
          Stop(parse, kSubRipStopLine1, std::string(kBadTimeLine) + std::string(line),
               std::string(kBadTimeLine) + std::string(line));
          return parse;
        }
        AddRow(parse, line.substr(0, 12), line.substr(17, 12), "");
        state = Expect::kFirstText;
        break;
      case Expect::kFirstText:
        // An entry without text ends at its blank line; the next entry starts afresh.
        if (blank) {
          state = Expect::kNumber;
        } else {
          StoreText(parse, parse.rows.size() - 1, line);
          state = Expect::kFurtherText;
        }
        break;
      case Expect::kFurtherText:
        if (blank)
          state = Expect::kNumber;
        else
          AddRow(parse, "", "", line);
        break;
      case Expect::kNumber:
        if (blank)
          break;
        if (!text::TryStrToInt(line)) {
          Stop(parse, kSubRipStopLine1, BadNumberDetail(line), BadNumberDetail(line));
          return parse;
        }
        state = Expect::kTimeLine;
        break;
    }
    Tell(progress, ++counter);
    if (state == Expect::kNumber)
      parse.rows.push_back(Row{});
  }
  return parse;
}

SideParse ParseFrameBased(std::span<const std::string_view> lines, const Progress& progress) {
  SideParse parse;
  parse.mode = std::string(kFrameMode);
  std::size_t counter = 1;
  for (std::string_view line : lines) {
    if (!line.empty()) {
      if (line.front() != '{') {
        Stop(parse, kStopLine1, kStopLine2, "");
        return parse;
      }
      std::string piece;
      int braces_closed = 0;
      for (std::size_t i = 1; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '{')
          continue;
        if (c != '}') {
          piece += c;
          continue;
        }
        if (++braces_closed == 1) {
          AddRow(parse, piece, "", "");
          piece.clear();
        } else {
          parse.rows.back().end = Cut(piece, kTimeWidth);
          StoreText(parse, parse.rows.size() - 1, line.substr(i + 1));
          break;
        }
      }
    }
    Tell(progress, ++counter);
  }
  return parse;
}

SideParse ParseSubViewer(std::span<const std::string_view> lines, const Progress& progress) {
  SideParse parse;
  parse.mode = std::string(kTimeMode);
  std::size_t counter = 1;
  for (std::size_t next = 0; !OnlyBlankLinesFrom(lines, next); next += 3) {
    const std::string_view time = lines[next];
    const std::string_view text = next + 1 < lines.size() ? lines[next + 1] : std::string_view();
    if (!IsSubViewerPairTime(time)) {
      Stop(parse, kStopLine1, kStopLine2, std::string(kBadInterval));
      return parse;
    }
    const std::string start = text::Copy(time, 1, 8) + "," + text::Copy(time, 10, 2) + "0";
    const std::string end = text::Copy(time, 13, 8) + "," + text::Copy(time, 22, 2) + "0";
    AddRow(parse, start, end, text.empty() ? "" : files::ReplaceBrTags(text));
    parse.rows.push_back(Row{});
    Tell(progress, ++counter);
    // A pair takes three lines: the time, the text and the blank line after it. A line of text
    // in the blank line's place would have no row: the read stops there.
    if (next + 2 < lines.size() && !IsBlankLine(lines[next + 2])) {
      Stop(parse, kStopLine1, kStopLine2, std::string(kBadTimeLine) + std::string(lines[next + 2]));
      return parse;
    }
  }
  return parse;
}

void TrimTrailingBlankRows(std::vector<Row>& rows) {
  while (!rows.empty() && IsBlankRow(rows.back()))
    rows.pop_back();
}

std::vector<std::string> CutTextEntries(std::span<const CutText> cuts) {
  std::vector<std::string> lines;
  lines.reserve(cuts.size() * 4);
  for (const CutText& cut : cuts) {
    lines.emplace_back();
    lines.push_back("Hiba oka: a szöveg " + text::IntToStr(static_cast<std::int64_t>(kTextWidth)) +
                    " karakternél hosszabb volt -> levágva");
    lines.push_back("Ebben a sorban fordult elő a hiba: " +
                    text::IntToStr(static_cast<std::int64_t>(cut.row) + 1));
    lines.push_back("A levágott rész: " + cut.cut_off);
  }
  return lines;
}

std::vector<Row> EmptyTranslationOf(std::span<const Row> source) {
  std::vector<Row> partners;
  partners.reserve(source.size());
  for (const Row& row : source)
    partners.push_back(HasTimes(row) ? Row{row.start, row.end, ""} : Row{});
  return partners;
}

}  // namespace translation::rows
