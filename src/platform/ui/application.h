// Application: the program's forms, its message loop, the screen and the input dispatch.
//
// One Application per program run, over one Backend. Forms register themselves in
// creation order; the first one is the main form. Run() shows the main form and runs the
// loop until the main form closes. ShowModal works before Run() too.
//
// Input entry points: a backend (the headless Driver, the Qt backend) reports the user's
// actions through KeyDown, KeyUp, MouseDown, MouseUp, MouseMove, DoubleClick, Wheel,
// UserActivate, CloseRequest, Expose, ChooseMenuItem, Paste and TimerFired. They run the
// whole dispatch: the OnMessage hook first, then the form's shortcut table, the key
// handlers, the default behaviour, and so on.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/backend.h"
#include "platform/ui/types.h"

namespace ui {

class Control;
class Form;
class MenuItem;
class Timer;

// A message as the application-message hook sees it. The hook may change any field
// (a wheel message may become a key-down) or swallow the message.
enum class MessageKind {
  kKeyDown,
  kKeyUp,
  kChar,
  kMouseDown,
  kMouseUp,
  kDblClick,
  kMouseWheel,
};

struct Message {
  MessageKind kind = MessageKind::kKeyDown;
  Form* form = nullptr;       // the window the message is for
  Control* target = nullptr;  // the focused control (keys) or the control under the mouse
  Key key = 0;
  char ch = 0;
  ShiftState shift;
  MouseButton button = MouseButton::kLeft;
  int x = 0;  // mouse messages: the target's client coordinates
  int y = 0;
  int wheel_delta = 0;  // positive: away from the user; 120 is one notch
};

class Application;

class Screen {
 public:
  explicit Screen(Application& app) : app_(&app) {}
  int Width() const;
  int Height() const;
  ui::Cursor GetCursor() const { return cursor_; }
  void SetCursor(ui::Cursor cursor);

 private:
  Application* app_;
  ui::Cursor cursor_ = ui::Cursor::kDefault;
};

// The hourglass cursor for the guard's lifetime; the previous cursor comes back after.
class HourglassCursor {
 public:
  explicit HourglassCursor(Application& app);
  ~HourglassCursor();
  HourglassCursor(const HourglassCursor&) = delete;
  HourglassCursor& operator=(const HourglassCursor&) = delete;

 private:
  Screen* screen_;
  ui::Cursor previous_;
};

class Application {
 public:
  explicit Application(Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Backend& GetBackend() const { return *backend_; }
  ui::Screen& GetScreen() { return screen_; }

  const std::vector<Form*>& Forms() const { return forms_; }
  Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
  Form* ActiveForm() const { return active_; }
  // The innermost form in a modal session, nullptr outside any.
  Form* InnermostModal() const { return sessions_.empty() ? nullptr : sessions_.back(); }
  int ModalDepth() const { return static_cast<int>(sessions_.size()); }

  // Shows the main form and runs the loop until the main form closes (or Terminate).
  void Run();
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  int TextWidth(const Font& font, std::string_view text) const;
  int TextHeight(const Font& font) const;
  // A line for the session log (the headless Driver keeps it).
  void Note(std::string_view line) const;

  // The application-message hook: sees every key, character, wheel and mouse-button
  // message of every window before it is dispatched. Setting `handled` swallows it.
  std::function<void(Message& message, bool& handled)> OnMessage;

  // ---- Input entry points ------------------------------------------------------------
  // A key pressed in `form`; `ch` is the character it types in Windows-1250 (0 for keys
  // that type none: arrows, Delete, F-keys, ...).
  void KeyDown(Form& form, Key key, ShiftState shift, char ch);
  void KeyUp(Form& form, Key key, ShiftState shift);
  // Mouse messages for a control, at a point of its client area.
  void MouseDown(Control& target, MouseButton button, ShiftState shift, int x, int y);
  void MouseUp(Control& target, MouseButton button, ShiftState shift, int x, int y);
  void MouseMove(Control& target, ShiftState shift, int x, int y);
  // The second press of a double click (sent between the two releases).
  void DoubleClick(Control& target, ShiftState shift, int x, int y);
  // One wheel message to `form`; `delta` positive away from the user, 120 per notch.
  void Wheel(Form& form, int delta, ShiftState shift);
  // The user switched to `form` from another of the program's windows.
  void UserActivate(Form& form);
  // The window manager's close box: the form's OnCloseBox, then Close unless it refused.
  void CloseRequest(Form& form);
  // The window needs painting.
  void Expose(Form& form);
  // The user chose a menu item (menu bar or popup).
  bool ChooseMenuItem(MenuItem& item);
  // Text pasted by the user into the focused control: each character goes through the
  // OnKeyPress filter as if typed.
  void Paste(Form& form, std::string_view text);
  void TimerFired(Timer& timer);

 private:
  friend class Form;
  friend class Control;

  void RegisterForm(Form* form);
  void UnregisterForm(Form* form);
  // Makes `form` the active form; OnActivate runs when `run_handler` and it was not active.
  void SetActive(Form* form, bool run_handler);
  // The active form was hidden: activation passes to the most recent usable form.
  void ActiveFormHidden(Form& form);
  void Touch(Form* form);  // activation order
  bool RunHook(Message& message);
  void DispatchKeyDown(Message& message);
  void DispatchChar(Form& form, Control& target, char ch, ShiftState shift, bool from_paste);
  bool RunShortCut(Form& form, Key key, ShiftState shift);
  void ControlGone(Control* control);
  Control& KeyTarget(Form& form) const;

  Backend* backend_;
  ui::Screen screen_;
  std::vector<Form*> forms_;
  std::vector<Form*> activation_order_;  // most recent last
  std::vector<Form*> sessions_;
  Form* active_ = nullptr;
  bool terminated_ = false;
  bool running_ = false;
  // Keys held down, with the window that saw their key-down.
  std::map<Key, Form*> keys_down_;
};

}  // namespace ui
