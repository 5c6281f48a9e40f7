// The result list window `THibaki`: one list of report lines under a caption.
//
// The protocol for callers: StartReport (clears the lines, sets the caption and whether the
// two reading labels show), AddLine for every line (an empty line starts each entry), then
// ShowReport, at once or later (the lines stay until the next StartReport, so the editor's
// "Lista" button shows the last report again). Showing notes "list: CAPTION" in the session
// log, then every line as "| LINE" (an empty line as a bare "|").
#pragma once

#include <string_view>

#include "platform/ui/ui.h"

namespace shell {
class Program;
}

namespace shell {

// Captions of the reports.
inline constexpr std::string_view kReadProblemsCaption = "Hibák észelelése";
inline constexpr std::string_view kReplaceResultCaption = "Keresés és csere végeredménye";
inline constexpr std::string_view kOverlapResultCaption = "Az átfedés vizsgálatának eredménye";
inline constexpr std::string_view kChangeResultCaption = "A módosítás végeredménye";

class THibaki : public ui::Form {
 public:
  explicit THibaki(shell::Program& program);

  void StartReport(std::string_view caption, bool labels_visible);
  void ClearLines();
  void AddLine(std::string_view line);
  // Every line of `lines` after the present ones; into an empty list they move whole.
  void AddLines(text::LineList lines);
  void SetLabelsVisible(bool visible);
  // Shows the window modally, within the screen's height, above every window shown (staying on
  // top while a window that stays on top is shown).
  void ShowReport();

  ui::Label Label1{*this, "Label1", {8, 8, 0, 0}};
  ui::Label Label2{*this, "Label2", {8, 26, 0, 0}};
  ui::ListBox LBhiba{*this, "LBhiba", {4, 48, 585, 529}};
  ui::Button Button1{*this, "Button1", {255, 585, 90, 25}};

 private:
  void Button1Click();
  // On a screen lower than the window, the window takes the screen's height and the list
  // gives up the difference.
  void FitToScreen();

  shell::Program& program_;
};

}  // namespace shell
