#include "formats/join_rules.h"

#include "formats/document_path.h"

namespace files {

std::string JoinTimeBase(std::string_view first_path, std::string_view second_path) {
  const std::string first = LowerCaseExtension(first_path);
  if (first != LowerCaseExtension(second_path))
    return "";
  if (first == ".srt")
    return "Time";
  if (first == ".sub")
    return "Frame";
  return "";
}

}  // namespace files
