// The test driver: an Application on the headless backend, with the user's hands.
//
//   ui::headless::Driver drv;               // screen 1280 x 1024
//   MyForms forms(drv.App());               // the forms, created in the program's order
//   drv.OnModal("Kiszoveg", [&] { drv.Click(forms.kiszoveg.Bigen); });
//   drv.Click(forms.main.Bmentes);          // shows Kiszoveg modally; the step answers
//   EXPECT_EQ(drv.Verify(), "");            // every modal form had a step, every step ran
//
// Modal sessions: a step queued with OnModal runs inside the next modal session of the
// form with that name (one step per session, in queue order per form). A modal form
// shown with nothing queued, a form still open after its step, and (at Verify) a step
// whose form was never shown are failures naming the form; the session is then ended with
// the cancel result so the test goes on.
//
// Input goes through the same Application entry points the Qt backend uses. Keys go to
// the active form's focused control. The input functions return false when the target
// does not take input (hidden, disabled, or under a modal form).
//
// Log lines: "show: NAME", "hide: NAME", "modal: NAME", "modal end: NAME", "popup: NAME",
// and whatever the program notes through Application::Note (the message window notes
// "message: CAPTION | LINE1 | LINE2").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/application.h"
#include "platform/ui/headless/headless_backend.h"
#include "platform/ui/ui.h"

namespace ui::headless {

class Driver {
 public:
  explicit Driver(int screen_width = 1280, int screen_height = 1024);
  // Reports through the failure handler what Verify has not reported yet.
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  Application& App() { return app_; }
  HeadlessBackend& Backend() { return backend_; }

  void SetScreenSize(int width, int height) { backend_.SetScreenSize(width, height); }
  void SetPlaces(std::vector<desktop::Place> places) { backend_.SetPlaces(std::move(places)); }

  // ---- Script --------------------------------------------------------------------------
  void OnModal(std::string form_name, std::function<void()> step);
  // A step for Application::Run's loop; Run returns after the queued ones.
  void OnRun(std::function<void()> step) { backend_.QueueMainStep(std::move(step)); }
  // "" when all went as scripted; otherwise the failures, one a line. Clears them and the
  // steps still waiting.
  std::string Verify();
  // Told of every failure at once (besides Verify).
  void SetFailureHandler(std::function<void(const std::string&)> handler) {
    backend_.OnFailure = std::move(handler);
  }

  // ---- Mouse -----------------------------------------------------------------------------
  // Press and release of the left button in the middle of a control (or at a point of a
  // form's client area, on the control found there).
  bool Click(Control& control);
  bool ClickAt(Control& control, int x, int y);
  bool ClickFormAt(Form& form, int x, int y);
  bool DoubleClick(Control& control);
  bool DoubleClickAt(Control& control, int x, int y);
  bool RightClick(Control& control);
  bool RightClickAt(Control& control, int x, int y);
  bool MouseMove(Control& control, int x, int y);
  // One wheel message per 120 units of delta (positive: away from the user), to the
  // active form.
  bool Wheel(int delta, ShiftState shift = {});

  // ---- Keyboard --------------------------------------------------------------------------
  // Gives the focus to a control as a user's click would, without clicking.
  bool Focus(Control& control);
  // Key-down (with the character the key types) and key-up in the active form.
  bool Press(Key key, ShiftState shift = {});
  bool KeyDown(Key key, ShiftState shift = {});
  bool KeyUp(Key key, ShiftState shift = {});
  // Types each character (key-down, character, key-up).
  bool Type(std::string_view text);
  // Pastes a text into the active form's focused control.
  bool Paste(std::string_view text);

  // ---- Menus, lists, windows -------------------------------------------------------------
  // Chooses a menu item as the user would: only a visible, enabled item (with visible,
  // enabled parents) of a form that takes input.
  bool ChooseMenuItem(MenuItem& item);
  // The popup menu shown last, and where (screen coordinates).
  PopupMenu* LastPopup() const { return backend_.LastPopup(); }
  // The user chooses an item of a combo box's list, or clicks an item of a list.
  bool Choose(ComboBox& combo, int index);
  bool ClickItem(ListBox& list, int index);
  bool DoubleClickItem(ListBox& list, int index);
  // The user switches to a window, or presses its close box.
  bool Activate(Form& form);
  bool RequestClose(Form& form);
  void Expose(Form& form) { app_.Expose(form); }

  // ---- Clock and log -----------------------------------------------------------------------
  void Advance(std::int64_t ms) { backend_.Advance(ms); }
  std::int64_t Now() { return backend_.NowMs(); }
  const std::vector<std::string>& Log() const { return backend_.Log(); }
  void ClearLog() { backend_.ClearLog(); }
  // The log lines that start with `prefix`.
  std::vector<std::string> LogLines(std::string_view prefix) const;

  // The character a key types with a shift state (0 for none), as a keyboard would.
  static char CharOf(Key key, ShiftState shift);
  // The key (and shift) that types a character.
  static Key KeyOf(char ch, ShiftState& shift);

 private:
  bool TakesMouse(const Control& control) const;

  HeadlessBackend backend_;
  Application app_;
};

}  // namespace ui::headless
