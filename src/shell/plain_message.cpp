#include "shell/plain_message.h"

#include <algorithm>
#include <memory>

#include "platform/ui/ui.h"
#include "shell/message_box.h"
#include "shell/program.h"

namespace shell {

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

// Made for one message and gone with it, as the library's own message box is.
class PlainMessageBox : public ui::Form {
 public:
  PlainMessageBox(ui::Application& app, const std::vector<std::string>& lines)
      : Form(app, std::string(kPlainMessageName)) {
    SetCaption("Vemko");
    SetPosition(ui::FormPosition::kScreenCenter);
    SetBorderStyle(ui::BorderStyle::kDialog);
    int width = 0;
    int top = kMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      auto label = std::make_unique<ui::Label>(*this, "Line" + std::to_string(i + 1),
                                               ui::Rect{kMargin, top, 0, kLineHeight});
      label->SetAutoSize(true);
      label->SetCaption(lines[i]);
      width = std::max(width, App().TextWidth(label->GetFont(), lines[i]));
      top += kLineHeight;
      labels_.push_back(std::move(label));
    }
    width = std::max(width + 2 * kMargin, 2 * kButtonWidth);
    Ok.SetKind(ui::ButtonKind::kOk);
    Ok.SetCaption("OK");
    Ok.SetBounds((width - kButtonWidth) / 2, top + kMargin, kButtonWidth, kButtonHeight);
    SetClientWidth(width);
    SetClientHeight(top + 2 * kMargin + kButtonHeight);
    SetActiveControl(&Ok);
    Created();
  }

  ui::BitBtn Ok{*this, "Ok"};

 private:
  std::vector<std::unique_ptr<ui::Label>> labels_;
};

}  // namespace

std::vector<std::string> MessageLines(std::string_view message) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = message.find("\r\n");
    lines.emplace_back(message.substr(0, end));
    if (end == std::string_view::npos)
      break;
    message.remove_prefix(end + 2);
  }
  return lines;
}

void ShowPlainMessage(Program& program, std::string_view message) {
  const std::vector<std::string> lines = MessageLines(message);
  program.app.Note(MessageNote(std::vector<std::string_view>(lines.begin(), lines.end())));
  PlainMessageBox box(program.app, lines);
  box.ShowModal();
}

}  // namespace shell
