#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

// ---- Label --------------------------------------------------------------------------------

Label::Label(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetTabStop(false);
  Fit();
}

void Label::Fit() {
  if (!auto_size_ || word_wrap_)
    return;
  int width = App().TextWidth(GetFont(), Text());
  int height = App().TextHeight(GetFont());
  int left = Left();
  if (alignment_ == Alignment::kRight)
    left += Width() - width;
  Control::SetBounds(left, Top(), width, height);
}

void Label::SetText(std::string_view text) {
  if (text == Text())
    return;
  StoreText(text);
  Fit();
  Changed(Prop::kText);
}

void Label::SetFont(const Font& font) {
  Control::SetFont(font);
  Fit();
}

void Label::SetAutoSize(bool on) {
  auto_size_ = on;
  Fit();
}

void Label::SetAlignment(Alignment alignment) {
  alignment_ = alignment;
  Changed(Prop::kOptions);
}

void Label::SetTransparent(bool on) {
  transparent_ = on;
  Changed(Prop::kOptions);
}

void Label::SetWordWrap(bool on) {
  word_wrap_ = on;
  Changed(Prop::kOptions);
  Fit();
}

// ---- Buttons ------------------------------------------------------------------------------

Button::Button(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

void Button::SetDefault(bool on) {
  default_ = on;
  Changed(Prop::kOptions);
}

void Button::Click() {
  RunOnClick();
  if (modal_result_ != modal::kNone && OwnerForm().InModalSession()) {
    OwnerForm().SetModalResult(modal_result_);
  }
}

void Button::DefaultChar(char ch) {
  if (ch == ' ')
    Click();
}

void Button::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button == MouseButton::kLeft)
    Click();
}

BitBtn::BitBtn(Control& parent, std::string name, Rect bounds)
    : Button(parent, std::move(name), bounds) {}

void BitBtn::SetKind(ButtonKind kind) {
  kind_ = kind;
  switch (kind) {
    case ButtonKind::kOk:
      SetModalResult(modal::kOk);
      SetDefault(true);
      break;
    case ButtonKind::kYes:
      SetModalResult(modal::kYes);
      SetDefault(true);
      break;
    case ButtonKind::kCancel:
      SetModalResult(modal::kCancel);
      SetCancel(true);
      break;
    case ButtonKind::kNo:
      SetModalResult(modal::kNo);
      SetCancel(true);
      break;
    case ButtonKind::kClose:
    case ButtonKind::kCustom:
      SetModalResult(modal::kNone);
      break;
  }
  Changed(Prop::kOptions);
}

void BitBtn::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  Changed(Prop::kPicture);
}

void BitBtn::Click() {
  Button::Click();
  if (kind_ == ButtonKind::kClose)
    OwnerForm().Close();
}

SpeedButton::SpeedButton(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {
  SetTabStop(false);
}

void SpeedButton::SetDown(bool down) {
  if (down_ == down)
    return;
  down_ = down;
  if (down && group_index_ != 0 && Parent() != nullptr) {
    for (Control* sibling : Parent()->Children()) {
      auto* other = dynamic_cast<SpeedButton*>(sibling);
      if (other != nullptr && other != this && other->group_index_ == group_index_ &&
          other->down_) {
        other->down_ = false;
        other->Changed(Prop::kChecked);
      }
    }
  }
  Changed(Prop::kChecked);
}

void SpeedButton::SetFlat(bool on) {
  flat_ = on;
  Changed(Prop::kOptions);
}

void SpeedButton::SetGlyph(Picture glyph) {
  glyph_ = std::move(glyph);
  Changed(Prop::kPicture);
}

void SpeedButton::Click() {
  if (group_index_ != 0) {
    if (down_ && allow_all_up_) {
      SetDown(false);
    } else {
      SetDown(true);
    }
  }
  RunOnClick();
}

void SpeedButton::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button == MouseButton::kLeft)
    Click();
}

// ---- Check box and radio button ---------------------------------------------------------------

CheckBox::CheckBox(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Changed(Prop::kChecked);
  RunOnClick();
}

void CheckBox::Click() {
  SetChecked(!checked_);
}

void CheckBox::DefaultChar(char ch) {
  if (ch == ' ')
    Click();
}

void CheckBox::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button == MouseButton::kLeft)
    Click();
}

RadioButton::RadioButton(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

void RadioButton::SetChecked(bool checked) {
  if (checked_ == checked)
    return;
  checked_ = checked;
  Changed(Prop::kChecked);
  if (!checked)
    return;
  for (Control* sibling : Parent()->Children()) {
    auto* other = dynamic_cast<RadioButton*>(sibling);
    if (other != nullptr && other != this && other->checked_) {
      other->checked_ = false;
      other->Changed(Prop::kChecked);
    }
  }
  RunOnClick();
}

void RadioButton::Click() {
  SetChecked(true);
}

void RadioButton::DefaultChar(char ch) {
  if (ch == ' ')
    Click();
}

void RadioButton::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button == MouseButton::kLeft)
    Click();
}

// ---- Containers, gauge, media host -----------------------------------------------------------

GroupBox::GroupBox(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

Panel::Panel(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

Gauge::Gauge(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

void Gauge::SetProgress(int progress) {
  progress = std::clamp(progress, min_, max_);
  if (progress == progress_)
    return;
  progress_ = progress;
  Changed(Prop::kValue);
  ++repaints_;
  Repaint();
}

void Gauge::SetRange(int min_value, int max_value) {
  min_ = min_value;
  max_ = std::max(min_value, max_value);
  int clamped = std::clamp(progress_, min_, max_);
  if (clamped != progress_) {
    progress_ = clamped;
    ++repaints_;
    Repaint();
  }
  Changed(Prop::kValue);
}

MediaHost::MediaHost(Control& parent, std::string name, Rect bounds)
    : Control(parent, std::move(name), bounds) {}

}  // namespace ui
