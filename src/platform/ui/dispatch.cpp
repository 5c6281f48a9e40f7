// The input dispatch: every user action reported by a backend runs through here.
#include <string>

#include "platform/ui/application.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/menus.h"

namespace ui {

namespace {

bool TakesInput(const Control& control) {
  return control.OwnerForm().AcceptsInput() && control.Showing() && control.EnabledWithParents();
}

Button* FindButton(Form& form, bool want_default) {
  for (Control* c : form.AllControls()) {
    auto* button = dynamic_cast<Button*>(c);
    if (button == nullptr || !button->Showing() || !button->EnabledWithParents())
      continue;
    if (want_default ? button->Default() : button->Cancel())
      return button;
  }
  return nullptr;
}

// Tab and Shift+Tab belong to the form: they move the focus before the control's key
// handlers see them, unless the control takes tabs itself. Ctrl+Tab and Alt+Tab are keys of
// the control (and of the system).
bool MovesFocus(const Control& target, Key key, ShiftState shift) {
  if (key != keys::kTab || shift.Has(ShiftState::kCtrl) || shift.Has(ShiftState::kAlt))
    return false;
  return !target.WantsKey(keys::kTab, shift);
}

}  // namespace

Control& Application::KeyTarget(Form& form) const {
  Control* focus = form.ActiveControl();
  if (focus != nullptr && focus->CanFocus())
    return *focus;
  return form;
}

bool Application::RunHook(Message& message) {
  if (!OnMessage)
    return false;
  bool handled = false;
  OnMessage(message, handled);
  return handled;
}

bool Application::RunShortCut(Form& form, Key key, ShiftState shift) {
  if (key == 0)
    return false;
  ShortCut shortcut = MakeShortCut(key, shift.Modifiers());
  MenuItem* item = nullptr;
  if (form.Menu() != nullptr)
    item = form.Menu()->FindShortCut(shortcut);
  for (PopupMenu* popup : form.PopupMenus()) {
    if (item != nullptr)
      break;
    item = popup->FindShortCut(shortcut);
  }
  if (item == nullptr)
    return false;
  // A shortcut is always swallowed; it runs only an enabled item.
  if (item->Enabled())
    item->Click();
  return true;
}

void Application::KeyDown(Form& form, Key key, ShiftState shift, char ch) {
  if (!form.AcceptsInput())
    return;
  Message m;
  m.kind = MessageKind::kKeyDown;
  m.form = &form;
  m.target = &KeyTarget(form);
  m.key = key;
  m.ch = ch;
  m.shift = shift;
  if (RunHook(m))
    return;
  switch (m.kind) {
    case MessageKind::kKeyDown:
      keys_down_[m.key] = &form;
      DispatchKeyDown(m);
      break;
    case MessageKind::kChar:
      DispatchChar(form, *m.target, m.ch, m.shift, false);
      break;
    default:
      break;
  }
}

void Application::DispatchKeyDown(Message& m) {
  Form& form = *m.form;
  Control& target = *m.target;
  Key key = m.key;
  ShiftState shift = m.shift;
  if (RunShortCut(form, key, shift))
    return;
  if (MovesFocus(target, key, shift)) {
    form.SelectNext(!shift.Has(ShiftState::kShift));
    return;
  }
  if (form.KeyPreview() && &target != &form && form.OnKeyDown) {
    form.OnKeyDown(key, shift);
    if (key == 0)
      return;
  }
  if (target.OnKeyDown) {
    target.OnKeyDown(key, shift);
    if (key == 0)
      return;
  }
  if (m.ch != 0) {
    DispatchChar(form, target, m.ch, shift, false);
  } else {
    target.DefaultKeyDown(key, shift);
  }
}

void Application::DispatchChar(Form& form, Control& target, char ch, ShiftState shift,
                               bool from_paste) {
  Message m;
  m.kind = MessageKind::kChar;
  m.form = &form;
  m.target = &target;
  m.ch = ch;
  m.shift = shift;
  if (RunHook(m))
    return;
  ch = m.ch;
  const char original = ch;
  if (form.KeyPreview() && &target != &form && form.OnKeyPress)
    form.OnKeyPress(ch);
  if (ch != 0 && target.OnKeyPress)
    target.OnKeyPress(ch);
  // A character a handler dropped, or changed into Escape, goes nowhere.
  if (ch == 0 || (ch == 27 && original != 27))
    return;
  if (from_paste) {
    target.DefaultChar(ch);
    return;
  }
  switch (ch) {
    case 13:
      if (target.WantsKey(keys::kReturn, shift)) {
        target.DefaultChar(ch);
      } else if (auto* button = dynamic_cast<Button*>(&target)) {
        button->Click();
      } else if (Button* def = FindButton(form, true)) {
        def->Click();
      }
      break;
    case 27:
      if (target.WantsKey(keys::kEscape, shift)) {
        target.DefaultChar(ch);
      } else if (Button* cancel = FindButton(form, false)) {
        cancel->Click();
      }
      break;
    case 9:
      if (target.WantsKey(keys::kTab, shift)) {
        target.DefaultChar(ch);
      } else if (!shift.Has(ShiftState::kCtrl)) {
        form.SelectNext(!shift.Has(ShiftState::kShift));
      }
      break;
    default:
      target.DefaultChar(ch);
      break;
  }
}

void Application::KeyUp(Form& form, Key key, ShiftState shift) {
  auto it = keys_down_.find(key);
  bool seen = it != keys_down_.end() && it->second == &form;
  if (it != keys_down_.end())
    keys_down_.erase(it);
  if (!form.AcceptsInput())
    return;
  Message m;
  m.kind = MessageKind::kKeyUp;
  m.form = &form;
  m.target = &KeyTarget(form);
  m.key = key;
  m.shift = shift;
  if (RunHook(m) || !seen)
    return;
  Control& target = *m.target;
  key = m.key;
  if (form.KeyPreview() && &target != &form && form.OnKeyUp) {
    form.OnKeyUp(key, m.shift);
    if (key == 0)
      return;
  }
  if (target.OnKeyUp)
    target.OnKeyUp(key, m.shift);
}

void Application::Paste(Form& form, std::string_view text) {
  if (!form.AcceptsInput())
    return;
  Control& target = KeyTarget(form);
  // A line break arrives as one Enter character.
  for (size_t i = 0; i < text.size(); ++i) {
    char ch = text[i];
    if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
      ++i;
    if (ch == '\n')
      ch = '\r';
    if (!TakesInput(target) && &target != &form)
      return;
    DispatchChar(form, target, ch, {}, true);
  }
}

// ---- Mouse ---------------------------------------------------------------------------------

void Application::MouseDown(Control& target, MouseButton button, ShiftState shift, int x, int y) {
  if (!TakesInput(target))
    return;
  Form& form = target.OwnerForm();
  if (active_ != &form)
    UserActivate(form);
  Message m;
  m.kind = MessageKind::kMouseDown;
  m.form = &form;
  m.target = &target;
  m.button = button;
  m.shift = shift;
  m.x = x;
  m.y = y;
  if (RunHook(m))
    return;
  if (button == MouseButton::kLeft && target.CanFocus())
    target.SetFocus();
  if (target.OnMouseDown)
    target.OnMouseDown(button, shift, x, y);
  target.DefaultMouseDown(button, shift, x, y);
}

void Application::MouseUp(Control& target, MouseButton button, ShiftState shift, int x, int y) {
  if (!TakesInput(target))
    return;
  Message m;
  m.kind = MessageKind::kMouseUp;
  m.form = &target.OwnerForm();
  m.target = &target;
  m.button = button;
  m.shift = shift;
  m.x = x;
  m.y = y;
  if (RunHook(m))
    return;
  if (target.OnMouseUp)
    target.OnMouseUp(button, shift, x, y);
  if (!TakesInput(target))
    return;
  target.DefaultMouseUp(button, shift, x, y);
  if (button != MouseButton::kRight)
    return;
  for (Control* c = &target; c != nullptr; c = c->Parent()) {
    PopupMenu* popup = c->GetPopupMenu();
    if (popup == nullptr)
      continue;
    if (popup->AutoPopup()) {
      popup->SetPopupComponent(&target);
      Point p = target.ClientToScreen({x, y});
      popup->Popup(p.x, p.y);
    }
    break;
  }
}

void Application::MouseMove(Control& target, ShiftState shift, int x, int y) {
  if (!TakesInput(target))
    return;
  if (target.OnMouseMove)
    target.OnMouseMove(shift, x, y);
}

void Application::DoubleClick(Control& target, ShiftState shift, int x, int y) {
  if (!TakesInput(target))
    return;
  Message m;
  m.kind = MessageKind::kDblClick;
  m.form = &target.OwnerForm();
  m.target = &target;
  m.shift = shift;
  m.x = x;
  m.y = y;
  if (RunHook(m))
    return;
  if (target.OnDblClick)
    target.OnDblClick();
  if (TakesInput(target))
    target.DefaultDblClick(x, y);
}

void Application::Wheel(Form& form, int delta, ShiftState shift) {
  if (!form.AcceptsInput())
    return;
  Message m;
  m.kind = MessageKind::kMouseWheel;
  m.form = &form;
  m.target = &KeyTarget(form);
  m.shift = shift;
  m.wheel_delta = delta;
  if (RunHook(m))
    return;
  switch (m.kind) {
    case MessageKind::kKeyDown:
      DispatchKeyDown(m);
      break;
    case MessageKind::kMouseWheel: {
      int steps = m.wheel_delta / 120;
      if (steps == 0 && m.wheel_delta != 0)
        steps = m.wheel_delta > 0 ? 1 : -1;
      m.target->DefaultWheel(steps);
      break;
    }
    default:
      break;
  }
}

bool Application::ChooseMenuItem(MenuItem& item) {
  if (!item.Root().Owner().AcceptsInput())
    return false;
  for (MenuItem* p = &item; p != nullptr; p = p->Parent()) {
    if (!p->Enabled() || !p->Visible())
      return false;
  }
  item.Click();
  return true;
}

}  // namespace ui
