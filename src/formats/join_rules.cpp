#include "formats/join_rules.h"

#include "formats/document_path.h"
#include "formats/subtitle_kind.h"
#include "timecode/time_base.h"

namespace files {

std::string JoinTimeBase(std::string_view first_path, std::string_view second_path) {
  const std::string first = LowerCaseExtension(first_path);
  if (first != LowerCaseExtension(second_path))
    return "";
  if (first == ".srt")
    return std::string(timecode::kTimeBaseTime);
  if (first == ".sub")
    return std::string(timecode::kTimeBaseFrame);
  return "";
}

JoinRefusal JoinRefusalOf(std::string_view first_kind, std::string_view second_kind) {
  if (first_kind != second_kind || first_kind == kUnicodeSubRipKind)
    return JoinRefusal::kStyle;
  if (first_kind != kFrameKind && first_kind != kSubRipKind)
    return JoinRefusal::kUnusable;
  return JoinRefusal::kNone;
}

}  // namespace files
