#include "shell/message_box.h"

#include "shell/kiszoveg.h"
#include "shell/program.h"

namespace shell {

namespace {

// The save on exit, once the question has closed.
void RunExitSave(Program& program) {
  bool saved = false;
  {
    ExitSaveScope scope(program.state);
    if (program.SaveMainSubtitleOnExit)
      saved = program.SaveMainSubtitleOnExit();
  }
  program.state.DialogReply = saved ? dialog_reply::kMentes3 : dialog_reply::kNemlepki;
}

}  // namespace

void ShowBox(Program& program, std::string_view caption, std::string_view icon,
             std::string_view line1, std::string_view line2, bool show_ok, bool show_yes,
             bool show_no, BoxRole role) {
  TKiszoveg& box = *program.Kiszoveg;
  box.Prepare(caption, icon, line1, line2, show_ok, show_yes, show_no);
  if (role == BoxRole::kSaveConfirmation && program.state.ExitSaveInProgress)
    return;
  program.app.Note(MessageLogLine(caption, line1, line2));
  box.ShowModal();
  if (box.TakeExitSaveRequest())
    RunExitSave(program);
}

void Inform(Program& program, std::string_view caption, std::string_view line1,
            std::string_view line2, BoxRole role) {
  ShowBox(program, caption, kIconInfo, line1, line2, true, false, false, role);
}

void ShowError(Program& program, std::string_view caption, std::string_view line1,
               std::string_view line2) {
  ShowBox(program, caption, kIconError, line1, line2, true, false, false);
}

void AskYesNo(Program& program, std::string_view caption, std::string_view line1,
              std::string_view line2) {
  ShowBox(program, caption, kIconQuestion, line1, line2, false, true, true);
}

void ShowNotice(Program& program, const timecode::Notice& notice) {
  ShowBox(program, notice.caption, notice.icon, notice.line1, notice.line2, true, false, false);
}

bool ShowCheck(Program& program, const timecode::Check& check) {
  if (!check.ok && check.notice)
    ShowNotice(program, *check.notice);
  return check.ok;
}

std::string DialogAnswer(std::string_view mode, BoxButton button) {
  if (mode == dialog_reply::kSemmit || mode == dialog_reply::kFelulir ||
      mode == dialog_reply::kFelbontas || mode == dialog_reply::kTorol ||
      mode == dialog_reply::kHozzarendeles) {
    return std::string(button == BoxButton::kIgen ? dialog_reply::kIgen : dialog_reply::kNem);
  }
  if (mode == dialog_reply::kMentes2) {
    switch (button) {
      case BoxButton::kIgen:
        return std::string(dialog_reply::kMentes3);
      case BoxButton::kNem:
        return std::string(dialog_reply::kMentes2);
      case BoxButton::kMegsem:
        return std::string(dialog_reply::kNemlepki);
    }
  }
  return std::string(mode);
}

int MessageWidth(std::string_view line1, std::string_view line2, int rendered_width1,
                 int rendered_width2) {
  int width = line1.size() > line2.size() ? rendered_width1 + 100 : rendered_width2 + 130;
  return width < 330 ? 380 : width;
}

std::vector<std::string> ShownLines(std::string_view text) {
  std::vector<std::string> lines;
  while (true) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r')
      line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos || end + 1 == text.size())
      break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string MessageNote(std::span<const std::string_view> parts) {
  std::string note = "message:";
  for (std::size_t i = 0; i < parts.size(); ++i) {
    note += i == 0 ? " " : " | ";
    note += parts[i];
  }
  return note;
}

std::string MessageLogLine(std::string_view caption, std::string_view line1,
                           std::string_view line2) {
  const std::string_view parts[] = {caption, line1, line2};
  std::string line = MessageNote(parts);
  if (line2.empty())
    line.pop_back();  // the blank after the last separator
  return line;
}

}  // namespace shell
