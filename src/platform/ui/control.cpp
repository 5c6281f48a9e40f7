#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

Control::Control(Control& parent, std::string name, Rect bounds)
    : app_(parent.app_),
      form_(parent.form_),
      parent_(&parent),
      name_(std::move(name)),
      bounds_(bounds),
      font_(parent.font_) {
  parent.AddChild(this);
  form_->RegisterControl(this);
}

Control::Control(Application& app, Form& self, std::string name)
    : app_(&app), form_(&self), name_(std::move(name)) {}

Control::~Control() {
  if (parent_ != nullptr) {
    form_->UnregisterControl(this);
    parent_->RemoveChild(this);
  }
  app_->GetBackend().ControlDestroyed(*this);
}

void Control::AddChild(Control* child) {
  children_.push_back(child);
}

void Control::RemoveChild(Control* child) {
  std::erase(children_, child);
}

Backend& Control::GetBackend() const {
  return app_->GetBackend();
}

void Control::Changed(Prop what) {
  app_->GetBackend().ControlChanged(*this, what);
}

void Control::StoreText(std::string_view text) {
  text_ = std::string(text);
}

void Control::SetBounds(int left, int top, int width, int height) {
  Rect r{left, top, std::max(0, width), std::max(0, height)};
  if (r == bounds_)
    return;
  bounds_ = r;
  Changed(Prop::kBounds);
}

Point Control::ClientToForm(Point p) const {
  for (const Control* c = this; c != nullptr && c->parent_ != nullptr; c = c->parent_) {
    p.x += c->bounds_.left;
    p.y += c->bounds_.top;
  }
  return p;
}

Point Control::ClientToScreen(Point p) const {
  Point f = ClientToForm(p);
  const Form& form = *form_;
  FrameMetrics m = app_->GetBackend().Frame(form);
  return {form.Left() + m.left + f.x, form.Top() + m.top + m.menu_bar + f.y};
}

Point Control::ScreenToClient(Point p) const {
  Point origin = ClientToScreen({0, 0});
  return {p.x - origin.x, p.y - origin.y};
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible)
    return;
  visible_ = visible;
  Changed(Prop::kVisible);
}

bool Control::Showing() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->visible_)
      return false;
  }
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled)
    return;
  enabled_ = enabled;
  Changed(Prop::kEnabled);
}

bool Control::EnabledWithParents() const {
  for (const Control* c = this; c != nullptr; c = c->parent_) {
    if (!c->enabled_)
      return false;
  }
  return true;
}

void Control::SetText(std::string_view text) {
  if (text_ == text)
    return;
  StoreText(text);
  Changed(Prop::kText);
}

void Control::SetFont(const Font& font) {
  if (font_ == font)
    return;
  font_ = font;
  Changed(Prop::kFont);
}

void Control::SetColor(Color color) {
  if (color_ == color)
    return;
  color_ = color;
  Changed(Prop::kColor);
}

void Control::SetHint(std::string_view hint) {
  hint_ = std::string(hint);
  Changed(Prop::kHint);
}

bool Control::CanFocus() const {
  return Focusable() && Showing() && EnabledWithParents();
}

void Control::SetFocus() {
  if (!Focusable() || parent_ == nullptr)
    return;
  // Own flags and those of the parents inside the form decide; the form's visibility
  // only decides whether the focus is applied now or when the form is shown.
  for (const Control* c = this; c != nullptr && c->parent_ != nullptr; c = c->parent_) {
    if (!c->visible_ || !c->enabled_)
      return;
  }
  if (!form_->Visible()) {
    form_->active_control_ = this;
    return;
  }
  if (!form_->Enabled())
    return;
  form_->SetActiveControl(this);
}

bool Control::Focused() const {
  return form_->ActiveControl() == this && form_->Visible();
}

void Control::Repaint() {
  app_->GetBackend().Repaint(*this);
}

void Control::Click() {
  RunOnClick();
}

void Control::DefaultKeyDown(Key, ShiftState) {}
void Control::DefaultChar(char) {}
bool Control::WantsKey(Key, ShiftState) const {
  return false;
}
void Control::DefaultMouseDown(MouseButton, ShiftState, int, int) {}
void Control::DefaultMouseUp(MouseButton button, ShiftState, int, int) {
  if (button == MouseButton::kLeft)
    Click();
}
void Control::DefaultDblClick(int, int) {}
void Control::DefaultWheel(int) {}

Control* Control::ControlAt(int x, int y) {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control* child = *it;
    if (!child->visible_ || !child->bounds_.Contains(x, y))
      continue;
    return child->ControlAt(x - child->bounds_.left, y - child->bounds_.top);
  }
  return this;
}

}  // namespace ui
