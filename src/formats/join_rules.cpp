#include "formats/join_rules.h"

#include "formats/document_path.h"
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

}  // namespace files
