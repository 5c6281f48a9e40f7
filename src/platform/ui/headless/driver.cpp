#include "platform/ui/headless/driver.h"

#include <algorithm>

namespace ui::headless {

Driver::Driver(int screen_width, int screen_height) : app_(backend_) {
  backend_.SetApplication(&app_);
  backend_.SetScreenSize(screen_width, screen_height);
}

Driver::~Driver() {
  std::string left = Verify();
  if (!left.empty() && backend_.OnFailure)
    backend_.OnFailure(left);
}

void Driver::OnModal(std::string form_name, std::function<void()> step) {
  backend_.QueueModalStep(std::move(form_name), std::move(step));
}

std::string Driver::Verify() {
  std::vector<std::string> lines = backend_.Failures();
  for (const std::string& name : backend_.PendingSteps()) {
    lines.push_back("a step queued for " + name + " never ran: the form was not shown modally");
  }
  backend_.ClearFailures();
  backend_.DropPendingSteps();
  std::string out;
  for (const std::string& line : lines) {
    if (!out.empty())
      out += '\n';
    out += line;
  }
  return out;
}

bool Driver::TakesMouse(const Control& control) const {
  return control.OwnerForm().AcceptsInput() && control.Showing() && control.EnabledWithParents();
}

bool Driver::Click(Control& control) {
  return ClickAt(control, control.Width() / 2, control.Height() / 2);
}

bool Driver::ClickAt(Control& control, int x, int y) {
  if (!TakesMouse(control))
    return false;
  app_.MouseDown(control, MouseButton::kLeft, {}, x, y);
  app_.MouseUp(control, MouseButton::kLeft, {}, x, y);
  return true;
}

bool Driver::ClickFormAt(Form& form, int x, int y) {
  Control* target = form.ControlAt(x, y);
  Point origin = target->ClientToForm({0, 0});
  return ClickAt(*target, x - origin.x, y - origin.y);
}

bool Driver::DoubleClick(Control& control) {
  return DoubleClickAt(control, control.Width() / 2, control.Height() / 2);
}

bool Driver::DoubleClickAt(Control& control, int x, int y) {
  if (!TakesMouse(control))
    return false;
  app_.MouseDown(control, MouseButton::kLeft, {}, x, y);
  app_.MouseUp(control, MouseButton::kLeft, {}, x, y);
  if (!TakesMouse(control))
    return true;
  app_.DoubleClick(control, {}, x, y);
  if (TakesMouse(control))
    app_.MouseUp(control, MouseButton::kLeft, {}, x, y);
  return true;
}

bool Driver::RightClick(Control& control) {
  return RightClickAt(control, control.Width() / 2, control.Height() / 2);
}

bool Driver::RightClickAt(Control& control, int x, int y) {
  if (!TakesMouse(control))
    return false;
  app_.MouseDown(control, MouseButton::kRight, {}, x, y);
  app_.MouseUp(control, MouseButton::kRight, {}, x, y);
  return true;
}

bool Driver::MouseMove(Control& control, int x, int y) {
  if (!TakesMouse(control))
    return false;
  app_.MouseMove(control, {}, x, y);
  return true;
}

bool Driver::Wheel(int delta, ShiftState shift) {
  Form* form = app_.ActiveForm();
  if (form == nullptr)
    return false;
  int notches = delta / 120;
  for (int i = 0; i < std::abs(notches); ++i) {
    form = app_.ActiveForm();
    if (form == nullptr)
      return false;
    app_.Wheel(*form, notches > 0 ? 120 : -120, shift);
  }
  return true;
}

bool Driver::Focus(Control& control) {
  if (!TakesMouse(control) || !control.CanFocus())
    return false;
  app_.UserActivate(control.OwnerForm());
  control.SetFocus();
  return control.Focused();
}

bool Driver::KeyDown(Key key, ShiftState shift) {
  Form* form = app_.ActiveForm();
  if (form == nullptr)
    return false;
  app_.KeyDown(*form, key, shift, CharOf(key, shift));
  return true;
}

bool Driver::KeyUp(Key key, ShiftState shift) {
  Form* form = app_.ActiveForm();
  if (form == nullptr)
    return false;
  app_.KeyUp(*form, key, shift);
  return true;
}

bool Driver::Press(Key key, ShiftState shift) {
  if (!KeyDown(key, shift))
    return false;
  KeyUp(key, shift);
  return true;
}

bool Driver::Type(std::string_view text) {
  for (char ch : text) {
    ShiftState shift;
    Key key = KeyOf(ch, shift);
    Form* form = app_.ActiveForm();
    if (form == nullptr)
      return false;
    app_.KeyDown(*form, key, shift, ch);
    form = app_.ActiveForm();
    if (form != nullptr)
      app_.KeyUp(*form, key, shift);
  }
  return true;
}

bool Driver::Paste(std::string_view text) {
  Form* form = app_.ActiveForm();
  if (form == nullptr)
    return false;
  app_.Paste(*form, text);
  return true;
}

bool Driver::ChooseMenuItem(MenuItem& item) {
  return app_.ChooseMenuItem(item);
}

bool Driver::Choose(ComboBox& combo, int index) {
  if (!TakesMouse(combo) || index < 0 || index >= static_cast<int>(combo.Items().size())) {
    return false;
  }
  app_.UserActivate(combo.OwnerForm());
  combo.SetFocus();
  combo.UserSelect(index);
  return true;
}

namespace {

// The user scrolls the item into view; the point in its middle.
bool ItemPoint(ListBox& list, int index, Point& point) {
  if (index < 0 || index >= list.Count())
    return false;
  if (index < list.TopIndex() || index >= list.TopIndex() + list.VisibleItemCount()) {
    list.SetTopIndex(index);
  }
  point = {std::min(2, list.Width() - 1),
           (index - list.TopIndex()) * list.ItemHeight() + list.ItemHeight() / 2};
  return list.ItemAtPos(point.x, point.y) == index;
}

}  // namespace

bool Driver::ClickItem(ListBox& list, int index) {
  Point p;
  if (!TakesMouse(list) || !ItemPoint(list, index, p))
    return false;
  return ClickAt(list, p.x, p.y);
}

bool Driver::DoubleClickItem(ListBox& list, int index) {
  Point p;
  if (!TakesMouse(list) || !ItemPoint(list, index, p))
    return false;
  return DoubleClickAt(list, p.x, p.y);
}

bool Driver::Activate(Form& form) {
  if (!form.AcceptsInput())
    return false;
  app_.UserActivate(form);
  return true;
}

bool Driver::RequestClose(Form& form) {
  if (!form.Visible())
    return false;
  app_.CloseRequest(form);
  return true;
}

std::vector<std::string> Driver::LogLines(std::string_view prefix) const {
  std::vector<std::string> out;
  for (const std::string& line : backend_.Log()) {
    if (line.starts_with(prefix))
      out.push_back(line);
  }
  return out;
}

char Driver::CharOf(Key key, ShiftState shift) {
  const bool ctrl = shift.Has(ShiftState::kCtrl);
  if (shift.Has(ShiftState::kAlt))
    return 0;
  switch (key) {
    case keys::kReturn:
      return 13;
    case keys::kEscape:
      return 27;
    case keys::kBack:
      return 8;
    case keys::kTab:
      return 9;
    case keys::kSpace:
      return ctrl ? 0 : ' ';
    default:
      break;
  }
  if (key >= 'A' && key <= 'Z') {
    if (ctrl)
      return static_cast<char>(key - 'A' + 1);
    return static_cast<char>(shift.Has(ShiftState::kShift) ? key : key + 32);
  }
  if (key >= '0' && key <= '9' && !ctrl && !shift.Has(ShiftState::kShift)) {
    return static_cast<char>(key);
  }
  return 0;
}

Key Driver::KeyOf(char ch, ShiftState& shift) {
  shift = {};
  if (ch >= 'a' && ch <= 'z')
    return static_cast<Key>(ch - 32);
  if (ch >= 'A' && ch <= 'Z') {
    shift = kShift;
    return static_cast<Key>(ch);
  }
  if (ch >= '0' && ch <= '9')
    return static_cast<Key>(ch);
  switch (ch) {
    case ' ':
      return keys::kSpace;
    case '\r':
      return keys::kReturn;
    case 27:
      return keys::kEscape;
    case 8:
      return keys::kBack;
    case 9:
      return keys::kTab;
    case '.':
      return 0xBE;
    case ',':
      return 0xBC;
    case '-':
      return 0xBD;
    case ':':
      shift = kShift;
      return 0xBE;
    default:
      return 0xDE;
  }
}

}  // namespace ui::headless
