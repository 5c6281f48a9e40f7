#include "shell/kiszoveg.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "files/fileneve.h"
#include "shell/message_box.h"
#include "shell/pictures.h"
#include "shell/program.h"

namespace shell {

namespace {

constexpr ui::Color kBackground = 9988639;
constexpr int kHeight = 135;
constexpr int kButtonWidth = 75;
constexpr int kOkTop = 74;
constexpr int kQuestionButtonTop = 66;
// Lines of a text stand a little further apart than the font is high (the gap between lines).
constexpr int kLineGap = 2;

int LinePitch(const ui::Label& label) {
  return label.App().TextHeight(label.GetFont()) + kLineGap;
}

// How much higher a label of `count` lines is than one of a single line.
int HeightAboveOneLine(const ui::Label& label, int count) {
  return count > 1 ? count * LinePitch(label) - label.App().TextHeight(label.GetFont()) : 0;
}

// Puts the lines of `text` into `label`, one under the other, and sizes the label to them.
// Gives the longest line (for the window's width rule) and the number of lines.
std::pair<std::string, int> SetLines(ui::Label& label, std::string_view text) {
  const std::vector<std::string> lines = ShownLines(text);
  if (lines.size() == 1) {
    label.SetAutoSize(true);
    label.SetCaption(lines.front());
    return {lines.front(), 1};
  }
  std::string shown;
  std::string longest;
  int width = 0;
  for (const std::string& line : lines) {
    if (&line != &lines.front())
      shown += "\r\n";
    shown += line;
    if (line.size() > longest.size())
      longest = line;
    width = std::max(width, label.App().TextWidth(label.GetFont(), line));
  }
  label.SetAutoSize(false);
  label.SetCaption(shown);
  const int count = static_cast<int>(lines.size());
  label.SetBounds(label.Left(), label.Top(), width, count * LinePitch(label));
  return {longest, count};
}

}  // namespace

TKiszoveg::TKiszoveg(shell::Program& program) : Form(program.app, "Kiszoveg"), program_(program) {
  SetBounds(0, 0, 380, kHeight);
  SetPosition(ui::FormPosition::kScreenCenter);
  SetBorderStyle(ui::BorderStyle::kDialog);
  SetBorderIcons({.system_menu = false, .minimize = false, .maximize = false});
  SetCloseBox(false);
  SetStayOnTop(true);
  SetColor(kBackground);
  SetKeyPreview(true);

  InfoI.SetPicture(LoadPicture("info"));
  KerdesI.SetPicture(LoadPicture("kerdes"));
  HibaI.SetPicture(LoadPicture("hiba"));
  KerdesI.Hide();
  HibaI.Hide();

  ui::Font font;
  font.size = 13;
  font.color = ui::colors::kWhite;
  for (ui::Label* label : {&szoveg, &szoveg2}) {
    label->SetFont(font);
    label->SetTransparent(true);
  }

  Bok.SetKind(ui::ButtonKind::kOk);
  Bok.SetCaption("OK");
  Bigen.SetKind(ui::ButtonKind::kYes);
  Bigen.SetCaption("Igen");
  Bnem.SetKind(ui::ButtonKind::kNo);
  Bnem.SetCaption("Nem");
  Bmegsem.SetKind(ui::ButtonKind::kCancel);
  Bmegsem.SetCaption("Mégsem");

  Bigen.OnClick = [this] { BigenClick(); };
  Bnem.OnClick = [this] { BnemClick(); };
  Bmegsem.OnClick = [this] { BmegsemClick(); };
  OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { FormKeyUp(key, shift); };
  Bok.OnKeyUp = [this](ui::Key& key, ui::ShiftState shift) { FormKeyUp(key, shift); };
  OnCreate = [this] { FormCreate(); };
  Created();
}

void TKiszoveg::FormCreate() {
  SetConstraints({.min_height = kHeight, .max_height = kHeight});
}

void TKiszoveg::Prepare(std::string_view caption, std::string_view icon, std::string_view line1,
                        std::string_view line2, bool show_ok, bool show_yes, bool show_no) {
  SetCaption(caption);
  // A line holding line breaks shows all of its lines: the window grows by the extra ones.
  const auto [longest1, count1] = SetLines(szoveg, line1);
  const auto [longest2, count2] = SetLines(szoveg2, line2);
  const int extra1 = HeightAboveOneLine(szoveg, count1);
  const int extra = extra1 + HeightAboveOneLine(szoveg2, count2);
  SetConstraints({.min_height = kHeight + extra, .max_height = kHeight + extra});
  SetHeight(134 + extra);  // the constraint holds it at 135 (and the extra lines)
  SetWidth(MessageWidth(longest1, longest2, App().TextWidth(szoveg.GetFont(), longest1),
                        App().TextWidth(szoveg2.GetFont(), longest2)));

  // A message without buttons would have no way out: it gets OK.
  if (!show_ok && !show_yes && !show_no)
    show_ok = true;
  Bok.SetVisible(show_ok);
  Bigen.SetVisible(show_yes);
  Bnem.SetVisible(show_no);
  Bmegsem.SetVisible(show_yes && show_no);
  // Escape clicks the first showing cancel button: "Mégsem" in a question that has it, so
  // that Escape never answers the exit question with "Nem"; "Nem" in one without it.
  Bnem.SetCancel(!Bmegsem.Visible());
  if (show_ok && !show_yes && !show_no)
    Bok.SetLeft((Width() - kButtonWidth) / 2);

  if (line2.empty()) {
    szoveg.SetTop(20);
  } else {
    szoveg.SetTop(18);
    szoveg2.SetTop(36 + extra1);
  }
  Bok.SetTop(kOkTop + extra);
  for (ui::BitBtn* button : {&Bigen, &Bnem, &Bmegsem})
    button->SetTop(kQuestionButtonTop + extra);

  if (icon == kIconInfo || icon == kIconQuestion || icon == kIconError) {
    InfoI.SetVisible(icon == kIconInfo);
    KerdesI.SetVisible(icon == kIconQuestion);
    HibaI.SetVisible(icon == kIconError);
  }

  Bigen.SetLeft(68);
  Bnem.SetLeft(160);
  Bmegsem.SetLeft(250);

  // Each message starts on its first button, whatever the previous one was answered with.
  SetActiveControl(nullptr);
  exit_save_requested_ = false;
}

bool TKiszoveg::TakeExitSaveRequest() {
  bool requested = exit_save_requested_;
  exit_save_requested_ = false;
  return requested;
}

void TKiszoveg::BigenClick() {
  std::string& reply = program_.state.DialogReply;
  const std::string mode = reply;
  reply = DialogAnswer(mode, BoxButton::kIgen);
  if (mode == dialog_reply::kFelulir)
    program_.Fileneve->Close();
  // The save itself runs once this window has closed, so that its messages can be shown.
  if (mode == dialog_reply::kMentes2)
    exit_save_requested_ = true;
}

void TKiszoveg::BnemClick() {
  std::string& reply = program_.state.DialogReply;
  reply = DialogAnswer(reply, BoxButton::kNem);
}

void TKiszoveg::BmegsemClick() {
  std::string& reply = program_.state.DialogReply;
  reply = DialogAnswer(reply, BoxButton::kMegsem);
}

void TKiszoveg::FormKeyUp(ui::Key& key, ui::ShiftState) {
  if (key == ui::keys::kEscape && Bok.Visible() && !Bigen.Visible())
    Close();
}

}  // namespace shell
