#include "shell/hibaki.h"

#include <algorithm>
#include <string>

#include "shell/program.h"

namespace shell {

namespace {

constexpr int kMinWidth = 595;
constexpr int kMaxWidth = 615;
constexpr int kMinHeight = 653;
constexpr int kMaxHeight = 662;
constexpr int kListTop = 48;
constexpr int kListHeight = 529;
constexpr int kGap = 8;

}  // namespace

THibaki::THibaki(shell::Program& program) : Form(program.app, "Hibaki"), program_(program) {
  SetBounds(0, 0, 605, 660);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetCloseBox(false);
  SetConstraints({kMinWidth, kMaxWidth, kMinHeight, kMaxHeight});
  Label1.SetCaption("A következő hibákat észlelte a program a file beolvasásakor:");
  Label2.SetCaption("(Ez az ablak csak akkor jelenik meg, ha a file teljesen be lett olvasva)");
  Button1.SetCaption("Bezár");
  // Escape closes the list as "Bezár" does.
  Button1.SetCancel(true);
  Button1.OnClick = [this] { Button1Click(); };
  Created();
}

void THibaki::StartReport(std::string_view caption, bool labels_visible) {
  ClearLines();
  SetCaption(caption);
  SetLabelsVisible(labels_visible);
}

void THibaki::ClearLines() {
  LBhiba.ClearItems();
}

void THibaki::AddLine(std::string_view line) {
  LBhiba.AddItem(line);
}

void THibaki::AddLines(text::LineList lines) {
  if (lines.empty())
    return;
  if (LBhiba.Items().empty())
    LBhiba.SetItems(std::move(lines));
  else
    LBhiba.AddItems(lines);
}

void THibaki::SetLabelsVisible(bool visible) {
  Label1.SetVisible(visible);
  Label2.SetVisible(visible);
}

void THibaki::ShowReport() {
  program_.app.Note("list: " + Caption());
  for (const std::string_view line : LBhiba.Items()) {
    program_.app.Note(line.empty() ? std::string("|") : std::string("| ").append(line));
  }
  FitToScreen();
  // The list comes above the window it is shown over, also above one that stays on top (the open
  // window is still shown while the file it closes with is read).
  SetStayOnTop(std::ranges::any_of(App().Forms(), [this](const ui::Form* form) {
    return form != this && form->Visible() && form->StayOnTop();
  }));
  ShowModal();
}

void THibaki::Button1Click() {
  Close();
}

void THibaki::FitToScreen() {
  const int screen_height = App().GetScreen().Height();
  SetConstraints({kMinWidth, kMaxWidth, std::min(kMinHeight, screen_height),
                  std::min(kMaxHeight, screen_height)});
  SetHeight(std::min(660, screen_height));
  const int room = ClientHeight() - kListTop - kGap - Button1.Height() - kGap;
  LBhiba.SetHeight(std::clamp(room, 0, kListHeight));
  Button1.SetTop(LBhiba.Top() + LBhiba.Height() + kGap);
}

}  // namespace shell
