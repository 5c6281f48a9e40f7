#include "editor/rules/window_rules.h"

#include <cstdio>

#include "formats/document_path.h"

namespace editor {

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

bool IsStartSubtitle(const std::filesystem::path& path) {
  const std::string extension = files::LowerCaseExtension(files::TextOfPath(path.filename()));
  return extension == ".srt" || extension == ".sub";
}

GridPopup GridPopupFor(std::string_view selected_field, int current_row, int second_text_rows) {
  if (selected_field != "Szoveg2")
    return GridPopup::kRacsPM;
  return current_row <= second_text_rows ? GridPopup::kBeTorlesPM : GridPopup::kNone;
}

int TakeWheelNotches(int& rest, int delta) {
  if ((rest > 0 && delta < 0) || (rest < 0 && delta > 0))
    rest = 0;
  rest += delta;
  const int notches = rest / kWheelNotch;
  rest -= notches * kWheelNotch;
  return notches;
}

std::string ClockText(const std::tm& local) {
  char text[80];
  std::snprintf(text, sizeof text, "%04d.%02d.%02d. %02d:%02d:%02d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace editor
