#include "formats/export_helpers.h"

#include <array>
#include <utility>

#include "platform/text/text.h"
#include "timecode/timecode.h"

namespace files {
namespace {

constexpr char kLineSeparator = '|';

// Replaces the first occurrence of each pattern in turn, and again, until none is left.
// The replacements never hold a '<', so no replacement can form a new tag.
template <size_t N>
std::string ReplaceTags(std::string_view text,
                        const std::array<std::pair<std::string_view, std::string_view>, N>& tags) {
  std::string result(text);
  bool changed = true;
  while (changed) {
    changed = false;
    for (const auto& [tag, code] : tags) {
      const size_t at = result.find(tag);
      if (at != std::string::npos) {
        result.replace(at, tag.size(), code);
        changed = true;
      }
    }
  }
  return result;
}

// The fields of a time code, as written in it.
struct TimeFields {
  int64_t hours = 0;
  int minutes = 0;
  int seconds = 0;
  int millis = 0;
};

int Digits(std::string_view s, size_t at, size_t count) {
  int value = 0;
  for (size_t i = 0; i < count; ++i) {
    value = value * 10 + (s[at + i] - '0');
  }
  return value;
}

TimeFields ReadFields(std::string_view time_code) {
  if (!timecode::IsTimeCodeShape(time_code)) {
    return {};
  }
  return {Digits(time_code, 0, 2), Digits(time_code, 3, 2), Digits(time_code, 6, 2),
          Digits(time_code, 9, 3)};
}

std::string Padded(int64_t value, size_t width) {
  std::string s = text::IntToStr(value);
  if (s.size() < width) {
    s.insert(0, width - s.size(), '0');
  }
  return s;
}

std::string Two(int64_t value) {
  return Padded(value, 2);
}

// "MM" + sep + "SS" after the hours.
std::string MinutesSeconds(const TimeFields& f, char sep) {
  return std::string(1, sep) + Two(f.minutes) + sep + Two(f.seconds);
}

std::string FrameDigits(int millis) {
  return Two(millis / 40);
}

int64_t NonNegative(int64_t ms) {
  return ms < 0 ? 0 : ms;
}

}  // namespace

// ---- Row text ----------------------------------------------------------------------------

RowLines SplitRowText(std::string_view text) {
  RowLines lines;
  if (text.empty()) {
    return lines;
  }
  const size_t first = text.find(kLineSeparator);
  lines.line1 = std::string(text.substr(0, first));
  if (first == std::string_view::npos) {
    lines.count = 1;
    return lines;
  }
  const std::string_view rest = text.substr(first + 1);
  const size_t second = rest.find(kLineSeparator);
  lines.line2 = std::string(rest.substr(0, second));
  if (second == std::string_view::npos) {
    lines.count = 2;
    return lines;
  }
  const std::string_view tail = rest.substr(second + 1);
  lines.line3 = std::string(tail.substr(0, tail.find(kLineSeparator)));
  lines.count = 3;
  return lines;
}

std::string JoinRowLines(const RowLines& lines, std::string_view separator) {
  if (lines.count < 1) {
    return {};
  }
  std::string joined = lines.line1;
  if (lines.count > 1) {
    joined.append(separator).append(lines.line2);
  }
  if (lines.count > 2) {
    joined.append(separator).append(lines.line3);
  }
  return joined;
}

void DeleteChars(std::string& text, int position, int count) {
  text::Delete(text, position, count);
}

void InsertAt34(std::string_view piece, std::string& text) {
  text::Insert(piece, text, 34);
}

// ---- Style tags ----------------------------------------------------------------------------

std::string StripClosingTags(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kTags{
      {{"</i>", ""}, {"</b>", ""}, {"</u>", ""}}};
  return ReplaceTags(text, kTags);
}

std::string StripFormatTags(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kTags{
      {{"<i>", ""}, {"</i>", ""}, {"<b>", ""}, {"</b>", ""}, {"<u>", ""}, {"</u>", ""}}};
  return ReplaceTags(text, kTags);
}

std::string TagsToSsaCodes(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kTags{
      {{"<i>", "{\\i1}"}, {"</i>", "{\\i0}"}, {"<b>", "{\\b1}"}, {"</b>", "{\\b0}"}}};
  return ReplaceTags(text, kTags);
}

std::string TagsToAssCodes(std::string_view text) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kTags{
      {{"<i>", "{\\i1}"},
       {"</i>", "{\\i0}"},
       {"<b>", "{\\b1}"},
       {"</b>", "{\\b0}"},
       {"<u>", "{\\u1}"},
       {"</u>", "{\\u0}"}}};
  return ReplaceTags(text, kTags);
}

