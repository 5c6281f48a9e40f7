#include "translation/rows/line_editing.h"

#include <string>

#include "timecode/key_filters.h"
#include "translation/rows/side_parse.h"

namespace translation::rows {

namespace {

timecode::Notice TooLong(std::string_view what) {
  return {"Figyelmeztetés", "info", std::string(what), "A sor nem változott."};
}

}  // namespace

bool IsTimeChar(char ch) {
  return ch != 0 && timecode::kTimeKeyChars.find(ch) != std::string_view::npos;
}

bool IsFrameChar(char ch) {
  return ch != 0 && timecode::kDigitKeyChars.find(ch) != std::string_view::npos;
}

std::optional<int> RedirectTarget(int column, char ch, std::string_view mode) {
  if (ch != 0 && static_cast<unsigned char>(ch) < 32)
    return std::nullopt;
  switch (column) {
    case kStartColumn:
    case kEndColumn:
      if (ch == 0 || (mode == kTimeMode ? IsTimeChar(ch) : IsFrameChar(ch)))
        return column;
      return std::nullopt;
    case kTextColumn:
      return column;
    default:
      return std::nullopt;
  }
}

char FilterTimeEditorKey(char key, std::string_view mode) {
  if (mode == kTimeMode)
    return timecode::TimeKeyFilter(key);
  if (mode == kFrameMode)
    return timecode::DigitKeyFilter(key);
  return key;
}

timecode::Check CheckStoredValue(int column, std::string_view text, std::string_view mode) {
  if (column == kTextColumn) {
    if (text.size() > kTextWidth)
      return {false, TooLong("A beírt szöveg hosszabb 220 karakternél!")};
    return {};
  }
  timecode::Check check =
      mode == kTimeMode ? timecode::ValidateTimeCode(text) : timecode::ValidateFrameNumber(text);
  if (check.ok && text.size() > kTimeWidth)
    return {false, TooLong("A beírt érték hosszabb 12 karakternél!")};
  return check;
}

std::optional<int> CoupledRecNo(int rec_no, int other_count, bool follows) {
  if (!follows || other_count < 1 || rec_no < 1 || other_count < rec_no)
    return std::nullopt;
  return rec_no;
}

}  // namespace translation::rows