// ---- Time forms ----------------------------------------------------------------------------

int64_t ExportTimeCodeToMs(std::string_view time_code) {
  return timecode::TimeCodeToMs(time_code);
}

std::string SecondsToMsText(int64_t ms) {
  ms = NonNegative(ms);
  if (ms == 0) {
    return "0";
  }
  return text::IntToStr(ms / 1000) + Padded(ms % 1000, 3);
}

std::string SecondsToDecisecondsText(int64_t ms) {
  ms = NonNegative(ms);
  return text::IntToStr(ms / 1000) + text::IntToStr(ms % 1000 / 100);
}

std::string SecondsToCentisecondsText(int64_t ms) {
  ms = NonNegative(ms);
  return text::IntToStr(ms / 1000) + Two(ms % 1000 / 10);
}

std::string SecondsToPanimatorTime(int64_t ms) {
  ms = NonNegative(ms);
  return Two(ms / 1000) + " " + Two(ms % 1000 / 10);
}

std::string SecondsToLrcTime(int64_t ms) {
  ms = NonNegative(ms);
  const int64_t whole = ms / 1000;
  return Two(whole / 60) + ":" + Two(whole % 60) + "." + Two(ms % 1000 / 10);
}

std::string ExportTime(std::string_view time_code, TimeForm form) {
  const TimeFields f = ReadFields(time_code);
  const std::string hh = Two(f.hours);
  const std::string h = text::IntToStr(f.hours);
  const std::string cc = Two(f.millis / 10);
  const std::string d = text::IntToStr(f.millis / 100);
  switch (form) {
    case TimeForm::kHhMmSs:
      return hh + MinutesSeconds(f, ':');
    case TimeForm::kHMmSs:
      return h + MinutesSeconds(f, ':');
    case TimeForm::kHhMmSsColonCc:
      return hh + MinutesSeconds(f, ':') + ":" + cc;
    case TimeForm::kHhMmSsDotCc:
      return hh + MinutesSeconds(f, ':') + "." + cc;
    case TimeForm::kHMmSsDotCc:
      return h + MinutesSeconds(f, ':') + "." + cc;
    case TimeForm::kHhMmSsDotD:
      return hh + MinutesSeconds(f, ':') + "." + d;
    case TimeForm::kHMmSsDotD:
      return h + MinutesSeconds(f, ':') + "." + d;
    case TimeForm::kHhMmSsFf:
      return hh + MinutesSeconds(f, ':') + ":" + FrameDigits(f.millis);
    case TimeForm::kHhMmSsFfSemicolon:
      return hh + MinutesSeconds(f, ';') + ";" + FrameDigits(f.millis);
    case TimeForm::kHMmSsMmm:
      return h + Two(f.minutes) + Two(f.seconds) + Padded(f.millis, 3);
    case TimeForm::kTimeCode:
      return hh + MinutesSeconds(f, ':') + "," + Padded(f.millis, 3);
    case TimeForm::kMsText:
      return SecondsToMsText(ExportTimeCodeToMs(time_code));
    case TimeForm::kDeciseconds:
      return SecondsToDecisecondsText(ExportTimeCodeToMs(time_code));
    case TimeForm::kCentiseconds:
      return SecondsToCentisecondsText(ExportTimeCodeToMs(time_code));
    case TimeForm::kPanimator:
      return SecondsToPanimatorTime(ExportTimeCodeToMs(time_code));
    case TimeForm::kLrc:
      return SecondsToLrcTime(ExportTimeCodeToMs(time_code));
  }
  return {};
}

FramePair MsDigitsToFramePair(std::string_view start, std::string_view end) {
  return {FrameDigits(ReadFields(start).millis), FrameDigits(ReadFields(end).millis)};
}

}  // namespace files
